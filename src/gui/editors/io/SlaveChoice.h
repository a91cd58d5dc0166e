#pragma once
// The last check of a channel that polls a slave: the slave needs an
// address, and a link that does not match the slave's type is let through
// only when the user agrees.
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

// slmp: the channel reads over SLMP (else Modbus/TCP). Shows the refusal or
// asks the question; true lets the confirm go on.
bool SlaveChoiceAllowed(const SettingRecord& record, int slave, bool slmp, Interaction& ui);

}  // namespace volmar::gui
