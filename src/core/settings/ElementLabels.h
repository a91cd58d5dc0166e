#pragma once
// The labels a user sees for the values of a setting: the editor a value
// lives in, its channel or item and the caption its editor gives it, so that
// a list of differences reads like the editors rather than like element
// paths. One table, keyed by the element names of the document description.
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/SettingRecord.h"

namespace volmar {

struct ElementLabel {
    std::string section;  // the editor the value lives in, e.g. "System", "Analog inputs", "Pulse inputs", "Network"
    std::string channel;  // the channel or item, e.g. "AI1", "Zone 3", "Slave 2"; empty when the section has no channels
    std::string field;    // the caption as the editor shows it, e.g. "Scaling 100%", "Upper limit", "SNTP server"
    std::string Full() const;  // "AI1 · Scaling 100%" (channel, U+00B7 middle dot, field), or field alone
};

// The label of a leaf, from the element path VisitSettingValues gives
// ("<VOL_MAR><IO><AI><AI1><...>"). A path the table does not know gets its
// last element name as the field, so a label is never empty.
ElementLabel LabelOfElement(std::string_view path);

// Whether the table holds a caption of its own for the leaf at path.
bool HasElementCaption(std::string_view path);

// A value as a comparison shows it: the user's text on one line, its line
// breaks as "\n" and other control bytes as "\xHH", so that a setting cannot
// move a terminal's cursor or split a difference over lines.
std::string ShownValue(std::string_view value);

// Every difference between two records, in document order (path, label, left
// value, right value as the diff shows them).
struct SettingDifference {
    std::string path;
    ElementLabel label;
    std::string left, right;
};
std::vector<SettingDifference> CompareSettings(const SettingRecord& a, const SettingRecord& b);

}  // namespace volmar
