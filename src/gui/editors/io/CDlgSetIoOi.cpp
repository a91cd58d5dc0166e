#include "gui/editors/io/CDlgSetIoOi.h"

#include "gui/editors/io/CDlgSetIoPi.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetIoOi::CDlgSetIoOi(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ChannelList(QStringLiteral("Function input (OI)"), sheets::ChannelSheet::Oi, record, ui, parent)
{
    Populate(PiOiRowsForSpeed(record.RECORD.SPEED));
}

QStringList CDlgSetIoOi::RowTexts(int row) const
{
    const OiChannel& ch = m_record.IO.OI[row];
    QStringList texts{QStringLiteral("OI%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (ch.TYPE != 0) texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT);
    return texts;
}

void CDlgSetIoOi::OpenRow(int row)
{
    CDlgSetIoOiCh dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoOi::PasteRow(int from, int to) { m_record.IO.OI[to] = m_record.IO.OI[from]; }

}  // namespace volmar::gui
