#pragma once
// The value checks of the editors' fields, without widgets: each rule holds
// the limits and the message its editor shows, so the dialogs and the
// whole-setting check (SettingRules.h) refuse the same values the same way.
#include <cstdint>
#include <string_view>

namespace volmar::rules {

// A text field: at most maxChars characters as the editors count them
// (UTF-16 units of the UTF-8 text).
struct TextRule {
    int maxChars;
    const char* message;
    const char* Check(std::string_view utf8) const;  // the message, or nullptr when it passes
};

// An integer field: a value in [min, max].
struct IntegerRule {
    int64_t min, max;
    const char* message;
    const char* Check(int64_t value) const { return value < min || value > max ? message : nullptr; }
};

// A field typed as an unsigned decimal (hex: hexadecimal) number within [min, max].
struct UnsignedRule {
    uint64_t min, max;
    bool hex;
    const char* message;
    const char* Check(uint64_t value) const { return value < min || value > max ? message : nullptr; }
};

// The characters a UTF-8 text counts as in an edit.
int EditChars(std::string_view utf8);

// The System editor.
inline constexpr TextRule kSystemName[3] = {{32, "Setting error: Name 1"},
                                            {32, "Setting error: Name 2"},
                                            {32, "Setting error: Name 3"}};
inline constexpr IntegerRule kTimeZoneHour{-12, 13, "Setting error: Time zone (hour)"};
inline constexpr IntegerRule kTimeZoneMinute{0, 59, "Setting error: Time zone (minute)"};
inline constexpr const char* kDstSameMonth = "Start and End of daylight saving time must not be within the same month.";
// Daylight saving time (mode 1) must start and end in different months.
const char* DstMonthsError(int mode, int startMonth, int endMonth);

// Every channel editor.
inline constexpr TextRule kChannelName{16, "Setting error: CH name"};
inline constexpr TextRule kChannelComment{16, "Setting error: CH comment"};
inline constexpr TextRule kEngineeringUnit{8, "Setting error: Engineering unit"};

// AI and PI channels.
inline constexpr IntegerRule kTimeConstant{0, 100, "Setting error: Time constant"};
inline constexpr const char* kAiScalingEqual = "Setting error: Scaling 0 %, Scaling 100 %";
// Whether the AI editor takes the two percent scalings as one value (equal at
// three decimals).
bool AiScalingsEqual(double scale0, double scale100);

// PI channels.
inline constexpr IntegerRule kPulseLow{0, 4294967295, "Setting error: Pulse range - lower limit"};
inline constexpr IntegerRule kPulseHigh{0, 4294967295, "Setting error: Pulse range - upper limit"};
inline constexpr IntegerRule kAccumulationRate{0, 10000, "Setting error: Analog accumulation - accumulation rate"};
inline constexpr IntegerRule kLowEndCutout{0, 12000, "Setting error: Analog Counter - Low-end cutout"};
inline constexpr const char* kPulseOrder = "Setting error: Pulse range lower limit >= upper limit";
// The pulse range of a Modbus channel counting up must rise.
const char* PulseRangeError(int64_t low, int64_t high);

// DI channels: the state groups (ON, OFF).
inline constexpr TextRule kDiOnComment{8, "Setting error: Status (ON) display comment"};
inline constexpr TextRule kDiOffComment{8, "Setting error: Status (OFF) display comment"};
inline constexpr IntegerRule kDiOnDelay{0, 999, "Setting error: On delay"};
inline constexpr IntegerRule kDiOffDelay{0, 999, "Setting error: Off delay"};
inline constexpr TextRule kDiOnMessage{32, "Setting error: Status (ON) message"};
inline constexpr TextRule kDiOffMessage{32, "Setting error: Status (OFF) message"};

// DO channels.
inline constexpr TextRule kDoOnStatus{8, "Setting error: Status (ON)"};
inline constexpr TextRule kDoOffStatus{8, "Setting error: Status (OFF)"};

}  // namespace volmar::rules
