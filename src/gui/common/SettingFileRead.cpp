#include "gui/common/SettingFileRead.h"

#include "core/common/FileIo.h"
#include "core/settings/DocumentReader.h"
#include "gui/common/AppContext.h"

namespace volmar::gui {

bool ReadSettingsFile(AppContext& ctx, const std::string& path, SettingRecord& record)
{
    std::string bytes;
    if (!ReadWholeFile(path, kMaxSettingsFile, bytes)) {
        ctx.ui.Show({MessageIcon::Error, "Failed to Open File"});
        return false;
    }
    ResetSettingRecord(record);
    const ConvertResult loaded = ConvertSettingDocument(record, bytes.data(), bytes.size(),
                                                        ctx.profile.GetInt(kProfileSection, kPrefTagMessage, 1) != 0);
    if (loaded.hasMessage) ctx.ui.Show(loaded.message);
    return loaded.ok;
}

}  // namespace volmar::gui
