#include "core/link/transfer/SettingDownload.h"

#include <vector>

#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/link/transfer/UnitCheck.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/Gzlib.h"

namespace volmar {
namespace {

// Receives the setting's payload into buffer through the selected link.
bool ReceiveSetting(LinkContext& ctx, std::vector<uint8_t>& buffer, size_t& length)
{
    auto job = TransferJob::Receive(kSettingObject, buffer);
    if (ctx.link.kind == LinkKind::Usb) {
        auto line = OpenSerialPort(ctx);
        if (!line || !CheckUnitSerial(*line, ctx.ui)) return false;
        if (!RunSerialTransfer(ctx.ui, *line, job)) return false;
    } else {
        NetworkUnit unit;
        if (!ReachNetworkUnit(ctx, unit)) return false;
        const bool ok = unit.cipher ? RunCipherTransfer(ctx.ui, *unit.cipher, job)
                                    : RunTcpTransfer(ctx, unit.address, job);
        if (!ok) return false;
    }
    length = job.length;
    return true;
}

}  // namespace

bool DownloadSetting(LinkState& link, Interaction& ui, Profile& profile, SettingRecord& record,
                     const LinkOptions& options)
{
    LinkContext ctx{link, ui, profile, options};
    CGzlib zip;
    std::vector<uint8_t> buffer(kMaxObjectSize);
    size_t length = 0;
    if (!ReceiveSetting(ctx, buffer, length)) return false;

    Message error;
    if (!UnpackSettingPayload(buffer.data(), length, zip, &error)) {
        ui.Show(error);
        return false;
    }
    ResetSettingRecord(record);
    const ConvertResult loaded = ConvertSettingDocument(
        record, reinterpret_cast<const char*>(zip.Decompressed()), zip.DecompressedLength(),
        profile.GetInt(kProfileSection, kPrefTagMessage, 1) != 0);
    if (loaded.hasMessage) ui.Show(loaded.message);
    return loaded.ok;
}

}  // namespace volmar
