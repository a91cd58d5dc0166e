#include "gui/editors/io/CDlgSetIoOiCalc.h"

#include <QLineEdit>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/RealText.h"

namespace volmar::gui {

using namespace kit;

CDlgSetIoOiCalcAdd::CDlgSetIoOiCalcAdd(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiAdd, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcAdd::Check()
{
    return CheckTerms('K', {1, 2, 3}) && CheckTerms('A', {0});
}

CDlgSetIoOiCalcMul::CDlgSetIoOiCalcMul(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiMul, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcMul::Check()
{
    return CheckProductTerms();
}

CDlgSetIoOiCalcDiv::CDlgSetIoOiCalcDiv(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiDiv, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcDiv::Check()
{
    return CheckProductTerms();
}

CDlgSetIoOiCalcSqlt::CDlgSetIoOiCalcSqlt(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                         Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiSqrt, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcSqlt::Check()
{
    return CheckTerms('K', {1});
}

CDlgSetIoOiCalcAverage::CDlgSetIoOiCalcAverage(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                               Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiAverage, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcSingle::CDlgSetIoOiCalcSingle(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                             Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiSingle, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcSingle::Check()
{
    if (!IntegerIn(Edit('K', 1), 0, 100)) return Refuse("Setting error: Time constant");
    return true;
}

CDlgSetIoOiCalcMax::CDlgSetIoOiCalcMax(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiMax, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcMin::CDlgSetIoOiCalcMin(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiMin, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcExp::CDlgSetIoOiCalcExp(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiExp, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcLog::CDlgSetIoOiCalcLog(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiLog, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcLn::CDlgSetIoOiCalcLn(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                     Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiLn, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcAnalogSum::CDlgSetIoOiCalcAnalogSum(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                                   Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiAnalogSum, terms, record, exponent, ui, parent)
{
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
    : OiCalcDialog(kOiPower, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcPower::Check()
{
    if (!Valid('K', 1)) return Refuse("Setting error: Exponent");
    return true;
}

CDlgSetIoOiCalcFValue::CDlgSetIoOiCalcFValue(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                             Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiFValue, terms, record, exponent, ui, parent)
{
}

bool CDlgSetIoOiCalcFValue::Check()
{
    if (!Valid('K', 1)) return Refuse("Setting error: Ref temp (deg.C)");
    if (!Valid('K', 2) || Value('K', 2) <= 0) return Refuse("Setting error: Z value");
    return true;
}

CDlgSetIoOiCalcAntilog::CDlgSetIoOiCalcAntilog(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                               Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiAntilog, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcScale::CDlgSetIoOiCalcScale(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                           Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiScale, terms, record, exponent, ui, parent)
{
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
