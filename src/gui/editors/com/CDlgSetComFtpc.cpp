#include "gui/editors/com/CDlgSetComFtpc.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/RecordText.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/ComRules.h"
#include "gui/editors/kit/RuleFields.h"

namespace volmar::gui {

using namespace com;

CDlgSetComFtpc::CDlgSetComFtpc(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("FTP client"), parent), m_record(record)
{
    const FtpClientBlock& ftpc = record.COM.FTPC;
    m_mode = MakeGuardedMode("mode");
    SelectStored(m_mode, ftpc.MODE);
    m_port = MakeNumberEdit("port", ftpc.PORT);
    m_server = kit::MakeEdit("server", 40);
    m_server->setText(kit::FromRecord(ftpc.FTP_SERVER));
    m_login = kit::MakeEdit("login", 40);
    m_login->setText(kit::FromRecord(ftpc.FTP_LOGIN));
    m_password = kit::MakeEdit("password", 40);
    m_password->setText(kit::FromRecord(ftpc.FTP_PASSWORD));
    m_folder = kit::MakeEdit("subfolder", 40);
    m_folder->setText(kit::FromRecord(ftpc.FTP_SUBFOLDER));
    m_ignore = kit::Named(new QCheckBox(QStringLiteral("Ignore")), "ignore");
    m_ignore->setChecked(ftpc.PASV_ADDR == 1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mode"), m_mode);
    form->addRow(QStringLiteral("Port address"), m_port);
    form->addRow(QStringLiteral("Server address"), m_server);
    form->addRow(QStringLiteral("Login ID"), m_login);
    form->addRow(QStringLiteral("Password"), m_password);
    form->addRow(QStringLiteral("Subfolder"), m_folder);
    form->addRow(QStringLiteral("PASV address"), m_ignore);
    Body()->addLayout(form);

    GuardCombos({m_mode}, [this] { return Problem(); }, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

const char* CDlgSetComFtpc::Problem() const
{
    const std::string server = kit::Utf8(m_server), login = kit::Utf8(m_login), password = kit::Utf8(m_password);
    const std::string folder = kit::CheckedUtf8(m_folder);
    return rules::FirstMessage(
        rules::CheckFtpClient({m_mode->currentIndex() == kEnable, NumberOf(m_port), server, login, password, folder}));
}

void CDlgSetComFtpc::UpdateEnabled()
{
    kit::SetEnabled({m_port, m_server, m_login, m_password, m_folder, m_ignore},
                    m_mode->currentIndex() == kEnable);
}

bool CDlgSetComFtpc::Confirm()
{
    if (const char* problem = Problem()) return Refuse(problem);
    FtpClientBlock& ftpc = m_record.COM.FTPC;
    StoreSelected(m_mode, ftpc.MODE);
    StorePort(m_port, ftpc.PORT);
    kit::ToRecord(ftpc.FTP_SERVER, m_server->text());
    kit::ToRecord(ftpc.FTP_LOGIN, m_login->text());
    kit::ToRecord(ftpc.FTP_PASSWORD, m_password->text());
    kit::ToRecord(ftpc.FTP_SUBFOLDER, m_folder->text());
    ftpc.PASV_ADDR = m_ignore->isChecked() ? 1 : 0;
    return true;
}

}  // namespace volmar::gui
