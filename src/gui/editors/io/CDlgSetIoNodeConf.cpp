#include "gui/editors/io/CDlgSetIoNodeConf.h"

#include <QGridLayout>
#include <algorithm>
#include <QGroupBox>
#include <QLineEdit>

#include "gui/editors/io/SlaveUse.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/Ipv4Edit.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

CDlgSetIoNodeConf::CDlgSetIoNodeConf(SettingRecord& record, int slave, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Slave %1").arg(slave), parent), m_record(record), m_slave(slave)
{
    const SlaveTable& t = record.IO.MODBUS_MASTER;

    auto* grid = new QGridLayout;
    m_type = Named(new GuardedCombo(entries::SlaveType), "type");
    m_type->Select(t.SLAVE_TYPE[slave]);
    AddField(grid, 0, 0, "Slave type", m_type);
    m_address = Named(new Ipv4Edit, "address");
    m_address->SetAddress(t.NODE[slave]);
    AddField(grid, 1, 0, "IP address", m_address);
    m_port = MakeEdit("port", 6);
    m_port->setText(QString::number(t.PORT[slave]));
    AddField(grid, 2, 0, "Port address", m_port);
    Body()->addLayout(grid);

    auto* modbus = new QGroupBox(QStringLiteral("Modbus/TCP"));
    auto* modbusGrid = new QGridLayout(modbus);
    m_node = MakeEdit("node", 4);
    m_node->setText(QString::number(t.DEV_ID[slave]));
    AddField(modbusGrid, 0, 0, "Node No.", m_node);
    modbusGrid->setColumnStretch(1, 1);
    Body()->addWidget(modbus);

    auto* slmp = new QGroupBox(QStringLiteral("SLMP"));
    auto* slmpGrid = new QGridLayout(slmp);
    m_network = MakeEdit("network", 4);
    m_network->setText(QString::number(t.SLMP_NO[slave]));
    AddField(slmpGrid, 0, 0, "Network No.", m_network);
    m_station = MakeEdit("station", 4);
    m_station->setText(QString::number(t.SLMP_SS[slave]));
    AddField(slmpGrid, 1, 0, "Station No.", m_station);
    m_processor = MakeEdit("processor", 5);
    m_processor->setText(QStringLiteral("%1").arg(t.SLMP_CPU[slave], 4, 16, QLatin1Char('0')));
    AddField(slmpGrid, 2, 0, "Processor No. (HEX)", m_processor);
    slmpGrid->setColumnStretch(1, 1);
    Body()->addWidget(slmp);

    m_type->SetGuard([this](int from, int) { return CheckFields(from); });
    connect(m_type, &GuardedCombo::Accepted, this, [this] {
        ApplyEnableRule();
        m_type->setFocus();
    });
    ApplyEnableRule();
}

void CDlgSetIoNodeConf::ApplyEnableRule()
{
    const bool modbus = m_type->currentIndex() == kSlaveModbusTcp;
    m_node->setEnabled(modbus);
    SetEnabled({m_network, m_station, m_processor}, !modbus);
}

bool CDlgSetIoNodeConf::CheckFields(int type)
{
    if (type == kSlaveSlmp16 || type == kSlaveSlmp32) {
        if (!Holds(m_network, rules::kSlmpNetwork)) return Refuse(rules::kSlmpNetwork.message);
        if (!Holds(m_station, rules::kSlmpStation)) return Refuse(rules::kSlmpStation.message);
        if (!Holds(m_processor, rules::kSlmpProcessor)) return Refuse(rules::kSlmpProcessor.message);
    } else if (type == kSlaveModbusTcp) {
        if (!Holds(m_node, rules::kModbusNode)) return Refuse(rules::kModbusNode.message);
    }
    if (!Holds(m_port, rules::kSlavePort)) return Refuse(rules::kSlavePort.message);
    return true;
}

bool CDlgSetIoNodeConf::ConfirmDeletion()
{
    if (!m_address->Text().isEmpty() || !SlaveInUse(m_record, m_slave, SlaveLink::Any)) return true;
    if (!Ui().Confirm({MessageIcon::Information, "I/O channels of deleted slave will be disabled."})) {
        if (SlaveHasAddress(m_record, m_slave)) m_address->SetAddress(m_record.IO.MODBUS_MASTER.NODE[m_slave]);
        return false;
    }
    DisableSlaveChannels(m_record, m_slave);
    return true;
}

bool CDlgSetIoNodeConf::ConfirmTypeConflict()
{
    const bool slmp = m_type->currentIndex() != kSlaveModbusTcp;
    const SlaveLink other = slmp ? SlaveLink::ModbusTcp : SlaveLink::Slmp;
    if (!SlaveInUse(m_record, m_slave, other)) return true;
    const QString text = QStringLiteral("Slave %1 has I/O channel(s) assigned for %2 connection.\n"
                                        "Are you sure to enable the new setting?")
                             .arg(m_slave)
                             .arg(slmp ? QStringLiteral("Modbus/TCP") : QStringLiteral("SLMP"));
    return Ui().Confirm({MessageIcon::Information, text.toStdString()});
}

bool CDlgSetIoNodeConf::Confirm()
{
    if (!CheckFields(m_type->currentIndex())) return false;
    if (m_address->IsPartial()) return Refuse(kMsgIncompleteIpv4);
    if (!ConfirmDeletion()) return false;
    if (!ConfirmTypeConflict()) return false;
    Store();
    return true;
}

void CDlgSetIoNodeConf::Store()
{
    SlaveTable& t = m_record.IO.MODBUS_MASTER;
    char* node = t.NODE[m_slave];
    // A stored text that is no dotted address stays as it is unless the
    // user edited the address.
    std::fill(node, node + sizeof t.NODE[m_slave], '\0');
    const QByteArray text = m_address->Text().toLatin1();
    std::copy_n(text.constData(), std::min<size_t>(text.size(), sizeof t.NODE[m_slave] - 1), node);
    t.SLAVE_TYPE[m_slave] = m_type->currentIndex();
    t.DEV_ID[m_slave] = static_cast<uint8_t>(UnsignedValue(m_node));
    t.PORT[m_slave] = static_cast<uint16_t>(UnsignedValue(m_port));
    t.SLMP_NO[m_slave] = static_cast<uint8_t>(UnsignedValue(m_network));
    t.SLMP_SS[m_slave] = static_cast<uint8_t>(UnsignedValue(m_station));
    t.SLMP_CPU[m_slave] = static_cast<uint16_t>(HexValue(m_processor));
}

}  // namespace volmar::gui
