#include "gui/screenshots/ScreenshotRun.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

#include "gui/common/AppContext.h"
#include "gui/screenshots/ScreenshotList.h"
#include "gui/link/GuiInteraction.h"
#include "core/link/connect/AddressBook.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui {
namespace {

void FillSampleProfile(Profile& p)
{
    AddressBook book;
    book[0] = {"Pump house", "192.168.10.21"};
    book[1] = {"Reservoir north", "reservoir-n.example.net"};
    book[3] = {"Spare", ""};
    WriteAddressBook(p, book);
    p.SetInt(kProfileSection, kPrefComType, 0);
    p.SetText(kProfileSection, kPrefNet, "Pump house");
    p.SetInt(kProfileSection, kPrefNetPort, kDefaultTcpPort);
    p.SetInt(kProfileSection, kPrefCom, 1);
}

}  // namespace

int RenderScreenshots(const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "volmar: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    MemoryProfile profile;
    FillSampleProfile(profile);
    LinkState link;
    link.kind = LinkKind::Network;
    link.selectedUnit = "Pump house";
    GuiInteraction ui;
    AppContext ctx{profile, link, ui};
    ctx.serialDevices = [] {
        return std::vector<SerialDevice>{
            {"/dev/serial/by-id/usb-QN70G_Logger_0042-if00", "/dev/ttyACM0", "QN70G USB Serial"}};
    };
    ui.Bind(ctx);
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    ScreenshotEnv env{ctx, *record};

    int failures = 0;
    for (const ScreenshotEntry& entry : Screenshots()) {
        std::unique_ptr<QWidget> window = entry.make(env);
        window->adjustSize();
        window->show();
        QApplication::processEvents();
        const QString file = QDir(dir).filePath(QString::fromStdString(entry.name) + QStringLiteral(".png"));
        if (window->grab().save(file)) {
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "volmar: cannot write %s\n", qPrintable(file));
            ++failures;
        }
        window->hide();
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace volmar::gui
