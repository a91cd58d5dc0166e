#include "core/maintenance/PresetCount.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/settings/ValueText.h"

namespace volmar {
namespace {

constexpr double kMaxCount = 4294967295.0;

std::string DocumentOf(int channel, const std::string& text)
{
    const std::string n = std::to_string(channel + 1);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QN_CMD>\r\n<PI>\r\n<CH" + n + ">" + text + "</CH" + n +
           ">\r\n</PI>\r\n</QN_CMD>\r\n";
}

}  // namespace

std::string PresetChannelEntry(const SettingRecord& record, int channel)
{
    const PiChannel& ch = record.IO.PI[channel];
    char number[16];
    std::snprintf(number, sizeof number, "%02d ", channel + 1);
    return std::string(number) + (ch.TYPE == 0 ? "" : std::string(ch.NAME, strnlen(ch.NAME, sizeof ch.NAME)));
}

std::string PresetValueText(const std::string& text, bool exponent)
{
    const double value = ParseDouble(text.data(), text.size());
    std::string out;
    if (exponent) {
        AppendScientific(out, std::isfinite(value) ? value : 0.0, 3);
    } else {
        AppendFixed(out, std::isfinite(value) ? value : 0.0, 3);
    }
    return out;
}

std::optional<ValidPreset> CheckPreset(const PiChannel& ch, int channel, const std::string& text)
{
    if (channel < 0 || channel >= kPiCount) return std::nullopt;
    if (!CheckValuePrecision(text, 3, ch.EXP == kUse)) return std::nullopt;
    const double x = ParseDouble(text.data(), text.size());
    if (!CheckRealRange(x)) return std::nullopt;
    const double scale = ch.SCALE;
    if (!std::isfinite(scale)) return std::nullopt;
    if (x < 0 && !(scale < 0)) return std::nullopt;
    if (x > 0 && scale < 0) return std::nullopt;
    if (std::fabs(x) > kMaxCount * std::fabs(scale)) return std::nullopt;
    if (DocumentOf(channel, text).size() > kPresetDocumentCapacity) return std::nullopt;
    return ValidPreset(channel, text);
}

bool IsPresetNumber(const std::string& text)
{
    if (!CheckValuePrecision(text, 3, false) && !CheckValuePrecision(text, 3, true)) return false;
    return CheckRealRange(ParseDouble(text.data(), text.size()));
}

bool PresetForbidden(const PiChannel& ch) { return (ch.TYPE == 1 && ch.MODE == 1) || (ch.TYPE == 2 && ch.MODE_M == 1); }

std::string PresetDocument(const ValidPreset& preset) { return DocumentOf(preset.Channel(), preset.Text()); }

}  // namespace volmar
