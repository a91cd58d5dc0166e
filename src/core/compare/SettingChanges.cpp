#include "core/compare/SettingChanges.h"

#include <cstring>

#include "core/settings/DocumentReader.h"

namespace volmar {

std::unique_ptr<SettingRecord> SettingAfterDocument(const SettingRecord& base, const std::string& document,
                                                    int* flags)
{
    auto after = std::make_unique<SettingRecord>();
    std::memcpy(after.get(), &base, sizeof(SettingRecord));
    const int read = ReadSettingDocument(*after, document.data(), document.size());
    if (flags) *flags = read;
    return after;
}

std::vector<SettingDifference> ChangesOfDocument(const SettingRecord& base, const std::string& document)
{
    return CompareSettings(base, *SettingAfterDocument(base, document));
}

}  // namespace volmar
