#pragma once
// "SMTP/POP3": how the unit sends its e-mail: character code, SSL, SMTP
// authentication, POP before SMTP, its own address and the servers. Every
// field is checked whatever the modes. The address book of recipients is
// the report editors' business.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar::gui {
namespace kit {
class GuardedCombo;
}

class CDlgSetComSmtp : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetComSmtp(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    const char* Problem() const;
    void UpdateEnabled();

    SettingRecord& m_record;
    QComboBox* m_charCode;
    QComboBox* m_smtpSsl;
    kit::GuardedCombo* m_auth;
    QLineEdit* m_authId;
    QLineEdit* m_authPassword;
    kit::GuardedCombo* m_pop;
    QLineEdit* m_popId;
    QLineEdit* m_popPassword;
    QLineEdit* m_myAddress;
    QLineEdit* m_smtpServer;
    QLineEdit* m_popServer;
    QLineEdit* m_account;
    QLineEdit* m_sender;
    QLineEdit* m_smtpPort;
    QLineEdit* m_popPort;
    QComboBox* m_startTls;
};

}  // namespace volmar::gui
