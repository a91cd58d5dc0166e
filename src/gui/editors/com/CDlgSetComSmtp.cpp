#include "gui/editors/com/CDlgSetComSmtp.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/RecordText.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/ComRules.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace com;

namespace {

QLineEdit* TextEdit(const char* name, const char* value)
{
    QLineEdit* edit = kit::MakeEdit(name, 40);
    edit->setText(kit::FromRecord(value));
    return edit;
}
}  // namespace

CDlgSetComSmtp::CDlgSetComSmtp(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("SMTP/POP3"), parent), m_record(record)
{
    const SmtpPop3Block& s = record.COM.SMTP_POP3;
    m_charCode = MakeList("charCode", entries::MailCharset);
    SelectStored(m_charCode, s.CHAR);
    m_smtpSsl = MakeList("smtpSsl", entries::Switch);
    SelectStored(m_smtpSsl, s.SMTP_OVER_SSL);
    m_auth = kit::Named(new kit::GuardedCombo(entries::SmtpAuthMode), "smtpAuth");
    SelectStored(m_auth, s.SMTP_AUTH.MODE);
    m_authId = TextEdit("smtpId", s.SMTP_AUTH.ID);
    m_authPassword = TextEdit("smtpPassword", s.SMTP_AUTH.PASSWORD);
    m_pop = MakeGuardedMode("popBeforeSmtp");
    SelectStored(m_pop, s.POP_BEFORE_SMTP_AUTH.MODE);
    m_popId = TextEdit("pop3Id", s.POP_BEFORE_SMTP_AUTH.ID);
    m_popPassword = TextEdit("pop3Password", s.POP_BEFORE_SMTP_AUTH.PASSWORD);
    m_myAddress = TextEdit("myAddress", s.MY_ADDRESS);
    m_smtpServer = TextEdit("smtpServer", s.SMTP_SERVER);
    m_popServer = TextEdit("pop3Server", s.POP3_SERVER);
    m_account = TextEdit("account", s.ACCOUNT);
    m_sender = TextEdit("sender", s.NAME);
    m_smtpPort = MakeNumberEdit("smtpPort", s.SMTP_PORT);
    m_popPort = MakeNumberEdit("pop3Port", s.POP3_PORT);
    m_startTls = MakeList("startTls", entries::Switch);
    SelectStored(m_startTls, s.STARTTLS);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Character code"), m_charCode);
    form->addRow(QStringLiteral("SMTP over SSL"), m_smtpSsl);
    form->addRow(QStringLiteral("STARTTLS"), m_startTls);
    form->addRow(QStringLiteral("SMTP authentication"), m_auth);
    form->addRow(QStringLiteral("ID"), m_authId);
    form->addRow(QStringLiteral("Password"), m_authPassword);
    form->addRow(QStringLiteral("POP before SMTP authentication"), m_pop);
    form->addRow(QStringLiteral("POP3 ID"), m_popId);
    form->addRow(QStringLiteral("POP3 password"), m_popPassword);
    form->addRow(QStringLiteral("QN70G e-mail address"), m_myAddress);
    form->addRow(QStringLiteral("SMTP server IP address"), m_smtpServer);
    form->addRow(QStringLiteral("POP3 server IP address"), m_popServer);
    form->addRow(QStringLiteral("QN70G e-mail account"), m_account);
    form->addRow(QStringLiteral("Sender name"), m_sender);
    form->addRow(QStringLiteral("SMTP port address"), m_smtpPort);
    form->addRow(QStringLiteral("POP3 port address"), m_popPort);
    Body()->addLayout(form);

    GuardCombos({m_auth, m_pop}, [this] { return Problem(); }, [this] { UpdateEnabled(); });
    // SSL is no guarded mode: it only decides whether STARTTLS applies.
    connect(m_smtpSsl, &QComboBox::currentIndexChanged, this, &CDlgSetComSmtp::UpdateEnabled);
    UpdateEnabled();
}

const char* CDlgSetComSmtp::Problem() const
{
    // IDs and passwords are checked even while disabled; the other texts
    // pass while a guard runs with them disabled.
    const std::string authId = kit::Utf8(m_authId), authPassword = kit::Utf8(m_authPassword);
    const std::string popId = kit::Utf8(m_popId), popPassword = kit::Utf8(m_popPassword);
    const std::string myAddress = kit::CheckedUtf8(m_myAddress), smtpServer = kit::CheckedUtf8(m_smtpServer);
    const std::string popServer = kit::CheckedUtf8(m_popServer), account = kit::CheckedUtf8(m_account);
    const std::string sender = kit::CheckedUtf8(m_sender);
    return rules::FirstMessage(
        rules::CheckSmtp({authId, authPassword, popId, popPassword, myAddress, smtpServer, popServer, account, sender,
                          NumberOf(m_smtpPort), NumberOf(m_popPort)}));
}

void CDlgSetComSmtp::UpdateEnabled()
{
    kit::SetEnabled({m_authId, m_authPassword}, m_auth->currentIndex() > 0);
    kit::SetEnabled({m_popId, m_popPassword, m_popServer}, m_pop->currentIndex() == kEnable);
    m_startTls->setEnabled(m_smtpSsl->currentIndex() == kEnable);
}

bool CDlgSetComSmtp::Confirm()
{
    if (const char* problem = Problem()) return Refuse(problem);
    SmtpPop3Block& s = m_record.COM.SMTP_POP3;
    StoreSelected(m_charCode, s.CHAR);
    StoreSelected(m_smtpSsl, s.SMTP_OVER_SSL);
    StoreSelected(m_auth, s.SMTP_AUTH.MODE);
    kit::ToRecord(s.SMTP_AUTH.ID, m_authId->text());
    kit::ToRecord(s.SMTP_AUTH.PASSWORD, m_authPassword->text());
    StoreSelected(m_pop, s.POP_BEFORE_SMTP_AUTH.MODE);
    kit::ToRecord(s.POP_BEFORE_SMTP_AUTH.ID, m_popId->text());
    kit::ToRecord(s.POP_BEFORE_SMTP_AUTH.PASSWORD, m_popPassword->text());
    kit::ToRecord(s.MY_ADDRESS, m_myAddress->text());
    kit::ToRecord(s.SMTP_SERVER, m_smtpServer->text());
    kit::ToRecord(s.POP3_SERVER, m_popServer->text());
    kit::ToRecord(s.ACCOUNT, m_account->text());
    kit::ToRecord(s.NAME, m_sender->text());
    StorePort(m_smtpPort, s.SMTP_PORT);
    StorePort(m_popPort, s.POP3_PORT);
    StoreSelected(m_startTls, s.STARTTLS);
    return true;
}

}  // namespace volmar::gui
