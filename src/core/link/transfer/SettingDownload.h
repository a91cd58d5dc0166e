#pragma once
// Download of the whole setting: object "CONFIG_P" read through the selected
// link, decompressed and loaded into the record.
#include "core/common/Profile.h"
#include "core/link/transfer/LinkContext.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// The object name of the setting in both directions.
inline constexpr const char* kSettingObject = "CONFIG_P";

// Reads the unit's setting into record. A payload that does not decompress
// shows "Failed to decompress setting data" and leaves the record as it was;
// otherwise the record is reset to defaults and the document loaded, with the
// load messages, and the load's verdict is the result. The access-mode
// confirmation is the caller's (it comes before the download).
bool DownloadSetting(LinkState& link, Interaction& ui, Profile& profile, SettingRecord& record,
                     const LinkOptions& options = {});

}  // namespace volmar
