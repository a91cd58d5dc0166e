// The maintenance windows for `volmar --screenshots`. The windows that ask
// the unit when shown are rendered without their query.
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/maintenance/CDlgMenInit.h"
#include "gui/maintenance/CDlgMenMailTest.h"
#include "gui/maintenance/CDlgMenMain.h"
#include "gui/maintenance/CDlgMenPriSum.h"
#include "gui/maintenance/CDlgMenQueries.h"
#include "gui/maintenance/CDlgMenSysLog.h"
#include "gui/maintenance/CDlgMenTime.h"
#include "gui/maintenance/CDlgMenUserView.h"
#include "gui/maintenance/CDlgSetIdPwd.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {
namespace {

template <class Window>
std::unique_ptr<QWidget> WithoutQuery(ScreenshotEnv& env)
{
    auto d = std::make_unique<Window>(env.app);
    d->DropQuery();
    return std::unique_ptr<QWidget>(std::move(d));
}

}  // namespace

std::vector<ScreenshotEntry> MaintenanceWindows()
{
    return {
        {"men-main", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenMain>(env.app); }},
        {"men-time", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenTime>(env.app); }},
        {"men-mac", WithoutQuery<CDlgMenMac>},
        {"men-syslog", WithoutQuery<CDlgMenSysLog>},
        {"men-presetcount",
         [](ScreenshotEnv& env) {
             auto setting = std::make_unique<SettingRecord>(env.record);
             setting->IO.PI[0].TYPE = 1;
             StoreText(setting->IO.PI[0].NAME, sizeof setting->IO.PI[0].NAME, "Flow meter 1", 12);
             return std::make_unique<CDlgMenPriSum>(env.app, std::move(setting));
         }},
        {"men-sduse", WithoutQuery<CDlgMenSdUse>},
        {"men-init", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenInit>(env.app); }},
        {"men-testmail",
         [](ScreenshotEnv& env) {
             auto setting = std::make_unique<SettingRecord>(env.record);
             setting->MAIL_REPORT.EVENT[0].MODE = kUse;
             StoreText(setting->MAIL_REPORT.EVENT[0].TITLE, sizeof setting->MAIL_REPORT.EVENT[0].TITLE,
                       "Tank level high", 15);
             return std::make_unique<CDlgMenMailTest>(env.app, std::move(setting));
         }},
        {"men-userview", [](ScreenshotEnv& env) { return std::make_unique<CDlgMenUserView>(env.app); }},
        {"id-password",
         [](ScreenshotEnv& env) {
             return std::make_unique<CDlgSetIdPwd>(env.record, kWebCredentialsDefault | kFtpCredentialsDefault,
                                                   env.app);
         }},
    };
}

}  // namespace volmar::gui::shots
