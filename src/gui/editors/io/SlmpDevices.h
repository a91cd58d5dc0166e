#pragma once
// The device fields of a channel that reads an SLMP device: its list of
// devices and its decimal and hexadecimal number fields.
#include <cstdint>

#include <QString>

#include "core/settings/SlmpDeviceTables.h"

class QLineEdit;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

// A device number as the hexadecimal field shows it: eight digits.
QString Hex8(uint32_t value);

// The device fields of a channel: the list holds the table's names with its
// first row selected (no signal is sent); the number shows in the decimal or
// the hexadecimal field as the device's row says, and the other field reads 0.
void FillDeviceList(kit::GuardedCombo& list, const SlmpDeviceTable& table);
void ClearDeviceNumbers(QLineEdit& dec, QLineEdit& hex);
void ShowDevice(kit::GuardedCombo& list, QLineEdit& dec, QLineEdit& hex, const SlmpDeviceTable& table,
                uint16_t code, uint32_t number);

}  // namespace volmar::gui
