#pragma once
// Settings addressed by path, for scripts: "SYSTEM/NAME1" or the diff's
// "<VOL_MAR><SYSTEM><NAME1>" resolved over the element table, a value read
// as the document writes it, and assignments "PATH=VALUE" applied with the
// reader's own rules. The CLI's get and set and the table imports share it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/DocumentSchema.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// A leaf of the document: its element path as the diff prints it, its node
// and its field's offset in the record.
struct SettingLeaf {
    std::string path;  // "<VOL_MAR><IO><AI><AI3><NAME>"
    const Node* node = nullptr;
    size_t offset = 0;
    bool inFile = true;  // false for the access block and the network addresses
};

// Resolves a path with '/' separators below the root, or an element path;
// indexed names take their index in any decimal form ("AI03" is AI3).
// Empty for a group, an unknown element or a malformed path.
std::optional<SettingLeaf> ResolveSettingPath(std::string_view path);

// An element path ("<VOL_MAR><IO><AI><AI3><NAME>", the root optional) in
// the '/' form the rules and scripts use ("IO/AI/AI3/NAME").
std::string SlashPath(std::string_view elementPath);
// The other way: "IO/AI/AI3/NAME" as "<IO><AI><AI3><NAME>" (no root).
std::string ElementPath(std::string_view slashPath);

// The values of leaves as the settings document writes them, in the order
// asked (one pass over the record).
std::vector<std::string> ReadSettingValues(const SettingRecord& record, const std::vector<SettingLeaf>& leaves);

// A value the way the editors show it, on one line.
std::string ShownSettingValue(const SettingLeaf& leaf, std::string_view documentValue);

// The label of a leaf as the editors show it ("Analog inputs · AI3 · CH name").
std::string SettingLabel(const SettingLeaf& leaf);

// Why a value or an assignment is refused.
struct SettingRefusal {
    std::string path, label, message;
};

// Stores value (the document's form or, for a list, the entry the editor
// shows) into the leaf's field of record. On refusal the record is left as
// it was and the refusal is returned.
std::optional<SettingRefusal> StoreSettingValue(SettingRecord& record, const SettingLeaf& leaf, std::string_view value);

// One "PATH=VALUE" assignment split at its first '='; empty when there is
// none or the path is empty.
struct SettingAssignment {
    std::string path, value;
};
std::optional<SettingAssignment> ParseSettingAssignment(std::string_view text);

// Applies assignments to a copy of record, all or nothing: every refusal is
// listed and record is changed only when there are none. The reader's rules
// only; ApplyAssignmentsThroughRules (core/rules/RuleGate.h) adds the editors'.
std::vector<SettingRefusal> ApplySettingAssignments(SettingRecord& record,
                                                    const std::vector<SettingAssignment>& assignments);

}  // namespace volmar
