#include "core/link/transfer/SettingUpload.h"

#include <memory>
#include <vector>

#include "core/link/transfer/FirmwareCheck.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/link/transfer/UnitCheck.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Gzlib.h"

namespace volmar {
namespace {

// The unit sent a setting document the reader cannot use (review, verify).
constexpr const char* kMsgUnitSettingUnreadable = "The setting the unit sent cannot be read.";

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

// Runs one transfer over the port or connection the upload holds.
using RunJob = std::function<bool(TransferJob&)>;

// Reads the unit's setting over run into record; false (with its message
// shown) when the transfer fails or the payload cannot be read.
bool ReadUnitSetting(Interaction& ui, const RunJob& run, SettingRecord& record, size_t& payloadBytes)
{
    std::vector<uint8_t> buffer(kMaxObjectSize);
    auto job = TransferJob::Receive(kSettingObject, buffer);
    if (!run(job)) return false;
    CGzlib zip;
    Message error;
    if (!UnpackSettingPayload(buffer.data(), job.length, zip, &error)) {
        ui.Show(error);
        return false;
    }
    ResetSettingRecord(record);
    const int flags = ReadSettingDocument(record, reinterpret_cast<const char*>(zip.Decompressed()),
                                          zip.DecompressedLength());
    if (flags & kReadFailed) {
        ui.Show({MessageIcon::Error, kMsgUnitSettingUnreadable});
        return false;
    }
    payloadBytes = job.length;
    return true;
}

// The send, with the review of the unit's setting before it and the read
// back after it when the options ask for them.
bool SendReviewed(LinkContext& ctx, const RunJob& run, const CGzlib& zip, uint8_t echo, const UploadOptions& upload)
{
    const bool serial = ctx.link.kind == LinkKind::Usb;
    if (upload.reviewChanges) {
        auto onUnit = std::make_unique<SettingRecord>();
        size_t bytes = 0;
        if (!ReadUnitSetting(ctx.ui, run, *onUnit, bytes)) return false;
        if (!upload.reviewChanges(UnitSetting{*onUnit, bytes, serial}, zip.CompressedLength())) return false;
    }
    auto job = TransferJob::Send(kSettingObject, PayloadOf(zip), echo);
    if (!run(job)) return false;
    if (upload.verify) {
        auto readBack = std::make_unique<SettingRecord>();
        size_t bytes = 0;
        const bool read = ReadUnitSetting(ctx.ui, run, *readBack, bytes);
        upload.verify(read ? readBack.get() : nullptr);
    }
    return true;
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
    return SendReviewed(ctx, [&](TransferJob& job) { return RunSerialTransfer(ctx.ui, *line, job); }, zip,
                        kSettingEcho, upload);
}

// The network paths check the unit before they pack the document.
bool UploadNetwork(LinkContext& ctx, const std::string& document, const UploadOptions& upload)
{
    NetworkUnit unit;
    if (!ReachNetworkUnit(ctx, unit) || !UnitAccepted(upload, unit.status)) return false;
    CGzlib zip;
    if (!Pack(ctx.ui, document, zip)) return false;
    // An encrypted connection carries one get or put: a review or read-back
    // opens another (logged in already, so nothing is asked again).
    bool connectionUsed = false;
    return SendReviewed(
        ctx,
        [&](TransferJob& job) {
            if (!unit.cipher) return RunTcpTransfer(ctx, unit.address, job);
            if (connectionUsed) {
                NetworkUnit again;
                if (!ReachNetworkUnit(ctx, again)) return false;
                unit.cipher = std::move(again.cipher);
            }
            connectionUsed = true;
            return RunCipherTransfer(ctx.ui, *unit.cipher, job);
        },
        zip, 0, upload);
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
                   const LinkOptions& options, UploadOptions upload)
{
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
