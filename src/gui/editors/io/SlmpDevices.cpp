#include "gui/editors/io/SlmpDevices.h"

#include <QLineEdit>

#include "gui/editors/kit/GuardedCombo.h"

namespace volmar::gui {

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
