#pragma once
// The checks of the display editors (page names, pen limits) and of the
// record editor (the channels and pens a storing rate handles), without
// widgets.
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/FieldProblems.h"
#include "core/rules/SettingRules.h"
#include "core/settings/SettingRecord.h"

namespace volmar::rules {

// "Setting error: Page name 3" when page (from 0) is named beyond 64 characters.
std::string PageNameError(int page, std::string_view name);

// A pen's display limits as its editor holds them: typed texts on the pen's
// scale (log: whole powers of ten; else two decimals, or the "%.3e" form for
// a channel shown with an exponent). Only analog pens (AI, PI, OI) have
// limits to check, but OK refuses equal limits on any pen.
struct PenLimits {
    bool analog, log, exponent;
    std::string_view lower, upper;
};
// The checks a change of type, channel or scale runs: the form and range of
// each limit ("LOW" and "HIGH" below PEN_DRAWn).
FieldProblems CheckPenLimitTexts(const PenLimits& pen);
// The checks of OK: the above, the powers of ten of a log scale, then equal limits.
FieldProblems CheckPenLimits(const PenLimits& pen);
// A limit as the pen editor shows it.
std::string PenLimitText(double value, bool log, bool exponent);
// Whether a pen of type draws a channel shown with an exponent.
bool PenChannelExponent(const SettingRecord& record, int32_t type, int channel);

void CheckDispRules(const SettingRecord& record, std::vector<RuleVerdict>& out);

// The record editor: a channel or pen in use beyond what the storing rate
// handles ("IO/AI/AI17/TYPE", "DISP/PEN_CONF20/TYPE").
inline constexpr const char* kUnusableAtRate = "One or more channels/pens are unusable with the new storing rate.";
void CheckRecordRules(const SettingRecord& record, std::vector<RuleVerdict>& out);

}  // namespace volmar::rules
