#include "gui/editors/com/CDlgSetRepTimeSend.h"

#include "gui/editors/com/CDlgSetRepTimeSendConf.h"

namespace volmar::gui {

CDlgSetRepTimeSend::CDlgSetRepTimeSend(const Hours& hours, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Set time to send"),
                 {{"Hour", 40}, {"Report", 50}, {"Offset (min.)", 150}, {"Offset (sec.)", 150}}, parent),
      m_ui(ui),
      m_hours(hours)
{
    Populate(kReportTimeCount);
}

QStringList CDlgSetRepTimeSend::RowTexts(int row) const
{
    const ReportTime& time = m_hours[row];
    return {QString::number(row), time.MODE == kUse ? QStringLiteral("Enable") : QStringLiteral("Disable"),
            QString::number(time.OFFSET_MIN), QString::number(time.OFFSET_SEC)};
}

void CDlgSetRepTimeSend::OpenRow(int row)
{
    CDlgSetRepTimeSendConf dialog(row, m_hours[row], m_ui, this);
    if (dialog.exec() == QDialog::Accepted) m_hours[row] = dialog.Result();
}

void CDlgSetRepTimeSend::PasteRow(int from, int to) { m_hours[to] = m_hours[from]; }

}  // namespace volmar::gui
