#pragma once
// The four kinds of input channel as a function input stores them (KIND of
// an input reference), with their counts, names and channel names.
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar {

enum ChannelKind : int32_t { kKindAi = 0, kKindDi = 1, kKindPi = 2, kKindOi = 3 };

// 64 for AI and DI, 32 for PI and OI, 0 for anything else.
int ChannelCount(int32_t kind);
// "AI", "DI", "PI", "OI"; empty for anything else.
const char* KindName(int32_t kind);
// The name of channel index (from 0) while the channel is enabled (its TYPE
// is not 0); nullptr for a disabled channel or one out of range.
const char* EnabledChannelName(const SettingRecord& record, int32_t kind, int index);

}  // namespace volmar
