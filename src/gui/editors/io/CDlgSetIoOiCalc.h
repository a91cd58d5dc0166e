#pragma once
// The sixteen function dialogs of a function input, one per function, each
// "Function setting (...)" on the shape of OiCalcDialog: its inputs, its
// constants and its checks.
#include <memory>

#include "gui/editors/io/OiCalcDialog.h"

namespace volmar::gui {


class CDlgSetIoOiCalcAdd : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcAdd(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcMul : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcMul(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcDiv : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcDiv(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcSqlt : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcSqlt(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                 QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcAverage : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcAverage(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcSingle : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcSingle(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcMax : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcMax(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcMin : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcMin(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcExp : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcExp(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcLog : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcLog(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcLn : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcLn(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcAnalogSum : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcAnalogSum(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                      QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcPower : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcPower(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                  QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcFValue : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcFValue(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcAntilog : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcAntilog(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                   QWidget* parent = nullptr);
};

class CDlgSetIoOiCalcScale : public OiCalcDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoOiCalcScale(const OiTerms& terms, const SettingRecord& record, bool exponent, Interaction& ui,
                                  QWidget* parent = nullptr);
};

// The dialog of a function (1 to 16), or nothing for "Disable".
std::unique_ptr<OiCalcDialog> MakeOiCalcDialog(int32_t function, const OiTerms& terms, const SettingRecord& record,
                                               bool exponent, Interaction& ui, QWidget* parent);

}  // namespace volmar::gui
