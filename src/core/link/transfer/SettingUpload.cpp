#include "link/transfer/SettingUpload.h"

#include "link/transfer/FirmwareCheck.h"
#include "link/transfer/Login.h"
#include "link/transfer/SettingDownload.h"
#include "link/transfer/TransferRuns.h"
#include "link/transfer/UnitAccess.h"
#include "link/transfer/UnitCheck.h"
#include "link/transfer/UnitMessages.h"
#include "settings/DocumentWriter.h"
#include "settings/Gzlib.h"

namespace volmar {
namespace {

bool Pack(Interaction& ui, const std::string& document, CGzlib& zip)
{
    Message error;
    if (PackSettingDocument(document, zip, &error)) return true;
    ui.Show(error);
    return false;
}

bool UnitAccepted(const UploadOptions& upload, const UnitStatus& status)
{
    return !upload.acceptUnit || upload.acceptUnit(status);
}

std::span<const uint8_t> PayloadOf(const CGzlib& zip)
{
    return {zip.Compressed(), zip.CompressedLength()};
}

// The serial path packs the document before it opens the port.
bool UploadSerial(LinkContext& ctx, const std::string& document, const UploadOptions& upload)
{
    CGzlib zip;
    if (!Pack(ctx.ui, document, zip)) return false;
    auto line = OpenSerialPort(ctx);
    if (!line) return false;
    UnitStatus status{};
    if (!CheckUnitSerial(*line, ctx.ui, &status) || !UnitAccepted(upload, status)) return false;
    auto job = TransferJob::Send(kSettingObject, PayloadOf(zip), kSettingEcho);
    return RunSerialTransfer(ctx.ui, *line, job);
}

// The network paths check the unit before they pack the document.
bool UploadNetwork(LinkContext& ctx, const std::string& document, const UploadOptions& upload)
{
    NetworkUnit unit;
    if (!ReachNetworkUnit(ctx, unit) || !UnitAccepted(upload, unit.status)) return false;
    CGzlib zip;
    if (!Pack(ctx.ui, document, zip)) return false;
    auto job = TransferJob::Send(kSettingObject, PayloadOf(zip));
    return unit.cipher ? RunCipherTransfer(ctx.ui, *unit.cipher, job)
                       : RunTcpTransfer(ctx, unit.address, job);
}

}  // namespace

bool UploadSettingObject(LinkState& link, Interaction& ui, Profile& profile,
                         const std::string& document, const UploadOptions& upload,
                         const LinkOptions& options)
{
    if (upload.askConfirmation && !ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return false;
    if (upload.confirmAccessMode && !ConfirmAccessModeIfOn(link, ui, profile)) return false;
    LinkContext ctx{link, ui, profile, options};
    return link.kind == LinkKind::Usb ? UploadSerial(ctx, document, upload)
                                      : UploadNetwork(ctx, document, upload);
}

bool UploadSetting(LinkState& link, Interaction& ui, Profile& profile, const SettingRecord& record,
                   const LinkOptions& options)
{
    UploadOptions upload;
    upload.acceptUnit = [&](const UnitStatus& status) {
        if (auto refused = CheckUnitFirmware(record, UnitMajor(status), UnitMinor(status))) {
            ui.Show(*refused);
            return false;
        }
        return true;
    };
    return UploadSettingObject(link, ui, profile, WriteSettingDocument(record), upload, options);
}

}  // namespace volmar
