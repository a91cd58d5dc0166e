#pragma once
// The sixteen functions of a function input: their names as the channel
// editor's "CH setting" list shows them, and what each function's dialog
// offers: its inputs, its equation and its constants. The dialogs and the
// settings report both read them from here.
#include <cstdint>
#include <span>

namespace volmar {

enum OiFunction : int32_t {
    kOiNone = 0, kOiAdd, kOiMul, kOiDiv, kOiSqrt, kOiAverage, kOiSingle, kOiMax, kOiMin, kOiExp, kOiLog, kOiLn,
    kOiAnalogSum, kOiPower, kOiFValue, kOiAntilog, kOiScale, kOiFunctionCount
};

// The entry of stored function; empty text for a value out of range.
const char* OiFunctionName(int32_t function);

enum class OiConstantKind {
    Real,       // in the channel's notation
    FixedReal,  // three decimals whatever the notation
    Integer,    // a whole number
    Choice,     // one of entries; entry i stores values[i]
};

struct OiConstantForm {
    char letter;        // 'K' or 'A'
    int index;          // K1 is K[1], A0 is A[0]
    const char* label;  // nullptr: named like the constant ("K1")
    OiConstantKind kind = OiConstantKind::Real;
    std::span<const char* const> entries = {};
    std::span<const double> values = {};
};

struct OiFunctionForm {
    const char* title;     // as the dialog's title spells it
    int inputs;            // X1 to Xinputs
    bool allKinds;         // inputs may be AI, DI, PI or OI; else AI, PI or OI
    const char* equation;  // nullptr: none shown
    std::span<const OiConstantForm> constants;
};

// The form of a function (1 to 16); nullptr for "Disable" and out of range.
const OiFunctionForm* OiFunctionFormOf(int32_t function);

}  // namespace volmar
