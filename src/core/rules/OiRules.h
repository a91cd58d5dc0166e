#pragma once
// The checks of the function dialogs of a function input ("Function
// setting (...)"): which constants must be valid reals, the whole numbers,
// the ranges and K1 != K2 of the scaling. The dialog hands in its typed
// texts; a stored channel is checked as its dialog would show it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/settings/OiFunctions.h"
#include "core/settings/SettingRecord.h"

namespace volmar::rules {

// The first failing constant: the message ("Setting error: K1=K2") and the
// constant it names. No message: the constants pass.
struct OiTermFault {
    std::string message;
    char letter = 'K';
    int index = 0;
    explicit operator bool() const { return !message.empty(); }
};

// The text of a constant ('K' or 'A', index 0 to 7); none when the dialog has
// no edit for it.
using OiConstantText = std::function<std::optional<std::string>(char letter, int index)>;

// The checks of a function (1 to 16) in its dialog's order; exponent is the
// channel's notation.
OiTermFault OiTermsError(int32_t function, bool exponent, const OiConstantText& text);
// A stored constant as its edit shows it: a whole number as digits (anything
// else with three decimals, which the integer check refuses), a fixed real
// with three decimals, else in the notation.
std::string OiConstantShown(const OiConstantForm& form, double stored, bool exponent);
// The checks of the channel's function on its stored constants.
OiTermFault StoredOiTermsError(const OiChannel& channel);

}  // namespace volmar::rules
