#include "gui/link/CDlgPassword.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar::gui {

CDlgPassword::CDlgPassword(Interaction& ui, QWidget* parent) : QDialog(parent), m_ui(ui)
{
    setWindowTitle(QStringLiteral("Login"));
    m_id = new QLineEdit(this);
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);
    m_id->setMinimumWidth(200);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Login ID"), m_id);
    form->addRow(QStringLiteral("Password"), m_password);
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
    return m_id->text().toStdString();
}

std::string CDlgPassword::Password() const
{
    return m_password->text().toStdString();
}

void CDlgPassword::accept()
{
    // Counted in UTF-16 units, as the link state's 48 bytes expect.
    if (m_id->text().size() > static_cast<qsizetype>(kMaxCredentialChars) ||
        m_password->text().size() > static_cast<qsizetype>(kMaxCredentialChars)) {
        m_ui.Show({MessageIcon::Error, kMsgInvalidLogin});
        return;
    }
    QDialog::accept();
}

}  // namespace volmar::gui
