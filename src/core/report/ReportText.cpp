#include "report/ReportText.h"

#include <cstdio>
#include <string_view>

#include "settings/ElementLabels.h"
#include "settings/ValueText.h"

namespace volmar::report {

std::string Real(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        AppendScientific(out, value, 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return out;
}

const char* Switch(int32_t value) { return value == 1 ? "Enable" : "Disable"; }

std::string Entry(const char* const* entries, int count, int32_t value)
{
    if (value >= 0 && value < count) return entries[value];
    return std::to_string(value);
}

std::string Numbered(std::string_view kind, int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    std::string out(kind);
    out += digits;
    return out;
}

std::string Colour(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(value & 0xFFFFFFu));
    return text;
}

std::string Hex8(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

std::string MaskList(uint32_t word1, uint32_t word2, int count, std::string_view kind)
{
    std::string out;
    for (int i = 0; i < count && i < 64; ++i) {
        const uint32_t word = i < 32 ? word1 : word2;
        if (!((word >> (i % 32)) & 1u)) continue;
        if (!out.empty()) out += ", ";
        out += Numbered(kind, i + 1);
    }
    return out;
}

std::string MaskList(uint32_t word, int count, std::string_view kind)
{
    return MaskList(word, 0, count < 32 ? count : 32, kind);
}

namespace {

struct DeviceName {
    uint16_t code;
    const char* name;
    bool hex;
};

// Every device the AI, PI and DI/DO device lists offer, once.
constexpr DeviceName kDevices[] = {
    {0xA9, "SD", false},  {0xA8, "D", false},    {0xB4, "W", true},     {0xC2, "TN", false},  {0xC8, "STN", false},
    {0xC5, "CN", false},  {0xB5, "SW", true},    {0xCC, "Z", false},    {0xAF, "R", false},   {0xB0, "ZR", false},
    {0x2C, "RD", false},  {0x62, "LZ", false},   {0x56, "LCN", false},  {0x52, "LTN", false}, {0x5A, "LSTN", false},
    {0x91, "SM", false},  {0x9C, "X", true},     {0x9D, "Y", true},     {0x90, "M", false},   {0x92, "L", false},
    {0x93, "F", false},   {0x94, "V", false},    {0xA0, "B", true},     {0x98, "S", false},   {0xC1, "TS", false},
    {0xC0, "TC", false},  {0xC7, "STS", false},  {0xC6, "STC", false},  {0xC4, "CS", false},  {0xC3, "CC", false},
    {0xA1, "SB", true},   {0x55, "LCS", false},  {0x54, "LCC", false},  {0x51, "LTS", false}, {0x50, "LTC", false},
    {0x59, "LSTS", false}, {0x58, "LSTC", false},
};

}  // namespace

std::string SlmpDeviceName(uint16_t code, bool* hex)
{
    for (const DeviceName& d : kDevices) {
        if (d.code != code) continue;
        if (hex) *hex = d.hex;
        return d.name;
    }
    if (hex) *hex = false;
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
    return text;
}

std::string SlmpDevice(uint16_t code, uint32_t number)
{
    bool hex = false;
    std::string out = SlmpDeviceName(code, &hex);
    out += hex ? Hex8(number) : std::to_string(number);
    return out;
}

std::string Caption(std::string_view path) { return LabelOfElement(path).field; }

}  // namespace volmar::report
