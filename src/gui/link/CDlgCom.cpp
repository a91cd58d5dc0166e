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

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"
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

CDlgCom::CDlgCom(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Connect"));

    auto* netBox = new QGroupBox(this);
    network_ = new QRadioButton(QStringLiteral("Network"), netBox);
    units_ = new QComboBox(netBox);
    units_->setMinimumContentsLength(20);
    addressBook_ = new QPushButton(QStringLiteral("Set network address"), netBox);
    tcpPort_ = new QLineEdit(netBox);
    tcpPort_->setMaximumWidth(90);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(units_, 1);
    unitRow->addWidget(addressBook_);
    auto* netForm = new QFormLayout;
    netForm->setContentsMargins(20, 0, 0, 0);
    netForm->addRow(unitRow);
    netForm->addRow(QStringLiteral("Port address (Default: 30321)"), tcpPort_);
    auto* netLayout = new QVBoxLayout(netBox);
    netLayout->addWidget(network_);
    netLayout->addLayout(netForm);

    auto* usbBox = new QGroupBox(this);
    usb_ = new QRadioButton(QStringLiteral("USB"), usbBox);
    ports_ = new QComboBox(usbBox);
    ports_->setMinimumContentsLength(28);
    device_ = new QLineEdit(usbBox);
    device_->setPlaceholderText(QStringLiteral("/dev/ttyACM0, /dev/serial/by-id/..."));
    // Room for a typical /dev/serial/by-id name.
    device_->setMinimumWidth(device_->fontMetrics().horizontalAdvance(QLatin1Char('m')) * 36);
    device_->setToolTip(QStringLiteral("The device this port number stands for; any serial device path."));
    auto* usbForm = new QFormLayout;
    usbForm->setContentsMargins(20, 0, 0, 0);
    usbForm->addRow(QStringLiteral("COM"), ports_);
    usbForm->addRow(QStringLiteral("Device"), device_);
    auto* usbLayout = new QVBoxLayout(usbBox);
    usbLayout->addWidget(usb_);
    usbLayout->addLayout(usbForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(netBox);
    layout->addWidget(usbBox);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCom::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCom::reject);
    connect(addressBook_, &QPushButton::clicked, this, &CDlgCom::EditAddressBook);
    // The radios sit in two boxes: one group keeps them exclusive.
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(network_);
    kinds->addButton(usb_);
    for (QRadioButton* radio : {network_, usb_}) {
        connect(radio, &QRadioButton::clicked, this, [this, radio] {
            ApplyLinkKind();
            radio->setFocus();
        });
    }
    connect(ports_, &QComboBox::currentIndexChanged, this, &CDlgCom::ShowDevice);

    // The serial ports, the selected number first or else the first.
    Profile& p = ctx_.profile;
    portList_ = ctx_.PortList();
    for (const ComPortEntry& e : portList_) ports_->addItem(Q(e.name));
    const int com = p.GetInt(kProfileSection, kPrefCom, 1);
    ports_->setCurrentIndex(com >= 1 && com <= ports_->count() ? com - 1 : 0);
    ShowDevice(ports_->currentIndex());

    FillUnits();
    SelectUnit(Q(p.GetText(kProfileSection, kPrefNet, "")));
    tcpPort_->setText(QString::number(p.GetInt(kProfileSection, kPrefNetPort, kDefaultTcpPort)));
    (p.GetInt(kProfileSection, kPrefComType, 1) == 1 ? usb_ : network_)->setChecked(true);
    ApplyLinkKind();
}

void CDlgCom::FillUnits()
{
    units_->clear();
    for (const AddressBookEntry& e : ReadAddressBook(ctx_.profile)) {
        if (e.Used()) units_->addItem(Q(e.name));
    }
}

void CDlgCom::SelectUnit(const QString& name)
{
    const int i = units_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    units_->setCurrentIndex(i >= 0 ? i : (units_->count() > 0 ? 0 : -1));
}

void CDlgCom::ApplyLinkKind()
{
    const bool net = network_->isChecked();
    units_->setEnabled(net);
    addressBook_->setEnabled(net);
    tcpPort_->setEnabled(net);
    ports_->setEnabled(!net);
    device_->setEnabled(!net);
}

void CDlgCom::ShowDevice(int position)
{
    const bool known = position >= 0 && position < static_cast<int>(portList_.size());
    device_->setText(known ? Q(portList_[position].device) : QString());
    device_->setCursorPosition(0);
}

void CDlgCom::EditAddressBook()
{
    CDlgNetList list(ctx_, this);
    list.exec();
    FillUnits();
    const QString net = Q(ctx_.profile.GetText(kProfileSection, kPrefNet, ""));
    const int i = units_->findText(net, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0) {
        units_->setCurrentIndex(i);
    } else if (units_->count() > 0) {
        units_->setCurrentIndex(0);
        ctx_.profile.SetText(kProfileSection, kPrefNet, units_->currentText().toStdString());
    }
}

void CDlgCom::accept()
{
    Profile& p = ctx_.profile;
    if (network_->isChecked()) {
        int64_t port = 0;
        if (!CheckSignedRange(tcpPort_->text().trimmed().toStdString(), 0, 65535, &port)) {
            ctx_.ui.Show({MessageIcon::Warning, kMsgPortRange});
            return;
        }
        if (units_->currentIndex() < 0) {
            ctx_.ui.Show({MessageIcon::Warning, kMsgSelectAddress});
            return;
        }
        p.SetInt(kProfileSection, kPrefNetPort, static_cast<int>(port));
        p.SetInt(kProfileSection, kPrefComType, 0);
        p.SetText(kProfileSection, kPrefNet, units_->currentText().toStdString());
    } else {
        const int number = ports_->currentIndex() + 1;
        p.SetInt(kProfileSection, kPrefComType, 1);
        p.SetInt(kProfileSection, kPrefCom, number);
        const std::string device = device_->text().trimmed().toStdString();
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

VOLMAR_SCREENSHOT("connect", [](ScreenshotEnv& env) { return std::make_unique<CDlgCom>(env.app); });

}  // namespace volmar::gui
