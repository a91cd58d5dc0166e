#pragma once
// The SLMP devices a channel can use, list by list as the channel editors
// offer them: word devices for AI and PI channels, bit devices for DI and DO
// channels, each in one table for Modbus/TCP and "SLMP 16bit" slaves and
// another for "SLMP 32bit" slaves. The tables differ in members and order,
// so a stored device is always found by its code, never by its position.
#include <cstdint>

namespace volmar {

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

// slaveType: the slave's TYPE (0 Modbus/TCP, 1 SLMP 16bit, 2 SLMP 32bit).
SlmpDeviceTable AiDeviceTable(int32_t slaveType);
SlmpDeviceTable PiDeviceTable(int32_t slaveType);
SlmpDeviceTable BitDeviceTable(int32_t slaveType);

// The device of a code in any of the tables, or nullptr.
const SlmpDevice* FindSlmpDevice(uint16_t code);

}  // namespace volmar
