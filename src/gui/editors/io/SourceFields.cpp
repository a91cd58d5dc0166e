#include "gui/editors/io/SourceFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <algorithm>

#include "gui/editors/io/SlaveChoice.h"
#include "gui/editors/io/SlaveUse.h"
#include "gui/editors/io/SlmpDevices.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RuleFields.h"

namespace volmar::gui {

using namespace kit;

SourceFields::SourceFields(const SettingRecord& record, const SourceRules& rules, QObject* parent)
    : QObject(parent), m_record(record), m_rules(rules)
{
}

void SourceFields::Build(const SourceAddress& shown, const SlaveExtras& extras)
{
    BuildCardBox(shown);

    m_slaveBox = new QGroupBox(QStringLiteral("Modbus/TCP, SLMP"));
    auto* grid = new QGridLayout(m_slaveBox);
    m_slave = Named(new QComboBox, "slave");
    for (int i = 0; i < kSlaveCount; ++i) m_slave->addItem(QString::number(i));
    m_slave->setCurrentIndex(std::clamp<int>(shown.node, 0, kSlaveCount - 1));
    AddField(grid, 0, 0, "Slave No.", m_slave);
    m_regType = qobject_cast<QComboBox*>(extras.regType);
    AddField(grid, 1, 0, "Modbus/TCP register type", extras.regType);
    m_regAddress = MakeEdit("regAddress", 8);
    m_regAddress->setText(QString::number(shown.modAddress));
    AddField(grid, 2, 0, "Modbus/TCP register address", m_regAddress);
    m_besideAddress = extras.besideAddress;
    if (m_besideAddress) grid->addWidget(m_besideAddress, 2, 2);
    m_device = Named(new GuardedCombo, "device");
    AddField(grid, 3, 0, "SLMP device", m_device);
    m_deviceDec = MakeEdit("deviceDec", 10);
    AddField(grid, 4, 0, "SLMP device No. (Decimal)", m_deviceDec);
    m_besideDecimal = extras.besideDecimal;
    if (m_besideDecimal) grid->addWidget(m_besideDecimal, 4, 2);
    m_deviceHex = MakeEdit("deviceHex", 10);
    AddField(grid, 5, 0, "SLMP device No. (Hexadecimal)", m_deviceHex);

    ShowStoredDevice(shown);
    connect(m_slave, &QComboBox::currentIndexChanged, this, &SourceFields::OnSlaveChanged);
}

void SourceFields::BuildCardBox(const SourceAddress& shown)
{
    m_cardBox = new QGroupBox(QStringLiteral("I/O module"));
    auto* grid = new QGridLayout(m_cardBox);
    m_cardNo = MakeEdit("cardNo", 6);
    m_cardNo->setText(QString::number(shown.cardNo));
    AddField(grid, 0, 0, "Module address", m_cardNo);
    m_cardCh = MakeEdit("cardCh", 6);
    m_cardCh->setText(QString::number(shown.cardCh));
    AddField(grid, 1, 0, "CH No.", m_cardCh);
}

// A Modbus/TCP slave has no devices of its own: its list shows the first
// device with both numbers at 0, whatever the channel stored.
void SourceFields::ShowStoredDevice(const SourceAddress& shown)
{
    m_shownSlaveType = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[m_slave->currentIndex()];
    FillDevices(m_shownSlaveType);
    ClearDeviceNumbers(*m_deviceDec, *m_deviceHex);
    if (m_shownSlaveType == kSlaveModbusTcp) return;
    ShowDevice(*m_device, *m_deviceDec, *m_deviceHex, m_devices, shown.devCode, shown.devNo);
}

void SourceFields::FillDevices(int32_t slaveType)
{
    m_devices = m_rules.devices(slaveType);
    FillDeviceList(*m_device, m_devices);
}

void SourceFields::OnSlaveChanged(int slave)
{
    if (slave < 0) return;
    const int32_t slaveType = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[slave];
    if (slaveType != m_shownSlaveType) {
        m_shownSlaveType = slaveType;
        FillDevices(slaveType);
        ClearDeviceNumbers(*m_deviceDec, *m_deviceHex);
    }
    emit SlaveChanged();
}

bool SourceFields::DeviceHex() const
{
    const int row = m_device->currentIndex();
    return row >= 0 && row < m_devices.count && m_devices.rows[row].hex;
}

const SlmpDevice& SourceFields::SelectedDevice() const
{
    return m_devices.rows[std::clamp(m_device->currentIndex(), 0, m_devices.count - 1)];
}

void SourceFields::Enable(SourceLink link)
{
    SetEnabled({m_cardNo, m_cardCh, m_slave, m_regType, m_regAddress, m_besideAddress, m_device, m_deviceDec,
                m_deviceHex, m_besideDecimal},
               false);
    switch (link) {
    case SourceLink::None: break;
    case SourceLink::Card: SetEnabled({m_cardNo, m_cardCh}, true); break;
    case SourceLink::Modbus: SetEnabled({m_slave, m_regType, m_regAddress, m_besideAddress}, true); break;
    case SourceLink::Slmp:
        SetEnabled({m_slave, m_device, DeviceHex() ? m_deviceHex : m_deviceDec, m_besideDecimal}, true);
        break;
    }
}

bool SourceFields::Check(SourceLink link, Interaction& ui) const
{
    const rules::IntegerRule cardCh = rules::CardChRule(m_rules.limits);
    const rules::IntegerRule regAddress = rules::RegAddressRule(m_rules.limits);
    if (link == SourceLink::Card) {
        if (!Holds(m_cardNo, rules::kModuleAddress)) return Refuse(ui, rules::kModuleAddress.message);
        if (!Holds(m_cardCh, cardCh)) return Refuse(ui, cardCh.message);
    }
    if (link == SourceLink::Modbus && !Holds(m_regAddress, regAddress)) return Refuse(ui, regAddress.message);
    if (link == SourceLink::Slmp) {
        if (!Holds(m_deviceHex, rules::kDeviceHex)) return Refuse(ui, rules::kDeviceHex.message);
        if (!Holds(m_deviceDec, rules::kDeviceDec)) return Refuse(ui, rules::kDeviceDec.message);
    }
    return true;
}

bool SourceFields::CheckSlave(SourceLink link, Interaction& ui) const
{
    if (link != SourceLink::Modbus && link != SourceLink::Slmp) return true;
    return SlaveChoiceAllowed(m_record, m_slave->currentIndex(), link == SourceLink::Slmp, ui);
}

}  // namespace volmar::gui
