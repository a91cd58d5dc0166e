#pragma once
// "FTP client": where the unit sends its files. The fields are checked, and
// editable, only while the client is enabled; switching it off is refused
// while a field would not pass.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QLineEdit;

namespace volmar::gui {
namespace kit {
class GuardedCombo;
}

class CDlgSetComFtpc : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetComFtpc(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    const char* Problem() const;
    void UpdateEnabled();

    SettingRecord& m_record;
    kit::GuardedCombo* m_mode;
    QLineEdit* m_port;
    QLineEdit* m_server;
    QLineEdit* m_login;
    QLineEdit* m_password;
    QLineEdit* m_folder;
    QCheckBox* m_ignore;
};

}  // namespace volmar::gui
