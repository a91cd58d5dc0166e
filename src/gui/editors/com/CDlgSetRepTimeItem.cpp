#include "gui/editors/com/CDlgSetRepTimeItem.h"

#include <QPushButton>

#include "gui/editors/com/CDlgSetRepTimeWday.h"

namespace volmar::gui {

CDlgSetRepTimeItem::CDlgSetRepTimeItem(SettingRecord& record, Interaction& ui, QWidget* parent)
    : RepReportEditor(record, record.MAIL_REPORT.TIME.REPORT, ui, QStringLiteral("Regular report"), parent),
      m_target(record),
      m_days(record.MAIL_REPORT.TIME.WDAY)
{
    std::copy(std::begin(record.MAIL_REPORT.TIME.REPORT_TIME), std::end(record.MAIL_REPORT.TIME.REPORT_TIME),
              m_hours.begin());
    QPushButton* days = AddReportButton("weekdays", "Specify day of week");
    connect(days, &QPushButton::clicked, this, [this] {
        CDlgSetRepTimeWday dialog(m_days, Ui(), this);
        if (dialog.exec() == QDialog::Accepted) m_days = dialog.Result();
    });
    QPushButton* times = AddReportButton("times", "Set time to send");
    connect(times, &QPushButton::clicked, this, [this] {
        CDlgSetRepTimeSend dialog(m_hours, Ui(), this);
        if (dialog.exec() == QDialog::Accepted) m_hours = dialog.Result();
    });
}

bool CDlgSetRepTimeItem::Confirm()
{
    if (!CheckTexts(ReportEnabled())) return false;
    TimeReport& time = m_target.MAIL_REPORT.TIME;
    StoreReport(time.REPORT);
    time.WDAY = m_days;
    std::copy(m_hours.begin(), m_hours.end(), std::begin(time.REPORT_TIME));
    return true;
}

}  // namespace volmar::gui
