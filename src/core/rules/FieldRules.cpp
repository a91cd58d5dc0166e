#include "core/rules/FieldRules.h"

#include "core/settings/ValueText.h"

namespace volmar::rules {

int EditChars(std::string_view utf8)
{
    int n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n;  // a lead byte starts a character
        if (c >= 0xF0) ++n;           // beyond the basic plane: a surrogate pair
    }
    return n;
}

const char* TextRule::Check(std::string_view utf8) const { return EditChars(utf8) > maxChars ? message : nullptr; }

bool AiScalingsEqual(double scale0, double scale100)
{
    return FormatFixed(scale0, 3) == FormatFixed(scale100, 3);
}

const char* PulseRangeError(int64_t low, int64_t high) { return low >= high ? kPulseOrder : nullptr; }

const char* DstMonthsError(int mode, int startMonth, int endMonth)
{
    return mode == 1 && startMonth == endMonth ? kDstSameMonth : nullptr;
}

}  // namespace volmar::rules
