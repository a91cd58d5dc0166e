#pragma once
// Which report a test mail may go for, from the report settings read from
// the unit (never the editor's).
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar {

// The payload byte of the regular report; an event report's is its number - 1.
constexpr uint8_t kRegularReportByte = 100;

// The message that refuses the test of report (0 to 31 for events 1 to 32,
// or kRegularReportByte): the report is disabled, or no address has a
// recipient kind other than "None". Null when the test may go.
const char* TestMailRefusal(const SettingRecord& record, uint8_t report);

}  // namespace volmar
