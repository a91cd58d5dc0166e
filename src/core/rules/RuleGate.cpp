#include "core/rules/RuleGate.h"

#include <memory>
#include <utility>

namespace volmar {

std::vector<RuleVerdict> VerdictsOfChange(const SettingRecord& before, const SettingRecord& after,
                                          const std::set<std::string>& written)
{
    std::set<std::pair<std::string, std::string>> had;
    for (RuleVerdict& v : CheckSettingRules(before)) had.emplace(std::move(v.path), std::move(v.message));
    std::vector<RuleVerdict> out;
    for (RuleVerdict& v : CheckSettingRules(after)) {
        if (written.count(v.path) || !had.count({v.path, v.message})) out.push_back(std::move(v));
    }
    return out;
}

std::vector<SettingRefusal> ApplyAssignmentsThroughRules(SettingRecord& record,
                                                         const std::vector<SettingAssignment>& assignments)
{
    auto changed = std::make_unique<SettingRecord>(record);
    std::vector<SettingRefusal> refusals = ApplySettingAssignments(*changed, assignments);
    if (!refusals.empty()) return refusals;
    std::set<std::string> written;
    for (const SettingAssignment& a : assignments) written.insert(SlashPath(ResolveSettingPath(a.path)->path));
    // Labelled as the reader's refusals are: section, item and field.
    for (RuleVerdict& v : VerdictsOfChange(record, *changed, written))
        refusals.push_back({v.path, SettingLabel(*ResolveSettingPath(v.path)), std::move(v.message)});
    if (refusals.empty()) record = *changed;
    return refusals;
}

}  // namespace volmar
