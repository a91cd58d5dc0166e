#pragma once
// "Preset count": loads a new count into one PI totalizer, checked against
// the channel's scaling in the setting read from the unit before the window
// opened. The window stays open after an upload.
#include <memory>

#include "gui/maintenance/MaintenanceRun.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar::gui {

class CDlgMenPriSum : public CDlgMenBase {
public:
    CDlgMenPriSum(AppContext& app, std::unique_ptr<SettingRecord> unitSetting, QWidget* parent = nullptr);
    QComboBox* Channels() const { return m_channels; }
    QLineEdit* Value() const { return m_value; }
    void Upload();

private:
    void FillChannels();
    const PiChannel& Selected() const;

    std::unique_ptr<SettingRecord> m_setting;
    QComboBox* m_type;
    QComboBox* m_channels;
    QLineEdit* m_value;
};

}  // namespace volmar::gui
