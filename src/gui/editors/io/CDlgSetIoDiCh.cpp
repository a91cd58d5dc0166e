#include "gui/editors/io/CDlgSetIoDiCh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "gui/editors/io/DiStateGroup.h"
#include "gui/editors/kit/RuleFields.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {

enum DiType : int32_t { kDisable = 0, kCard = 1, kModbus = 2, kLogic = 4, kAi = 6, kSlmp = 7 };
constexpr int kLogicNot = 3;
constexpr int kBits = 16;

// A stored channel number (from 1) as a combo entry of count entries.
int EntryOfNumber(int number, int count) { return std::clamp(number - 1, 0, count - 1); }

QString Numbered(const char* kind, int number)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(number, 2, 10, QLatin1Char('0'));
}

}  // namespace

CDlgSetIoDiCh::CDlgSetIoDiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, Numbered("DI", channel + 1), parent), m_record(record), m_channel(channel)
{
    const DiChannel& ch = record.IO.DI[channel];
    auto* columns = new QHBoxLayout;
    columns->addWidget(MakeSourceColumn(ch));
    m_on = new DiStateGroup(DiStateGroup::kOn, ch.STATUS.ON, record, ui);
    m_off = new DiStateGroup(DiStateGroup::kOff, ch.STATUS.OFF, record, ui);
    columns->addWidget(m_on, 0, Qt::AlignTop);
    columns->addWidget(m_off, 0, Qt::AlignTop);
    Body()->addLayout(columns);
    ConnectControls();
    ApplyEnableRule();
}

QWidget* CDlgSetIoDiCh::MakeSourceColumn(const DiChannel& ch)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QGridLayout;
    m_type = Named(new GuardedCombo(DiTypeChoices()), "type");
    m_type->Select(EntryOfType(DiTypeChoices(), ch.TYPE));
    AddField(top, 0, 0, "CH setting", m_type);
    m_name = MakeEdit("name", 18);
    m_name->setText(FromRecord(ch.NAME));
    AddField(top, 1, 0, "CH name", m_name);
    m_comment = MakeEdit("comment", 18);
    m_comment->setText(FromRecord(ch.COMMENT));
    AddField(top, 2, 0, "CH comment", m_comment);
    m_invert = Named(new QCheckBox(QStringLiteral("Invert logic")), "invert");
    m_invert->setChecked(ch.INVERT == kActive);
    top->addWidget(m_invert, 3, 1);
    layout->addLayout(top);

    m_source = new BitSourceFields(m_record, BitSourceFields::RegisterType::Choice, AddressOf(ch), this);
    layout->addWidget(m_source->CardBox());
    layout->addWidget(m_source->SlaveBox());
    layout->addWidget(MakeAiBox(ch));
    layout->addWidget(MakeLogicBox(ch));
    layout->addStretch(1);
    return column;
}

QWidget* CDlgSetIoDiCh::MakeAiBox(const DiChannel& ch)
{
    auto* box = new QGroupBox(QStringLiteral("AI"));
    auto* grid = new QGridLayout(box);
    m_aiCh = Named(new QComboBox, "aiCh");
    // Every AI channel, whatever the storing rate; a disabled one without name.
    for (int i = 0; i < kAiCount; ++i) {
        QString text = Numbered("AI", i + 1);
        const AiChannel& ai = m_record.IO.AI[i];
        if (ai.TYPE != 0) text += QLatin1Char(' ') + FromRecord(ai.NAME);
        m_aiCh->addItem(text);
    }
    m_aiCh->setCurrentIndex(EntryOfNumber(ch.AI_CH, kAiCount));
    AddField(grid, 0, 0, "AI CH No.", m_aiCh);
    m_aiBit = Named(new QComboBox, "aiBit");
    for (int bit = 0; bit < kBits; ++bit) m_aiBit->addItem(QString::number(bit));
    m_aiBit->setCurrentIndex(std::clamp<int>(ch.AI_BIT, 0, kBits - 1));
    AddField(grid, 1, 0, "AI BIT", m_aiBit);
    return box;
}

