#pragma once
// "Set time to send": the 24 hours of the day at which the regular report
// may go out. The list works on the report editor's hour table; "Back"
// hands it back, Escape or the title bar's close discards the changes.
#include <array>

#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRepTimeSend : public kit::ListDialog {
    Q_OBJECT
public:
    using Hours = std::array<ReportTime, kReportTimeCount>;

    CDlgSetRepTimeSend(const Hours& hours, Interaction& ui, QWidget* parent = nullptr);
    const Hours& Result() const { return m_hours; }

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    Interaction& m_ui;
    Hours m_hours;
};

}  // namespace volmar::gui
