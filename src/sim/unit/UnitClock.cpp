#include "sim/unit/UnitClock.h"

#include <cstdio>

namespace volmar::sim {
namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool IsLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysIn(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Seconds of a broken-down time counted as if it were UTC: the clock works
// in local wall time, so only differences of these values matter.
int64_t WallSeconds(std::tm tm) { return static_cast<int64_t>(timegm(&tm)); }

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return tm;
}

}  // namespace

std::tm UnitClock::BrokenDown() const
{
    const std::time_t t = static_cast<std::time_t>(WallSeconds(LocalNow()) + m_offset);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

TimePayload UnitClock::Now() const
{
    const std::tm tm = BrokenDown();
    const int values[6] = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    TimePayload out{};
    for (int i = 0; i < 6; ++i) {
        out[2 * i] = static_cast<uint8_t>(values[i]);
        out[2 * i + 1] = static_cast<uint8_t>(values[i] >> 8);
    }
    return out;
}

bool UnitClock::Set(const std::vector<uint8_t>& payload)
{
    if (payload.size() != TimePayload{}.size()) return false;
    const int year = Le16(&payload[0]), month = Le16(&payload[2]), day = Le16(&payload[4]);
    const int hour = Le16(&payload[6]), minute = Le16(&payload[8]), second = Le16(&payload[10]);
    if (year < 2010 || year > 2059 || month < 1 || month > 12 || day < 1 || day > DaysIn(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return false;
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    m_offset = WallSeconds(tm) - WallSeconds(LocalNow());
    return true;
}

std::string UnitClock::Stamp() const
{
    const std::tm tm = BrokenDown();
    char text[80];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

}  // namespace volmar::sim
