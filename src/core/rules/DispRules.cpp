#include "core/rules/DispRules.h"

#include <cmath>

#include "core/rules/FieldRules.h"
#include "core/rules/VerdictCollector.h"
#include "core/settings/Keywords.h"
#include "core/settings/UsableChannels.h"
#include "core/settings/ValueText.h"

namespace volmar::rules {

namespace {

constexpr int kPageNameChars = 64;
constexpr double kLimitMax = 1e10;
constexpr int kLogPowerMax = 10;

double RoundTo(double value, double scale)
{
    return std::round(value * scale) / scale;
}
double Read(std::string_view text)
{
    return ParseDouble(text.data(), text.size());
}

bool IsAnalogPen(int32_t type)
{
    return type == kPenAi || type == kPenPi || type == kPenOi;
}

// No more decimals than the scale shows, and within +-1e10 at two decimals.
bool LimitTextValid(std::string_view text, bool log, bool exponent)
{
    if (!CheckValuePrecision(text, log ? 0 : 2, !log && exponent)) return false;
    const double rounded = RoundTo(Read(text), 100);
    return rounded >= -kLimitMax && rounded <= kLimitMax;
}

template <typename Channel, size_t N>
bool ExponentOf(const Channel (&channels)[N], int ch)
{
    return ch >= 1 && ch <= static_cast<int>(N) && channels[ch - 1].EXP != 0;
}

}  // namespace

std::string PageNameError(int page, std::string_view name)
{
    if (EditChars(name) <= kPageNameChars) return {};
    return "Setting error: Page name " + std::to_string(page + 1);
}

FieldProblems CheckPenLimitTexts(const PenLimits& pen)
{
    FieldProblems out;
    if (!pen.analog) return out;
    if (!LimitTextValid(pen.lower, pen.log, pen.exponent)) AddProblem(out, "LOW", "Setting error: Lower limit");
    if (!LimitTextValid(pen.upper, pen.log, pen.exponent)) AddProblem(out, "HIGH", "Setting error: Upper limit");
    return out;
}

FieldProblems CheckPenLimits(const PenLimits& pen)
{
    FieldProblems out = CheckPenLimitTexts(pen);
    const double lower = Read(pen.lower);
    const double upper = Read(pen.upper);
    if (pen.analog && pen.log) {
        if (std::fabs(std::round(lower)) > kLogPowerMax) AddProblem(out, "LOW", "Setting error: Lower limit (10^x)");
        if (std::fabs(std::round(upper)) > kLogPowerMax) AddProblem(out, "HIGH", "Setting error: Upper limit (10^x)");
    }
    if (RoundTo(lower, 1000) == RoundTo(upper, 1000)) AddProblem(out, "LOW", "Setting error: Lower limit, Upper limit");
    return out;
}

std::string PenLimitText(double value, bool log, bool exponent)
{
    std::string out;
    if (log)
        AppendFixed(out, value, 0);
    else if (exponent)
        AppendScientific(out, value, 3);
    else
        AppendFixed(out, value, 2);
    return out;
}

bool PenChannelExponent(const SettingRecord& record, int32_t type, int channel)
{
    switch (type) {
    case kPenAi: return ExponentOf(record.IO.AI, channel);
    case kPenPi: return ExponentOf(record.IO.PI, channel);
    case kPenOi: return ExponentOf(record.IO.OI, channel);
    default: return false;
    }
}

void CheckDispRules(const SettingRecord& record, std::vector<RuleVerdict>& out)
{
    const DispBlock& d = record.DISP;
    VerdictCollector names(out, "DISP/NAME");
    for (int i = 0; i < kPageCount; ++i) names.Add("PAGE" + std::to_string(i + 1), PageNameError(i, d.PAGE[i]));
    // The pen list opens only the pens the storing rate handles; each opens
    // with its stored limits shown on its scale.
    const int pens = UsableAt(record.RECORD.SPEED).pens;
    VerdictCollector draws(out, "DISP");
    for (int i = 0; i < pens && i < kPenCount; ++i) {
        const int32_t type = d.PEN_CONF[i].TYPE;
        const bool log = d.PEN_LOG[i] == kUse;
        const bool exponent = PenChannelExponent(record, type, d.PEN_CONF[i].CH);
        const std::string lower = PenLimitText(d.PEN_DRAW[i].LOW, log, exponent);
        const std::string upper = PenLimitText(d.PEN_DRAW[i].HIGH, log, exponent);
        const std::string base = "PEN_DRAW" + std::to_string(i + 1) + "/";
        for (const FieldProblem& p : CheckPenLimits({IsAnalogPen(type), log, exponent, lower, upper}))
            draws.Add(base + p.field, p.message);
    }
}

namespace {

template <typename Item, size_t N>
void Unusable(const Item (&items)[N], int usable, const std::string& prefix, VerdictCollector& c)
{
    for (size_t i = static_cast<size_t>(usable < 0 ? 0 : usable); i < N; ++i)
        if (items[i].TYPE != 0) c.Add(prefix + std::to_string(i + 1) + "/TYPE", kUnusableAtRate);
}

}  // namespace

void CheckRecordRules(const SettingRecord& record, std::vector<RuleVerdict>& out)
{
    const UsableCounts n = UsableAt(record.RECORD.SPEED);
    VerdictCollector io(out, "IO");
    Unusable(record.IO.AI, n.ai, "AI/AI", io);
    Unusable(record.IO.DI, n.di, "DI/DI", io);
    Unusable(record.IO.PI, n.pi, "PI/PI", io);
    Unusable(record.IO.OI, n.oi, "OI/OI", io);
    Unusable(record.IO.DO, n.dout, "DO/DO", io);
    VerdictCollector disp(out, "DISP");
    Unusable(record.DISP.PEN_CONF, n.pens, "PEN_CONF", disp);
}

}  // namespace volmar::rules