QWidget* CDlgSetIoDiCh::MakeLogicBox(const DiChannel& ch)
{
    auto* box = new QGroupBox(QStringLiteral("Logic function"));
    auto* grid = new QGridLayout(box);
    m_logicType = Named(new QComboBox, "logicType");
    Fill(m_logicType, entries::LogicType);
    m_logicType->setCurrentIndex(std::clamp(ch.LOGIC.TYPE, 0, kLogicNot));
    AddField(grid, 0, 0, "Type", m_logicType);
    m_x1 = Named(new QComboBox, "x1");
    m_x2 = Named(new QComboBox, "x2");
    for (int i = 0; i < kDiCount; ++i) {
        const QString text = QStringLiteral("%1 %2").arg(Numbered("DI", i + 1), FromRecord(m_record.IO.DI[i].NAME));
        m_x1->addItem(text);
        m_x2->addItem(text);
    }
    m_x1->setCurrentIndex(EntryOfNumber(ch.LOGIC.X1, kDiCount));
    m_x2->setCurrentIndex(EntryOfNumber(ch.LOGIC.X2, kDiCount));
    AddField(grid, 1, 0, "X1", m_x1);
    AddField(grid, 2, 0, "X2", m_x2);
    return box;
}

void CDlgSetIoDiCh::ConnectControls()
{
    auto guard = [this](int, int) { return CheckFields(); };
    for (GuardedCombo* combo : {m_type, m_source->Device()}) {
        combo->SetGuard(guard);
        connect(combo, &GuardedCombo::Accepted, this, [this, combo] { ApplyEnableRule(combo); });
    }
    connect(m_source, &BitSourceFields::SlaveChanged, this, [this] { ApplyEnableRule(m_source->Slave()); });
    connect(m_logicType, &QComboBox::currentIndexChanged, this, [this] { ApplyEnableRule(m_logicType); });
}

void CDlgSetIoDiCh::ApplyEnableRule(QWidget* changed)
{
    SetEnabled({m_aiCh, m_aiBit, m_logicType, m_x1, m_x2, m_name, m_comment, m_invert}, false);
    const int32_t type = TypeValue();
    const bool inUse = type != kDisable;
    SetEnabled({m_name, m_comment, m_invert}, inUse);
    m_on->ApplyEnableRule(inUse);
    m_off->ApplyEnableRule(inUse);
    m_source->Enable(Link());
    if (type == kLogic) {
        SetEnabled({m_logicType, m_x1}, true);
        // "NOT X1" has no second input; X2 keeps what it holds.
        m_x2->setEnabled(m_logicType->currentIndex() != kLogicNot);
    }
    if (type == kAi) SetEnabled({m_aiCh, m_aiBit}, true);
    if (changed) changed->setFocus();
}

int32_t CDlgSetIoDiCh::TypeValue() const
{
    return TypeOfEntry(DiTypeChoices(), m_type->currentIndex());
}

SourceLink CDlgSetIoDiCh::Link() const { return LinkOfType(TypeValue(), kCard, kModbus, kSlmp); }

bool CDlgSetIoDiCh::CheckFields()
{
    if (!m_source->Check(Link(), Ui())) return false;
    if (!Passes(m_name, rules::kChannelName)) return Refuse(rules::kChannelName.message);
    if (!Passes(m_comment, rules::kChannelComment)) return Refuse(rules::kChannelComment.message);
    if (!m_on->CommentPasses(rules::kDiOnComment)) return Refuse(rules::kDiOnComment.message);
    if (!m_on->DelayPasses(rules::kDiOnDelay)) return Refuse(rules::kDiOnDelay.message);
    if (!m_off->DelayPasses(rules::kDiOffDelay)) return Refuse(rules::kDiOffDelay.message);
    if (!m_on->MessagePasses(rules::kDiOnMessage)) return Refuse(rules::kDiOnMessage.message);
    if (!m_off->CommentPasses(rules::kDiOffComment)) return Refuse(rules::kDiOffComment.message);
    if (!m_off->MessagePasses(rules::kDiOffMessage)) return Refuse(rules::kDiOffMessage.message);
    return true;
}

bool CDlgSetIoDiCh::Confirm()
{
    if (!CheckFields() || !m_source->CheckSlave(Link(), Ui())) return false;
    Store();
    return true;
}

void CDlgSetIoDiCh::Store()
{
    DiChannel& ch = m_record.IO.DI[m_channel];
    ch.TYPE = TypeValue();
    StoreAddress(m_source->Address(), ch);
    ch.LOGIC.TYPE = m_logicType->currentIndex();
    ch.LOGIC.X1 = m_x1->currentIndex() + 1;
    ch.LOGIC.X2 = m_x2->currentIndex() + 1;
    ch.AI_CH = static_cast<uint16_t>(m_aiCh->currentIndex() + 1);
    ch.AI_BIT = static_cast<uint16_t>(m_aiBit->currentIndex());
    ToRecord(ch.NAME, m_name->text());
    ToRecord(ch.COMMENT, m_comment->text());
    ch.INVERT = m_invert->isChecked() ? kActive : kInvalid;
    ch.STATUS.ON = m_on->Result();
    ch.STATUS.OFF = m_off->Result();
}

}  // namespace volmar::gui
