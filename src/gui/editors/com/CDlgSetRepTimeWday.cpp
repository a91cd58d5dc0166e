#include "gui/editors/com/CDlgSetRepTimeWday.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "core/settings/EditorEntries.h"

namespace volmar::gui {

CDlgSetRepTimeWday::CDlgSetRepTimeWday(uint8_t days, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Specify day of week"), parent), m_days(days)
{
    for (int bit = 0; bit < 7; ++bit) {
        m_day[bit] = new QCheckBox(QString::fromUtf8(entries::Weekday.At(bit)));
        m_day[bit]->setObjectName(QStringLiteral("day%1").arg(bit));
        m_day[bit]->setChecked((days >> bit) & 1u);
        Body()->addWidget(m_day[bit]);
    }
    setMinimumWidth(220);
}

bool CDlgSetRepTimeWday::Confirm()
{
    // Bit 7 is no day; it stays as stored.
    uint8_t days = m_days & 0x80u;
    for (int bit = 0; bit < 7; ++bit) {
        if (m_day[bit]->isChecked()) days |= static_cast<uint8_t>(1u << bit);
    }
    m_days = days;
    return true;
}

}  // namespace volmar::gui
