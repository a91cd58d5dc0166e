#include "gui/editors/com/CDlgSetCom.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComModbus.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "gui/editors/com/CDlgSetComWeb.h"

namespace volmar::gui {

CDlgSetCom::CDlgSetCom(SettingRecord& record, AppContext& ctx, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Communication"));
    struct Entry {
        const char* caption;
        const char* name;
        std::function<void()> open;
    };
    SettingRecord* r = &record;
    AppContext* c = &ctx;
    const Entry entries[] = {
        {"Web server", "web", [r, c, this] { CDlgSetComWeb(*r, *c, this).exec(); }},
        {"FTP server", "ftpServer", [r, c, this] { CDlgSetComFtps(*r, *c, this).exec(); }},
        {"FTP client", "ftpClient", [r, c, this] { CDlgSetComFtpc(*r, c->ui, this).exec(); }},
        {"SNTP", "sntp", [r, c, this] { CDlgSetComSntp(*r, c->ui, this).exec(); }},
        {"Modbus/TCP slave", "modbus", [r, c, this] { CDlgSetComModbus(*r, c->ui, this).exec(); }},
        {"SMTP/POP3", "smtp", [r, c, this] { CDlgSetComSmtp(*r, c->ui, this).exec(); }},
    };
    auto* layout = new QVBoxLayout(this);
    for (const Entry& entry : entries) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromUtf8(entry.name));
        button->setMinimumHeight(30);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, entry.open);
        layout->addWidget(button);
    }
    layout->addSpacing(8);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(back);
    layout->addLayout(row);
    setMinimumWidth(280);
}

}  // namespace volmar::gui
