#pragma once
// Every rule of the editors over a whole setting, so that a document the
// reader accepts can be checked as strictly as the dialogs check typed values.
#include <string>
#include <vector>

#include "core/settings/SettingRecord.h"

namespace volmar {

struct RuleVerdict {
    std::string path;     // below the document root, '/' between names: "IO/AI/AI3/NAME"
    std::string label;    // the field's caption as its editor shows it
    std::string message;  // the editor's message: "Setting error: CH name"
};

// Every rule over the whole setting, in the order the editors check; empty when it passes.
std::vector<RuleVerdict> CheckSettingRules(const SettingRecord& record);

}  // namespace volmar
