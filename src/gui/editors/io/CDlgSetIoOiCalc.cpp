#include "editors/io/CDlgSetIoOiCalc.h"

#include <QLineEdit>

#include "editors/kit/FieldChecks.h"
#include "editors/kit/RealText.h"

namespace volmar::gui {

using namespace kit;

CDlgSetIoOiCalcAdd::CDlgSetIoOiCalcAdd(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Addition/Subtraction", terms, record, exponent, ui, parent)
{
    AddInputs(3, true);
    AddEquation("K1X1+K2X2+K3X3+A0");
    for (int k = 1; k <= 3; ++k) AddReal('K', k);
    AddReal('A', 0);
}

bool CDlgSetIoOiCalcAdd::Check()
{
    return CheckTerms('K', {1, 2, 3}) && CheckTerms('A', {0});
}

CDlgSetIoOiCalcMul::CDlgSetIoOiCalcMul(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Multiplication", terms, record, exponent, ui, parent)
{
    AddInputs(2, true);
    AddEquation("(K1X1+A1)(K2X2+A2)+A0");
    AddProductTerms();
}

bool CDlgSetIoOiCalcMul::Check()
{
    return CheckProductTerms();
}

CDlgSetIoOiCalcDiv::CDlgSetIoOiCalcDiv(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Division", terms, record, exponent, ui, parent)
{
    AddInputs(2, true);
    AddEquation("(K1X1+A1)/(K2X2+A2)+A0");
    AddProductTerms();
}

bool CDlgSetIoOiCalcDiv::Check()
{
    return CheckProductTerms();
}

CDlgSetIoOiCalcSqlt::CDlgSetIoOiCalcSqlt(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                         Interaction& ui, QWidget* parent)
    : OiCalcDialog("Square root", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddReal('K', 1);
}

bool CDlgSetIoOiCalcSqlt::Check()
{
    return CheckTerms('K', {1});
}

CDlgSetIoOiCalcAverage::CDlgSetIoOiCalcAverage(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                               Interaction& ui, QWidget* parent)
    : OiCalcDialog("Moving avarage", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddChoice('K', 1, "Moving average samples", {"4", "8", "16", "32", "64"}, {4, 8, 16, 32, 64});
}

CDlgSetIoOiCalcSingle::CDlgSetIoOiCalcSingle(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                             Interaction& ui, QWidget* parent)
    : OiCalcDialog("Delay buffer", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddInteger('K', 1, "Time constant");
}

bool CDlgSetIoOiCalcSingle::Check()
{
    if (!IntegerIn(Edit('K', 1), 0, 100)) return Refuse("Setting error: Time constant");
    return true;
}

CDlgSetIoOiCalcMax::CDlgSetIoOiCalcMax(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Peak hold (max)", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddEquation("MAX(X1)");
}

CDlgSetIoOiCalcMin::CDlgSetIoOiCalcMin(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Valley hold (min)", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddEquation("MIN(X1)");
}

CDlgSetIoOiCalcExp::CDlgSetIoOiCalcExp(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("exp", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
}

CDlgSetIoOiCalcLog::CDlgSetIoOiCalcLog(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog("Common logarithm", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddEquation("logX1");
}

CDlgSetIoOiCalcLn::CDlgSetIoOiCalcLn(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                     Interaction& ui, QWidget* parent)
    : OiCalcDialog("Natural logarithm", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddEquation("lnX1");
}

CDlgSetIoOiCalcAnalogSum::CDlgSetIoOiCalcAnalogSum(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                                   Interaction& ui, QWidget* parent)
    : OiCalcDialog("Analog accumulation", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddInteger('K', 1, "Counter rate");
    AddChoice('K', 2, "Time unit", {"Minute", "Hour", "Day"}, {0, 1, 2});
    AddReal('K', 3, "Low-end cutout (%)", true);
}

bool CDlgSetIoOiCalcAnalogSum::Check()
{
    if (!IntegerIn(Edit('K', 1), 0, 10000)) return Refuse("Setting error: Countre rate");
    const QLineEdit* cutout = Edit('K', 3);
    const double value = ReadReal(cutout->text());
    if (!RealTextValid(cutout->text(), false) || value < 0 || value > 120) {
        return Refuse("Setting error: Low-end cutout (%)");
    }
    return true;
}

CDlgSetIoOiCalcPower::CDlgSetIoOiCalcPower(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                           Interaction& ui, QWidget* parent)
    : OiCalcDialog("Power", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddReal('K', 1, "Exponent");
}

bool CDlgSetIoOiCalcPower::Check()
{
    if (!Valid('K', 1)) return Refuse("Setting error: Exponent");
    return true;
}

CDlgSetIoOiCalcFValue::CDlgSetIoOiCalcFValue(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                             Interaction& ui, QWidget* parent)
    : OiCalcDialog("F value calculation", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddReal('K', 1, "Ref temp (deg.C)");
    AddReal('K', 2, "Z value");
}

bool CDlgSetIoOiCalcFValue::Check()
{
    if (!Valid('K', 1)) return Refuse("Setting error: Ref temp (deg.C)");
    if (!Valid('K', 2) || Value('K', 2) <= 0) return Refuse("Setting error: Z value");
    return true;
}

CDlgSetIoOiCalcAntilog::CDlgSetIoOiCalcAntilog(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                               Interaction& ui, QWidget* parent)
    : OiCalcDialog("Antilog", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
}

CDlgSetIoOiCalcScale::CDlgSetIoOiCalcScale(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                           Interaction& ui, QWidget* parent)
    : OiCalcDialog("Scaling", terms, record, exponent, ui, parent)
{
    AddInputs(1, false);
    AddEquation("K3+(K4-K3)(X1-K1)/(K2-K1)");
    for (int k = 1; k <= 4; ++k) AddReal('K', k);
}

bool CDlgSetIoOiCalcScale::Check()
{
    if (!CheckTerms('K', {1, 2})) return false;
    if (Value('K', 1) == Value('K', 2)) return RefuseFormatted("Setting error: K%d=K%d", 1, 2);
    if (!CheckTerms('K', {3, 4})) return false;
    if (Value('K', 3) == Value('K', 4)) return RefuseFormatted("Setting error: K%d=K%d", 3, 4);
    return true;
}

std::unique_ptr<OiCalcDialog> MakeOiCalcDialog(int32_t function, const OiTerms& terms, const SettingRecord& record,
                                               bool exponent, Interaction& ui, QWidget* parent)
{
    switch (function) {
    case 1: return std::make_unique<CDlgSetIoOiCalcAdd>(terms, record, exponent, ui, parent);
    case 2: return std::make_unique<CDlgSetIoOiCalcMul>(terms, record, exponent, ui, parent);
    case 3: return std::make_unique<CDlgSetIoOiCalcDiv>(terms, record, exponent, ui, parent);
    case 4: return std::make_unique<CDlgSetIoOiCalcSqlt>(terms, record, exponent, ui, parent);
    case 5: return std::make_unique<CDlgSetIoOiCalcAverage>(terms, record, exponent, ui, parent);
    case 6: return std::make_unique<CDlgSetIoOiCalcSingle>(terms, record, exponent, ui, parent);
    case 7: return std::make_unique<CDlgSetIoOiCalcMax>(terms, record, exponent, ui, parent);
    case 8: return std::make_unique<CDlgSetIoOiCalcMin>(terms, record, exponent, ui, parent);
    case 9: return std::make_unique<CDlgSetIoOiCalcExp>(terms, record, exponent, ui, parent);
    case 10: return std::make_unique<CDlgSetIoOiCalcLog>(terms, record, exponent, ui, parent);
    case 11: return std::make_unique<CDlgSetIoOiCalcLn>(terms, record, exponent, ui, parent);
    case 12: return std::make_unique<CDlgSetIoOiCalcAnalogSum>(terms, record, exponent, ui, parent);
    case 13: return std::make_unique<CDlgSetIoOiCalcPower>(terms, record, exponent, ui, parent);
    case 14: return std::make_unique<CDlgSetIoOiCalcFValue>(terms, record, exponent, ui, parent);
    case 15: return std::make_unique<CDlgSetIoOiCalcAntilog>(terms, record, exponent, ui, parent);
    case 16: return std::make_unique<CDlgSetIoOiCalcScale>(terms, record, exponent, ui, parent);
    default: return nullptr;
    }
}

}  // namespace volmar::gui
