#include "gui/maintenance/CDlgMenMain.h"

#include <QGridLayout>
#include <QPushButton>

#include "core/link/transfer/SettingDownload.h"
#include "gui/maintenance/CDlgMenInit.h"
#include "gui/maintenance/CDlgMenMailTest.h"
#include "gui/maintenance/CDlgMenPriSum.h"
#include "gui/maintenance/CDlgMenQueries.h"
#include "gui/maintenance/CDlgMenSysLog.h"
#include "gui/maintenance/CDlgMenTime.h"
#include "gui/maintenance/CDlgMenUserView.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {
namespace {

template <class Dialog>
std::function<void()> Opener(AppContext& app, QWidget* parent)
{
    return [&app, parent] {
        Dialog dialog(app, parent);
        dialog.exec();
    };
}

// A window that works on the unit's own setting: the setting is read first,
// and the window opens only when that succeeded.
template <class Dialog>
std::function<void()> OpenerWithUnitSetting(AppContext& app, QWidget* parent)
{
    return [&app, parent] {
        auto setting = std::make_unique<SettingRecord>();
        const bool read = RunMaintenance(app, parent, [&](LinkContext& ctx) {
            return DownloadSetting(ctx.link, ctx.ui, ctx.profile, *setting, ctx.options);
        });
        if (!read) return;
        Dialog dialog(app, std::move(setting), parent);
        dialog.exec();
    };
}

}  // namespace

CDlgMenMain::CDlgMenMain(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Maintenance"));
    const std::pair<const char*, std::function<void()>> entries[] = {
        {"Date/Time", Opener<CDlgMenTime>(app, this)},
        {"MAC address", Opener<CDlgMenMac>(app, this)},
        {"QN70-G version", Opener<CDlgMenVer>(app, this)},
        {"System log", Opener<CDlgMenSysLog>(app, this)},
        {"Preset count", OpenerWithUnitSetting<CDlgMenPriSum>(app, this)},
        {"Disk usage", Opener<CDlgMenSdUse>(app, this)},
        {"Initialize", Opener<CDlgMenInit>(app, this)},
        {"FTP client test", [this] { FtpClientTest(); }},
        {"Test mail", OpenerWithUnitSetting<CDlgMenMailTest>(app, this)},
        {"User defined browser view", Opener<CDlgMenUserView>(app, this)},
    };
    auto* grid = new QGridLayout(this);
    int i = 0;
    for (const auto& [caption, action] : entries) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setAutoDefault(false);
        button->setMinimumWidth(200);
        connect(button, &QPushButton::clicked, this, action);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(back, (i + 1) / 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CDlgMenMain::Button(const QString& caption) const
{
    for (auto* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void CDlgMenMain::FtpClientTest()
{
    if (!AskBeforeLink(m_app, this, kAskProceed)) return;
    RunMaintenance(m_app, this, [](LinkContext& ctx) { return RunFtpClientTest(ctx); });
}

}  // namespace volmar::gui
