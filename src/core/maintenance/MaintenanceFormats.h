#pragma once
// What the maintenance queries show, and the date/time payload: pure
// functions of the bytes, shared by the dialogs and volmar-cli.
#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>

#include "core/link/transfer/UnitStatus.h"

namespace volmar {

constexpr size_t kMacLength = 6;
constexpr size_t kLogCapacity = 4096;
constexpr size_t kSdReplyCapacity = 12;

// "00-1A-2B-3C-4D-5E"; empty unless exactly six bytes arrived.
std::optional<std::string> FormatMac(std::span<const uint8_t> reply);

// "QN70-G-R Ver. 2.1.300": model letter G for device code ')', build number
// big-endian from bytes 3 and 4.
std::string FormatVersion(const UnitStatus& status);

// The log text: exactly the bytes received, up to the first NUL when one
// came (a full reply has none).
std::string DecodeSystemLog(std::span<const uint8_t> reply);

// The free capacity from the "SD" reply (a little-endian double in bytes 0
// to 7): "3.00GB (3221225472byte)" ... "0byte". Empty for a reply shorter
// than 8 bytes or a value that is not a finite number of at least zero.
std::string FormatDiskFree(std::span<const uint8_t> reply);

// The six fields of the date/time dialog: year, month, day, hour, minute,
// second.
using DateTimeFields = std::array<std::string, 6>;
using TimePayload = std::array<uint8_t, 12>;

// The fields of a local time: "%Y", "%m", "%d", "%H", "%M", "%S".
DateTimeFields DateTimeFieldsOf(const std::tm& local);

// The 12-byte payload (six 16-bit little-endian values), or empty when the
// fields are not a date and time from 2010 to 2059 ("Illegal date/time").
std::optional<TimePayload> BuildTimePayload(const DateTimeFields& fields);

}  // namespace volmar
