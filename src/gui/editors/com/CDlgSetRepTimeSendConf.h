#pragma once
// "Set time to send: %d (hour)": whether the regular report goes out in one
// hour of the day, and its minute and second offsets. The offsets are
// checked (and editable) only while the hour is enabled.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QLineEdit;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetRepTimeSendConf : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetRepTimeSendConf(int hour, const ReportTime& time, Interaction& ui, QWidget* parent = nullptr);
    const ReportTime& Result() const { return m_time; }

protected:
    bool Confirm() override;

private:
    bool CheckOffsets();
    void ApplyMode();

    ReportTime m_time;
    kit::GuardedCombo* m_report;
    QLineEdit* m_minute;
    QLineEdit* m_second;
};

}  // namespace volmar::gui
