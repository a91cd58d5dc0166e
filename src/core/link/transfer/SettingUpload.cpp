#include "core/link/transfer/SettingUpload.h"

#include <memory>
#include <vector>

#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/FirmwareCheck.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
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

// Reads the unit's setting over the session into record; false (with its
// message shown) when the transfer fails or the payload cannot be read.
bool ReadUnitSetting(Interaction& ui, UnitSession& session, SettingRecord& record, size_t& payloadBytes)
{
    std::vector<uint8_t> buffer(kMaxObjectSize);
    size_t length = 0;
    if (!session.GetObject(kSettingObject, buffer, length)) return false;
    CGzlib zip;
    Message error;
    if (!UnpackSettingPayload(buffer.data(), length, zip, &error)) {
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
    payloadBytes = length;
    return true;
}

// The send, with the review of the unit's setting before it and the read
// back after it when the options ask for them.
bool SendReviewed(Interaction& ui, UnitSession& session, const CGzlib& zip, const UploadOptions& upload)
{
    if (upload.reviewChanges) {
        auto onUnit = std::make_unique<SettingRecord>();
        size_t bytes = 0;
        if (!ReadUnitSetting(ui, session, *onUnit, bytes)) return false;
        const bool serial = session.Link() == TransferLink::Serial;
        if (!upload.reviewChanges(UnitSetting{*onUnit, bytes, serial}, zip.CompressedLength())) return false;
    }
    if (!session.PutObject(kSettingObject, PayloadOf(zip), kSettingEcho)) return false;
    if (upload.verify) {
        auto readBack = std::make_unique<SettingRecord>();
        size_t bytes = 0;
        const bool read = ReadUnitSetting(ui, session, *readBack, bytes);
        upload.verify(read ? readBack.get() : nullptr);
    }
    return true;
}

// The serial link packs the document before it opens the port; the network
// links check the unit before they pack it.
bool Upload(LinkContext& ctx, const std::string& document, const UploadOptions& upload)
{
    auto session = MakeUnitSession(ctx);
    if (!session) return false;
    CGzlib zip;
    const bool packFirst = session->PacksBeforeOpen();
    if (packFirst && !Pack(ctx.ui, document, zip)) return false;
    if (!session->Open() || !UnitAccepted(upload, session->Status())) return false;
    if (!packFirst && !Pack(ctx.ui, document, zip)) return false;
    return SendReviewed(ctx.ui, *session, zip, upload);
}

}  // namespace

bool UploadSettingObject(LinkState& link, Interaction& ui, Profile& profile,
                         const std::string& document, const UploadOptions& upload,
                         const LinkOptions& options)
{
    if (upload.askConfirmation && !ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return false;
    if (upload.confirmAccessMode && !ConfirmAccessModeIfOn(link, ui, profile)) return false;
    LinkContext ctx{link, ui, profile, options};
    return Upload(ctx, document, upload);
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
