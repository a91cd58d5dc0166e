#pragma once
// Conversions between value texts and numbers, shared by the settings reader
// and the editors. All of them work in the C locale whatever the process
// locale is.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace volmar {

// The reader's integer rule: "0x"/"0X" and hexadecimal digits, or an optional
// minus sign (accepted only before a non-zero digit) and decimal digits; the
// conversion stops at the first other character. An empty text gives 0. The
// result is the 32-bit value (negative numbers wrap).
uint32_t ParseIntegerText(const char* text, size_t len);

// The C library's text-to-double conversion in the C locale: leading blanks,
// sign, digits, point, exponent; stops at the first other character.
double ParseDouble(const char* text, size_t len, size_t* used = nullptr);

// Appends value written as printf's "%.<precision>f" / "%.<precision>e".
void AppendFixed(std::string& out, double value, int precision);
void AppendScientific(std::string& out, double value, int precision);
std::string FormatFixed(double value, int precision);
// A channel's real as its editors and the report show it: three decimals, or
// "%.3e" on a channel shown with exponent.
std::string FormatChannelReal(double value, bool exponent);

// The editors' integer-text check: non-empty, an optional leading '+' or '-',
// then only the digits 0 to 9. A lone sign passes and reads as 0.
bool CheckIntegerText(std::string_view text, int64_t* value = nullptr);

// The editors' range checks: the text is non-empty, converts completely in
// the given base without overflow, and lies within [min, max].
bool CheckSignedRange(std::string_view text, int64_t min, int64_t max, int64_t* value = nullptr);
bool CheckUnsignedRange(std::string_view text, uint64_t min, uint64_t max, uint64_t* value = nullptr);
bool CheckHexRange(std::string_view text, uint64_t min, uint64_t max, uint64_t* value = nullptr);

// Whether a typed real carries no more precision than the channel shows:
// point decimal places (0 to 3) or, with exponent display on, the "%.3e" form.
bool CheckValuePrecision(std::string_view text, int point, bool exponent);

// The editors' real range check: the value printed with three decimals lies
// within -1e10 to 1e10 inclusive.
bool CheckRealRange(double value);

// A dotted address "a.b.c.d": four decimal parts of 0 to 255, each of one
// to three digits ("010" reads as 10). Empty when the text is anything else.
std::optional<std::array<uint8_t, 4>> ParseIpv4Text(std::string_view text);

// The form the units store: "%d.%d.%d.%d", no leading zeros.
std::string FormatIpv4(const std::array<uint8_t, 4>& parts);

}  // namespace volmar
