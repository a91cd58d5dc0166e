#include "core/rules/OiRules.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "core/rules/FieldRules.h"
#include "core/rules/RealValues.h"
#include "core/settings/ValueText.h"

namespace volmar::rules {

namespace {

constexpr IntegerRule kOiTimeConstant{0, 100, "Setting error: Time constant"};
constexpr IntegerRule kCounterRate{0, 10000, "Setting error: Countre rate"};

class Terms {
public:
    Terms(bool exponent, const OiConstantText& text) : m_exponent(exponent), m_text(text) {}

    bool Valid(char letter, int index) const
    {
        const std::optional<std::string> t = m_text(letter, index);
        return t && RealTextValid(*t, m_exponent);
    }
    // The typed constant as the channel keeps it (rounded to the notation).
    double Value(char letter, int index) const
    {
        const std::optional<std::string> t = m_text(letter, index);
        return t ? RoundToNotation(ReadReal(*t), m_exponent) : 0.0;
    }
    bool Whole(int index, const IntegerRule& rule) const
    {
        const std::optional<std::string> t = m_text('K', index);
        int64_t v = 0;
        return t && CheckIntegerText(*t, &v) && rule.Check(v) == nullptr;
    }
    std::optional<std::string> Text(char letter, int index) const { return m_text(letter, index); }

private:
    bool m_exponent;
    const OiConstantText& m_text;
};

OiTermFault Fault(const char* message, char letter, int index)
{
    return {message, letter, index};
}

// "Setting error: K%d" (or A%d) for the first listed constant that is no valid real.
OiTermFault CheckTerms(const Terms& terms, char letter, std::initializer_list<int> indexes)
{
    for (int index : indexes) {
        if (terms.Valid(letter, index)) continue;
        char text[48];
        std::snprintf(text, sizeof text, "Setting error: %c%d", letter, index);
        return Fault(text, letter, index);
    }
    return {};
}

OiTermFault ProductTerms(const Terms& terms)
{
    if (OiTermFault f = CheckTerms(terms, 'K', {1, 2})) return f;
    return CheckTerms(terms, 'A', {1, 2, 0});
}

OiTermFault DifferentPair(const Terms& terms, int a, int b)
{
    if (OiTermFault f = CheckTerms(terms, 'K', {a, b})) return f;
    if (terms.Value('K', a) != terms.Value('K', b)) return {};
    char text[48];
    std::snprintf(text, sizeof text, "Setting error: K%d=K%d", a, b);
    return Fault(text, 'K', b);
}

OiTermFault LowEndCutout(const Terms& terms)
{
    const std::optional<std::string> t = terms.Text('K', 3);
    const double value = t ? ReadReal(*t) : 0.0;
    if (t && RealTextValid(*t, false) && value >= 0 && value <= 120) return {};
    return Fault("Setting error: Low-end cutout (%)", 'K', 3);
}

}  // namespace

OiTermFault OiTermsError(int32_t function, bool exponent, const OiConstantText& text)
{
    const Terms terms(exponent, text);
    switch (function) {
    case kOiAdd: {
        if (OiTermFault f = CheckTerms(terms, 'K', {1, 2, 3})) return f;
        return CheckTerms(terms, 'A', {0});
    }
    case kOiMul:
    case kOiDiv: return ProductTerms(terms);
    case kOiSqrt: return CheckTerms(terms, 'K', {1});
    case kOiSingle: return terms.Whole(1, kOiTimeConstant) ? OiTermFault{} : Fault(kOiTimeConstant.message, 'K', 1);
    case kOiAnalogSum:
        if (!terms.Whole(1, kCounterRate)) return Fault(kCounterRate.message, 'K', 1);
        return LowEndCutout(terms);
    case kOiPower: return terms.Valid('K', 1) ? OiTermFault{} : Fault("Setting error: Exponent", 'K', 1);
    case kOiFValue:
        if (!terms.Valid('K', 1)) return Fault("Setting error: Ref temp (deg.C)", 'K', 1);
        if (!terms.Valid('K', 2) || terms.Value('K', 2) <= 0) return Fault("Setting error: Z value", 'K', 2);
        return {};
    case kOiScale: {
        if (OiTermFault f = DifferentPair(terms, 1, 2)) return f;
        return DifferentPair(terms, 3, 4);
    }
    default: return {};
    }
}

std::string OiConstantShown(const OiConstantForm& form, double stored, bool exponent)
{
    if (form.kind == OiConstantKind::Integer) {
        constexpr double kLimit = 9223372036854775808.0;  // 2^63, where long long ends
        if (stored == std::trunc(stored) && stored >= -kLimit && stored < kLimit) {
            return std::to_string(static_cast<long long>(stored));
        }
        return FormatReal(stored, false);
    }
    return FormatReal(stored, exponent && form.kind != OiConstantKind::FixedReal);
}

OiTermFault StoredOiTermsError(const OiChannel& channel)
{
    const OiFunctionForm* form = OiFunctionFormOf(channel.TYPE);
    if (!form) return {};
    const bool exponent = channel.EXP == kUse;
    return OiTermsError(channel.TYPE, exponent, [&](char letter, int index) -> std::optional<std::string> {
        for (const OiConstantForm& c : form->constants) {
            if (c.letter != letter || c.index != index || c.kind == OiConstantKind::Choice) continue;
            return OiConstantShown(c, letter == 'A' ? channel.CONST.A[index] : channel.CONST.K[index], exponent);
        }
        return std::nullopt;
    });
}

}  // namespace volmar::rules
