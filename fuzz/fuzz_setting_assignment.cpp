// "PATH=VALUE" assignments, one a line, applied to a new setting: any bytes
// are refused or applied whole, and an applied setting always writes a
// document the reader takes back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzRecord.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/SettingPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<volmar::SettingAssignment> assignments;
    while (!text.empty() && assignments.size() < 64) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (auto a = volmar::ParseSettingAssignment(line)) assignments.push_back(std::move(*a));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (assignments.empty()) return 0;
    auto record = std::make_unique<volmar::SettingRecord>(*FuzzDefaults());
    const std::vector<volmar::SettingRefusal> refusals = volmar::ApplySettingAssignments(*record, assignments);
    if (!refusals.empty()) {
        if (std::memcmp(record.get(), FuzzDefaults(), sizeof(volmar::SettingRecord)) != 0) __builtin_trap();
        return 0;
    }
    const std::string doc = volmar::WriteSettingDocument(*record);
    auto back = std::make_unique<volmar::SettingRecord>(*FuzzDefaults());
    if (volmar::ReadSettingDocument(*back, doc.data(), doc.size()) != 0) __builtin_trap();
    if (volmar::WriteSettingDocument(*back) != doc) __builtin_trap();
    return 0;
}
