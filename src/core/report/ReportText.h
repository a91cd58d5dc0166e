#pragma once
// Values as the editors show them, for the settings report.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/EditorEntries.h"

namespace volmar::report {

// "%.3f", or "%.3e" for a channel with exponent display.
std::string Real(double value, bool exponent);
// "Disable" / "Enable" of a switch (USE is 1).
const char* Switch(int32_t value);
// The entry of an editor's list, or the number itself when it has none.
std::string Entry(const EntryList& entries, int32_t value);
// "AI01": a kind followed by a 1-based number in two digits.
std::string Numbered(std::string_view kind, int number);
// "#RRGGBB" of a record colour (0x00RRGGBB).
std::string Colour(uint32_t value);
// "00001234": eight hexadecimal digits, as the editors show hexadecimal
// device numbers.
std::string Hex8(uint32_t value);
// The channels of a pair of mask words (bit i of the pair is number i + 1),
// "DO01, DO05"; empty when no bit is set. count bounds the numbers.
std::string MaskList(uint32_t word1, uint32_t word2, int count, std::string_view kind);
std::string MaskList(uint32_t word, int count, std::string_view kind);
// The SLMP device name of a binary device code ("D", "W", ...) and whether
// its numbers are written in hexadecimal; "0x%02X" for a code none of the
// device lists offers.
std::string SlmpDeviceName(uint16_t code, bool* hex = nullptr);
// "D100" or "W0000001A": a device and its number as the editor shows them.
std::string DeviceText(uint16_t code, uint32_t number);

// The caption of a value by its element path
// ("<VOL_MAR><IO><AI><AI1><SCALE_100>"), as the editors label the field: the
// shared label table's.
std::string Caption(std::string_view path);

}  // namespace volmar::report
