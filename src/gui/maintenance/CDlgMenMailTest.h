#pragma once
// "Test mail": makes the unit send one event report or the regular report as
// a test, as the report settings read from the unit before the window opened
// say (the editor's settings are not consulted).
#include <memory>

#include "gui/maintenance/MaintenanceRun.h"
#include "core/settings/SettingRecord.h"

class QComboBox;

namespace volmar::gui {

namespace kit {
class ReportTable;
}

class CDlgMenMailTest : public CDlgMenBase {
public:
    CDlgMenMailTest(AppContext& app, std::unique_ptr<SettingRecord> unitSetting, QWidget* parent = nullptr);
    QComboBox* Event() const { return m_event; }
    kit::ReportTable* Events() const { return m_list; }
    // report: event number - 1, or kRegularReportByte.
    void Send(uint8_t report);

private:
    std::unique_ptr<SettingRecord> m_setting;
    QComboBox* m_event;
    kit::ReportTable* m_list;
};

}  // namespace volmar::gui
