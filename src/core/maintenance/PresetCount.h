#pragma once
// The pulse-count preset: the channel list and the checks of the preset
// window, and the command document the unit takes as "SUM". Shared by the
// window and volmar-cli.
#include <optional>
#include <string>

#include "core/settings/SettingRecord.h"

namespace volmar {

// A preset that passed every check; only such a preset becomes a document.
class ValidPreset {
public:
    int Channel() const { return m_channel; }  // 0 to 31
    const std::string& Text() const { return m_text; }

private:
    friend std::optional<ValidPreset> CheckPreset(const PiChannel&, int, const std::string&);
    ValidPreset(int channel, std::string text) : m_channel(channel), m_text(std::move(text)) {}
    int m_channel;
    std::string m_text;
};

// "01 Flow", "02 " for an unused channel (type 0).
std::string PresetChannelEntry(const SettingRecord& record, int channel);

// The value in the channel's notation: "%.3e" with exponent display, "%.3f"
// without; text is read as a decimal number (0 when it reads as nothing).
std::string PresetValueText(const std::string& text, bool exponent);

// The value checks of "Setting error: Preset value": at most three decimals
// (or the "%.3e" form), within -1e10 to 1e10, a negative value only with a
// negative scale and a positive one only with a scale of zero or more, and a
// count (value / scale) of at most 4294967295 pulses, compared without the
// division so that a scale of 0 takes only the value 0. A text whose
// document would not fit the unit's buffer fails too. Empty when it fails.
std::optional<ValidPreset> CheckPreset(const PiChannel& ch, int channel, const std::string& text);

// Whether text passes the value checks that do not depend on the channel:
// a number in either notation within -1e10 to 1e10. A text that fails here
// fails CheckPreset for every channel.
bool IsPresetNumber(const std::string& text);

// Whether the channel's mode forbids presetting ("No presetting for this
// channel.").
bool PresetForbidden(const PiChannel& ch);

// The command document, CR LF lines, no NUL.
std::string PresetDocument(const ValidPreset& preset);

// The largest document the unit's buffer holds.
constexpr size_t kPresetDocumentCapacity = 4095;

}  // namespace volmar
