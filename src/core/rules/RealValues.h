#pragma once
// Real values as the editors show and take them: three decimals ("%.3f") or
// the exponent form ("%.3e") by the channel's exponent-notation switch.
#include <string>
#include <string_view>

namespace volmar::rules {

std::string FormatReal(double value, bool exponent);
// The number a typed text reads as (C locale; 0 when it reads as nothing).
double ReadReal(std::string_view text);
// The value as the channel keeps it: through "%.10f" then "%.3e" with
// exponent notation, through "%.3f" without.
double RoundToNotation(double value, bool exponent);
// A valid real text: no more precision than three decimals (or the exponent
// form) and within -1e10 to 1e10.
bool RealTextValid(std::string_view text, bool exponent);
// A scaling that values are divided by: a valid real text that is not 0 in
// the notation.
bool DivisorTextValid(std::string_view text, bool exponent);

}  // namespace volmar::rules
