#pragma once
// Which window each button opens: the main window's, the configuration
// hub's and the menus' ("Input/Output", "Maintenance"). WindowTable.cpp
// lists them top to bottom; the windows only lay out their buttons:
//   - the main window runs the MainRoutes of MainWindowRoutes();
//   - the hub and the I/O menu run OpenerFor(EditorSlot) (gui/common/EditorOpeners.h);
//   - the maintenance menu lays out MaintenanceButtons() (gui/maintenance/CDlgMenMain.h).
#include <functional>
#include <string>

class QWidget;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

// Where the main window's buttons lead besides its own work (tests put
// stand-ins in their place).
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
    // "Units": the Units window, one for the application, beside the main
    // window (not modal: it runs on while the other windows are used).
    std::function<void(QWidget* parent)> openUnits;
    // "Connect": the choice of the link.
    std::function<void(QWidget* parent)> openConnect;
    // "About VOLMAR...".
    std::function<void(QWidget* parent)> openAbout;
};

// The windows behind the main window's buttons.
MainRoutes MainWindowRoutes(AppContext& ctx);

}  // namespace volmar::gui
