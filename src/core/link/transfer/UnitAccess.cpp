#include "core/link/transfer/UnitAccess.h"

#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/ProtocolDetection.h"
#include "core/link/transfer/UnitCheck.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {

std::unique_ptr<SerialLine> OpenSerialPort(LinkContext& ctx)
{
    int error = 0;
    auto line = ctx.Serial().Open(ctx.link, error);
    if (!line) ctx.ui.Show(PortOpenMessage(ctx.link.comPort, ctx.link.comDevice, error));
    return line;
}

bool ReachNetworkUnit(LinkContext& ctx, NetworkUnit& unit)
{
    if (ctx.link.protocol == kProtocolUnknown && DetectProtocol(ctx) == kProtocolUnknown) return false;
    if (!LookUpUnitAddress(ctx.link, ctx.profile, ctx.ui, unit.address)) return false;
    unit.protocol = ctx.link.protocol;
    if (unit.protocol == kProtocolPlain) return CheckUnitTcp(ctx, unit.address, &unit.status);
    if (unit.protocol != kProtocolCipher) return false;
    unit.cipher = std::make_unique<CCipherLink>(ctx.TcpPort(), ctx.options.timeouts);
    if (CheckUnitCipher(ctx, unit.address, *unit.cipher, &unit.status)) return true;
    unit.cipher.reset();
    return false;
}

bool CheckSelectedUnit(LinkContext& ctx, UnitStatus* status)
{
    UnitStatus s{};
    bool ok = false;
    if (ctx.link.kind == LinkKind::Usb) {
        auto line = OpenSerialPort(ctx);
        ok = line && CheckUnitSerial(*line, ctx.ui, &s);
    } else {
        NetworkUnit unit;
        ok = ReachNetworkUnit(ctx, unit);
        s = unit.status;
    }
    if (ok && status) *status = s;
    return ok;
}

}  // namespace volmar
