#pragma once
// The guard rule of the settings editors. While a guarded combo asks its
// guard (GuardedCombo.h), the field checks pass every disabled field: a
// change is refused only over what the user can put right under the mode
// being left, so a mode is never refused over fields that were disabled.
// Leaving a mode checks its fields while they are still enabled; OK checks
// every field as it always does.
class QWidget;

namespace volmar::gui::kit {

class GuardScope {
public:
    GuardScope();
    ~GuardScope();
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;
};

// Whether a check passes this field unseen: a guard runs and it is disabled.
bool Unchecked(const QWidget* field);

}  // namespace volmar::gui::kit
