#include "gui/editors/io/CDlgSetIoPiCh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/editors/io/CDlgSetIoPiArea.h"
#include "gui/editors/io/ChannelChoices.h"
#include "gui/editors/io/PiChannelText.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;
using namespace pi;

namespace {

QLineEdit* NumberEdit(const char* name, int chars, int64_t value)
{
    QLineEdit* edit = MakeEdit(name, chars);
    edit->setText(QString::number(value));
    return edit;
}

QCheckBox* Box(const char* name, const char* text, bool checked)
{
    auto* box = Named(new QCheckBox(QString::fromUtf8(text)), name);
    box->setChecked(checked);
    return box;
}

QComboBox* Choice(const char* name, kit::Entries entries, int index)
{
    auto* combo = Named(new QComboBox, name);
    Fill(combo, entries);
    combo->setCurrentIndex(std::clamp(index, 0, combo->count() - 1));
    return combo;
}
}  // namespace

CDlgSetIoPiCh::CDlgSetIoPiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("PI%1").arg(channel + 1, 2, 10, QLatin1Char('0')), parent),
      m_record(record),
      m_channel(channel),
      m_zones(ZonesOf(record.IO.PI[channel]))
{
    const PiChannel& ch = record.IO.PI[channel];
    auto* columns = new QHBoxLayout;
    columns->addWidget(MakeSourceColumn(ch));
    columns->addWidget(MakeValueColumn(ch));
    columns->addWidget(MakeCountColumn(ch));
    Body()->addLayout(columns);
    ConnectControls();
    ApplyEnableRule();
}

QWidget* CDlgSetIoPiCh::MakeSourceColumn(const PiChannel& ch)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QGridLayout;
    m_type = Named(new GuardedCombo(PiTypeChoices()), "type");
    m_type->Select(EntryOfType(PiTypeChoices(), ch.TYPE));
    AddField(top, 0, 0, "CH setting", m_type);
    layout->addLayout(top);

    // A pulse channel's register address ends at 65535, one below an AI's.
    m_source = new WordSourceFields(m_record, {PiDeviceTable, rules::kPiSource}, AddressOf(ch),
                                    WordInvert{ch.SWAP == kActive, ch.SLMP_SW == kActive}, this);
    layout->addWidget(m_source->CardBox());
    layout->addWidget(m_source->SlaveBox());

    auto* di = new QGroupBox(QStringLiteral("DI"));
    auto* diGrid = new QGridLayout(di);
    m_diCh = Named(new QComboBox, "diCh");
    FillChannels(m_diCh, m_record, kKindDi);
    m_diCh->setCurrentIndex(std::clamp(ch.DI_CH - 1, 0, kDiCount - 1));
    AddField(diGrid, 0, 0, "DI CH No.", m_diCh);
    m_modeDi = Choice("modeDi", entries::PiModeDi, ch.MODE_DI);
    AddField(diGrid, 1, 0, "Measuring mode (DI)", m_modeDi);
    layout->addWidget(di);
    layout->addStretch(1);
    return column;
}

