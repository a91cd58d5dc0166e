#pragma once
// The shape every function dialog of a function input shares,
// "Function setting (...)": a "Type" and a "CH" combo for each input, an
// optional equation, and edits or choices for the function's constants, as
// the function's form lists them, all on a copy of the channel editor's
// terms. Confirm runs the function's checks (core/rules/OiRules.h),
// re-writes each constant in the channel's notation, checks again and hands
// the copy back through Result().
#include <QString>
#include <vector>

#include "core/settings/OiFunctions.h"

#include "gui/editors/io/OiTerms.h"
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace volmar::gui {

class OiCalcDialog : public kit::EditorDialog {
    Q_OBJECT
public:
    const OiTerms& Result() const { return m_terms; }

protected:
    // function: which of the sixteen, whose form the dialog shows.
    OiCalcDialog(OiFunction function, const OiTerms& terms, const SettingRecord& record, bool exponent,
                 Interaction& ui, QWidget* parent);

    bool Confirm() override;

private:
    struct Input {
        int x;
        QComboBox* kind;
        QComboBox* ch;
        std::vector<int32_t> kinds;  // the kind each Type entry stands for
    };
    struct Constant {
        char letter;
        int index;
        QLineEdit* edit = nullptr;
        bool integer = false;
        bool fixed = false;
        QComboBox* choice = nullptr;
        std::vector<double> values;
    };

    // Inputs X1 to Xcount; allKinds offers "AI", "DI", "PI", "OI", else "AI", "PI", "OI".
    void AddInputs(int count, bool allKinds);
    void AddEquation(const char* text);
    void AddConstant(const OiConstantForm& form);
    double& Slot(char letter, int index);
    void AddRow(const QString& label, QWidget* control);
    void FillChannels(const Input& input, int32_t kind);
    void ReformatConstants();
    // The function's checks (core/rules/OiRules.h) on the typed constants;
    // the first refusal shows its message.
    bool Check();
    QLineEdit* Edit(char letter, int index) const;
    void Store();

    const OiFunction m_function;
    const SettingRecord& m_record;
    const bool m_exponent;
    OiTerms m_terms;
    QGridLayout* m_grid;
    int m_row = 0;
    std::vector<Input> m_inputs;
    std::vector<Constant> m_constants;
};

}  // namespace volmar::gui
