#pragma once
// The SLMP devices a PI channel can count from: table A for Modbus/TCP and
// "SLMP 16bit" slaves, table B (long timers and counters first, RD last) for
// "SLMP 32bit" slaves. The two differ in members and order, so a stored
// device is always found by its code.
#include "editors/io/SlmpDevices.h"

namespace volmar::gui {

SlmpDeviceTable PiDeviceTable(int32_t slaveType);

}  // namespace volmar::gui
