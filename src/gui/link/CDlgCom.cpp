#include "gui/link/CDlgCom.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/link/CDlgNetList.h"
#include "core/link/connect/AddressBook.h"
#include "core/settings/ValueText.h"

namespace volmar::gui {
namespace {

constexpr const char* kMsgPortRange = "Out of port address (0 to 65535) range";
constexpr const char* kMsgSelectAddress = "Select network address.";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

CDlgCom::CDlgCom(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Connect"));

    auto* netBox = new QGroupBox(this);
    m_network = new QRadioButton(QStringLiteral("Network"), netBox);
    m_units = new QComboBox(netBox);
    m_units->setMinimumContentsLength(20);
    m_addressBook = new QPushButton(QStringLiteral("Set network address"), netBox);
    m_tcpPort = new QLineEdit(netBox);
    m_tcpPort->setMaximumWidth(90);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(m_units, 1);
    unitRow->addWidget(m_addressBook);
    auto* netForm = new QFormLayout;
    netForm->setContentsMargins(20, 0, 0, 0);
    netForm->addRow(unitRow);
    netForm->addRow(QStringLiteral("Port address (Default: 30321)"), m_tcpPort);
    auto* netLayout = new QVBoxLayout(netBox);
    netLayout->addWidget(m_network);
    netLayout->addLayout(netForm);

    auto* usbBox = new QGroupBox(this);
    m_usb = new QRadioButton(QStringLiteral("USB"), usbBox);
    m_ports = new QComboBox(usbBox);
    m_ports->setMinimumContentsLength(28);
    m_device = new QLineEdit(usbBox);
    m_device->setPlaceholderText(QStringLiteral("/dev/ttyACM0, /dev/serial/by-id/..."));
    // Room for a typical /dev/serial/by-id name.
    m_device->setMinimumWidth(m_device->fontMetrics().horizontalAdvance(QLatin1Char('m')) * 36);
    m_device->setToolTip(QStringLiteral("The device this port number stands for; any serial device path."));
    auto* usbForm = new QFormLayout;
    usbForm->setContentsMargins(20, 0, 0, 0);
    usbForm->addRow(QStringLiteral("COM"), m_ports);
    usbForm->addRow(QStringLiteral("Device"), m_device);
    auto* usbLayout = new QVBoxLayout(usbBox);
    usbLayout->addWidget(m_usb);
    usbLayout->addLayout(usbForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(netBox);
    layout->addWidget(usbBox);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCom::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCom::reject);
    connect(m_addressBook, &QPushButton::clicked, this, &CDlgCom::EditAddressBook);
    // The radios sit in two boxes: one group keeps them exclusive.
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(m_network);
    kinds->addButton(m_usb);
    for (QRadioButton* radio : {m_network, m_usb}) {
        connect(radio, &QRadioButton::clicked, this, [this, radio] {
            ApplyLinkKind();
            radio->setFocus();
        });
    }
    connect(m_ports, &QComboBox::currentIndexChanged, this, &CDlgCom::ShowDevice);

    // The serial ports, the selected number first or else the first.
    Profile& p = m_ctx.profile;
    m_portList = m_ctx.PortList();
    for (const ComPortEntry& e : m_portList) m_ports->addItem(Q(e.name));
    const int com = p.GetInt(kProfileSection, kPrefCom, 1);
    m_ports->setCurrentIndex(com >= 1 && com <= m_ports->count() ? com - 1 : 0);
    ShowDevice(m_ports->currentIndex());

    FillUnits();
    SelectUnit(Q(p.GetText(kProfileSection, kPrefNet, "")));
    m_tcpPort->setText(QString::number(p.GetInt(kProfileSection, kPrefNetPort, kDefaultTcpPort)));
    (p.GetInt(kProfileSection, kPrefComType, 1) == 1 ? m_usb : m_network)->setChecked(true);
    ApplyLinkKind();
}

void CDlgCom::FillUnits()
{
    m_units->clear();
    for (const AddressBookEntry& e : ReadAddressBook(m_ctx.profile)) {
        if (e.Used()) m_units->addItem(Q(e.name));
    }
}

void CDlgCom::SelectUnit(const QString& name)
{
    const int i = m_units->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_units->setCurrentIndex(i >= 0 ? i : (m_units->count() > 0 ? 0 : -1));
}

void CDlgCom::ApplyLinkKind()
{
    const bool net = m_network->isChecked();
    m_units->setEnabled(net);
    m_addressBook->setEnabled(net);
    m_tcpPort->setEnabled(net);
    m_ports->setEnabled(!net);
    m_device->setEnabled(!net);
}

void CDlgCom::ShowDevice(int position)
{
    const bool known = position >= 0 && position < static_cast<int>(m_portList.size());
    m_device->setText(known ? Q(m_portList[position].device) : QString());
    m_device->setCursorPosition(0);
}

void CDlgCom::EditAddressBook()
{
    CDlgNetList list(m_ctx, this);
    list.exec();
    FillUnits();
    const QString net = Q(m_ctx.profile.GetText(kProfileSection, kPrefNet, ""));
    const int i = m_units->findText(net, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0) {
        m_units->setCurrentIndex(i);
    } else if (m_units->count() > 0) {
        m_units->setCurrentIndex(0);
        m_ctx.profile.SetText(kProfileSection, kPrefNet, m_units->currentText().toStdString());
    }
}

void CDlgCom::accept()
{
    Profile& p = m_ctx.profile;
    if (m_network->isChecked()) {
        int64_t port = 0;
        if (!CheckSignedRange(m_tcpPort->text().trimmed().toStdString(), 0, 65535, &port)) {
            m_ctx.ui.Show({MessageIcon::Warning, kMsgPortRange});
            return;
        }
        if (m_units->currentIndex() < 0) {
            m_ctx.ui.Show({MessageIcon::Warning, kMsgSelectAddress});
            return;
        }
        p.SetInt(kProfileSection, kPrefNetPort, static_cast<int>(port));
        p.SetInt(kProfileSection, kPrefComType, 0);
        p.SetText(kProfileSection, kPrefNet, m_units->currentText().toStdString());
    } else {
        const int number = m_ports->currentIndex() + 1;
        p.SetInt(kProfileSection, kPrefComType, 1);
        p.SetInt(kProfileSection, kPrefCom, number);
        const std::string device = m_device->text().trimmed().toStdString();
        // One number per device: an older number for the same device goes.
        for (int other = 1; other <= kListedComPorts; ++other) {
            if (other != number && !device.empty() && p.GetText(kComMapSection, ComMapKey(other), "") == device) {
                p.SetText(kComMapSection, ComMapKey(other), "");
            }
        }
        p.SetText(kComMapSection, ComMapKey(number), device);
    }
    QDialog::accept();
}

}  // namespace volmar::gui
