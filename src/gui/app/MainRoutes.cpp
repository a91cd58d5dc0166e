#include "app/MainRoutes.h"

#include "maintenance/CDlgMenMain.h"

#include "app/AppContext.h"
#include "common/NotAvailable.h"

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
    routes.openTerminalLog = [&ui](QWidget*) { ShowNotAvailable(ui, "The terminal log"); };
    routes.openNetworkAccess = [&ui](QWidget*, SettingRecord&) { ShowNotAvailable(ui, "VOLMAR via network"); };
    routes.openNetworkAddress = [&ui](QWidget*, SettingRecord&) { ShowNotAvailable(ui, "The network address editor"); };
    return routes;
}

}  // namespace volmar::gui
