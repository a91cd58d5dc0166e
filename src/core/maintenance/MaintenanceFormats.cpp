#include "core/maintenance/MaintenanceFormats.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace volmar {
namespace {

// printf into a text as long as it needs: "%0.0f" of a huge double has
// hundreds of digits.
template <typename... T>
std::string Format(const char* format, T... values)
{
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.resize(static_cast<size_t>(length));
    return text;
}

// The leading decimal digits of a field, as the edit control's text is read;
// 0 when there are none.
int LeadingNumber(const std::string& text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0) return 29;
    return kDays[month - 1];
}

}  // namespace

std::optional<std::string> FormatMac(std::span<const uint8_t> reply)
{
    if (reply.size() != kMacLength) return std::nullopt;
    return Format("%02X-%02X-%02X-%02X-%02X-%02X", reply[0], reply[1], reply[2], reply[3], reply[4], reply[5]);
}

std::string FormatVersion(const UnitStatus& status)
{
    const char* model = status[0] == kDeviceCodeSupported ? "G" : "";
    return Format("QN70-%s-R Ver. %d.%d.%d", model, status[1], status[2], status[3] * 256 + status[4]);
}

std::string DecodeSystemLog(std::span<const uint8_t> reply)
{
    if (reply.empty()) return {};
    const auto* text = reinterpret_cast<const char*>(reply.data());
    return std::string(text, strnlen(text, reply.size()));
}

std::string FormatDiskFree(std::span<const uint8_t> reply)
{
    if (reply.size() < 8) return {};
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | reply[i];
    double b = 0;
    std::memcpy(&b, &bits, sizeof b);
    if (!std::isfinite(b) || b < 0) return {};
    if (b / 1073741824.0 >= 1) return Format("%0.2fGB (%0.0fbyte)", b / 1073741824.0, b);
    if (b / 1048576.0 >= 1) return Format("%0.2fMB (%0.0fbyte)", b / 1048576.0, b);
    if (b / 1024.0 >= 1) return Format("%0.2fKB (%0.0fbyte)", b / 1024.0, b);
    return Format("%lubyte", static_cast<unsigned long>(b));
}

DateTimeFields DateTimeFieldsOf(const std::tm& local)
{
    static constexpr const char* kFormats[6] = {"%Y", "%m", "%d", "%H", "%M", "%S"};
    DateTimeFields fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        char text[16] = {};
        std::strftime(text, sizeof text, kFormats[i], &local);
        fields[i] = text;
    }
    return fields;
}

std::optional<TimePayload> BuildTimePayload(const DateTimeFields& fields)
{
    if (fields[0].size() > 4) return std::nullopt;
    for (size_t i = 1; i < fields.size(); ++i)
        if (fields[i].size() > 2) return std::nullopt;
    int v[6];
    for (size_t i = 0; i < 6; ++i) v[i] = LeadingNumber(fields[i]);
    const bool valid = v[0] >= 2010 && v[0] <= 2059 && v[1] >= 1 && v[1] <= 12 && v[3] <= 23 && v[4] < 60 &&
                       v[5] < 60 && v[2] >= 1 && v[2] <= DaysInMonth(v[0], v[1]);
    if (!valid) return std::nullopt;
    TimePayload payload{};
    for (size_t i = 0; i < 6; ++i) {
        payload[2 * i] = static_cast<uint8_t>(v[i]);
        payload[2 * i + 1] = static_cast<uint8_t>(v[i] >> 8);
    }
    return payload;
}

}  // namespace volmar
