#include "gui/link/CDlgNetEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"

namespace volmar::gui {

CDlgNetEdit::CDlgNetEdit(Interaction& ui, const QString& name, const QString& address, QStringList names, int row,
                         QWidget* parent)
    : QDialog(parent), ui_(ui), names_(std::move(names)), row_(row)
{
    setWindowTitle(QString());
    name_ = new QLineEdit(name, this);
    address_ = new QLineEdit(address, this);
    name_->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Domain name or IP address"), address_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetEdit::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetEdit::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString CDlgNetEdit::name() const
{
    return name_->text();
}

QString CDlgNetEdit::address() const
{
    return address_->text();
}

void CDlgNetEdit::accept()
{
    const QString n = name();
    if (!n.isEmpty()) {
        for (int i = 0; i < names_.size(); ++i) {
            if (i != row_ && names_[i] == n) {
                ui_.Show({MessageIcon::Error, "Duplicate device names."});
                return;
            }
        }
    }
    QDialog::accept();
}

VOLMAR_SCREENSHOT("address-entry", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgNetEdit>(env.app.ui, QStringLiteral("Pump house"), QStringLiteral("192.168.10.21"),
                                         QStringList{}, 0);
});

}  // namespace volmar::gui
