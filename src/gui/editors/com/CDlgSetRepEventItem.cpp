#include "gui/editors/com/CDlgSetRepEventItem.h"

namespace volmar::gui {

CDlgSetRepEventItem::CDlgSetRepEventItem(SettingRecord& record, int event, Interaction& ui, QWidget* parent)
    : RepReportEditor(record, record.MAIL_REPORT.EVENT[event], ui, rep::Numbered("No.", event + 1), parent),
      m_target(record),
      m_event(event)
{
}

bool CDlgSetRepEventItem::Confirm()
{
    if (!CheckTexts(ReportEnabled())) return false;
    StoreReport(m_target.MAIL_REPORT.EVENT[m_event]);
    return true;
}

}  // namespace volmar::gui
