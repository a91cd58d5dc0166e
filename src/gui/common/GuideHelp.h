#pragma once
// Help: F1 and a "Help" button open the user's guide at the page of the
// window they are pressed in, in the desktop's browser. The guide is looked
// for in VOLMAR_GUIDE_DIR when set, then installed beside the program
// (PREFIX/share/doc/volmar/guide), then in the build tree; without it the
// user is told where it would be.
#include <QString>

class QPushButton;
class QWidget;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

// Pages of the guide that windows open.
inline constexpr const char* kGuideMainPage = "index.html";
inline constexpr const char* kGuideHubPage = "configuration.html";

// Followed by the folders looked in.
inline constexpr const char* kMsgGuideMissing = "The user's guide is not installed. It is looked for in:";
// Followed by the page's file.
inline constexpr const char* kMsgNoBrowser = "No browser could open the user's guide. Open this file in one:";

// The page's file in the first folder that holds it; empty when none does.
QString GuidePagePath(const char* page);

// Opens the page in the desktop's browser, or says where the guide would be.
void OpenGuidePage(const char* page, Interaction& ui);

// A "Help" button for `window` and F1 anywhere in it, both opening `page`.
QPushButton* AddGuideHelp(QWidget* window, const char* page, Interaction& ui);

}  // namespace volmar::gui
