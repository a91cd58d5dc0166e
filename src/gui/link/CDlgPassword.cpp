#include "gui/link/CDlgPassword.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar::gui {

CDlgPassword::CDlgPassword(Interaction& ui, QWidget* parent) : QDialog(parent), ui_(ui)
{
    setWindowTitle(QStringLiteral("Login"));
    id_ = new QLineEdit(this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    id_->setMinimumWidth(200);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Login ID"), id_);
    form->addRow(QStringLiteral("Password"), password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgPassword::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgPassword::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string CDlgPassword::LoginId() const
{
    return id_->text().toStdString();
}

std::string CDlgPassword::Password() const
{
    return password_->text().toStdString();
}

void CDlgPassword::accept()
{
    // Counted in UTF-16 units, as the link state's 48 bytes expect.
    if (id_->text().size() > static_cast<qsizetype>(kMaxCredentialChars) ||
        password_->text().size() > static_cast<qsizetype>(kMaxCredentialChars)) {
        ui_.Show({MessageIcon::Error, kMsgInvalidLogin});
        return;
    }
    QDialog::accept();
}

VOLMAR_SCREENSHOT("login", [](ScreenshotEnv& env) {
    auto dialog = std::make_unique<CDlgPassword>(env.app.ui);
    dialog->loginIdEdit()->setText(QStringLiteral("kovan"));
    dialog->passwordEdit()->setText(QStringLiteral("secret"));
    return dialog;
});

}  // namespace volmar::gui
