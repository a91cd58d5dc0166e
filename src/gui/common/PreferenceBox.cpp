#include "gui/common/PreferenceBox.h"

#include <QCheckBox>

#include "core/common/Profile.h"

namespace volmar::gui {

QCheckBox* PreferenceCheckBox(const QString& text, Profile& profile, const char* key, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    RefreshPreferenceBox(box, profile, key);
    QObject::connect(box, &QCheckBox::toggled, box,
                     [&profile, key](bool on) { profile.SetInt(kProfileSection, key, on ? 1 : 0); });
    return box;
}

void RefreshPreferenceBox(QCheckBox* box, Profile& profile, const char* key)
{
    if (box) box->setChecked(profile.GetInt(kProfileSection, key, 1) != 0);
}

}  // namespace volmar::gui
