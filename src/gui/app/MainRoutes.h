#pragma once
// Where the main window's buttons lead besides its own work. Each route
// defaults to the notice of a window not yet in this version; main() plugs
// in the windows as they are built, e.g.
//
//   routes.openHub = [&ctx](QWidget* parent, SettingRecord& record, std::string& filePath) {
//       CDlgSetMain hub(ctx, record, filePath, parent);
//       hub.exec();
//   };
#include <functional>
#include <string>

class QWidget;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

struct MainRoutes {
    // The configuration hub on the current record and file path (after New
    // setting, Read file and a download).
    std::function<void(QWidget* parent, SettingRecord& record, std::string& filePath)> openHub;
    // The maintenance menu, after the unit check passed.
    std::function<void(QWidget* parent)> openMaintenance;
    // The terminal log of the serial link.
    std::function<void(QWidget* parent)> openTerminalLog;
    // "VOLMAR via network": the network-access editor on the record.
    std::function<void(QWidget* parent, SettingRecord& record)> openNetworkAccess;
    // "Network": the IP address editor on the record.
    std::function<void(QWidget* parent, SettingRecord& record)> openNetworkAddress;
};

// Every route as the notice of a window not yet built.
MainRoutes DefaultRoutes(AppContext& ctx);

}  // namespace volmar::gui
