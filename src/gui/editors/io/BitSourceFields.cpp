#include "editors/io/BitSourceFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "editors/io/SlmpDevices.h"
#include "editors/io/SlaveUse.h"
#include "editors/kit/Enable.h"
#include "editors/kit/FieldChecks.h"
#include "editors/kit/Form.h"
#include "editors/kit/GuardedCombo.h"
#include "link/transfer/Interaction.h"

namespace volmar::gui {

using namespace kit;

namespace {
constexpr uint8_t kInput = 1;
constexpr uint8_t kCoil = 0;
}  // namespace

BitSourceFields::BitSourceFields(const SettingRecord& record, RegisterType regType, const BitAddress& shown,
                                 QObject* parent)
    : QObject(parent), m_record(record), m_loaded(shown)
{
    m_cardBox = new QGroupBox(QStringLiteral("I/O module"));
    auto* cardGrid = new QGridLayout(m_cardBox);
    m_cardNo = MakeEdit("cardNo", 6);
    m_cardNo->setText(QString::number(shown.cardNo));
    AddField(cardGrid, 0, 0, "Module address", m_cardNo);
    m_cardCh = MakeEdit("cardCh", 6);
    m_cardCh->setText(QString::number(shown.cardCh));
    AddField(cardGrid, 1, 0, "CH No.", m_cardCh);

    m_slaveBox = new QGroupBox(QStringLiteral("Modbus/TCP, SLMP"));
    auto* grid = new QGridLayout(m_slaveBox);
    m_slave = Named(new QComboBox, "slave");
    for (int i = 0; i < kSlaveCount; ++i) m_slave->addItem(QString::number(i));
    m_slave->setCurrentIndex(std::clamp<int>(shown.node, 0, kSlaveCount - 1));
    AddField(grid, 0, 0, "Slave No.", m_slave);
    if (regType == RegisterType::Choice) {
        m_regType = Named(new QComboBox, "regType");
        Fill(m_regType, {"Input (1X)", "Coil (0X)"});
        m_regType->setCurrentIndex(shown.modType == kInput ? 0 : 1);
        AddField(grid, 1, 0, "Modbus/TCP register type", m_regType);
    } else {
        AddField(grid, 1, 0, "Modbus/TCP register type", Named(new QLabel(QStringLiteral("Coil (0X)")), "regType"));
    }
    m_regAddress = MakeEdit("regAddress", 8);
    m_regAddress->setText(QString::number(shown.modAddress));
    AddField(grid, 2, 0, "Modbus/TCP register address", m_regAddress);
    m_device = Named(new GuardedCombo, "device");
    AddField(grid, 3, 0, "SLMP device", m_device);
    m_deviceDec = MakeEdit("deviceDec", 10);
    AddField(grid, 4, 0, "SLMP device No. (Decimal)", m_deviceDec);
    m_deviceHex = MakeEdit("deviceHex", 10);
    AddField(grid, 5, 0, "SLMP device No. (Hexadecimal)", m_deviceHex);

    m_shownSlaveType = record.IO.MODBUS_MASTER.SLAVE_TYPE[m_slave->currentIndex()];
    FillDevices(m_shownSlaveType);
    ResetDeviceNumbers();
    if (m_shownSlaveType != kSlaveModbusTcp) {
        const int row = m_devices.RowOf(shown.devCode);
        m_device->Select(row);
        if (m_devices.rows[row].hex) {
            m_deviceHex->setText(Hex8(shown.devNo));
        } else {
            m_deviceDec->setText(QString::number(shown.devNo));
        }
    }
    connect(m_slave, &QComboBox::currentIndexChanged, this, &BitSourceFields::OnSlaveChanged);
}

void BitSourceFields::FillDevices(int32_t slaveType)
{
    m_devices = BitDeviceTable(slaveType);
    const bool blocked = m_device->blockSignals(true);
    m_device->clear();
    for (int i = 0; i < m_devices.count; ++i) m_device->addItem(QString::fromLatin1(m_devices.rows[i].name));
    m_device->blockSignals(blocked);
    m_device->Select(0);
}

void BitSourceFields::ResetDeviceNumbers()
{
    m_deviceDec->setText(QStringLiteral("0"));
    m_deviceHex->setText(QStringLiteral("00000000"));
}

void BitSourceFields::OnSlaveChanged(int slave)
{
    if (slave < 0) return;
    const int32_t slaveType = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[slave];
    if (slaveType != m_shownSlaveType) {
        m_shownSlaveType = slaveType;
        FillDevices(slaveType);
        ResetDeviceNumbers();
    }
    emit SlaveChanged();
}

bool BitSourceFields::DeviceHex() const
{
    const int row = m_device->currentIndex();
    return row >= 0 && row < m_devices.count && m_devices.rows[row].hex;
}

void BitSourceFields::Enable(BitLink link)
{
    SetEnabled({m_cardNo, m_cardCh, m_slave, m_regType, m_regAddress, m_device, m_deviceDec, m_deviceHex}, false);
    switch (link) {
    case BitLink::None: break;
    case BitLink::Card: SetEnabled({m_cardNo, m_cardCh}, true); break;
    case BitLink::Modbus: SetEnabled({m_slave, m_regType, m_regAddress}, true); break;
    case BitLink::Slmp:
        SetEnabled({m_slave, m_device}, true);
        (DeviceHex() ? m_deviceHex : m_deviceDec)->setEnabled(true);
        break;
    }
}

bool BitSourceFields::Check(BitLink link, Interaction& ui) const
{
    if (link == BitLink::Card) {
        if (!IntegerIn(m_cardNo, 1, 16)) return Refuse(ui, "Setting error: Module address");
        if (!IntegerIn(m_cardCh, 1, 16)) return Refuse(ui, "Setting error: CH No.");
    }
    if (link == BitLink::Modbus && !IntegerIn(m_regAddress, 1, 65536)) {
        return Refuse(ui, "Setting error: Modbus/TCP register address");
    }
    if (link == BitLink::Slmp) {
        if (!HexIn(m_deviceHex, 0, 0xFFFFFFFF)) return Refuse(ui, "Setting error: SLMP device No. (Hexadecimal)");
        if (!UnsignedIn(m_deviceDec, 0, 4294967295u)) return Refuse(ui, "Setting error: SLMP device No. (Decimal)");
    }
    return true;
}

bool BitSourceFields::CheckSlave(BitLink link, Interaction& ui) const
{
    if (link != BitLink::Modbus && link != BitLink::Slmp) return true;
    const int slave = m_slave->currentIndex();
    if (!SlaveHasAddress(m_record, slave)) {
        return Refuse(ui, "Setting error: Slave address.\nSet IP address to designated slave.");
    }
    const bool slmpSlave = m_record.IO.MODBUS_MASTER.SLAVE_TYPE[slave] != kSlaveModbusTcp;
    if (link == BitLink::Modbus && slmpSlave) return ui.Confirm({MessageIcon::Warning, "SLMP is selected as slave."});
    if (link == BitLink::Slmp && !slmpSlave) {
        return ui.Confirm({MessageIcon::Warning, "Modbus/TCP is selected as slave."});
    }
    return true;
}

BitAddress BitSourceFields::Address() const
{
    // A field the current type does not check keeps its stored value unless
    // it holds a valid one, so nothing out of range reaches the record.
    BitAddress a = m_loaded;
    int64_t v = 0;
    if (IntegerIn(m_cardNo, 1, 16, &v)) a.cardNo = static_cast<int16_t>(v);
    if (IntegerIn(m_cardCh, 1, 16, &v)) a.cardCh = static_cast<int16_t>(v);
    a.node = static_cast<int16_t>(m_slave->currentIndex());
    if (m_regType) a.modType = m_regType->currentIndex() == 0 ? kInput : kCoil;
    if (IntegerIn(m_regAddress, 1, 65536, &v)) a.modAddress = static_cast<uint32_t>(v);
    const int row = std::clamp(m_device->currentIndex(), 0, m_devices.count - 1);
    a.devCode = m_devices.rows[row].code;
    uint64_t number = 0;
    const bool ok = m_devices.rows[row].hex ? HexIn(m_deviceHex, 0, 0xFFFFFFFF, &number)
                                            : UnsignedIn(m_deviceDec, 0, 4294967295u, &number);
    if (ok) a.devNo = static_cast<uint32_t>(number);
    return a;
}

}  // namespace volmar::gui
