#include "gui/app/CDlgBaseQnset.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/ScreenFit.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {
namespace {

constexpr int kEnable = 1;
constexpr uint64_t kMaxPort = 65535;
constexpr const char* kMsgPort = "Setting error: Port address";
constexpr const char* kMsgDefaults =
    "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.";

}  // namespace

CDlgBaseQnset::CDlgBaseQnset(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), record_(record), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("VOLMAR via network"));
    const AccessBlock& access = record_.VOLMAR;
    connection_ = new kit::GuardedCombo(entries::Switch, this);
    connection_->Select(access.NET == kUse ? kEnable : 0);
    port_ = NewDigitsEdit(this);
    port_->setMaxLength(5);
    port_->setMaximumWidth(90);
    port_->setText(QString::number(access.PORT));
    accounts_ = new AccountGrid(ctx.ui, this);
    // A network link shows no accounts at all.
    if (ctx_.link.kind == LinkKind::Usb) accounts_->Load(access.AUTH);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Connection via network"), this));
    top->addWidget(connection_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Port address *1"), this));
    top->addWidget(port_);
    top->addStretch(1);
    upload_ = new QPushButton(QStringLiteral("Upload to device"), this);
    back_ = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(upload_);
    buttons->addWidget(back_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(accounts_);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting."), this));
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);

    connection_->SetGuard([this](int, int) { return CheckEntriesAndPort(); });
    connect(connection_, &kit::GuardedCombo::Accepted, this, &CDlgBaseQnset::UpdateEnabled);
    connect(upload_, &QPushButton::clicked, this, &CDlgBaseQnset::OnUpload);
    connect(back_, &QPushButton::clicked, this, &QDialog::reject);
    UpdateEnabled();
    kit::FitOnFirstShow(this);
}

void CDlgBaseQnset::UpdateEnabled()
{
    const bool usb = ctx_.link.kind == LinkKind::Usb;
    connection_->setEnabled(usb);
    upload_->setEnabled(usb);
    accounts_->setEnabled(usb);
    port_->setEnabled(usb && connection_->currentIndex() == kEnable);
}

bool CDlgBaseQnset::CheckEntriesAndPort()
{
    std::optional<std::string> refused = accounts_->CheckTexts();
    // Digits only, at least one, and no more than a port number holds.
    if (!refused && (port_->text().isEmpty() || DigitsValue(port_->text()) > kMaxPort)) refused = kMsgPort;
    if (!refused) return true;
    ctx_.ui.Show({MessageIcon::Error, *refused});
    return false;
}

void CDlgBaseQnset::OnUpload()
{
    if (ctx_.link.kind != LinkKind::Usb || !CheckEntriesAndPort()) return;
    if (auto duplicated = accounts_->CheckDuplicates()) {
        ctx_.ui.Show({MessageIcon::Error, *duplicated});
        return;
    }
    Account typed[kAccountCount] = {};
    accounts_->Store(typed);
    if (AnyAccountAtDefaults(typed) && !ctx_.ui.Confirm({MessageIcon::Warning, kMsgDefaults})) return;
    if (!ctx_.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return;

    AccessBlock& access = record_.VOLMAR;
    access.NET = connection_->currentIndex() == kEnable ? kUse : kNoUse;
    access.PORT = static_cast<uint16_t>(DigitsValue(port_->text()));
    accounts_->Store(access.AUTH);
    std::string document;
    WriteAccessDocument(record_, document);
    UploadPartialDocument(ctx_, this, document);
}

VOLMAR_SCREENSHOT("network-access", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgBaseQnset>(env.record, env.app);
});

}  // namespace volmar::gui
