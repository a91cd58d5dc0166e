#pragma once
// Reaching the selected unit for one operation (the sessions do the rest).
// Every failure has shown its message.
#include <memory>

#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/UnitStatus.h"

namespace volmar {

// Opens the serial port of the link; "Cannot open COM port %d" with the
// device and the cause, and null, on failure.
std::unique_ptr<SerialLine> OpenSerialPort(LinkContext& ctx);

// The unit check of the selected link alone (before the maintenance menu):
// the port or connection is closed again. status, when given, receives the
// unit's record.
bool CheckSelectedUnit(LinkContext& ctx, UnitStatus* status = nullptr);

}  // namespace volmar