QWidget* CDlgSetIoPiCh::MakeValueColumn(const PiChannel& ch)
{
    const bool exp = ch.EXP == kUse;
    auto* column = new QGroupBox(QStringLiteral("Value"));
    auto* grid = new QGridLayout(column);
    int row = 0;
    m_name = MakeEdit("name", 18);
    m_name->setText(FromRecord(ch.NAME));
    AddField(grid, row++, 0, "CH name", m_name);
    m_comment = MakeEdit("comment", 18);
    m_comment->setText(FromRecord(ch.COMMENT));
    AddField(grid, row++, 0, "CH comment", m_comment);
    m_scale = MakeEdit("scale", 14);
    m_scale->setText(FormatReal(ch.SCALE, exp));
    AddField(grid, row++, 0, "Scaling", m_scale);
    m_point = Choice("point", {"0", "1", "2", "3"}, ch.POINT);
    AddField(grid, row++, 0, "Number of decimal places", m_point);
    m_unit = MakeEdit("unit", 10);
    m_unit->setText(FromRecord(ch.UNIT));
    AddField(grid, row++, 0, "Engineering unit", m_unit);
    m_exp = Named(new GuardedCombo(entries::Switch), "exp");
    m_exp->Select(exp ? 1 : 0);
    AddField(grid, row++, 0, "Exponent notation", m_exp);
    m_zoneButton = Named(AddButton(QStringLiteral("Alarm zone setting"), column), "zones");
    grid->addWidget(m_zoneButton, row++, 1);

    auto* sum = new QGroupBox(QStringLiteral("Analog accumulation"));
    auto* sumGrid = new QGridLayout(sum);
    m_aiCh = Named(new QComboBox, "aiCh");
    FillChannels(m_aiCh, m_record, kKindAi);
    m_aiCh->setCurrentIndex(std::clamp(ch.ANALOG_SUM.TARGET_CH - 1, 0, kAiCount - 1));
    AddField(sumGrid, 0, 0, "AI CH No.", m_aiCh);
    m_rate = NumberEdit("rate", 8, ch.ANALOG_SUM.RATE);
    AddField(sumGrid, 1, 0, "Counter rate", m_rate);
    m_timeUnit = Choice("timeUnit", entries::SumUnit, ch.ANALOG_SUM.UNIT);
    AddField(sumGrid, 2, 0, "Time unit", m_timeUnit);
    m_dropout = NumberEdit("dropout", 8, ch.ANALOG_SUM.DROPOUT);
    AddField(sumGrid, 3, 0, "Low-end cutout", m_dropout);
    grid->addWidget(sum, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return column;
}

QWidget* CDlgSetIoPiCh::MakeCountColumn(const PiChannel& ch)
{
    auto* column = new QGroupBox(QStringLiteral("Measuring"));
    auto* grid = new QGridLayout(column);
    int row = 0;
    m_mode = Named(new GuardedCombo(entries::PiMode), "mode");
    m_mode->Select(ch.MODE == 1 ? kEngineering : kAccumulation);
    AddField(grid, row++, 0, "Measuring mode (I/O module)", m_mode);
    m_range = Box("range", "Enable", ch.RNG == kUse);
    AddField(grid, row++, 0, "Pulse range configuration", m_range);
    m_modeM = Named(new GuardedCombo(entries::PiModeM), "modeM");
    m_modeM->Select(std::clamp(ch.MODE_M, 0, 2));
    AddField(grid, row++, 0, "Measuring mode (Modbus/TCP・SLMP)", m_modeM);
    m_low = NumberEdit("low", 12, ch.WIDTH.LOW);
    AddField(grid, row++, 0, "Pulse range Lower limit", m_low);
    m_high = NumberEdit("high", 12, ch.WIDTH.HIGH);
    AddField(grid, row++, 0, "Upper limit", m_high);
    m_filter = Named(new GuardedCombo(entries::Filter), "filter");
    m_filter->Select(std::clamp(ch.FILTER, 0, 2));
    AddField(grid, row++, 0, "Filter", m_filter);
    m_samples = Choice("samples", {"4", "8", "16", "32", "64"}, EntryOf(kSamples, ch.MOVING_AVERAGE));
    AddField(grid, row++, 0, "Moving average samples", m_samples);
    m_timeConstant = NumberEdit("timeConstant", 6, ch.T);
    AddField(grid, row++, 0, "Time constant", m_timeConstant);
    m_resetDi = Named(new QComboBox, "resetDi");
    FillResetInput(m_resetDi, m_record);
    m_resetDi->setCurrentIndex(std::clamp<int>(ch.RESET_DI, 0, kDiCount));
    AddField(grid, row++, 0, "Reset input", m_resetDi);
    grid->setRowStretch(row, 1);
    return column;
}

void CDlgSetIoPiCh::ConnectControls()
{
    auto guard = [this](int, int) { return CheckFields(); };
    for (GuardedCombo* combo : {m_type, m_mode, m_modeM, m_filter, m_source->Device(), m_exp}) {
        combo->SetGuard(guard);
        connect(combo, &GuardedCombo::Accepted, this, [this, combo] {
            if (combo == m_exp) m_scale->setText(FormatReal(ReadReal(m_scale->text()), Exponent()));
            ApplyEnableRule(combo);
        });
    }
    connect(m_range, &QCheckBox::toggled, this, [this] { ApplyEnableRule(m_range); });
    connect(m_source, &SourceFields::SlaveChanged, this, [this] { ApplyEnableRule(m_source->Slave()); });
    connect(m_zoneButton, &QPushButton::clicked, this, &CDlgSetIoPiCh::OpenZones);
}

void CDlgSetIoPiCh::EnableFilter()
{
    m_filter->setEnabled(true);
    m_samples->setEnabled(m_filter->currentIndex() == kMovingAverage);
    m_timeConstant->setEnabled(m_filter->currentIndex() == kDelayBuffer);
}

void CDlgSetIoPiCh::ApplyEnableRule(QWidget* changed)
{
    SetEnabled({m_diCh, m_modeDi, m_aiCh, m_rate, m_timeUnit, m_dropout, m_name, m_comment, m_scale, m_point, m_unit,
                m_exp, m_zoneButton, m_mode, m_range, m_modeM, m_low, m_high, m_filter, m_samples, m_timeConstant,
                m_resetDi},
               false);
    m_source->Enable(Link());
    const int32_t type = TypeValue();
    if (type != kDisable) SetEnabled({m_name, m_comment, m_scale, m_point, m_unit, m_zoneButton, m_exp}, true);
    switch (type) {
    case kCard:
        m_mode->setEnabled(true);
        if (m_mode->currentIndex() == kAccumulation) {
            SetEnabled({m_resetDi, m_range}, true);
            SetEnabled({m_low, m_high}, m_range->isChecked());
        } else {
            EnableFilter();
        }
        break;
    case kModbus:
    case kSlmp:
        m_modeM->setEnabled(true);
        if (m_modeM->currentIndex() == kAccumulation) SetEnabled({m_low, m_high, m_resetDi}, true);
        if (m_modeM->currentIndex() == kEngineering) EnableFilter();
        break;
    case kAnalogSum: SetEnabled({m_aiCh, m_rate, m_timeUnit, m_dropout, m_resetDi}, true); break;
    case kDi: SetEnabled({m_diCh, m_modeDi, m_resetDi}, true); break;
    case kDemo: m_resetDi->setEnabled(true); break;
    default: break;
    }
    if (changed) changed->setFocus();
}

bool CDlgSetIoPiCh::SumResetAllowed() const
{
    const int32_t type = TypeValue();
    if (type == kCard) return m_mode->currentIndex() == kAccumulation;
    if (type == kModbus) return m_modeM->currentIndex() == kAccumulation;
    return true;
}

void CDlgSetIoPiCh::OpenZones()
{
    CDlgSetIoPiArea dialog(m_channel, m_zones, Exponent(), SumResetAllowed(), m_record, Ui(), this);
    if (dialog.exec() == QDialog::Accepted) m_zones = dialog.Result();
}

int32_t CDlgSetIoPiCh::TypeValue() const { return TypeOfEntry(PiTypeChoices(), m_type->currentIndex()); }
SourceLink CDlgSetIoPiCh::Link() const { return LinkOfType(TypeValue(), kCard, kModbus, kSlmp); }
bool CDlgSetIoPiCh::Exponent() const { return m_exp->currentIndex() == 1; }

}  // namespace volmar::gui
