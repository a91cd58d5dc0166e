#pragma once
// The builder's sections, one function each (ReportBuilder.cpp,
// ReportChannels.cpp).
#include <string>
#include <string_view>

#include "core/report/ReportModel.h"
#include "core/report/ReportText.h"
#include "core/settings/SettingRecord.h"

namespace volmar::report {

// An element path under construction: Path("<VOL_MAR><IO><AI><AI3>")("NAME").
struct Path {
    std::string prefix;
    std::string operator()(std::string_view leaf) const { return prefix + "<" + std::string(leaf) + ">"; }
    Path Sub(const std::string& group) const { return {prefix + "<" + group + ">"}; }
};

// Adds a value under the caption of its element.
inline void Put(Block& block, const std::string& path, std::string value)
{
    block.Add(Caption(path), std::move(value));
}

inline std::string Text(const char* field) { return std::string(field); }
inline const char* IsSet(const char* secret) { return *secret ? "(set)" : "(not set)"; }

void AddChannelSections(Document& doc, const SettingRecord& record);
// Whether channel (from 0) of a kind is in use: within what the storing rate
// handles and not disabled. kind: "AI", "DI", "PI", "OI", "DO".
bool ChannelInUse(const SettingRecord& record, const char* kind, int channel);

}  // namespace volmar::report
