#pragma once
// The keyword lists of the enumerations. A field holds the 0-based position
// of its keyword; documents carry the keyword itself.
#include <cstddef>
#include <cstdint>

namespace volmar {

struct KeywordList {
    const char* const* words;
    int count;

    // The keyword of value, or nullptr when value is outside the list.
    const char* At(int32_t value) const
    {
        return (value >= 0 && value < count) ? words[value] : nullptr;
    }
    // The position of text (len bytes) in the list, or -1.
    int Find(const char* text, size_t len) const;
};

namespace kw {
extern const KeywordList Switch;        // NOUSE, USE
extern const KeywordList Validity;      // INVALID, ACTIVE
extern const KeywordList Language;      // JAPANESE, ENGLISH
extern const KeywordList Weekday;       // SUN .. SAT
extern const KeywordList SlaveType;     // MODBUS_TCP, SLMP16, SLMP32
extern const KeywordList AiType;
extern const KeywordList TimeType;      // HOUR, MIN, SEC
extern const KeywordList AiDataType;    // PERCENT, INT, UINT
extern const KeywordList Filter;        // NONE, AVERAGE, SINGLE
extern const KeywordList DiType;
extern const KeywordList LogicType;     // AND, OR, XOR, NOT
extern const KeywordList RecordAction;  // NONE, START, STOP
extern const KeywordList PiType;
extern const KeywordList PiMode;        // SUM, REAL
extern const KeywordList PiModeM;       // SUM, REAL, FLOAT
extern const KeywordList SumUnit;       // MIN, HOUR, DAY
extern const KeywordList PiModeDi;      // ON, OFF, UP, DOWN
extern const KeywordList OiType;
extern const KeywordList InputKind;     // AI, DI, PI, OI
extern const KeywordList DoType;        // NONE, CARD, MODBUS_TCP, SLMP
extern const KeywordList Dhcp;          // OFF, ON
extern const KeywordList MailCharset;   // UTF_8, ISO_2022_JP
extern const KeywordList SmtpAuthMode;  // NOUSE, AUTO, CRAM_MD5, LOGIN, PLAIN
extern const KeywordList Trend;         // VERTICAL, HRIZONTAL
extern const KeywordList PenType;       // NONE, AI, DI, PI, OI, DO
extern const KeywordList Speed;
extern const KeywordList RecordFormat;  // QND, CSV_SJIS, CSV_UTF8
extern const KeywordList MbTrans;
extern const KeywordList MailDst;       // NONE, TO, CC, BCC
}  // namespace kw

// Positions used by code that reasons about values.
enum PenTypeValue : int32_t { kPenNone = 0, kPenAi, kPenDi, kPenPi, kPenOi, kPenDo };
enum InputKindValue : int32_t { kInputAi = 0, kInputDi, kInputPi, kInputOi };
enum AiTypeValue : int32_t { kAiNone = 0, kAiCard, kAiModbusTcp, kAiReg, kAiTime, kAiDemoSin, kAiDemoPulse, kAiSlmp };
enum AiDataTypeValue : int32_t { kAiPercent = 0, kAiInt, kAiUint };
enum PiTypeValue : int32_t { kPiNone = 0, kPiCard, kPiModbusTcp, kPiReg, kPiAnalogSum, kPiDi, kPiDemo, kPiSlmp };
enum PiModeMValue : int32_t { kPiModeMSum = 0, kPiModeMReal, kPiModeMFloat };
enum SpeedValue : int32_t {
    kSpeed5ms = 0, kSpeed10ms, kSpeed50ms, kSpeed100ms, kSpeed500ms, kSpeed1s, kSpeed2s, kSpeed5s,
    kSpeed10s, kSpeed1m, kSpeed2m, kSpeed5m, kSpeed10m, kSpeed15m, kSpeed30m, kSpeed1h
};

}  // namespace volmar
