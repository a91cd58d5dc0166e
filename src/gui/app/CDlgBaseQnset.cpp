#include "gui/app/CDlgBaseQnset.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/common/ScreenFit.h"
#include "core/link/session/SessionFactory.h"
#include "core/rules/ComRules.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {
namespace {

constexpr int kEnable = 1;
constexpr const char* kMsgDefaults =
    "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.";

}  // namespace

CDlgBaseQnset::CDlgBaseQnset(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("VOLMAR via network"));
    const AccessBlock& access = m_record.VOLMAR;
    m_connection = new kit::GuardedCombo(entries::Switch, this);
    m_connection->Select(access.NET == kUse ? kEnable : 0);
    m_port = NewDigitsEdit(this);
    m_port->setMaxLength(5);
    m_port->setMaximumWidth(90);
    m_port->setText(QString::number(access.PORT));
    m_accounts = new AccountGrid(ctx.ui, this);
    // A network link shows no accounts at all.
    if (SerialLinkSelected(m_ctx.link)) m_accounts->Load(access.AUTH);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Connection via network"), this));
    top->addWidget(m_connection);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Port address *1"), this));
    top->addWidget(m_port);
    top->addStretch(1);
    m_upload = new QPushButton(QStringLiteral("Upload to device"), this);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_upload);
    buttons->addWidget(m_back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(m_accounts);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting."), this));
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);

    m_connection->SetGuard([this](int, int) { return CheckEntriesAndPort(); });
    connect(m_connection, &kit::GuardedCombo::Accepted, this, &CDlgBaseQnset::UpdateEnabled);
    connect(m_upload, &QPushButton::clicked, this, &CDlgBaseQnset::OnUpload);
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
    UpdateEnabled();
    kit::FitOnFirstShow(this);
}

void CDlgBaseQnset::UpdateEnabled()
{
    const bool usb = SerialLinkSelected(m_ctx.link);
    m_connection->setEnabled(usb);
    m_upload->setEnabled(usb);
    m_accounts->setEnabled(usb);
    m_port->setEnabled(usb && m_connection->currentIndex() == kEnable);
}

bool CDlgBaseQnset::CheckEntriesAndPort()
{
    std::optional<std::string> refused = m_accounts->CheckTexts();
    // Digits only, at least one, and no more than a port number holds.
    if (!refused) {
        const std::string digits = m_port->text().toStdString();
        if (const char* message = rules::AccessPortError(digits, DigitsValue(m_port->text()))) refused = message;
    }
    if (!refused) return true;
    m_ctx.ui.Show({MessageIcon::Error, *refused});
    return false;
}

void CDlgBaseQnset::OnUpload()
{
    if (!SerialLinkSelected(m_ctx.link) || !CheckEntriesAndPort()) return;
    if (auto duplicated = m_accounts->CheckDuplicates()) {
        m_ctx.ui.Show({MessageIcon::Error, *duplicated});
        return;
    }
    Account typed[kAccountCount] = {};
    m_accounts->Store(typed);
    if (AnyAccountAtDefaults(typed) && !m_ctx.ui.Confirm({MessageIcon::Warning, kMsgDefaults})) return;
    if (!m_ctx.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return;

    AccessBlock& access = m_record.VOLMAR;
    access.NET = m_connection->currentIndex() == kEnable ? kUse : kNoUse;
    access.PORT = static_cast<uint16_t>(DigitsValue(m_port->text()));
    m_accounts->Store(access.AUTH);
    std::string document;
    WriteAccessDocument(m_record, document);
    UploadPartialDocument(m_ctx, this, document);
}

}  // namespace volmar::gui
