#pragma once
// Enable rules: an editor first disables a set of controls, then enables
// those its current modes call for. Disabled controls keep their contents.
#include <QWidget>
#include <initializer_list>

namespace volmar::gui::kit {

inline void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* w : widgets) {
        if (w) w->setEnabled(enabled);
    }
}

}  // namespace volmar::gui::kit
