#include "gui/editors/com/CDlgSetComWeb.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "gui/common/ScreenshotRegistry.h"

namespace volmar::gui {

CDlgSetComWeb::CDlgSetComWeb(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), record_(record), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Web server"));
    port_ = NewDigitsEdit(this);
    port_->setText(QString::number(record.COM.WEB.PORT));
    accounts_ = new AccountGrid(ctx.ui, this);
    accounts_->Load(record.COM.WEB.AUTH);

    port_->setMaximumWidth(90);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Port address *1")));
    top->addWidget(port_);
    top->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetComWeb::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(accounts_);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting.")));
    layout->addWidget(buttons);
    StopButtonsTakingEnter(this);
}

void CDlgSetComWeb::OnOk()
{
    std::optional<std::string> refused = accounts_->CheckTexts();
    const uint64_t port = DigitsValue(port_->text());
    if (!refused && port > 65535) refused = "Setting error: Port address";
    if (!refused) refused = accounts_->CheckDuplicates();
    if (refused) {
        ctx_.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    record_.COM.WEB.PORT = static_cast<uint16_t>(port);
    accounts_->Store(record_.COM.WEB.AUTH);
    accept();
}

void CDlgSetComWeb::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        OnOk();
    else
        QDialog::keyPressEvent(event);
}

VOLMAR_SCREENSHOT("com-web", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgSetComWeb>(env.record, env.app);
});

}  // namespace volmar::gui
