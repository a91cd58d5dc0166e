#pragma once
// Reaching the selected unit for one operation: the serial port, or the
// network unit with its protocol detected, its address looked up and the
// unit checked. Every failure has shown its message.
#include <memory>
#include <string>

#include "core/link/cipher/CipherLink.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/UnitStatus.h"

namespace volmar {

// Opens the serial port of the link; "Cannot open COM port %d" with the
// device and the cause, and null, on failure.
std::unique_ptr<SerialLine> OpenSerialPort(LinkContext& ctx);

// A network unit that passed its check. For the encrypted protocol the
// connection that carries the operation; it closes when this goes.
struct NetworkUnit {
    int protocol = kProtocolUnknown;
    std::string address;
    UnitStatus status{};
    std::unique_ptr<CCipherLink> cipher;
};

// DetectProtocol when the protocol is not known yet, the address look-up,
// then CheckUnitTcp or CheckUnitCipher.
bool ReachNetworkUnit(LinkContext& ctx, NetworkUnit& unit);

// The unit check of the selected link alone (before the maintenance menu):
// the port or connection is closed again. status, when given, receives the
// unit's record.
bool CheckSelectedUnit(LinkContext& ctx, UnitStatus* status = nullptr);

}  // namespace volmar
