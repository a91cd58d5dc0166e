#include "gui/editors/io/CDlgSetIoAiCh.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/editors/io/AiChannelText.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;
using namespace ai;

CDlgSetIoAiCh::CDlgSetIoAiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("AI%1").arg(channel + 1, 2, 10, QLatin1Char('0')), parent),
      m_record(record),
      m_channel(channel),
      m_zones(ZonesOf(record.IO.AI[channel]))
{
    const AiChannel& ch = record.IO.AI[channel];
    auto* columns = new QHBoxLayout;
    columns->addWidget(MakeSourceColumn(ch));
    columns->addWidget(MakeValueColumn(ch));
    Body()->addLayout(columns);
    ConnectCombos();
    ApplyEnableRule();
}

QWidget* CDlgSetIoAiCh::MakeSourceColumn(const AiChannel& ch)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* top = new QGridLayout;
    m_type = Named(new GuardedCombo(AiTypeChoices()), "type");
    m_type->Select(EntryOfType(AiTypeChoices(), ch.TYPE));
    AddField(top, 0, 0, "CH setting", m_type);
    layout->addLayout(top);

    m_source = new WordSourceFields(m_record, {AiDeviceTable, rules::kAiSource}, AddressOf(ch), std::nullopt, this);
    layout->addWidget(m_source->CardBox());
    layout->addWidget(m_source->SlaveBox());

    auto* timeGrid = new QGridLayout;
    m_timeType = Named(new QComboBox, "timeType");
    Fill(m_timeType, entries::TimeType);
    m_timeType->setCurrentIndex(ch.TIME_TYPE);
    AddField(timeGrid, 0, 0, "Time input", m_timeType);
    timeGrid->setColumnStretch(1, 1);
    layout->addLayout(timeGrid);
    layout->addStretch(1);
    return column;
}

QWidget* CDlgSetIoAiCh::MakeValueColumn(const AiChannel& ch)
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
    m_dataType = Named(new GuardedCombo(entries::AiDataType), "dataType");
    m_dataType->Select(ch.AI_DATA_TYPE);
    AddField(grid, row++, 0, "Data type", m_dataType);
    m_filter = Named(new GuardedCombo(entries::Filter), "filter");
    m_filter->Select(ch.FILTER);
    AddField(grid, row++, 0, "Filter", m_filter);
    m_samples = Named(new QComboBox, "samples");
    Fill(m_samples, {"4", "8", "16", "32", "64"});
    m_samples->setCurrentIndex(EntryOfSamples(ch.MOVING_AVERAGE));
    AddField(grid, row++, 0, "Moving average samples", m_samples);
    m_timeConstant = MakeEdit("timeConstant", 6);
    m_timeConstant->setText(QString::number(ch.T));
    AddField(grid, row++, 0, "Time constant", m_timeConstant);
    m_scale0 = MakeEdit("scale0", 14);
    m_scale0->setText(FormatReal(ch.SCALE_0, exp));
    AddField(grid, row++, 0, "Scaling 0%", m_scale0);
    m_scale100 = MakeEdit("scale100", 14);
    m_scale100->setText(FormatReal(ch.SCALE_100, exp));
    AddField(grid, row++, 0, "Scaling 100%", m_scale100);
    m_scale = MakeEdit("scale", 14);
    m_scale->setText(FormatReal(ch.SCALE, exp));
    AddField(grid, row++, 0, "Int", m_scale);
    m_point = Named(new QComboBox, "point");
    Fill(m_point, {"0", "1", "2", "3"});
    m_point->setCurrentIndex(std::clamp<int>(ch.POINT, 0, 3));
    AddField(grid, row++, 0, "Number of decimal places", m_point);
    m_unit = MakeEdit("unit", 10);
    m_unit->setText(FromRecord(ch.UNIT));
    AddField(grid, row++, 0, "Engineering unit", m_unit);
    m_exp = Named(new GuardedCombo(entries::Switch), "exp");
    m_exp->Select(exp ? 1 : 0);
    AddField(grid, row++, 0, "Exponent notation", m_exp);
    m_zoneButton = Named(AddButton(QStringLiteral("Alarm zone setting"), column), "zones");
    grid->addWidget(m_zoneButton, row++, 1);
    grid->setRowStretch(row, 1);
    return column;
}

void CDlgSetIoAiCh::ConnectCombos()
{
    auto guard = [this](int, int) { return CheckFields(); };
    for (GuardedCombo* combo : {m_type, m_filter, m_dataType, m_source->Device(), m_exp}) {
        combo->SetGuard(guard);
        connect(combo, &GuardedCombo::Accepted, this, [this, combo] {
            if (combo == m_exp) ReformatReals();
            ApplyEnableRule(combo);
        });
    }
    connect(m_source, &SourceFields::SlaveChanged, this, [this] { ApplyEnableRule(m_source->Slave()); });
    connect(m_zoneButton, &QPushButton::clicked, this, &CDlgSetIoAiCh::OpenZones);
}

void CDlgSetIoAiCh::ReformatReals()
{
    const bool exp = Exponent();
    for (QLineEdit* edit : {m_scale0, m_scale100, m_scale}) edit->setText(FormatReal(ReadReal(edit->text()), exp));
}

void CDlgSetIoAiCh::ForceTimeInput()
{
    m_dataType->Select(kInt);
    m_scale->setText(QStringLiteral("1.000"));
    m_filter->Select(kNoFilter);
    m_point->setCurrentIndex(0);
    if (Exponent()) {
        m_exp->Select(0);
        ReformatReals();
    }
}

void CDlgSetIoAiCh::ApplyEnableRule(QWidget* changed)
{
    SetEnabled({m_timeType, m_name, m_comment, m_dataType, m_filter, m_samples, m_timeConstant, m_scale0, m_scale100,
                m_scale, m_point, m_unit, m_exp, m_zoneButton},
               false);
    const int32_t type = TypeValue();
    if (type != kDisable) {
        SetEnabled({m_name, m_comment, m_zoneButton}, true);
        if (type == kTime) {
            ForceTimeInput();
            SetEnabled({m_unit, m_timeType}, true);
        } else {
            SetEnabled({m_dataType, m_filter, m_point, m_unit, m_exp}, true);
            const int dataType = m_dataType->currentIndex();
            SetEnabled({m_scale0, m_scale100}, dataType == kPercent);
            m_scale->setEnabled(dataType == kInt || dataType == kUint);
            m_samples->setEnabled(m_filter->currentIndex() == kMovingAverage);
            m_timeConstant->setEnabled(m_filter->currentIndex() == kDelayBuffer);
        }
    }
    m_source->Enable(Link());
    if (changed) changed->setFocus();
}

void CDlgSetIoAiCh::OpenZones()
{
    CDlgSetIoAiArea dialog(m_channel, m_zones, Exponent(), m_record, Ui(), this);
    if (dialog.exec() == QDialog::Accepted) m_zones = dialog.Result();
}

int32_t CDlgSetIoAiCh::TypeValue() const { return TypeOfEntry(AiTypeChoices(), m_type->currentIndex()); }
SourceLink CDlgSetIoAiCh::Link() const { return LinkOfType(TypeValue(), kCard, kModbus, kSlmp); }
bool CDlgSetIoAiCh::Exponent() const { return m_exp->currentIndex() == 1; }

}  // namespace volmar::gui
