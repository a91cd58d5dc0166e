#include "gui/app/CDlgBaseIpAddress.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/common/DialogKeys.h"
#include "gui/common/RecordText.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/Ipv4Edit.h"
#include "gui/editors/kit/ScreenFit.h"
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
    : QDialog(parent), record_(record), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Network"));
    IpAddressBlock& block = record_.COM.TCP_IP.IP_ADDRESS;
    mode_ = new QComboBox(this);
    kit::Fill(mode_, entries::Dhcp);
    mode_->setCurrentIndex(block.DHCP == kManual ? 0 : 1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("IP address setting"), mode_);
    const std::array<char*, 5> fields = AddressFields(block);
    for (size_t i = 0; i < addresses_.size(); ++i) {
        addresses_[i] = new kit::Ipv4Edit(this);
        addresses_[i]->SetAddress(fields[i]);
        form->addRow(QString::fromUtf8(kCaptions[i]), addresses_[i]);
    }
    upload_ = new QPushButton(QStringLiteral("Upload to device"), this);
    back_ = new QPushButton(QStringLiteral("Back"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(upload_);
    buttons->addWidget(back_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Save and restart to enable setting."), this));
    layout->addLayout(buttons);
    StopButtonsTakingEnter(this);

    connect(mode_, &QComboBox::currentIndexChanged, this, &CDlgBaseIpAddress::UpdateEnabled);
    connect(upload_, &QPushButton::clicked, this, &CDlgBaseIpAddress::OnUpload);
    connect(back_, &QPushButton::clicked, this, &QDialog::reject);
    UpdateEnabled();
    kit::FitOnFirstShow(this);
}

void CDlgBaseIpAddress::UpdateEnabled()
{
    const bool usb = ctx_.link.kind == LinkKind::Usb;
    mode_->setEnabled(usb);
    upload_->setEnabled(usb);
    for (kit::Ipv4Edit* edit : addresses_) edit->setEnabled(usb && mode_->currentIndex() == kManual);
}

void CDlgBaseIpAddress::OnUpload()
{
    if (ctx_.link.kind != LinkKind::Usb) return;
    // An address with some fields left blank is no address at all.
    for (const kit::Ipv4Edit* edit : addresses_) {
        if (edit->IsPartial()) {
            kit::Refuse(ctx_.ui, kit::kMsgIncompleteIpv4);
            return;
        }
    }
    if (!ctx_.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return;
    IpAddressBlock& block = record_.COM.TCP_IP.IP_ADDRESS;
    block.DHCP = mode_->currentIndex() == kManual ? 0 : 1;
    const std::array<char*, 5> fields = AddressFields(block);
    for (size_t i = 0; i < addresses_.size(); ++i)
        StoreRecordText(fields[i], sizeof block.MY, addresses_[i]->Text());
    std::string document;
    WriteNetworkDocument(document, record_);
    UploadPartialDocument(ctx_, this, document);
}

void CDlgBaseIpAddress::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event)) return;
    QDialog::keyPressEvent(event);
}

VOLMAR_SCREENSHOT("network", [](ScreenshotEnv& env) {
    return std::make_unique<CDlgBaseIpAddress>(env.record, env.app);
});

}  // namespace volmar::gui
