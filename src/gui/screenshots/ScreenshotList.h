#pragma once
// Windows that `volmar --screenshots DIR` renders to PNG files, so a person
// can look at every window without clicking through the program. The list
// and its sample records live in this folder, one part per room of the GUI
// (ScreenshotParts.h); a window joins by a line in its room's part:
//
//   {"connect", [](ScreenshotEnv& env) { return std::make_unique<CDlgCom>(env.app); }},
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

struct ScreenshotEnv {
    AppContext& app;
    SettingRecord& record;  // a new setting, for editors
};

using WindowFactory = std::function<std::unique_ptr<QWidget>(ScreenshotEnv&)>;

struct ScreenshotEntry {
    std::string name;  // the PNG file's base name
    WindowFactory make;
};

// Every window, sorted by name (the order they are rendered in: some
// samples are left in the shared record for the windows after them).
std::vector<ScreenshotEntry> Screenshots();

}  // namespace volmar::gui
