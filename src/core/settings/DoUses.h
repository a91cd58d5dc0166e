#pragma once
// For every discrete output, the alarm zones, DI states and e-mail settings
// that switch it: the rows of "Which functions assigned to DO?" and of the
// settings report.
#include <string>
#include <vector>

#include "core/settings/SettingRecord.h"

namespace volmar {

struct DoUse {
    int out = 0;           // the DO, from 0
    std::string channel;   // "DO%02d"
    std::string function;  // "I/O (AI01)", "E-mail"
    std::string detail;    // "Zone 2", "ON", "Event report 1, 5, ", "Zone 4 (disabled)"
};

// DO01 first. Every source whose masks include the output is listed. One
// that is not in use now (a zone beyond its channel's count or of a disabled
// channel, a state of a disabled DI, a disabled e-mail report) switches
// nothing yet but will once it is enabled again: its detail ends in
// " (disabled)", and a disabled event report has a row of its own.
std::vector<DoUse> DoUses(const SettingRecord& record);

}  // namespace volmar
