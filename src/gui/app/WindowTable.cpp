// The window table: what each button of the main window, the configuration
// hub and the menus opens, read top to bottom. A new window joins here.
#include "gui/app/WindowTable.h"

#include <QPointer>

#include <memory>

#include "core/link/transfer/SettingDownload.h"
#include "gui/app/CAboutDlg.h"
#include "gui/app/CDlgBaseIpAddress.h"
#include "gui/app/CDlgBaseQnset.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/AppContext.h"
#include "gui/common/EditorOpeners.h"
#include "gui/editors/com/CDlgSetCom.h"
#include "gui/editors/com/CDlgSetDisp.h"
#include "gui/editors/com/CDlgSetRecord.h"
#include "gui/editors/com/CDlgSetRep.h"
#include "gui/editors/io/CDlgSetIo.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoDi.h"
#include "gui/editors/io/CDlgSetIoDo.h"
#include "gui/editors/io/CDlgSetIoNode.h"
#include "gui/editors/io/CDlgSetIoOi.h"
#include "gui/editors/io/CDlgSetIoPi.h"
#include "gui/editors/io/CDlgSetSystem.h"
#include "gui/fleet/CDlgUnits.h"
#include "gui/hub/CDlgSetMain.h"
#include "gui/link/CDlgComLog.h"
#include "gui/link/LinkSelection.h"
#include "gui/maintenance/CDlgMenInit.h"
#include "gui/maintenance/CDlgMenMailTest.h"
#include "gui/maintenance/CDlgMenMain.h"
#include "gui/maintenance/CDlgMenPriSum.h"
#include "gui/maintenance/CDlgMenQueries.h"
#include "gui/maintenance/CDlgMenSysLog.h"
#include "gui/maintenance/CDlgMenTime.h"
#include "gui/maintenance/CDlgMenUserView.h"
#include "gui/maintenance/MaintenanceRun.h"

namespace volmar::gui {
namespace {

// An editor that works on the record and asks the user through ui.
template <class Editor>
EditorOpener Edit()
{
    return [](SettingRecord& record, AppContext& ctx, QWidget* parent) {
        Editor editor(record, ctx.ui, parent);
        editor.exec();
    };
}

// An editor that needs the whole context (the link, the preferences).
template <class Editor>
EditorOpener EditWithContext()
{
    return [](SettingRecord& record, AppContext& ctx, QWidget* parent) {
        Editor editor(record, ctx, parent);
        editor.exec();
    };
}

// A maintenance window that asks the unit itself.
template <class Dialog>
std::function<void()> Window(AppContext& app, QWidget* parent)
{
    return [&app, parent] {
        Dialog dialog(app, parent);
        dialog.exec();
    };
}

// A maintenance window that works on the unit's own setting: the setting is
// read first, and the window opens only when that succeeded.
template <class Dialog>
std::function<void()> WindowOnUnitSetting(AppContext& app, QWidget* parent)
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

// The main window (CVolmarDlg).
MainRoutes MainWindowRoutes(AppContext& ctx)
{
    MainRoutes routes;
    // "New setting", "Download from device", "Read file": the hub.
    routes.openHub = [&ctx](QWidget* parent, SettingRecord& record, std::string& filePath) {
        CDlgSetMain hub(record, filePath, ctx, parent);
        hub.exec();
    };
    routes.openMaintenance = [&ctx](QWidget* parent) {
        CDlgMenMain menu(ctx, parent);
        menu.exec();
    };
    routes.openTerminalLog = [&ctx](QWidget* parent) { RunTerminalLog(ctx, parent); };
    // The two network editors show what the unit holds now.
    routes.openNetworkAccess = [&ctx](QWidget* parent, SettingRecord& record) {
        if (!DownloadForEditor(ctx, parent, record)) return;
        CDlgBaseQnset editor(record, ctx, parent);
        editor.exec();
    };
    routes.openNetworkAddress = [&ctx](QWidget* parent, SettingRecord& record) {
        if (!DownloadForEditor(ctx, parent, record)) return;
        CDlgBaseIpAddress editor(record, ctx, parent);
        editor.exec();
    };
    routes.openUnits = [&ctx, open = std::make_shared<QPointer<CDlgUnits>>()](QWidget* parent) {
        if (!*open) {
            *open = new CDlgUnits(ctx, parent);
            (*open)->setAttribute(Qt::WA_DeleteOnClose);
        }
        (*open)->show();
        (*open)->raise();
        (*open)->activateWindow();
    };
    routes.openConnect = [&ctx](QWidget* parent) { ChangeLink(parent, ctx); };
    routes.openAbout = [](QWidget* parent) {
        CAboutDlg about(parent);
        about.exec();
    };
    return routes;
}

// The hub's editor buttons (CDlgSetMain) and the "Input/Output" menu
// (CDlgSetIo). The hub's own buttons (Upload, Save, Compare, Report) run
// its own steps.
EditorOpener TableEditor(EditorSlot slot)
{
    switch (slot) {
    case EditorSlot::System: return Edit<CDlgSetSystem>();
    case EditorSlot::InputOutput: return EditWithContext<CDlgSetIo>();
    case EditorSlot::Communication: return EditWithContext<CDlgSetCom>();
    case EditorSlot::Mail: return Edit<CDlgSetRep>();
    case EditorSlot::Display: return Edit<CDlgSetDisp>();
    case EditorSlot::Record: return Edit<CDlgSetRecord>();

    case EditorSlot::IoSlave: return Edit<CDlgSetIoNode>();
    case EditorSlot::AnalogInput: return Edit<CDlgSetIoAi>();
    case EditorSlot::DiscreteInput: return Edit<CDlgSetIoDi>();
    case EditorSlot::PulseInput: return Edit<CDlgSetIoPi>();
    case EditorSlot::FunctionInput: return Edit<CDlgSetIoOi>();
    case EditorSlot::DiscreteOutput: return Edit<CDlgSetIoDo>();
    }
    return {};
}

// The maintenance menu (CDlgMenMain), in the order of its buttons.
std::vector<MaintenanceButton> MaintenanceButtons(AppContext& app, CDlgMenMain& menu)
{
    return {
        {"Date/Time", Window<CDlgMenTime>(app, &menu)},
        {"MAC address", Window<CDlgMenMac>(app, &menu)},
        {"QN70-G version", Window<CDlgMenVer>(app, &menu)},
        {"System log", Window<CDlgMenSysLog>(app, &menu)},
        {"Preset count", WindowOnUnitSetting<CDlgMenPriSum>(app, &menu)},
        {"Disk usage", Window<CDlgMenSdUse>(app, &menu)},
        {"Initialize", Window<CDlgMenInit>(app, &menu)},
        {"FTP client test", [&menu] { menu.FtpClientTest(); }},
        {"Test mail", WindowOnUnitSetting<CDlgMenMailTest>(app, &menu)},
        {"User defined browser view", Window<CDlgMenUserView>(app, &menu)},
    };
}

}  // namespace volmar::gui
