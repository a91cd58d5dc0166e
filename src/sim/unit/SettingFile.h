#pragma once
// The setting a simulated unit starts with, read from a settings file.
#include <string>

#include "core/settings/SettingRecord.h"

namespace volmar::sim {

struct SettingFileResult {
    bool ok = false;
    // Why the file was refused, or (when ok) a note about elements that
    // were ignored, beginning with the path; empty when there is nothing to say.
    std::string message;
};

// Resets the record and reads the file into it with the settings reader. A
// file that cannot be read, is larger than a settings document may be, or
// is not usable as a setting is refused.
SettingFileResult LoadSettingFile(const std::string& path, SettingRecord& record);

}  // namespace volmar::sim
