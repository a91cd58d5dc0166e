#include "core/link/transfer/SettingDownload.h"

#include <vector>

#include "core/link/session/SessionFactory.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/Gzlib.h"

namespace volmar {
namespace {

// Receives the setting's payload into buffer through the selected link.
bool ReceiveSetting(LinkContext& ctx, std::vector<uint8_t>& buffer, size_t& length)
{
    auto session = MakeUnitSession(ctx);
    return session && session->Open() && session->GetObject(kSettingObject, buffer, length);
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
