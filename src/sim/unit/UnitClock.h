#pragma once
// The unit's clock: the host's local time moved by the offset that the last
// "TIME" put set. Its date/time payload is six 16-bit little-endian values:
// year, month, day, hour, minute, second.
#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace volmar::sim {

using TimePayload = std::array<uint8_t, 12>;

class UnitClock {
public:
    // The unit's present time as a payload.
    TimePayload Now() const;
    // Sets the clock from a payload; false (clock unchanged) when the payload
    // is not 12 bytes or not a valid date and time from 2010 to 2059.
    bool Set(const std::vector<uint8_t>& payload);
    // "YYYY/MM/DD hh:mm:ss" of the unit's present time, for its log.
    std::string Stamp() const;

private:
    std::tm BrokenDown() const;

    // Seconds the unit's clock runs ahead of the host's local time.
    int64_t m_offset = 0;
};

}  // namespace volmar::sim
