#include "gui/maintenance/CDlgSetIdPwd.h"

#include <functional>

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/DialogKeys.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComWeb.h"

namespace volmar::gui {
namespace {

constexpr const char* kMsgNotChanged = "ID/password(s) have not been changed/applied.";
constexpr const char* kMsgRecommend =
    "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.\n"
    "Continue to set ID/password.";

}  // namespace

CDlgSetIdPwd::CDlgSetIdPwd(SettingRecord& record, unsigned flags, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("ID/password"));
    struct Entry {
        unsigned flag;
        const char* caption;
        std::function<void()> open;
    };
    const Entry entries[] = {
        {kWebCredentialsDefault, "WEB server", [this] { CDlgSetComWeb(m_record, m_ctx, this).exec(); }},
        {kFtpCredentialsDefault, "FTP server", [this] { CDlgSetComFtps(m_record, m_ctx, this).exec(); }},
    };
    auto* serverRow = new QHBoxLayout;
    int shown = 0;
    for (QPushButton*& button : m_servers) {
        button = new QPushButton(this);
        button->setMinimumSize(120, 30);
    }
    for (const Entry& entry : entries) {
        if (!(flags & entry.flag)) continue;
        QPushButton* button = m_servers[shown++];
        button->setText(QString::fromUtf8(entry.caption));
        connect(button, &QPushButton::clicked, this, entry.open);
    }
    for (QPushButton* button : m_servers) {
        button->setVisible(!button->text().isEmpty());
        serverRow->addWidget(button);
    }
    serverRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSetIdPwd::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Set ID and password.")));
    layout->addLayout(serverRow);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    StopButtonsTakingEnter(this);
}

void CDlgSetIdPwd::OnOk()
{
    if (DefaultCredentialFlags(m_record) == 0 || m_ctx.ui.Confirm({MessageIcon::Warning, kMsgNotChanged})) accept();
}

void CDlgSetIdPwd::keyPressEvent(QKeyEvent* event)
{
    // Escape does not abandon the upload: it looks again, as OK does.
    if (IsEnterKey(event) || IsEscapeKey(event))
        OnOk();
    else
        QDialog::keyPressEvent(event);
}

bool CheckCredentialsBeforeUpload(SettingRecord& record, AppContext& ctx, QWidget* parent)
{
    const unsigned flags = DefaultCredentialFlags(record);
    if (flags == 0) return true;
    ctx.ui.Show({MessageIcon::Warning, kMsgRecommend});
    return CDlgSetIdPwd(record, flags, ctx, parent).exec() == QDialog::Accepted;
}

}  // namespace volmar::gui
