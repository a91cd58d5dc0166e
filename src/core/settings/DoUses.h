#pragma once
// For every discrete output, the alarm zones, DI states and e-mail settings
// that switch it: the rows of "Which functions assigned to DO?" and of the
// settings report.
#include <string>
#include <vector>

#include "settings/SettingRecord.h"

namespace volmar {

struct DoUse {
    int out = 0;           // the DO, from 0
    std::string channel;   // "DO%02d"
    std::string function;  // "I/O (AI01)", "E-mail"
    std::string detail;    // "Zone 2", "ON", "Event report 1, 5, "
};

// DO01 first. Only sources in use count: zones within the count of a channel
// that is not disabled, the states of a DI that is not disabled, and enabled
// e-mail reports.
std::vector<DoUse> DoUses(const SettingRecord& record);

}  // namespace volmar
