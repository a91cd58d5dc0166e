#pragma once
// The application object: the preferences, the link state and the
// interaction for the whole run, and the main window run modally.
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/app/WindowTable.h"
#include "gui/link/GuiInteraction.h"

namespace volmar::gui {

class CVolmarApp {
public:
    // The preferences of the INI file named by VOLMAR_PROFILE when set,
    // else the user's own.
    CVolmarApp();
    explicit CVolmarApp(std::unique_ptr<Profile> profile);
    CVolmarApp(const CVolmarApp&) = delete;
    CVolmarApp& operator=(const CVolmarApp&) = delete;

    AppContext& Context() { return m_ctx; }

    // Runs the main window; returns when it closes.
    int Run();

private:
    std::unique_ptr<Profile> m_profile;
    LinkState m_link;
    GuiInteraction m_ui;
    AppContext m_ctx;
    MainRoutes m_routes;
};

// The profile VOLMAR_PROFILE names, else the user's preferences.
std::unique_ptr<Profile> OpenUserProfile();

}  // namespace volmar::gui
