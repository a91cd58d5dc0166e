#include "gui/editors/com/CDlgSetComFtps.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "gui/common/RecordText.h"
#include "gui/common/ScreenshotRegistry.h"

namespace volmar::gui {
namespace {

constexpr int kCredentialChars = 16;
constexpr int kModeEnable = 1;

}  // namespace

CDlgSetComFtps::CDlgSetComFtps(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), record_(record), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("FTP server"));
    const FtpBlock& ftp = record.COM.FTP;
    mode_ = new QComboBox(this);
    FillModeCombo(mode_);
    acceptedMode_ = ftp.MODE == kModeEnable ? 1 : 0;
    mode_->setCurrentIndex(acceptedMode_);
    id_ = new QLineEdit(RecordText(ftp.ID), this);
    password_ = new QLineEdit(RecordText(ftp.PASSWORD), this);
    port_ = NewDigitsEdit(this);
    port_->setText(QString::number(ftp.PORT));
    connect(mode_, &QComboBox::currentIndexChanged, this, &CDlgSetComFtps::ModeChosen);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("FTP server"), mode_);
    form->addRow(QStringLiteral("ID"), id_);
    form->addRow(QStringLiteral("Password"), password_);
    form->addRow(QStringLiteral("Port address *1"), port_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetComFtps::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting.")));
    layout->addWidget(buttons);
    setMinimumWidth(360);
    StopButtonsTakingEnter(this);
    UpdateEnabled();
}

std::optional<std::string> CDlgSetComFtps::Check() const
{
    if (mode_->currentIndex() != kModeEnable) return std::nullopt;
    if (!IsPlainCredential(id_->text(), kCredentialChars)) return "Setting error: Login";
    if (!IsPlainCredential(password_->text(), kCredentialChars)) return "Setting error: Password";
    if (DigitsValue(port_->text()) > 65535) return "Setting error: Port address";
    return std::nullopt;
}

// The new selection stands only if the fields pass with the old one.
void CDlgSetComFtps::ModeChosen(int index)
{
    const QSignalBlocker block(mode_);
    mode_->setCurrentIndex(acceptedMode_);
    if (auto refused = Check()) {
        ctx_.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    acceptedMode_ = index;
    mode_->setCurrentIndex(index);
    UpdateEnabled();
    mode_->setFocus();
}

void CDlgSetComFtps::UpdateEnabled()
{
    const bool on = mode_->currentIndex() == kModeEnable;
    id_->setEnabled(on);
    password_->setEnabled(on);
    port_->setEnabled(on);
}

void CDlgSetComFtps::OnOk()
{
    if (auto refused = Check()) {
        ctx_.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    FtpBlock& ftp = record_.COM.FTP;
    ftp.MODE = mode_->currentIndex();
    StoreRecordText(ftp.ID, id_->text());
    StoreRecordText(ftp.PASSWORD, password_->text());
    // A disabled server's port is not checked; one out of range is not
    // stored rather than wrapped.
    const uint64_t port = DigitsValue(port_->text());
    if (port <= 65535) ftp.PORT = static_cast<uint16_t>(port);
    accept();
}

void CDlgSetComFtps::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        OnOk();
    else
        QDialog::keyPressEvent(event);
}

VOLMAR_SCREENSHOT("com-ftp-server", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgSetComFtps>(env.record, env.app);
});

}  // namespace volmar::gui
