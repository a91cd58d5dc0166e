// The hub's windows for `volmar --screenshots`.
#include <memory>
#include <string>
#include <utility>

#include "core/compare/SettingChanges.h"
#include "gui/common/AppContext.h"
#include "gui/hub/CDlgChanges.h"
#include "gui/hub/CDlgSetMain.h"
#include "gui/hub/ReportPreview.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {
namespace {

// A new setting with one analog input in use, so the preview shows a
// channel with its zones.
std::unique_ptr<QWidget> ReportShot(ScreenshotEnv& env)
{
    auto record = std::make_unique<SettingRecord>(env.record);
    AiChannel& ai = record->IO.AI[0];
    ai.TYPE = 1;
    StoreText(ai.NAME, sizeof ai.NAME, "Tank level", 10);
    StoreText(ai.UNIT, sizeof ai.UNIT, "m", 1);
    ai.SCALE_100 = 4.0;
    ai.USE_AREAS = 3;
    ai.AREA[0].LEVEL_UPPER = ai.AREA[1].LEVEL_LOWER = 0.5;
    ai.AREA[1].LEVEL_UPPER = ai.AREA[2].LEVEL_LOWER = 3.5;
    return std::make_unique<ReportPreview>(*record, std::string("volmar.xml"), env.app.ui);
}

// A few values of a new setting changed, as a user would before an upload.
std::vector<SettingDifference> SampleDifferences()
{
    auto before = std::make_unique<SettingRecord>();
    ResetSettingRecord(*before);
    auto after = std::make_unique<SettingRecord>(*before);
    StoreText(after->SYSTEM.NAME1, sizeof after->SYSTEM.NAME1, "Pump station 4", 14);
    after->IO.AI[0].TYPE = 1;
    after->IO.AI[0].SCALE_100 = 250.0;
    after->IO.AI[0].AREA[2].LEVEL_UPPER = 180.0;
    StoreText(after->COM.SNTP.SERVER, sizeof after->COM.SNTP.SERVER, "ntp.example.net", 15);
    after->IO.PI[3].TYPE = 1;
    return CompareSettings(*before, *after);
}

}  // namespace

std::vector<ScreenshotEntry> HubWindows()
{
    return {
        {"hub", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetMain>(env.record, std::string(), env.app); }},
        {"report", ReportShot},
        {"changes-before-upload",
         [](ScreenshotEnv& env) {
             ChangesView view;
             view.mode = ChangesMode::BeforeUpload;
             view.differences = SampleDifferences();
             view.serialSeconds = std::make_pair(3.4, 3.6);
             return std::make_unique<CDlgChanges>(std::move(view), &env.app.profile);
         }},
        {"changes-verified",
         [](ScreenshotEnv& env) {
             ChangesView view;
             view.mode = ChangesMode::AfterUpload;
             return std::make_unique<CDlgChanges>(std::move(view), &env.app.profile);
         }},
    };
}

}  // namespace volmar::gui::shots
