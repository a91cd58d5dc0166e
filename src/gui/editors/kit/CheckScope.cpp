#include "gui/editors/kit/CheckScope.h"

#include <QWidget>

namespace volmar::gui::kit {
namespace {
int guards = 0;  // the widgets live on the GUI thread only
}  // namespace

GuardScope::GuardScope() { ++guards; }
GuardScope::~GuardScope() { --guards; }

bool Unchecked(const QWidget* field) { return guards > 0 && !field->isEnabled(); }

}  // namespace volmar::gui::kit
