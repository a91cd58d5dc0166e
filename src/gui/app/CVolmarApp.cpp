#include "gui/app/CVolmarApp.h"

#include <cstdlib>

#include "prefs/QSettingsProfile.h"
#include "gui/app/CVolmarDlg.h"
#include "gui/link/LinkSelection.h"

namespace volmar::gui {

std::unique_ptr<Profile> OpenUserProfile()
{
    if (const char* path = std::getenv("VOLMAR_PROFILE"); path && *path) {
        return std::make_unique<QSettingsProfile>(std::string(path));
    }
    return std::make_unique<QSettingsProfile>();
}

CVolmarApp::CVolmarApp() : CVolmarApp(OpenUserProfile()) {}

CVolmarApp::CVolmarApp(std::unique_ptr<Profile> profile)
    : profile_(std::move(profile)), ctx_{*profile_, link_, ui_}
{
    ui_.Bind(ctx_);
    LoadLinkPreferences(ctx_);
    link_.ResetSession();
    routes_ = DefaultRoutes(ctx_);
}

int CVolmarApp::Run()
{
    CVolmarDlg main(ctx_, routes_);
    main.exec();
    return 0;
}

}  // namespace volmar::gui
