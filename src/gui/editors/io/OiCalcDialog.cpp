#include "gui/editors/io/OiCalcDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "gui/editors/io/ChannelChoices.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/OiRules.h"

namespace volmar::gui {

using namespace kit;

namespace {
std::string Id(char letter, int index)
{
    std::string id(1, letter);
    id += std::to_string(index);
    return id;
}

}  // namespace

OiCalcDialog::OiCalcDialog(OiFunction function, const OiTerms& terms, const SettingRecord& record, bool exponent,
                           Interaction& ui, QWidget* parent)
    : EditorDialog(ui,
                   QStringLiteral("Function setting (%1)").arg(QString::fromUtf8(OiFunctionFormOf(function)->title)),
                   parent),
      m_function(function),
      m_record(record),
      m_exponent(exponent),
      m_terms(terms),
      m_grid(new QGridLayout)
{
    Body()->addLayout(m_grid);
    Body()->addStretch(1);
    const OiFunctionForm& form = *OiFunctionFormOf(function);
    AddInputs(form.inputs, form.allKinds);
    if (form.equation) AddEquation(form.equation);
    for (const OiConstantForm& constant : form.constants) AddConstant(constant);
}

void OiCalcDialog::AddRow(const QString& label, QWidget* control)
{
    m_grid->addWidget(new QLabel(label), m_row, 0);
    m_grid->addWidget(control, m_row, 1, 1, 4);
    ++m_row;
}

void OiCalcDialog::AddInputs(int count, bool allKinds)
{
    for (int x = 1; x <= count; ++x) {
        const OiInputRef& stored = m_terms.inputs[x];
        Input input{x, Named(new QComboBox, Id('t', x).c_str()), Named(new QComboBox, Id('c', x).c_str()), {}};
        input.kinds = allKinds ? std::vector<int32_t>{kKindAi, kKindDi, kKindPi, kKindOi}
                               : std::vector<int32_t>{kKindAi, kKindPi, kKindOi};
        // A document may name a DI input where only AI, PI and OI are offered:
        // show it as it is, so that OK keeps it.
        if (!allKinds && stored.KIND == kKindDi) input.kinds.push_back(kKindDi);
        int entry = -1;
        for (size_t i = 0; i < input.kinds.size(); ++i) {
            input.kind->addItem(QString::fromLatin1(KindName(input.kinds[i])));
            if (input.kinds[i] == stored.KIND) entry = static_cast<int>(i);
        }
        input.kind->setCurrentIndex(entry);
        FillChannels(input, stored.KIND);
        input.ch->setCurrentIndex(stored.CH >= 1 && stored.CH <= input.ch->count() ? stored.CH - 1 : -1);

        m_grid->addWidget(new QLabel(QStringLiteral("X%1").arg(x)), m_row, 0);
        AddField(m_grid, m_row, 1, "Type", input.kind);
        AddField(m_grid, m_row, 2, "CH", input.ch);
        ++m_row;
        m_inputs.push_back(input);
        const Input& added = m_inputs.back();
        connect(added.kind, &QComboBox::currentIndexChanged, this, [this, added](int entry) {
            if (entry < 0) return;
            FillChannels(added, added.kinds[static_cast<size_t>(entry)]);
            added.ch->setCurrentIndex(0);
        });
    }
}

void OiCalcDialog::FillChannels(const Input& input, int32_t kind)
{
    input.ch->clear();
    gui::FillNumbers(input.ch, m_record, kind);
    input.ch->setMinimumContentsLength(20);
}

void OiCalcDialog::AddEquation(const char* text)
{
    auto* label = Named(new QLabel(QString::fromLatin1(text)), "equation");
    m_grid->addWidget(label, m_row++, 1, 1, 4);
}

double& OiCalcDialog::Slot(char letter, int index)
{
    return letter == 'A' ? m_terms.konst.A[index] : m_terms.konst.K[index];
}

void OiCalcDialog::AddConstant(const OiConstantForm& form)
{
    const std::string id = Id(form.letter, form.index);
    const double stored = Slot(form.letter, form.index);
    Constant c{form.letter, form.index};
    c.integer = form.kind == OiConstantKind::Integer;
    c.fixed = form.kind == OiConstantKind::FixedReal;
    QWidget* control = nullptr;
    if (form.kind == OiConstantKind::Choice) {
        c.choice = Named(new QComboBox, id.c_str());
        int entry = 0;
        for (size_t i = 0; i < form.entries.size(); ++i) {
            c.choice->addItem(QString::fromUtf8(form.entries[i]));
            if (form.values[i] == stored) entry = static_cast<int>(i);
        }
        c.choice->setCurrentIndex(entry);
        c.values.assign(form.values.begin(), form.values.end());
        control = c.choice;
    } else {
        c.edit = MakeEdit(id.c_str(), c.integer ? 10 : 14);
        // A time constant or counter rate that is no whole number (5.5, 1e300)
        // shows three decimals, so that the integer check refuses it instead
        // of OK storing a changed value.
        c.edit->setText(QString::fromStdString(rules::OiConstantShown(form, stored, m_exponent)));
        control = c.edit;
    }
    AddRow(QString::fromUtf8(form.label ? form.label : id.c_str()), control);
    m_constants.push_back(c);
}

QLineEdit* OiCalcDialog::Edit(char letter, int index) const
{
    for (const Constant& c : m_constants) {
        if (c.letter == letter && c.index == index) return c.edit;
    }
    return nullptr;
}

bool OiCalcDialog::Check()
{
    const rules::OiTermFault fault =
        rules::OiTermsError(m_function, m_exponent, [this](char letter, int index) -> std::optional<std::string> {
            const QLineEdit* edit = Edit(letter, index);
            return edit ? std::optional(Utf8(edit)) : std::nullopt;
        });
    return fault ? Refuse(fault.message.c_str()) : true;
}

void OiCalcDialog::ReformatConstants()
{
    for (Constant& c : m_constants) {
        if (!c.edit) continue;
        if (c.integer) {
            // Time constants and counter rates stay whole numbers: three
            // decimals would fail their own integer check on the next pass.
            int64_t value = 0;
            if (IntegerIn(c.edit, INT32_MIN, INT32_MAX, &value)) c.edit->setText(QString::number(value));
        } else {
            c.edit->setText(Reformat(c.edit->text(), m_exponent && !c.fixed));
        }
    }
}

bool OiCalcDialog::Confirm()
{
    if (!Check()) return false;
    ReformatConstants();
    if (!Check()) return false;
    Store();
    return true;
}

void OiCalcDialog::Store()
{
    for (const Input& input : m_inputs) {
        OiInputRef& ref = m_terms.inputs[input.x];
        // An entry never chosen (a stored kind or number the lists do not
        // hold) keeps what the channel has.
        const int entry = input.kind->currentIndex();
        if (entry >= 0) ref.KIND = input.kinds[static_cast<size_t>(entry)];
        if (input.ch->currentIndex() >= 0) ref.CH = input.ch->currentIndex() + 1;
    }
    for (const Constant& c : m_constants) {
        double& slot = Slot(c.letter, c.index);
        if (c.choice) {
            slot = c.values[static_cast<size_t>(std::max(0, c.choice->currentIndex()))];
        } else if (c.integer) {
            slot = static_cast<double>(SignedValue(c.edit));
        } else {
            slot = ReadReal(c.edit->text());
        }
    }
}

}  // namespace volmar::gui
