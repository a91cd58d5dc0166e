#include "editors/io/SlmpDevices.h"

#include <QLineEdit>

#include "editors/io/SlaveUse.h"
#include "editors/kit/GuardedCombo.h"

namespace volmar::gui {
namespace {

constexpr SlmpDevice kAiDevices[] = {
    {0xA9, "SD", false}, {0xA8, "D", false}, {0xB4, "W", true},  {0xC2, "TN", false},
    {0xC8, "STN", false}, {0xC5, "CN", false}, {0xB5, "SW", true}, {0xCC, "Z", false},
    {0xAF, "R", false},  {0xB0, "ZR", false}, {0x2C, "RD", false},
};
constexpr int kTableA = 10;
constexpr int kTableB = 11;

}  // namespace

int SlmpDeviceTable::RowOf(uint16_t code) const
{
    for (int i = 0; i < count; ++i) {
        if (rows[i].code == code) return i;
    }
    return 0;
}

SlmpDeviceTable AiDeviceTable(int32_t slaveType)
{
    return {kAiDevices, slaveType == kSlaveSlmp32 ? kTableB : kTableA};
}

QString Hex8(uint32_t value) { return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')); }

void FillDeviceList(kit::GuardedCombo& list, const SlmpDeviceTable& table)
{
    const bool blocked = list.blockSignals(true);
    list.clear();
    for (int i = 0; i < table.count; ++i) list.addItem(QString::fromLatin1(table.rows[i].name));
    list.blockSignals(blocked);
    list.Select(0);
}

void ClearDeviceNumbers(QLineEdit& dec, QLineEdit& hex)
{
    dec.setText(QStringLiteral("0"));
    hex.setText(QStringLiteral("00000000"));
}

void ShowDevice(kit::GuardedCombo& list, QLineEdit& dec, QLineEdit& hex, const SlmpDeviceTable& table,
                uint16_t code, uint32_t number)
{
    const int row = table.RowOf(code);
    list.Select(row);
    if (table.rows[row].hex) {
        hex.setText(Hex8(number));
    } else {
        dec.setText(QString::number(number));
    }
}

}  // namespace volmar::gui
