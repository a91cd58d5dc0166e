#pragma once
// How every maintenance function reaches the unit: the selected link is
// opened, the unit checked, the function's precondition tested on the unit's
// status record, one transfer run with its wait dialog, and the port or
// connection closed again. Nothing stays open between two functions.
#include <functional>
#include <optional>

#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/TransferJob.h"
#include "core/link/transfer/UnitStatus.h"

namespace volmar {

// Tests the unit's status record before the transfer; shows its own message
// and returns false to stop. The encrypted link gives no status record, so
// there the test is not made.
using StatusPrecondition = std::function<bool(const UnitStatus&)>;

// Runs job over the selected link. Returns whether the transfer succeeded;
// every failure has shown its message.
bool RunMaintenanceTransfer(LinkContext& ctx, TransferJob& job, const StatusPrecondition& precondition = {});

// The unit's status record without a transfer (the version): the unit check
// over serial and plain TCP; over the encrypted link the reply of the
// handshake, with no login. Empty after a failure (its message shown).
std::optional<UnitStatus> ReadUnitIdentity(LinkContext& ctx);

// Preconditions on the status record's flags.
StatusPrecondition RequireSdCard(Interaction& ui, const char* message);
StatusPrecondition RequireNotLogging(Interaction& ui);

}  // namespace volmar
