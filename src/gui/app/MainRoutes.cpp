#include "gui/app/MainRoutes.h"

#include "gui/maintenance/CDlgMenMain.h"

#include "gui/common/AppContext.h"
#include "gui/app/CDlgBaseIpAddress.h"
#include "gui/app/CDlgBaseQnset.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/NotAvailable.h"
#include "gui/link/CDlgComLog.h"

namespace volmar::gui {

MainRoutes DefaultRoutes(AppContext& ctx)
{
    Interaction& ui = ctx.ui;
    MainRoutes routes;
    routes.openHub = [&ui](QWidget*, SettingRecord&, std::string&) { ShowNotAvailable(ui, "The configuration window"); };
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
    return routes;
}

}  // namespace volmar::gui
