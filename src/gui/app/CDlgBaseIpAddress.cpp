#include "gui/app/CDlgBaseIpAddress.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/RecordText.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/Ipv4Edit.h"
#include "gui/common/ScreenFit.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {
namespace {

constexpr int kManual = 0;

constexpr const char* kCaptions[] = {"IP address", "Subnet mask", "Default gateway", "Preferred DNS",
                                     "Alternate DNS"};

std::array<char*, 5> AddressFields(IpAddressBlock& block)
{
    return {block.MY, block.SUBNETMASK, block.DEFAULT_GATEWAY, block.DNS1, block.DNS2};
}

}  // namespace

CDlgBaseIpAddress::CDlgBaseIpAddress(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Network"));
    IpAddressBlock& block = m_record.COM.TCP_IP.IP_ADDRESS;
    m_mode = new QComboBox(this);
    kit::Fill(m_mode, entries::Dhcp);
    m_mode->setCurrentIndex(block.DHCP == kManual ? 0 : 1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("IP address setting"), m_mode);
    const std::array<char*, 5> fields = AddressFields(block);
    for (size_t i = 0; i < m_addresses.size(); ++i) {
        m_addresses[i] = new kit::Ipv4Edit(this);
        m_addresses[i]->SetAddress(fields[i]);
        form->addRow(QString::fromUtf8(kCaptions[i]), m_addresses[i]);
    }
    m_upload = new QPushButton(QStringLiteral("Upload to device"), this);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_upload);
    buttons->addWidget(m_back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Save and restart to enable setting."), this));
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);

    connect(m_mode, &QComboBox::currentIndexChanged, this, &CDlgBaseIpAddress::UpdateEnabled);
    connect(m_upload, &QPushButton::clicked, this, &CDlgBaseIpAddress::OnUpload);
    connect(m_back, &QPushButton::clicked, this, &QDialog::reject);
    UpdateEnabled();
    kit::FitOnFirstShow(this);
}

void CDlgBaseIpAddress::UpdateEnabled()
{
    const bool usb = SerialLinkSelected(m_ctx.link);
    m_mode->setEnabled(usb);
    m_upload->setEnabled(usb);
    for (kit::Ipv4Edit* edit : m_addresses) edit->setEnabled(usb && m_mode->currentIndex() == kManual);
}

void CDlgBaseIpAddress::OnUpload()
{
    if (!SerialLinkSelected(m_ctx.link)) return;
    // An address with some fields left blank is no address at all.
    for (const kit::Ipv4Edit* edit : m_addresses) {
        if (edit->IsPartial()) {
            kit::Refuse(m_ctx.ui, kit::kMsgIncompleteIpv4);
            return;
        }
    }
    if (!m_ctx.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return;
    IpAddressBlock& block = m_record.COM.TCP_IP.IP_ADDRESS;
    block.DHCP = m_mode->currentIndex() == kManual ? 0 : 1;
    const std::array<char*, 5> fields = AddressFields(block);
    for (size_t i = 0; i < m_addresses.size(); ++i)
        StoreRecordText(fields[i], sizeof block.MY, m_addresses[i]->Text());
    std::string document;
    WriteNetworkDocument(document, m_record);
    UploadPartialDocument(m_ctx, this, document);
}

void CDlgBaseIpAddress::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) return;
    QDialog::keyPressEvent(event);
}

}  // namespace volmar::gui
