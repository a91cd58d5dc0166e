#include "core/rules/ZoneRules.h"

#include <algorithm>

#include "core/rules/FieldRules.h"
#include "core/rules/RealValues.h"

namespace volmar::rules {

namespace {

constexpr TextRule kName[kZoneCount] = {{32, "Setting error: Zone 1 name"},
                                        {32, "Setting error: Zone 2 name"},
                                        {32, "Setting error: Zone 3 name"},
                                        {32, "Setting error: Zone 4 name"},
                                        {32, "Setting error: Zone 5 name"}};
constexpr const char* kUpper[kZoneCount] = {"Setting error: Zone 1 upper limit", "Setting error: Zone 2 upper limit",
                                            "Setting error: Zone 3 upper limit", "Setting error: Zone 4 upper limit",
                                            nullptr};
constexpr const char* kLower[kZoneCount] = {nullptr, "Setting error: Zone 2 lower limit",
                                            "Setting error: Zone 3 lower limit", "Setting error: Zone 4 lower limit",
                                            "Setting error: Zone 5 lower limit"};
constexpr TextRule kMessage[kZoneCount] = {{32, "Setting error: Zone 1 message"},
                                           {32, "Setting error: Zone 2 message"},
                                           {32, "Setting error: Zone 3 message"},
                                           {32, "Setting error: Zone 4 message"},
                                           {32, "Setting error: Zone 5 message"}};

ZoneFault Fault(const char* message, ZoneField field, int zone)
{
    return {message, field, zone};
}

}  // namespace

ZoneFault ZoneBasicError(int count, bool exponent, const ZoneText& text)
{
    if (count < 2) return {};
    auto nameFails = [&](int zone) {
        const std::optional<std::string> name = text(ZoneField::Name, zone);
        return name && kName[zone - 1].Check(*name) != nullptr;
    };
    auto limitFails = [&](ZoneField field, int zone) {
        const std::optional<std::string> limit = text(field, zone);
        return limit && !RealTextValid(*limit, exponent);
    };
    if (nameFails(1)) return Fault(kName[0].message, ZoneField::Name, 1);
    for (int zone = 2; zone <= count && zone <= kZoneCount; ++zone) {
        if (nameFails(zone)) return Fault(kName[zone - 1].message, ZoneField::Name, zone);
        if (limitFails(ZoneField::Upper, zone - 1)) return Fault(kUpper[zone - 2], ZoneField::Upper, zone - 1);
        if (limitFails(ZoneField::Lower, zone)) return Fault(kLower[zone - 1], ZoneField::Lower, zone);
    }
    return {};
}

ZoneFault ZoneEventsError(bool upward, int count, const ZoneText& text)
{
    if (count < 2) return {};
    const ZoneField field = upward ? ZoneField::UpwardMessage : ZoneField::DownwardMessage;
    const int first = upward ? 2 : 1;
    const int last = upward ? std::min(count, kZoneCount) : std::min(count, kZoneCount - 1);
    for (int zone = first; zone <= last; ++zone) {
        const std::optional<std::string> message = text(field, zone);
        if (!message) continue;
        if (const char* error = kMessage[zone - 1].Check(*message)) return Fault(error, field, zone);
    }
    return {};
}

ZoneFault ZoneOrderError(const double lower[kZoneCount], const double upper[kZoneCount], int count)
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
        if (lower[k - 1] < upper[k - 2]) return Fault(kGap[k - 2], ZoneField::Lower, k);
        if (k >= 3 && lower[k - 2] >= upper[k - 2]) return Fault(kOwn[k - 2], ZoneField::Upper, k - 1);
    }
    return {};
}

ZoneFault StoredZoneOrderError(const Zone zones[kZoneCount], int count, bool exponent)
{
    double lower[kZoneCount], upper[kZoneCount];
    for (int i = 0; i < kZoneCount; ++i) {
        lower[i] = RoundToNotation(zones[i].LEVEL_LOWER, exponent);
        upper[i] = RoundToNotation(zones[i].LEVEL_UPPER, exponent);
    }
    return ZoneOrderError(lower, upper, count);
}

ZoneFault StoredZonesError(const Zone zones[kZoneCount], int count, bool exponent)
{
    const ZoneText shown = [&](ZoneField field, int zone) -> std::optional<std::string> {
        const Zone& z = zones[zone - 1];
        switch (field) {
        case ZoneField::Name: return z.AREA_NAME;
        case ZoneField::Upper: return FormatReal(z.LEVEL_UPPER, exponent);
        case ZoneField::Lower: return FormatReal(z.LEVEL_LOWER, exponent);
        case ZoneField::UpwardMessage: return z.UPPER.MESSAGE;
        case ZoneField::DownwardMessage: return z.LOWER.MESSAGE;
        }
        return std::nullopt;
    };
    if (ZoneFault f = ZoneBasicError(count, exponent, shown)) return f;
    if (ZoneFault f = StoredZoneOrderError(zones, count, exponent)) return f;
    if (ZoneFault f = ZoneEventsError(true, count, shown)) return f;
    return ZoneEventsError(false, count, shown);
}

}  // namespace volmar::rules
