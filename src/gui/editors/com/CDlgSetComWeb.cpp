#include "gui/editors/com/CDlgSetComWeb.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/NumberEdit.h"
#include "core/rules/ComRules.h"

namespace volmar::gui {

CDlgSetComWeb::CDlgSetComWeb(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Web server"));
    m_port = NewDigitsEdit(this);
    m_port->setText(QString::number(record.COM.WEB.PORT));
    m_accounts = new AccountGrid(ctx.ui, this);
    m_accounts->Load(record.COM.WEB.AUTH);

    m_port->setMaximumWidth(90);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Port address *1")));
    top->addWidget(m_port);
    top->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetComWeb::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(m_accounts);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("*1 Save and restart to enable setting.")));
    layout->addWidget(buttons);
    StopButtonsTakingEnter(this);
}

void CDlgSetComWeb::OnOk()
{
    std::optional<std::string> refused = m_accounts->CheckTexts();
    const uint64_t port = DigitsValue(m_port->text());
    if (!refused) {
        if (const char* message = rules::PortError(port, rules::kWebPort)) refused = message;
    }
    if (!refused) refused = m_accounts->CheckDuplicates();
    if (refused) {
        m_ctx.ui.Show({MessageIcon::Error, *refused});
        return;
    }
    m_record.COM.WEB.PORT = static_cast<uint16_t>(port);
    m_accounts->Store(m_record.COM.WEB.AUTH);
    accept();
}

void CDlgSetComWeb::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        OnOk();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace volmar::gui
