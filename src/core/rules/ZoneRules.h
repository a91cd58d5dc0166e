#pragma once
// The checks of the alarm zone editor of AI, PI and OI channels: the fields
// of its "Basic", "Upward" and "Downward" pages and the order of the limits.
// The editor hands in what its edits hold; a stored channel is checked as
// the editor would show it.
#include <functional>
#include <optional>
#include <string>

#include "core/settings/SettingRecord.h"

namespace volmar::rules {

enum class ZoneField { Name, Upper, Lower, UpwardMessage, DownwardMessage };

// The first failing field: its message, which field and the zone (from 1).
// No message: every field passes.
struct ZoneFault {
    const char* message = nullptr;
    ZoneField field = ZoneField::Name;
    int zone = 0;
    explicit operator bool() const { return message != nullptr; }
};

// The text of a field of a zone (from 1), as typed or shown; none for a
// field the editor passes unseen (disabled while a guard runs).
using ZoneText = std::function<std::optional<std::string>(ZoneField, int zone)>;

// The "Basic" page over zones 1 to count: both names of count 2 first, then
// for every further zone its name, the previous zone's upper limit and its
// own lower limit.
ZoneFault ZoneBasicError(int count, bool exponent, const ZoneText& text);
// The messages of the "Upward" (zones 2 to count) or "Downward" page (zones
// 1 to count, at most 4).
ZoneFault ZoneEventsError(bool upward, int count, const ZoneText& text);
// The first order violation among zones 1 to count (index 0 is zone 1): each
// zone's lower limit not below the previous zone's upper limit, and each
// middle zone's lower limit below its upper limit.
ZoneFault ZoneOrderError(const double lower[kZoneCount], const double upper[kZoneCount], int count);
// The same on stored zones whose limits are first rounded to the notation.
ZoneFault StoredZoneOrderError(const Zone zones[kZoneCount], int count, bool exponent);
// Every check of the zone editor, in its order, on stored zones.
ZoneFault StoredZonesError(const Zone zones[kZoneCount], int count, bool exponent);

}  // namespace volmar::rules
