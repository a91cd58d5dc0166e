#pragma once
// Real values in the editors: three decimals ("%.3f") or the exponent form
// ("%.3e") by the channel's exponent-notation switch.
#include <QString>

class QLineEdit;

namespace volmar::gui::kit {

QString FormatReal(double value, bool exponent);
// The number a typed text reads as (C locale; 0 when it reads as nothing).
double ReadReal(const QString& text);
// The value as the channel keeps it: through "%.10f" then "%.3e" with
// exponent notation, through "%.3f" without.
double RoundToNotation(double value, bool exponent);
// A typed text re-written in the notation, as a confirm does before its
// second round of checks.
QString Reformat(const QString& text, bool exponent);
// A valid real text: no more precision than three decimals (or the exponent
// form) and within -1e10 to 1e10.
bool RealTextValid(const QString& text, bool exponent);
// A scaling that values are divided by: a valid real text that is not 0 in
// the notation (a disabled field passes while a guard runs: CheckScope.h).
bool DivisorField(const QLineEdit* edit, bool exponent);

}  // namespace volmar::gui::kit
