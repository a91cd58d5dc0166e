#include "core/rules/RealValues.h"

#include "core/settings/ValueText.h"

namespace volmar::rules {

std::string FormatReal(double value, bool exponent) { return FormatChannelReal(value, exponent); }

double ReadReal(std::string_view text)
{
    return ParseDouble(text.data(), text.size());
}

double RoundToNotation(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        const std::string ten = FormatFixed(value, 10);
        AppendScientific(out, ReadReal(ten), 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return ReadReal(out);
}

bool RealTextValid(std::string_view text, bool exponent)
{
    return CheckValuePrecision(text, 3, exponent) && CheckRealRange(ReadReal(text));
}

bool DivisorTextValid(std::string_view text, bool exponent)
{
    return RealTextValid(text, exponent) && RoundToNotation(ReadReal(text), exponent) != 0.0;
}

}  // namespace volmar::rules
