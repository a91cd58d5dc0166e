#include "core/settings/ValueText.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace volmar {
namespace {

locale_t CLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Copies a view into a NUL-terminated buffer for the strto* family; texts
// longer than the buffer cannot be valid numbers of any field.
bool ToCString(std::string_view text, char (&buf)[128])
{
    if (text.size() >= sizeof buf) return false;
    text.copy(buf, text.size());
    buf[text.size()] = '\0';
    return true;
}

}  // namespace

uint32_t ParseIntegerText(const char* text, size_t len)
{
    uint32_t value = 0;
    if (len >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        for (size_t i = 2; i < len; ++i) {
            int d = HexDigit(text[i]);
            if (d < 0) break;
            value = value * 16u + static_cast<uint32_t>(d);
        }
        return value;
    }
    bool negative = false;
    for (size_t i = 0; i < len; ++i) {
        char c = text[i];
        if (c == '-' && value == 0) {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            value = value * 10u + static_cast<uint32_t>(c - '0');
        } else {
            break;
        }
    }
    return negative ? 0u - value : value;
}

double ParseDouble(const char* text, size_t len, size_t* used)
{
    // Short texts convert from the stack; a long one (leading blanks or
    // zeros, many decimals) is converted whole, never cut.
    char buf[128];
    std::string longText;
    const char* c = buf;
    if (!ToCString(std::string_view(text, len), buf)) {
        longText.assign(text, len);
        c = longText.c_str();
    }
    char* end = nullptr;
    double v = strtod_l(c, &end, CLocale());
    if (used) *used = static_cast<size_t>(end - c);
    return v;
}

void AppendFixed(std::string& out, double value, int precision)
{
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    out.append(buf, res.ptr);
}

std::string FormatChannelReal(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        AppendScientific(out, value, 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return out;
}

void AppendScientific(std::string& out, double value, int precision)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision);
    out.append(buf, res.ptr);
}

std::string FormatFixed(double value, int precision)
{
    std::string s;
    AppendFixed(s, value, precision);
    return s;
}

bool CheckIntegerText(std::string_view text, int64_t* value)
{
    if (text.empty()) return false;
    size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    int64_t v = 0;
    for (size_t k = i; k < text.size(); ++k) {
        char c = text[k];
        if (c < '0' || c > '9') return false;
        if (v > (INT64_MAX - 9) / 10) return false;  // no real field is this long
        v = v * 10 + (c - '0');
    }
    if (value) *value = (text[0] == '-') ? -v : v;
    return true;
}

bool CheckSignedRange(std::string_view text, int64_t min, int64_t max, int64_t* value)
{
    char buf[128];
    if (text.empty() || !ToCString(text, buf)) return false;
    char* end = nullptr;
    errno = 0;
    long long v = strtoll_l(buf, &end, 10, CLocale());
    if (errno == ERANGE || *end != '\0' || end == buf) return false;
    if (v < min || v > max) return false;
    if (value) *value = v;
    return true;
}

namespace {
bool CheckUnsignedBase(std::string_view text, int base, uint64_t min, uint64_t max, uint64_t* value)
{
    char buf[128];
    if (text.empty() || !ToCString(text, buf)) return false;
    for (char c : text) {
        if (c == '-') return false;  // strtoull would wrap a negative number
    }
    char* end = nullptr;
    errno = 0;
    unsigned long long v = strtoull_l(buf, &end, base, CLocale());
    if (errno == ERANGE || *end != '\0' || end == buf) return false;
    if (v < min || v > max) return false;
    if (value) *value = v;
    return true;
}
}  // namespace

bool CheckUnsignedRange(std::string_view text, uint64_t min, uint64_t max, uint64_t* value)
{
    return CheckUnsignedBase(text, 10, min, max, value);
}

bool CheckHexRange(std::string_view text, uint64_t min, uint64_t max, uint64_t* value)
{
    return CheckUnsignedBase(text, 16, min, max, value);
}

namespace {
// The typed text's shape: sign, digits, one point, optional exponent; of the
// digits after the point only the first `decimals` may be non-zero.
bool CheckRealSyntax(std::string_view text, int decimals)
{
    bool seenPoint = false, seenExp = false, seenDigit = false;
    int fraction = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+' || c == '-') {
            bool first = (i == 0);
            bool afterE = (i > 0 && (text[i - 1] == 'e' || text[i - 1] == 'E'));
            if (!first && !afterE) return false;
        } else if (c == '.') {
            if (seenPoint || seenExp) return false;
            seenPoint = true;
        } else if (c == 'e' || c == 'E') {
            if (seenExp || !seenDigit) return false;
            seenExp = true;
        } else if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (seenPoint && !seenExp) {
                ++fraction;
                if (fraction > decimals && c != '0') return false;
            }
        } else {
            return false;
        }
    }
    if (seenExp) {
        char last = text.back();
        if (last < '0' || last > '9') return false;
    }
    return seenDigit;
}
}  // namespace

bool CheckValuePrecision(std::string_view text, int point, bool exponent)
{
    if (text.empty() || text.size() >= 128) return false;
    size_t used = 0;
    double x = ParseDouble(text.data(), text.size(), &used);
    if (!std::isfinite(x)) return false;
    std::string shown;
    if (exponent) {
        std::string ten;
        AppendFixed(ten, x, 10);
        double y = ParseDouble(ten.data(), ten.size());
        AppendScientific(shown, y, 3);
    } else {
        if (point < 0) point = 0;
        if (point > 3) point = 3;
        AppendFixed(shown, x, point);
    }
    if (ParseDouble(shown.data(), shown.size()) != x) return false;
    return CheckRealSyntax(text, exponent ? 3 : point);
}

bool CheckRealRange(double value)
{
    if (!std::isfinite(value)) return false;
    std::string shown = FormatFixed(value, 3);
    double v = ParseDouble(shown.data(), shown.size());
    return v >= -1e10 && v <= 1e10;
}

std::optional<std::array<uint8_t, 4>> ParseIpv4Text(std::string_view text)
{
    std::array<uint8_t, 4> parts{};
    size_t at = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 && (at >= text.size() || text[at++] != '.')) return std::nullopt;
        int value = 0, digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits <= 3) {
            value = value * 10 + (text[at++] - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
        parts[i] = static_cast<uint8_t>(value);
    }
    if (at != text.size()) return std::nullopt;
    return parts;
}

std::string FormatIpv4(const std::array<uint8_t, 4>& parts)
{
    return std::to_string(parts[0]) + '.' + std::to_string(parts[1]) + '.' + std::to_string(parts[2]) + '.' +
           std::to_string(parts[3]);
}

}  // namespace volmar
