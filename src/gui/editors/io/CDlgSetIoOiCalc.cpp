#include "gui/editors/io/CDlgSetIoOiCalc.h"

namespace volmar::gui {

CDlgSetIoOiCalcAdd::CDlgSetIoOiCalcAdd(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiAdd, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcMul::CDlgSetIoOiCalcMul(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiMul, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcDiv::CDlgSetIoOiCalcDiv(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                       Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiDiv, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcSqlt::CDlgSetIoOiCalcSqlt(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                         Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiSqrt, terms, record, exponent, ui, parent)
{
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

CDlgSetIoOiCalcPower::CDlgSetIoOiCalcPower(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                           Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiPower, terms, record, exponent, ui, parent)
{
}

CDlgSetIoOiCalcFValue::CDlgSetIoOiCalcFValue(const OiTerms& terms, const SettingRecord& record, bool exponent,
                                             Interaction& ui, QWidget* parent)
    : OiCalcDialog(kOiFValue, terms, record, exponent, ui, parent)
{
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
