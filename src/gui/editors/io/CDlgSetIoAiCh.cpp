#include "editors/io/CDlgSetIoAiCh.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/io/AiChannelText.h"
#include "editors/io/CDlgSetIoAiArea.h"
#include "editors/io/SlaveUse.h"
#include "editors/io/SlmpDevices.h"
#include "editors/kit/Enable.h"
#include "editors/kit/Form.h"
#include "editors/kit/GuardedCombo.h"
#include "editors/kit/RealText.h"
#include "editors/kit/RecordText.h"

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
    ShowDevice(ch);
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

    auto* card = new QGroupBox(QStringLiteral("I/O module"));
    auto* cardGrid = new QGridLayout(card);
    m_cardNo = MakeEdit("cardNo", 6);
    m_cardNo->setText(QString::number(ch.CARD_NO));
    AddField(cardGrid, 0, 0, "Module address", m_cardNo);
    m_cardCh = MakeEdit("cardCh", 6);
    m_cardCh->setText(QString::number(ch.CARD_CH));
    AddField(cardGrid, 1, 0, "CH No.", m_cardCh);
    layout->addWidget(card);

    auto* slave = new QGroupBox(QStringLiteral("Modbus/TCP, SLMP"));
    auto* slaveGrid = new QGridLayout(slave);
    m_slave = Named(new QComboBox, "slave");
    for (int i = 0; i < kSlaveCount; ++i) m_slave->addItem(QString::number(i));
    m_slave->setCurrentIndex(std::clamp<int>(ch.MOD_NODE, 0, kSlaveCount - 1));
    AddField(slaveGrid, 0, 0, "Slave No.", m_slave);
    m_regType = Named(new QComboBox, "regType");
    Fill(m_regType, {"Input Register (3X)", "Holding Register (4X)"});
    m_regType->setCurrentIndex(ch.MOD_TYPE == kHoldingRegister ? 1 : 0);
    AddField(slaveGrid, 1, 0, "Modbus/TCP register type", m_regType);
    m_regAddress = MakeEdit("regAddress", 8);
    m_regAddress->setText(QString::number(ch.MOD_ADDRESS));
    AddField(slaveGrid, 2, 0, "Modbus/TCP register address", m_regAddress);
    m_device = Named(new GuardedCombo, "device");
    AddField(slaveGrid, 3, 0, "SLMP device", m_device);
    m_deviceDec = MakeEdit("deviceDec", 10);
    AddField(slaveGrid, 4, 0, "SLMP device No. (Decimal)", m_deviceDec);
    m_deviceHex = MakeEdit("deviceHex", 10);
    AddField(slaveGrid, 5, 0, "SLMP device No. (Hexadecimal)", m_deviceHex);
    layout->addWidget(slave);

    auto* timeGrid = new QGridLayout;
    m_timeType = Named(new QComboBox, "timeType");
    Fill(m_timeType, {"Hour", "Minute", "Second"});
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
    m_dataType = Named(new GuardedCombo({"% (0-10000)", "Int (integer)", "Uint (unsigned integer)"}), "dataType");
    m_dataType->Select(ch.AI_DATA_TYPE);
    AddField(grid, row++, 0, "Data type", m_dataType);
    m_filter = Named(new GuardedCombo({"None", "Moving average", "Delay buffer"}), "filter");
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
    m_exp = Named(new GuardedCombo({"Disable", "Enable"}), "exp");
    m_exp->Select(exp ? 1 : 0);
    AddField(grid, row++, 0, "Exponent notation", m_exp);
    m_zoneButton = Named(AddButton(QStringLiteral("Alarm zone setting"), column), "zones");
    grid->addWidget(m_zoneButton, row++, 1);
    grid->setRowStretch(row, 1);
    return column;
}

void CDlgSetIoAiCh::FillDevices(int32_t slaveType)
{
    m_devices = AiDeviceTable(slaveType);
    FillDeviceList(*m_device, m_devices);
}

void CDlgSetIoAiCh::ResetDeviceNumbers() { ClearDeviceNumbers(*m_deviceDec, *m_deviceHex); }

void CDlgSetIoAiCh::ShowDevice(const AiChannel& ch)
{
    m_shownSlaveType = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[m_slave->currentIndex()];
    FillDevices(m_shownSlaveType);
    ResetDeviceNumbers();
    if (m_shownSlaveType == kSlaveModbusTcp) return;
    volmar::gui::ShowDevice(*m_device, *m_deviceDec, *m_deviceHex, m_devices, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO);
}

void CDlgSetIoAiCh::ConnectCombos()
{
    auto guard = [this](int, int) { return CheckFields(); };
    for (GuardedCombo* combo : {m_type, m_filter, m_dataType, m_device, m_exp}) {
        combo->SetGuard(guard);
        connect(combo, &GuardedCombo::Accepted, this, [this, combo] {
            if (combo == m_exp) ReformatReals();
            ApplyEnableRule(combo);
        });
    }
    connect(m_slave, &QComboBox::currentIndexChanged, this, &CDlgSetIoAiCh::OnSlaveChanged);
    connect(m_zoneButton, &QPushButton::clicked, this, &CDlgSetIoAiCh::OpenZones);
}

void CDlgSetIoAiCh::OnSlaveChanged(int slave)
{
    const int32_t slaveType = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[slave];
    if (slaveType != m_shownSlaveType) {
        m_shownSlaveType = slaveType;
        FillDevices(slaveType);
        ResetDeviceNumbers();
    }
    ApplyEnableRule(m_slave);
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
    SetEnabled({m_cardNo, m_cardCh, m_slave, m_regType, m_regAddress, m_device, m_deviceDec, m_deviceHex,
                m_timeType, m_name, m_comment, m_dataType, m_filter, m_samples, m_timeConstant, m_scale0,
                m_scale100, m_scale, m_point, m_unit, m_exp, m_zoneButton},
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
    if (type == kCard) SetEnabled({m_cardNo, m_cardCh}, true);
    if (type == kModbus) SetEnabled({m_slave, m_regType, m_regAddress}, true);
    if (type == kSlmp) {
        SetEnabled({m_slave, m_device}, true);
        (DeviceHex() ? m_deviceHex : m_deviceDec)->setEnabled(true);
    }
    if (changed) changed->setFocus();
}

void CDlgSetIoAiCh::OpenZones()
{
    CDlgSetIoAiArea dialog(m_channel, m_zones, Exponent(), m_record, Ui(), this);
    if (dialog.exec() == QDialog::Accepted) m_zones = dialog.Result();
}

int32_t CDlgSetIoAiCh::TypeValue() const { return TypeOfEntry(AiTypeChoices(), m_type->currentIndex()); }
bool CDlgSetIoAiCh::Exponent() const { return m_exp->currentIndex() == 1; }
bool CDlgSetIoAiCh::DeviceHex() const
{
    const int row = m_device->currentIndex();
    return row >= 0 && row < m_devices.count && m_devices.rows[row].hex;
}

}  // namespace volmar::gui
