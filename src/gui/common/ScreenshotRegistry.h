#pragma once
// Windows that `volmar --screenshots DIR` renders to PNG files, so a person
// can look at every window without clicking through the program. Each
// window's own .cpp registers a factory:
//
//   VOLMAR_SCREENSHOT("connect", [](ScreenshotEnv& env) {
//       return std::make_unique<CDlgCom>(env.app);
//   });
//
// The GUI code is built as an object library, so these registrations are
// always linked in.
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

bool RegisterScreenshot(std::string name, WindowFactory make);
// Every registered window, sorted by name.
std::vector<ScreenshotEntry> Screenshots();

}  // namespace volmar::gui

#define VOLMAR_SCREENSHOT_CAT2(a, b) a##b
#define VOLMAR_SCREENSHOT_CAT(a, b) VOLMAR_SCREENSHOT_CAT2(a, b)
#define VOLMAR_SCREENSHOT(name, factory)                                                 \
    static const bool VOLMAR_SCREENSHOT_CAT(volmarScreenshot_, __LINE__) [[maybe_unused]] = \
        ::volmar::gui::RegisterScreenshot(name, factory)
