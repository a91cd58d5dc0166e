#include "core/settings/OiFunctions.h"

namespace volmar {
namespace {

using Kind = OiConstantKind;

constexpr OiConstantForm kAddTerms[] = {{'K', 1, nullptr}, {'K', 2, nullptr}, {'K', 3, nullptr}, {'A', 0, nullptr}};
constexpr OiConstantForm kProductTerms[] = {
    {'K', 1, nullptr}, {'K', 2, nullptr}, {'A', 1, nullptr}, {'A', 2, nullptr}, {'A', 0, nullptr}};
constexpr OiConstantForm kSqrtTerms[] = {{'K', 1, nullptr}};
constexpr const char* kSampleEntries[] = {"4", "8", "16", "32", "64"};
constexpr double kSampleValues[] = {4, 8, 16, 32, 64};
constexpr OiConstantForm kAverageTerms[] = {
    {'K', 1, "Moving average samples", Kind::Choice, kSampleEntries, kSampleValues}};
constexpr OiConstantForm kSingleTerms[] = {{'K', 1, "Time constant", Kind::Integer}};
constexpr const char* kTimeUnitEntries[] = {"Minute", "Hour", "Day"};
constexpr double kTimeUnitValues[] = {0, 1, 2};
constexpr OiConstantForm kAnalogSumTerms[] = {
    {'K', 1, "Counter rate", Kind::Integer},
    {'K', 2, "Time unit", Kind::Choice, kTimeUnitEntries, kTimeUnitValues},
    {'K', 3, "Low-end cutout (%)", Kind::FixedReal},
};
constexpr OiConstantForm kPowerTerms[] = {{'K', 1, "Exponent"}};
constexpr OiConstantForm kFValueTerms[] = {{'K', 1, "Ref temp (deg.C)"}, {'K', 2, "Z value"}};
constexpr OiConstantForm kScaleTerms[] = {{'K', 1, nullptr}, {'K', 2, nullptr}, {'K', 3, nullptr}, {'K', 4, nullptr}};

constexpr OiFunctionForm kForms[kOiFunctionCount] = {
    {"Disable", 0, false, nullptr, {}},
    {"Addition/Subtraction", 3, true, "K1X1+K2X2+K3X3+A0", kAddTerms},
    {"Multiplication", 2, true, "(K1X1+A1)(K2X2+A2)+A0", kProductTerms},
    {"Division", 2, true, "(K1X1+A1)/(K2X2+A2)+A0", kProductTerms},
    {"Square root", 1, false, nullptr, kSqrtTerms},
    {"Moving avarage", 1, false, nullptr, kAverageTerms},
    {"Delay buffer", 1, false, nullptr, kSingleTerms},
    {"Peak hold (max)", 1, false, "MAX(X1)", {}},
    {"Valley hold (min)", 1, false, "MIN(X1)", {}},
    {"exp", 1, false, nullptr, {}},
    {"Common logarithm", 1, false, "logX1", {}},
    {"Natural logarithm", 1, false, "lnX1", {}},
    {"Analog accumulation", 1, false, nullptr, kAnalogSumTerms},
    {"Power", 1, false, nullptr, kPowerTerms},
    {"F value calculation", 1, false, nullptr, kFValueTerms},
    {"Antilog", 1, false, nullptr, {}},
    {"Scaling", 1, false, "K3+(K4-K3)(X1-K1)/(K2-K1)", kScaleTerms},
};

}  // namespace

const char* OiFunctionName(int32_t function)
{
    static const char* const kNames[kOiFunctionCount] = {
        "Disable", "Addition/Subtraction", "Multiplication", "Division", "Square root", "Moving average",
        "Delay buffer", "Peak hold (max)", "Valley hold (min)", "exp", "Common logarithm", "Natural logarithm",
        "Analog accumulation", "Power", "F value calculation", "Antilog", "Scaling",
    };
    return function >= 0 && function < kOiFunctionCount ? kNames[function] : "";
}

const OiFunctionForm* OiFunctionFormOf(int32_t function)
{
    return function > kOiNone && function < kOiFunctionCount ? &kForms[function] : nullptr;
}

}  // namespace volmar
