#pragma once
// The unit check that precedes every transfer: it asks the unit for its
// status record, logs in as the link needs, and shows its own messages.
#include <string>

#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/UnitStatus.h"

namespace volmar {

class CCipherLink;

// Serial status request. "Error.\nFailed to obtain the status." when the
// unit gives no 6-byte record, "Unsupported device" for another device.
bool CheckUnitSerial(SerialLine& line, Interaction& ui, UnitStatus* status = nullptr);

// Plain TCP: a status query with the current credentials (which tells
// whether the user is logged in), the login prompt when not, then a second
// query that must show a supported unit that permits configuration over the
// network.
bool CheckUnitTcp(LinkContext& ctx, const std::string& address, UnitStatus* status = nullptr);

// Encrypted TCP: the login prompt, then Connect, a strict Hello and Login
// on cipher, which then carries the operation. A failed step forgets the
// login and the protocol and shows the link error. status is made from the
// handshake reply.
bool CheckUnitCipher(LinkContext& ctx, const std::string& address, CCipherLink& cipher,
                     UnitStatus* status = nullptr);

}  // namespace volmar
