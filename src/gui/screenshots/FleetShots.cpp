// The Units window for `volmar --screenshots`: a backup of five units in
// the middle of its run.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

#include "gui/fleet/CDlgUnits.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {
namespace {

FleetResult Backed(const char* file)
{
    FleetResult result;
    result.state = FleetState::Succeeded;
    result.fields = {{"file", file}, {"sha256", "9f2c"}};
    return result;
}

std::unique_ptr<QWidget> UnitsMidRun(ScreenshotEnv& env)
{
    auto window = std::make_unique<CDlgUnits>(env.app);
    window->SetUnits({{"Pump house", "192.168.10.21", 0, "", ""},
                      {"North basin", "192.168.10.22", 0, "", ""},
                      {"Weir 3", "192.168.10.23", 0, "", ""},
                      {"Outfall", "192.168.10.24", 0, "", ""},
                      {"Yard", "192.168.10.25", 0, "", ""}},
                     QStringLiteral("Address book"));
    window->ShowEnded(0, UnitsOperation::Backup, Backed("Pump house-20261208-195001.xml"));
    window->ShowEnded(1, UnitsOperation::Backup, Backed("North basin-20261208-195001.xml"));
    window->ShowRunning(2, 41200, 103000);
    FleetResult silent;
    silent.state = FleetState::Failed;
    silent.error = "No result within the unit's deadline of 60 s.";
    window->ShowEnded(3, UnitsOperation::Backup, silent);
    window->ShowRunning(4, 0, 0);
    // The buttons as a run leaves them: only Cancel and Close (the current
    // row set first, which would update them again).
    window->table()->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    for (QPushButton* b : window->findChildren<QPushButton*>())
        b->setEnabled(b == window->cancelButton() || b->text() == QStringLiteral("Close"));
    window->summaryLine()->setText(QStringLiteral("Backup: 5 unit(s) running..."));
    return window;
}

}  // namespace

std::vector<ScreenshotEntry> FleetWindows()
{
    return {{"units", UnitsMidRun}};
}

}  // namespace volmar::gui::shots
