#pragma once
// The checks of the e-mail report editors without widgets: the address list
// entries, the subject and body of an event or regular report, and the
// offsets of a sending hour.
#include <optional>
#include <string_view>
#include <vector>

#include "core/rules/FieldProblems.h"
#include "core/rules/SettingRules.h"
#include "core/settings/SettingRecord.h"

namespace volmar::rules {

// An address list entry: "MAIL_NAME" then "MAIL_ADDRESS".
FieldProblems CheckMailAddress(std::string_view name, std::string_view address);

// A report's texts as stored (the body's line ends as CR LF). An enabled
// report counts characters (32, 256); a disabled one only needs the texts to
// fit their fields ("TITLE", "MESSAGE").
FieldProblems CheckReportTexts(bool enabled, std::string_view subject, std::string_view body);

// A sending hour's offsets, empty when the text is no number in range
// ("OFFSET_MIN", "OFFSET_SEC").
inline constexpr int64_t kOffsetMax = 59;
FieldProblems CheckReportOffsets(std::optional<int64_t> minute, std::optional<int64_t> second);

void CheckMailRules(const SettingRecord& record, std::vector<RuleVerdict>& out);

}  // namespace volmar::rules
