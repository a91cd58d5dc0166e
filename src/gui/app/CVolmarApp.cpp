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
    : m_profile(std::move(profile)), m_ctx{*m_profile, m_link, m_ui}
{
    m_ui.Bind(m_ctx);
    LoadLinkPreferences(m_ctx);
    m_link.ResetSession();
    m_routes = MainWindowRoutes(m_ctx);
}

int CVolmarApp::Run()
{
    CVolmarDlg main(m_ctx, m_routes);
    main.exec();
    return 0;
}

}  // namespace volmar::gui
