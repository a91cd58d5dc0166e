#include "gui/editors/io/CDlgSetIoDoCh.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "gui/editors/kit/ColourSwatch.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"

namespace volmar::gui {

using namespace kit;

namespace {
enum DoType : int32_t { kDisable = 0, kCard = 1, kModbus = 2, kSlmp = 3 };
}  // namespace

CDlgSetIoDoCh::CDlgSetIoDoCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("DO%1").arg(channel + 1, 2, 10, QLatin1Char('0')), parent),
      m_record(record),
      m_channel(channel)
{
    const DoChannel& ch = record.IO.DO[channel];
    auto* top = new QGridLayout;
    m_type = Named(new GuardedCombo(DoTypeChoices()), "type");
    m_type->Select(ch.TYPE >= kDisable && ch.TYPE <= kSlmp ? ch.TYPE : kDisable);
    AddField(top, 0, 0, "CH setting", m_type);
    top->setColumnStretch(2, 1);
    Body()->addLayout(top);

    // The register type of an output is always coil; the stored one is kept.
    m_source = new BitSourceFields(record, BitSourceFields::RegisterType::FixedCoil, AddressOf(ch), this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(m_source->CardBox());
    left->addWidget(m_source->SlaveBox());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeNameBox(ch));
    right->addWidget(MakeStateBox("Status (ON)", "on", ch.STATUS.ON, m_on));
    right->addWidget(MakeStateBox("Status (OFF)", "off", ch.STATUS.OFF, m_off));
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    Body()->addLayout(columns);

    auto guard = [this](int, int) { return CheckFields(); };
    for (GuardedCombo* combo : {m_type, m_source->Device()}) {
        combo->SetGuard(guard);
        connect(combo, &GuardedCombo::Accepted, this, [this, combo] { ApplyEnableRule(combo); });
    }
    connect(m_source, &BitSourceFields::SlaveChanged, this, [this] { ApplyEnableRule(m_source->Slave()); });
    ApplyEnableRule();
}

QWidget* CDlgSetIoDoCh::MakeNameBox(const DoChannel& ch)
{
    auto* box = new QGroupBox(QStringLiteral("CH"));
    auto* grid = new QGridLayout(box);
    m_name = MakeEdit("name", 18);
    m_name->setText(FromRecord(ch.NAME));
    AddField(grid, 0, 0, "CH name", m_name);
    m_comment = MakeEdit("comment", 18);
    m_comment->setText(FromRecord(ch.COMMENT));
    AddField(grid, 1, 0, "CH comment", m_comment);
    m_invert = Named(new QCheckBox(QStringLiteral("Invert logic")), "invert");
    m_invert->setChecked(ch.INVERT == kActive);
    grid->addWidget(m_invert, 2, 1);
    return box;
}

QWidget* CDlgSetIoDoCh::MakeStateBox(const char* title, const char* prefix, const DoState& state,
                                     StateFields& fields)
{
    auto* box = new QGroupBox(QString::fromLatin1(title));
    auto* grid = new QGridLayout(box);
    fields.text = MakeEdit((std::string(prefix) + "Text").c_str(), 10);
    fields.text->setText(FromRecord(state.DISP_STRING));
    AddField(grid, 0, 0, "Display comment", fields.text);
    fields.colour = Named(new ColourSwatch, (std::string(prefix) + "Colour").c_str());
    fields.colour->SetRecordColour(state.DISP_COLOR);
    AddField(grid, 1, 0, "Color", fields.colour);
    grid->setColumnStretch(1, 1);
    return box;
}

void CDlgSetIoDoCh::ApplyEnableRule(QWidget* changed)
{
    const bool inUse = m_type->currentIndex() != kDisable;
    SetEnabled({m_name, m_comment, m_invert, m_on.text, m_on.colour, m_off.text, m_off.colour}, inUse);
    m_source->Enable(Link());
    if (changed) changed->setFocus();
}

SourceLink CDlgSetIoDoCh::Link() const { return LinkOfType(m_type->currentIndex(), kCard, kModbus, kSlmp); }

bool CDlgSetIoDoCh::CheckFields()
{
    if (!m_source->Check(Link(), Ui())) return false;
    if (!Passes(m_name, rules::kChannelName)) return Refuse(rules::kChannelName.message);
    if (!Passes(m_comment, rules::kChannelComment)) return Refuse(rules::kChannelComment.message);
    if (!Passes(m_on.text, rules::kDoOnStatus)) return Refuse(rules::kDoOnStatus.message);
    if (!Passes(m_off.text, rules::kDoOffStatus)) return Refuse(rules::kDoOffStatus.message);
    return true;
}

bool CDlgSetIoDoCh::Confirm()
{
    if (!CheckFields() || !m_source->CheckSlave(Link(), Ui())) return false;
    Store();
    return true;
}

void CDlgSetIoDoCh::Store()
{
    DoChannel& ch = m_record.IO.DO[m_channel];
    ch.TYPE = std::max(0, m_type->currentIndex());
    StoreAddress(m_source->Address(), ch);
    ToRecord(ch.NAME, m_name->text());
    ToRecord(ch.COMMENT, m_comment->text());
    ch.INVERT = m_invert->isChecked() ? kActive : kInvalid;
    ToRecord(ch.STATUS.ON.DISP_STRING, m_on.text->text());
    ch.STATUS.ON.DISP_COLOR = m_on.colour->RecordColour();
    ToRecord(ch.STATUS.OFF.DISP_STRING, m_off.text->text());
    ch.STATUS.OFF.DISP_COLOR = m_off.colour->RecordColour();
}

}  // namespace volmar::gui
