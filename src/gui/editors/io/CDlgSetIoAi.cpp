#include "gui/editors/io/CDlgSetIoAi.h"

#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/kit/RecordText.h"
#include "core/settings/UsableChannels.h"

namespace volmar::gui {

int AiRowsForSpeed(int32_t speed)
{
    return UsableAt(speed).ai;
}

CDlgSetIoAi::CDlgSetIoAi(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ChannelList(QStringLiteral("Analog input (AI)"), sheets::ChannelSheet::Ai, record, ui, parent)
{
    Populate(AiRowsForSpeed(record.RECORD.SPEED));
}

QStringList CDlgSetIoAi::RowTexts(int row) const
{
    const AiChannel& ch = m_record.IO.AI[row];
    QStringList texts{QStringLiteral("AI%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (ch.TYPE != 0) texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT);
    return texts;
}

void CDlgSetIoAi::OpenRow(int row)
{
    CDlgSetIoAiCh dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoAi::PasteRow(int from, int to) { m_record.IO.AI[to] = m_record.IO.AI[from]; }

}  // namespace volmar::gui
