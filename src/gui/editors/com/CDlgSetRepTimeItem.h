#pragma once
// "Regular report": the report the unit sends at chosen hours on chosen
// weekdays. The weekdays and the hour table are held here with the other
// sub-dialog results and reach the record only on OK.
#include "gui/editors/com/CDlgSetRepTimeSend.h"
#include "gui/editors/com/RepReportEditor.h"

namespace volmar::gui {

class CDlgSetRepTimeItem : public RepReportEditor {
    Q_OBJECT
public:
    CDlgSetRepTimeItem(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    SettingRecord& m_target;
    uint8_t m_days;
    CDlgSetRepTimeSend::Hours m_hours;
};

}  // namespace volmar::gui
