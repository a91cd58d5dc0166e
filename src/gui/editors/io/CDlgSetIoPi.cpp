#include "gui/editors/io/CDlgSetIoPi.h"

#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

int PiOiRowsForSpeed(int32_t speed)
{
    if (speed >= 0 && speed <= 2) return 16;
    if (speed >= 3 && speed <= 15) return 32;
    return 0;
}

CDlgSetIoPi::CDlgSetIoPi(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ChannelList(QStringLiteral("Pulse input (PI)"), sheets::ChannelSheet::Pi, record, ui, parent)
{
    Populate(PiOiRowsForSpeed(record.RECORD.SPEED));
}

QStringList CDlgSetIoPi::RowTexts(int row) const
{
    const PiChannel& ch = m_record.IO.PI[row];
    QStringList texts{QStringLiteral("PI%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (ch.TYPE != 0) texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT);
    return texts;
}

void CDlgSetIoPi::OpenRow(int row)
{
    CDlgSetIoPiCh dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoPi::PasteRow(int from, int to) { m_record.IO.PI[to] = m_record.IO.PI[from]; }

}  // namespace volmar::gui
