#include "gui/editors/com/CDlgSetRepEvent.h"

#include "gui/editors/com/CDlgSetRepEventItem.h"
#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetRepEvent::CDlgSetRepEvent(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Event report"), {{"No.", 50}, {"Subject", 350}}, parent), m_record(record), m_ui(ui)
{
    Populate(kEventReportCount);
}

QStringList CDlgSetRepEvent::RowTexts(int row) const
{
    const MailReport& event = m_record.MAIL_REPORT.EVENT[row];
    QStringList texts{rep::Numbered("No.", row + 1)};
    if (event.MODE == kUse) texts << kit::FromRecord(event.TITLE);
    return texts;
}

void CDlgSetRepEvent::OpenRow(int row)
{
    CDlgSetRepEventItem dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetRepEvent::PasteRow(int from, int to) { m_record.MAIL_REPORT.EVENT[to] = m_record.MAIL_REPORT.EVENT[from]; }

}  // namespace volmar::gui
