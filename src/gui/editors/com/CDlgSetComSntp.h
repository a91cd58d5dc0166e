#pragma once
// "SNTP": whether the unit sets its clock from a time server, and which.
// The server name is checked whatever the mode.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QLineEdit;

namespace volmar::gui {
namespace kit {
class GuardedCombo;
}

class CDlgSetComSntp : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetComSntp(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    const char* Problem() const;

    SettingRecord& m_record;
    kit::GuardedCombo* m_mode;
    QLineEdit* m_server;
};

}  // namespace volmar::gui
