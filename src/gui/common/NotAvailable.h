#pragma once
// The visible notice of a button whose window is not part of this version
// yet: a button never does nothing.
#include <string>

namespace volmar {
class Interaction;
}

namespace volmar::gui {

// Shows "<what> is not yet available in this version of VOLMAR." with the
// information icon.
void ShowNotAvailable(Interaction& ui, const std::string& what);

}  // namespace volmar::gui
