#include "core/link/transfer/UnitAccess.h"

#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {

std::unique_ptr<SerialLine> OpenSerialPort(LinkContext& ctx)
{
    int error = 0;
    auto line = ctx.Serial().Open(ctx.link, error);
    if (!line) {
        ctx.ui.Show(PortOpenMessage(ctx.link.comPort, ctx.link.comDevice, error));
        return nullptr;
    }
    line->SetStop(ctx.options.timeouts.stop);
    return line;
}

bool CheckSelectedUnit(LinkContext& ctx, UnitStatus* status)
{
    auto session = MakeUnitSession(ctx);
    if (!session || !session->Open()) return false;
    if (status) *status = session->Status();
    return true;
}

}  // namespace volmar
