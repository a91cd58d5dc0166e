#pragma once
// Reading a settings file the user chose into a record, with the messages a
// window shows: "Failed to Open File" when it cannot be read, else what the
// reader says of its contents.
#include <string>

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

// Larger files are no settings documents (the unit takes 2 MiB).
inline constexpr size_t kMaxSettingsFile = 16u << 20;

// Resets record and reads the file at path into it; false when it cannot be
// used (its message shown through the context's interaction).
bool ReadSettingsFile(AppContext& ctx, const std::string& path, SettingRecord& record);

}  // namespace volmar::gui
