#pragma once
// The SLMP devices an AI channel can read: table A for Modbus/TCP and
// "SLMP 16bit" slaves, table B (with RD) for "SLMP 32bit" slaves.
#include <cstdint>

namespace volmar::gui {

struct SlmpDevice {
    uint16_t code;  // SLMP binary device code
    const char* name;
    bool hex;       // device numbers written in hexadecimal
};

struct SlmpDeviceTable {
    const SlmpDevice* rows;
    int count;

    // The row of a device code, or 0 when the table has none.
    int RowOf(uint16_t code) const;
};

SlmpDeviceTable AiDeviceTable(int32_t slaveType);

}  // namespace volmar::gui
