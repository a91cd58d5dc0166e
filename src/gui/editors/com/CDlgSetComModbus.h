#pragma once
// "Modbus/TCP slave": the unit's Modbus/TCP server, its port and linger
// time. The fields are checked whatever the mode.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar::gui {
namespace kit {
class GuardedCombo;
}

class CDlgSetComModbus : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetComModbus(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    const char* Problem() const;
    void UpdateEnabled();

    SettingRecord& m_record;
    kit::GuardedCombo* m_mode;
    QComboBox* m_registers;
    QLineEdit* m_port;
    QLineEdit* m_linger;
};

}  // namespace volmar::gui
