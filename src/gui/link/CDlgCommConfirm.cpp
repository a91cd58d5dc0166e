#include "gui/link/CDlgCommConfirm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/link/LinkSelection.h"

namespace volmar::gui {

CDlgCommConfirm::CDlgCommConfirm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Confirm access mode"));
    accessMode_ = new QLineEdit(this);
    device_ = new QLineEdit(this);
    for (QLineEdit* line : {accessMode_, device_}) {
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        // Read-only lines look like text on the window, not like fields.
        QPalette palette = line->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        line->setPalette(palette);
    }
    device_->setMinimumWidth(300);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Access mode"), accessMode_);
    form->addRow(QStringLiteral("Device"), device_);

    auto* buttons = new QDialogButtonBox(this);
    change_ = buttons->addButton(QStringLiteral("Change"), QDialogButtonBox::ActionRole);
    connect_ = buttons->addButton(QStringLiteral("Connect"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCommConfirm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCommConfirm::reject);
    connect(change_, &QPushButton::clicked, this, &CDlgCommConfirm::Change);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    Refresh();
}

void CDlgCommConfirm::Refresh()
{
    const LinkDescription d = DescribeLink(ctx_.link, ctx_.profile, ctx_.PortNames());
    accessMode_->setText(QString::fromStdString(d.accessMode));
    device_->setText(QString::fromStdString(d.device));
}

void CDlgCommConfirm::Change()
{
    ChangeLink(this, ctx_);
    Refresh();
}

VOLMAR_SCREENSHOT("confirm-access-mode", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgCommConfirm>(env.app);
});

}  // namespace volmar::gui
