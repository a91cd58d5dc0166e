#include "gui/editors/io/ZoneSet.h"

#include "gui/editors/kit/RealText.h"

namespace volmar::gui {

const char* ZoneOrderError(const double lower[kZoneCount], const double upper[kZoneCount], int count)
{
    // Index k - 2: zone k's lower limit against zone k - 1's upper limit, then
    // zone k - 1's own limits (middle zones only).
    static const char* const kGap[] = {
        "Limit value error: Zone 1upper limit > zone 2 lower limit",
        "Limit value error: Zone 2 upper limit > zone 3 lower limit",
        "Limit value error: Zone 3 upper limit > zone 4 lower limit",
        "Limit value error: Zone 4 upper limit > zone 5 lower limit",
    };
    static const char* const kOwn[] = {
        nullptr,
        "Limit value error: Zone 2 upper limit =< zone 2 lower limit",
        "Limit value error: Zone 3 upper limit =< zone 3 lower limit",
        "Limit value error: Zone 4 upper limit =< zone 4 lower limit",
    };
    for (int k = 2; k <= count && k <= kZoneCount; ++k) {
        if (lower[k - 1] < upper[k - 2]) return kGap[k - 2];
        if (k >= 3 && lower[k - 2] >= upper[k - 2]) return kOwn[k - 2];
    }
    return nullptr;
}

const char* ZoneOrderError(const ZoneSet& set, bool exponent)
{
    double lower[kZoneCount], upper[kZoneCount];
    for (int i = 0; i < kZoneCount; ++i) {
        lower[i] = kit::RoundToNotation(set.zones[i].LEVEL_LOWER, exponent);
        upper[i] = kit::RoundToNotation(set.zones[i].LEVEL_UPPER, exponent);
    }
    return ZoneOrderError(lower, upper, set.count);
}

}  // namespace volmar::gui
