#pragma once
// The checks of the I/O editors beyond the channel fields (FieldRules.h):
// where a channel's value comes from, the scalings, the slave table and the
// event selections of a mail report.
#include <cstdint>
#include <string_view>

#include "core/rules/FieldRules.h"
#include "core/settings/SettingRecord.h"

namespace volmar::rules {

// How a channel of its current type reaches its value.
enum class SourceLink { None, Card, Modbus, Slmp };

// The link of a channel type, given the type values that stand for an I/O
// module, Modbus/TCP and SLMP; any other type has none.
SourceLink LinkOfType(int32_t type, int32_t card, int32_t modbus, int32_t slmp);

// The last CH No. and register address a kind of channel accepts (both start at 1).
struct SourceLimits {
    int64_t lastCardCh;
    int64_t lastRegAddress;
};
inline constexpr SourceLimits kAiSource{4, 65536};
inline constexpr SourceLimits kPiSource{2, 65535};
inline constexpr SourceLimits kBitSource{16, 65536};  // DI and DO

// The source fields, checked in this order: module address and CH No. (I/O
// module), register address (Modbus/TCP), device numbers (SLMP).
inline constexpr IntegerRule kModuleAddress{1, 16, "Setting error: Module address"};
constexpr IntegerRule CardChRule(const SourceLimits& limits)
{
    return {1, limits.lastCardCh, "Setting error: CH No."};
}
constexpr IntegerRule RegAddressRule(const SourceLimits& limits)
{
    return {1, limits.lastRegAddress, "Setting error: Modbus/TCP register address"};
}
inline constexpr UnsignedRule kDeviceHex{0, 0xFFFFFFFF, true, "Setting error: SLMP device No. (Hexadecimal)"};
inline constexpr UnsignedRule kDeviceDec{0, 4294967295u, false, "Setting error: SLMP device No. (Decimal)"};

// The slave types of the slave table.
enum SlaveTypeValue : int32_t { kSlaveModbusTcp = 0, kSlaveSlmp16 = 1, kSlaveSlmp32 = 2 };

// A Modbus/TCP or SLMP channel polls a slave that has an IP address.
inline constexpr const char* kSlaveWithoutAddress =
    "Setting error: Slave address.\nSet IP address to designated slave.";
bool SlaveHasAddress(const SettingRecord& record, int slave);
const char* SlaveAddressError(const SettingRecord& record, SourceLink link, int slave);

// The scalings of AI and PI channels, as typed texts in the channel's notation.
inline constexpr const char* kScale0 = "Setting error: Scaling 0 %";
inline constexpr const char* kScale100 = "Setting error: Scaling 100 %";
inline constexpr const char* kScaling = "Setting error: Scaling";
// AI in percent: both scalings valid reals that differ at three decimals.
const char* PercentScalingError(std::string_view scale0, std::string_view scale100, bool exponent);
// AI in Int or Uint, PI: a valid real that is not 0 in the notation.
const char* DivisorScalingError(std::string_view scale, bool exponent);

// The slave editor, in its order: the fields of the slave type, then the port.
inline constexpr UnsignedRule kSlmpNetwork{0, 255, false, "Setting error: SLMP network No."};
inline constexpr UnsignedRule kSlmpStation{1, 255, false, "Setting error: SLMP station No."};
inline constexpr UnsignedRule kSlmpProcessor{0, 0xFFFF, true, "Setting error: SLMP processor No."};
inline constexpr UnsignedRule kModbusNode{0, 255, false, "Setting error: Modbus/TCP nord No."};
inline constexpr UnsignedRule kSlavePort{0, 65535, false, "Setting error: Port No."};
// The communication editor of the slave table.
inline constexpr UnsignedRule kPausePeriod{100, 10000, false, "Setting error: Pause period"};
inline constexpr UnsignedRule kModbusTimeout{1, 10, false, "Setting error: Timeout"};
inline constexpr UnsignedRule kSlmpTimeout{1, 60, false, "Setting error: SLMP timeout"};

// The events a DI state or a zone event mails: at most three of the reports.
inline constexpr int kMaxMailEvents = 3;
inline constexpr const char* kTooManyMailEvents = "Max. 3 events can be set.";
const char* MailEventsError(int checked);
// The events a stored mask selects.
int MailEventCount(uint32_t mask);

}  // namespace volmar::rules
