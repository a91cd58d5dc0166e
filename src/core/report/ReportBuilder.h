#pragma once
// The settings report: what a setting does, in the user's terms. Only what
// is in use appears: channels within what the storing rate handles and not
// disabled, the slaves those channels poll, the services switched on, the
// pens drawn and the e-mail reports enabled. Passwords never appear; the
// report says only whether one is set.
#include <ctime>
#include <string>

#include "core/report/ReportModel.h"
#include "core/settings/SettingRecord.h"

namespace volmar::report {

Document BuildReport(const SettingRecord& record, Header header);

// The header of a report made now (local time) of source: a file name or a
// unit's link, with this tool's version.
Header MakeHeader(std::string source, std::time_t now = std::time(nullptr));

}  // namespace volmar::report
