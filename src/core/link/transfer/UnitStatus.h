#pragma once
// The 6-byte status record a unit returns to a status query: device code,
// major and minor version, build number (big-endian) and flags.
#include <array>
#include <cstdint>

namespace volmar {

using UnitStatus = std::array<uint8_t, 6>;

constexpr uint8_t kDeviceCodeSupported = 0x29;  // ')'
constexpr uint8_t kDeviceCodeEarly = 0x28;      // '(' of firmware 1.0.27

constexpr uint8_t kStatusFlagSdCard = 0x01;
constexpr uint8_t kStatusFlagLogging = 0x02;
constexpr uint8_t kStatusFlagNetworkConfig = 0x08;

// The supported unit answers ')'. An early unit that answers '(' with
// version 1.0.27 is the same unit: its code is rewritten to ')'. False for
// any other device.
bool AcceptDeviceCode(UnitStatus& status);

inline int UnitMajor(const UnitStatus& s) { return s[1]; }
inline int UnitMinor(const UnitStatus& s) { return s[2]; }

}  // namespace volmar
