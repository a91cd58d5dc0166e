#pragma once
// Changes of a setting from outside the editors (scripts, tables) pass the
// editors' rules here: a change answers for every verdict on a field it
// writes and for every verdict it brings elsewhere (a cross-field rule it
// breaks); a verdict the setting already had on a field left alone does not
// stop it.
#include <set>
#include <string>
#include <vector>

#include "core/rules/SettingRules.h"
#include "core/settings/SettingPaths.h"

namespace volmar {

// written: the paths of the fields the change wrote, in the verdicts' form
// ("IO/AI/AI3/NAME").
std::vector<RuleVerdict> VerdictsOfChange(const SettingRecord& before, const SettingRecord& after,
                                          const std::set<std::string>& written);

// ApplySettingAssignments followed by the rules: all or nothing.
std::vector<SettingRefusal> ApplyAssignmentsThroughRules(SettingRecord& record,
                                                         const std::vector<SettingAssignment>& assignments);

}  // namespace volmar
