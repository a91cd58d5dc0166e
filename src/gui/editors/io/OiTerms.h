#pragma once
// What a function input computes with: the sixteen constants and eight
// inputs, as the channel editor and the function dialogs pass them along,
// and the sixteen functions.
#include "settings/OiFunctionNames.h"
#include "settings/SettingRecord.h"

namespace volmar::gui {

struct OiTerms {
    OiConst konst{};
    OiInputRef inputs[kOiTermCount]{};
};

enum OiFunction : int32_t {
    kOiNone = 0, kOiAdd, kOiMul, kOiDiv, kOiSqrt, kOiAverage, kOiSingle, kOiMax, kOiMin, kOiExp, kOiLog, kOiLn,
    kOiAnalogSum, kOiPower, kOiFValue, kOiAntilog, kOiScale, kOiFunctionCount
};

static_assert(kOiFunctionCount == kOiFunctionNames, "one name per function");

OiTerms TermsOf(const OiChannel& channel);
void StoreTerms(OiChannel& channel, const OiTerms& terms);
// A new function: every constant 0, every input AI channel 1, then the
// function's own defaults.
OiTerms DefaultTerms(int32_t function);

}  // namespace volmar::gui
