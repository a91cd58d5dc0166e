#include "app/MainRoutes.h"

#include "maintenance/CDlgMenMain.h"

#include "app/AppContext.h"
#include "app/CDlgBaseIpAddress.h"
#include "app/CDlgBaseQnset.h"
#include "app/NetworkEditorFlow.h"
#include "common/NotAvailable.h"
#include "link/CDlgComLog.h"

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
