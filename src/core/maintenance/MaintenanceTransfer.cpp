#include "core/maintenance/MaintenanceTransfer.h"

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/ProtocolDetection.h"
#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/link/transfer/UnitCheck.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar {
namespace {

bool Accepts(const StatusPrecondition& precondition, const UnitStatus& status)
{
    return !precondition || precondition(status);
}

// The encrypted handshake alone: its reply carries the device code, version
// and status byte.
std::optional<UnitStatus> CipherIdentity(LinkContext& ctx, const std::string& address)
{
    CCipherLink cipher(ctx.TcpPort(), ctx.options.timeouts);
    CipherHelloInfo info;
    int heading = 0;
    if (!cipher.Connect(address)) {
        heading = kCipherErrOpen;
    } else if (!cipher.Hello(true, ctx.link.password, &info)) {
        heading = kCipherErrConnection;
    }
    if (heading != 0) {
        ctx.link.loggedIn = 0;
        ctx.link.protocol = kProtocolUnknown;
        ctx.ui.Show(ShowLinkError(heading, cipher.LastError()));
        return std::nullopt;
    }
    UnitStatus s = {static_cast<uint8_t>(info.deviceCode), static_cast<uint8_t>(info.major),
                    static_cast<uint8_t>(info.minor), static_cast<uint8_t>(info.build >> 8),
                    static_cast<uint8_t>(info.build), info.status};
    AcceptDeviceCode(s);
    return s;
}

}  // namespace

bool RunMaintenanceTransfer(LinkContext& ctx, TransferJob& job, const StatusPrecondition& precondition)
{
    if (ctx.link.kind == LinkKind::Usb) {
        auto line = OpenSerialPort(ctx);
        if (!line) return false;
        UnitStatus status{};
        if (!CheckUnitSerial(*line, ctx.ui, &status) || !Accepts(precondition, status)) return false;
        return RunSerialTransfer(ctx.ui, *line, job);
    }
    NetworkUnit unit;
    if (!ReachNetworkUnit(ctx, unit)) return false;
    if (unit.cipher) return RunCipherTransfer(ctx.ui, *unit.cipher, job);
    if (!Accepts(precondition, unit.status)) return false;
    return RunTcpTransfer(ctx, unit.address, job);
}

std::optional<UnitStatus> ReadUnitIdentity(LinkContext& ctx)
{
    if (ctx.link.kind == LinkKind::Network) {
        if (ctx.link.protocol == kProtocolUnknown && DetectProtocol(ctx) == kProtocolUnknown) return std::nullopt;
        if (ctx.link.protocol == kProtocolCipher) {
            std::string address;
            if (!LookUpUnitAddress(ctx.link, ctx.profile, ctx.ui, address)) return std::nullopt;
            return CipherIdentity(ctx, address);
        }
    }
    UnitStatus status{};
    if (!CheckSelectedUnit(ctx, &status)) return std::nullopt;
    return status;
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
