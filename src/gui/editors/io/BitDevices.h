#pragma once
// The SLMP bit devices a discrete input or output can use: table A (18
// rows) for Modbus/TCP and "SLMP 16bit" slaves, table B (21 rows, with the
// long timers and counters) for "SLMP 32bit" slaves. The two differ in
// members and order, so rows are found by device code, never by position.
#include "editors/io/SlmpDevices.h"

namespace volmar::gui {

SlmpDeviceTable BitDeviceTable(int32_t slaveType);

}  // namespace volmar::gui
