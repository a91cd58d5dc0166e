#include "core/report/ReportText.h"

#include <cstdio>
#include <string_view>

#include "core/settings/ElementLabels.h"
#include "core/settings/SlmpDeviceTables.h"
#include "core/settings/ValueText.h"

namespace volmar::report {

std::string Real(double value, bool exponent) { return FormatChannelReal(value, exponent); }

const char* Switch(int32_t value) { return entries::Switch.At(value == 1 ? 1 : 0); }

std::string Entry(const EntryList& entries, int32_t value)
{
    const char* text = entries.At(value);
    return text ? std::string(text) : std::to_string(value);
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

std::string SlmpDeviceName(uint16_t code, bool* hex)
{
    const SlmpDevice* device = FindSlmpDevice(code);
    if (hex) *hex = device && device->hex;
    if (device) return device->name;
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
    return text;
}

std::string DeviceText(uint16_t code, uint32_t number)
{
    bool hex = false;
    std::string out = SlmpDeviceName(code, &hex);
    out += hex ? Hex8(number) : std::to_string(number);
    return out;
}

std::string Caption(std::string_view path) { return LabelOfElement(path).field; }

}  // namespace volmar::report
