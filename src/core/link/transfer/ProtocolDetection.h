#pragma once
// Finds out whether the selected network unit speaks the encrypted or the
// plain protocol.
#include "core/link/transfer/LinkContext.h"

namespace volmar {

// Looks the unit up, then tries the encrypted handshake; a unit that does
// not answer it is checked over the plain protocol (which may ask for the
// login). Sets and returns LinkState::protocol: kProtocolCipher,
// kProtocolPlain, or kProtocolUnknown when the unit cannot be reached (the
// message has been shown; the caller stops without another one).
int DetectProtocol(LinkContext& ctx);

}  // namespace volmar
