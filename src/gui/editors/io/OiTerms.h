#pragma once
// What a function input computes with: the sixteen constants and eight
// inputs, as the channel editor and the function dialogs pass them along.
#include "core/settings/OiFunctions.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui {

struct OiTerms {
    OiConst konst{};
    OiInputRef inputs[kOiTermCount]{};
};

OiTerms TermsOf(const OiChannel& channel);
void StoreTerms(OiChannel& channel, const OiTerms& terms);
// A new function: every constant 0, every input AI channel 1, then the
// function's own defaults.
OiTerms DefaultTerms(int32_t function);

}  // namespace volmar::gui
