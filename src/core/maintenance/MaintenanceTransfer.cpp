#include "core/maintenance/MaintenanceTransfer.h"

#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/UnitCheck.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar {
namespace {

bool Accepts(const StatusPrecondition& precondition, const UnitStatus& status)
{
    return !precondition || precondition(status);
}

}  // namespace

bool RunMaintenanceTransfer(LinkContext& ctx, TransferJob& job, const StatusPrecondition& precondition)
{
    auto session = MakeUnitSession(ctx);
    if (!session || !session->Open()) return false;
    if (session->StatusQueried() && !Accepts(precondition, session->Status())) return false;
    return session->Transfer(job);
}

std::optional<UnitStatus> ReadUnitIdentity(LinkContext& ctx)
{
    auto session = MakeUnitSession(ctx);
    if (!session) return std::nullopt;
    return session->Identify();
}

StatusPrecondition RequireSdCard(Interaction& ui, const char* message)
{
    return [&ui, message](const UnitStatus& s) {
        if (s[5] & kStatusFlagSdCard) return true;
        ui.Show({MessageIcon::Information, message});
        return false;
    };
}

StatusPrecondition RequireNotLogging(Interaction& ui)
{
    return [&ui](const UnitStatus& s) {
        if (!(s[5] & kStatusFlagLogging)) return true;
        ui.Show({MessageIcon::Information, kMsgInitDuringLogging});
        return false;
    };
}

}  // namespace volmar
