#pragma once
// The SLMP devices an AI channel can read: table A for Modbus/TCP and
// "SLMP 16bit" slaves, table B (with RD) for "SLMP 32bit" slaves.
#include <cstdint>

#include <QString>

class QLineEdit;

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

namespace kit {
class GuardedCombo;
}

// A device number as the hexadecimal field shows it: eight digits.
QString Hex8(uint32_t value);

// The device fields of a word channel (AI, PI): the list holds the table's
// names with its first row selected (no signal is sent); the number shows
// in the decimal or the hexadecimal field as the device's row says, and the
// other field reads 0.
void FillDeviceList(kit::GuardedCombo& list, const SlmpDeviceTable& table);
void ClearDeviceNumbers(QLineEdit& dec, QLineEdit& hex);
void ShowDevice(kit::GuardedCombo& list, QLineEdit& dec, QLineEdit& hex, const SlmpDeviceTable& table,
                uint16_t code, uint32_t number);

}  // namespace volmar::gui
