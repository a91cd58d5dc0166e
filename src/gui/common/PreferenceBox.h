#pragma once
// A check box that shows and keeps an on/off preference (1 on, the
// default, 0 off) as the user clicks it.
#include <QString>

class QCheckBox;
class QWidget;

namespace volmar {
class Profile;
}

namespace volmar::gui {

QCheckBox* PreferenceCheckBox(const QString& text, Profile& profile, const char* key, QWidget* parent);

// Shows the preference's current value again (another window may have
// switched it).
void RefreshPreferenceBox(QCheckBox* box, Profile& profile, const char* key);

}  // namespace volmar::gui
