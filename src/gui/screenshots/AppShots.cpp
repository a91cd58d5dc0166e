// The windows of gui/app for `volmar --screenshots`.
#include <memory>

#include "gui/app/CAboutDlg.h"
#include "gui/app/CDlgBaseIpAddress.h"
#include "gui/app/CDlgBaseQnset.h"
#include "gui/app/CVolmarDlg.h"
#include "gui/app/WindowTable.h"
#include "gui/common/AppContext.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {

std::vector<ScreenshotEntry> AppWindows()
{
    return {
        {"main", [](ScreenshotEnv& env) { return std::make_unique<CVolmarDlg>(env.app, MainWindowRoutes(env.app)); }},
        {"about", [](ScreenshotEnv&) { return std::make_unique<CAboutDlg>(); }},
        {"network-access", [](ScreenshotEnv& env) { return std::make_unique<CDlgBaseQnset>(env.record, env.app); }},
        {"network", [](ScreenshotEnv& env) { return std::make_unique<CDlgBaseIpAddress>(env.record, env.app); }},
    };
}

}  // namespace volmar::gui::shots
