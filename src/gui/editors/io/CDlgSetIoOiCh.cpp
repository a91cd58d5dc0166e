#include "gui/editors/io/CDlgSetIoOiCh.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/editors/io/CDlgSetIoOiArea.h"
#include "gui/editors/io/CDlgSetIoOiCalc.h"
#include "gui/editors/io/ChannelChoices.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {

// Functions whose value a DI channel can reset.
bool HasResetInput(int32_t function)
{
    return function == kOiMax || function == kOiMin || function == kOiAnalogSum || function == kOiFValue;
}
}  // namespace

CDlgSetIoOiCh::CDlgSetIoOiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("OI%1").arg(channel + 1, 2, 10, QLatin1Char('0')), parent),
      m_record(record),
      m_channel(channel),
      m_terms(TermsOf(record.IO.OI[channel])),
      m_zones(ZonesOf(record.IO.OI[channel]))
{
    const OiChannel& ch = record.IO.OI[channel];
    auto* grid = new QGridLayout;
    int row = 0;
    m_function = Named(new GuardedCombo, "function");
    for (int32_t f = 0; f < kOiFunctionCount; ++f) m_function->addItem(QString::fromUtf8(OiFunctionName(f)));
    m_function->Select(ch.TYPE >= 0 && ch.TYPE < kOiFunctionCount ? ch.TYPE : 0);
    AddField(grid, row, 0, "CH setting", m_function);
    m_functionButton = Named(AddButton(QStringLiteral("Function setting")), "calc");
    grid->addWidget(m_functionButton, row++, 2);
    m_name = MakeEdit("name", 18);
    m_name->setText(FromRecord(ch.NAME));
    AddField(grid, row++, 0, "CH name", m_name);
    m_comment = MakeEdit("comment", 18);
    m_comment->setText(FromRecord(ch.COMMENT));
    AddField(grid, row++, 0, "CH comment", m_comment);
    m_point = Named(new QComboBox, "point");
    Fill(m_point, {"0", "1", "2", "3"});
    m_point->setCurrentIndex(std::clamp<int>(ch.POINT, 0, 3));
    AddField(grid, row++, 0, "Number of decimal places", m_point);
    m_unit = MakeEdit("unit", 10);
    m_unit->setText(FromRecord(ch.UNIT));
    AddField(grid, row++, 0, "Engineering unit", m_unit);
    m_resetDi = Named(new QComboBox, "resetDi");
    FillResetInput(m_resetDi, record);
    m_resetDi->setCurrentIndex(std::clamp<int>(ch.RESET_DI, 0, kDiCount));
    AddField(grid, row++, 0, "Reset input", m_resetDi);
    m_exp = Named(new QComboBox, "exp");
    Fill(m_exp, entries::Switch);
    m_exp->setCurrentIndex(ch.EXP == kUse ? 1 : 0);
    AddField(grid, row++, 0, "Exponent notation", m_exp);
    m_zoneButton = Named(AddButton(QStringLiteral("Alarm zone setting")), "zones");
    grid->addWidget(m_zoneButton, row++, 1);
    grid->setColumnStretch(3, 1);
    Body()->addLayout(grid);

    m_function->SetGuard([this](int, int) { return CheckFields(); });
    connect(m_function, &GuardedCombo::Accepted, this, [this](int function) {
        m_terms = DefaultTerms(function);
        ApplyEnableRule(m_function);
    });
    connect(m_functionButton, &QPushButton::clicked, this, &CDlgSetIoOiCh::OpenFunction);
    connect(m_zoneButton, &QPushButton::clicked, this, &CDlgSetIoOiCh::OpenZones);
    ApplyEnableRule();
}

void CDlgSetIoOiCh::ApplyEnableRule(QWidget* changed)
{
    const int32_t function = m_function->currentIndex();
    const bool on = function > kOiNone;
    SetEnabled({m_functionButton, m_name, m_comment, m_point, m_unit, m_zoneButton, m_exp}, on);
    m_resetDi->setEnabled(HasResetInput(function));
    if (changed) changed->setFocus();
}

void CDlgSetIoOiCh::OpenFunction()
{
    auto dialog = MakeOiCalcDialog(m_function->currentIndex(), m_terms, m_record, Exponent(), Ui(), this);
    if (dialog && dialog->exec() == QDialog::Accepted) m_terms = dialog->Result();
}

void CDlgSetIoOiCh::OpenZones()
{
    CDlgSetIoOiArea dialog(m_channel, m_zones, Exponent(), m_record, Ui(), this);
    if (dialog.exec() == QDialog::Accepted) m_zones = dialog.Result();
}

bool CDlgSetIoOiCh::Exponent() const { return m_exp->currentIndex() == 1; }

bool CDlgSetIoOiCh::CheckFields()
{
    if (!Passes(m_name, rules::kChannelName)) return Refuse(rules::kChannelName.message);
    if (!Passes(m_comment, rules::kChannelComment)) return Refuse(rules::kChannelComment.message);
    if (!Passes(m_unit, rules::kEngineeringUnit)) return Refuse(rules::kEngineeringUnit.message);
    return true;
}

bool CDlgSetIoOiCh::Confirm()
{
    if (!CheckFields()) return false;
    if (const char* error = ZoneOrderError(m_zones, Exponent())) return Refuse(error);
    OiChannel& ch = m_record.IO.OI[m_channel];
    ch.TYPE = m_function->currentIndex();
    ToRecord(ch.NAME, m_name->text());
    ToRecord(ch.COMMENT, m_comment->text());
    ToRecord(ch.UNIT, m_unit->text());
    ch.POINT = static_cast<int16_t>(m_point->currentIndex());
    ch.RESET_DI = static_cast<int16_t>(m_resetDi->currentIndex());
    StoreZones(ch, m_zones);
    StoreTerms(ch, m_terms);
    ch.EXP = Exponent() ? kUse : kNoUse;
    return true;
}

}  // namespace volmar::gui
