#pragma once
// The one place that turns the selected link into its session, and the few
// questions about the selected link that flows and windows ask.
#include <memory>

#include "core/link/session/UnitSession.h"

namespace volmar {

// The session of the selected link. A network link whose protocol is not
// known yet has it detected first; null when that fails (its message shown).
// Nothing is opened yet.
std::unique_ptr<UnitSession> MakeUnitSession(LinkContext& ctx);

// Whether the serial link is selected (the small network editors and their
// CLI commands change a unit over that link only).
bool SerialLinkSelected(const LinkState& link);

// Whether the operation asks for the login before its wait window: the
// encrypted link logs in as it connects, and the user has not logged in yet.
bool LoginBeforeOperation(const LinkState& link);

}  // namespace volmar
