#pragma once
// A channel's alarm zones as its editor works on them: the zone count (0 or
// 2 to 5) and the five zone records, and the order rule of the limits.
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

struct ZoneSet {
    int16_t count = 0;
    Zone zones[kZoneCount]{};
};

template <typename Channel>
ZoneSet ZonesOf(const Channel& channel)
{
    ZoneSet set;
    set.count = channel.USE_AREAS;
    for (int i = 0; i < kZoneCount; ++i) set.zones[i] = channel.AREA[i];
    return set;
}

template <typename Channel>
void StoreZones(Channel& channel, const ZoneSet& set)
{
    channel.USE_AREAS = set.count;
    for (int i = 0; i < kZoneCount; ++i) channel.AREA[i] = set.zones[i];
}

// The zone editors of the three channel kinds differ only here.
struct ZoneFamily {
    const char* prefix;  // "AI", "PI", "OI": the title's channel name
    bool sumReset;       // a "Reset count" box for zones 2 to 5 (PI)
};

inline constexpr ZoneFamily kAiZones{"AI", false};
inline constexpr ZoneFamily kPiZones{"PI", true};
inline constexpr ZoneFamily kOiZones{"OI", false};

// The order rule of the limits (core/rules/ZoneRules.h) on a zone set whose
// limits are first rounded to the notation: the message, or nullptr.
const char* ZoneOrderError(const ZoneSet& set, bool exponent);

// What a zone editor is opened on.
struct ZoneContext {
    const ZoneFamily& family;
    ZoneSet& work;                  // the zone editor's own copy
    bool exponent;                  // the channel's exponent notation
    const SettingRecord& record;    // channel and event names for the selection lists
    Interaction& ui;
    bool sumResetAllowed = true;    // PI: the channel has a count to reset
};

}  // namespace volmar::gui
