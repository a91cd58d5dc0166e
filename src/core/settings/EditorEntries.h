#pragma once
// The entries of the editors' lists for the document's list fields, value by
// value, and a document value as the editor shows it ("Disable" where the
// document says NONE). The editors fill their lists from here, and the
// settings report and the comparisons name values with the same words. The
// channel types, the SLMP devices and the functions of a function input have
// tables of their own (ChannelTypes.h, SlmpDeviceTables.h, OiFunctions.h),
// which the lookup here reads too.
#include <cstdint>
#include <string>
#include <string_view>

namespace volmar {

// The texts of a list whose entry i shows value first + i. A null text marks
// a value the list skips.
struct EntryList {
    const char* const* texts;
    int count;
    int first = 0;

    // The text of value, or nullptr when the list has no entry for it.
    const char* At(int32_t value) const
    {
        return value >= first && value - first < count ? texts[value - first] : nullptr;
    }
};

namespace entries {
extern const EntryList Switch;        // Disable, Enable (NOUSE/USE, INVALID/ACTIVE)
extern const EntryList Language;      // Japanese, English
extern const EntryList Weekday;       // Sunday .. Saturday
extern const EntryList DstWeek;       // 1, 2, 3, 4, Last (values 1 to 5)
extern const EntryList SlaveType;     // Modbus/TCP, SLMP 16bit, SLMP 32bit
extern const EntryList TimeType;      // Hour, Minute, Second
extern const EntryList AiDataType;    // % (0-10000), Int (integer), Uint (unsigned integer)
extern const EntryList Filter;        // None, Moving average, Delay buffer
extern const EntryList LogicType;     // X1 AND X2, X1 OR X2, X1 XOR X2, NOT X1
extern const EntryList RecordAction;  // Disable, Start, Stop
extern const EntryList PiMode;        // Accumulation, Engineering unit value
extern const EntryList PiModeM;       // ... and Floating point
extern const EntryList SumUnit;       // Minute, Hour, Day
extern const EntryList PiModeDi;      // ON, OFF, UP, DOWN
extern const EntryList WordRegister;  // Input Register (3X), Holding Register (4X) (values 3 and 4)
extern const EntryList BitRegister;   // Coil (0X), Input (1X)
extern const EntryList Partitions;    // Disable, 2, 3, 4, 5 (values 0, 2 to 5)
extern const EntryList Dhcp;          // Manual setting, Automatic setting (DHCP)
extern const EntryList MailCharset;   // UTF-8, ISO-2022-JP
extern const EntryList SmtpAuthMode;  // Disable, Auto, CRAM-MD5, LOGIN, PLAIN
extern const EntryList PasvAddr;      // Use, Ignore
extern const EntryList Trend;         // Vertical, Horizontal
extern const EntryList PenType;       // None, AI, DI, PI, OI, DO
extern const EntryList Speed;         // 5 milliseconds .. 1 hour
extern const EntryList RecordFormat;  // QND, CSV(SJIS), CSV(UTF-8)
extern const EntryList MbTrans;       // Max, 3 minutes .. 1 month
extern const EntryList MailDst;       // None, To, Cc, Bcc
}  // namespace entries

// The entry an editor's list shows for a document value (as the settings
// document writes it) of the leaf at an element path
// ("<VOL_MAR><IO><AI><AI1><TYPE>", "CARD" gives "I/O module"); nullptr when
// the leaf is not a list field or its list has no entry for the value.
const char* EditorEntry(std::string_view path, std::string_view value);

// A document value as the editor shows it: a list field's entry; texts,
// numbers and values no list holds as they are.
std::string EditorValue(std::string_view path, std::string_view value);

}  // namespace volmar
