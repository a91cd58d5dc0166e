#include "gui/editors/io/CDlgSetIoDi.h"

#include "gui/common/AppContext.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/DiscreteRows.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetIoDi::CDlgSetIoDi(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ChannelList(QStringLiteral("Discrete input (DI)"), sheets::ChannelSheet::Di, record, ui, parent)
{
    Populate(DiscreteRowsForSpeed(record.RECORD.SPEED));
}

QStringList CDlgSetIoDi::RowTexts(int row) const
{
    const DiChannel& ch = m_record.IO.DI[row];
    QStringList texts{QStringLiteral("DI%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (ch.TYPE != 0) texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT);
    return texts;
}

void CDlgSetIoDi::OpenRow(int row)
{
    CDlgSetIoDiCh dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoDi::PasteRow(int from, int to) { m_record.IO.DI[to] = m_record.IO.DI[from]; }

}  // namespace volmar::gui
