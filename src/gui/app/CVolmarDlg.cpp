#include "gui/app/CVolmarDlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/app/AppIcon.h"
#include "gui/app/CAboutDlg.h"
#include "core/common/FileIo.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/link/DeviceOperation.h"
#include "gui/link/LinkSelection.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/settings/DocumentReader.h"

namespace volmar::gui {
namespace {

// Larger files are no settings documents (the unit takes 2 MiB).
constexpr size_t kMaxSettingsFile = 16u << 20;

// A focused button takes Enter; "Quit" is the default button whenever no
// other button has the focus.
QPushButton* Button(const char* text, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setAutoDefault(true);
    b->setMinimumWidth(180);
    return b;
}

QGroupBox* Group(const char* title, std::initializer_list<QWidget*> widgets, QWidget* parent)
{
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch(1);
    return box;
}

QLabel* StatusLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    line->setMinimumWidth(320);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

}  // namespace

CVolmarDlg::CVolmarDlg(AppContext& ctx, MainRoutes routes, QWidget* parent)
    : QDialog(parent), ctx_(ctx), routes_(std::move(routes)), record_(std::make_unique<SettingRecord>())
{
    ResetSettingRecord(*record_);
    setWindowTitle(QStringLiteral("VOLMAR"));
    setWindowIcon(AppIcon());

    newSetting_ = Button("New setting", this);
    download_ = Button("Download from device", this);
    readFile_ = Button("Read file", this);
    maintenance_ = Button("Maintenance", this);
    terminalLog_ = Button("Terminal log", this);
    networkAccess_ = Button("VOLMAR via network", this);
    network_ = Button("Network", this);
    connect_ = Button("Connect", this);
    connect_->setMinimumWidth(110);
    line1_ = StatusLine(this);
    line2_ = StatusLine(this);
    confirm_ = new QCheckBox(QStringLiteral("Confirm access mode when connecting."), this);
    auto* quit = new QPushButton(QStringLiteral("Quit"), this);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setDefault(true);
    auto* about = new QPushButton(QStringLiteral("&About VOLMAR..."), this);
    about->setAutoDefault(true);

    auto* access = new QGroupBox(QStringLiteral("Access mode"), this);
    auto* accessLayout = new QGridLayout(access);
    accessLayout->addWidget(line1_, 0, 0);
    accessLayout->addWidget(line2_, 1, 0);
    accessLayout->addWidget(confirm_, 2, 0);
    accessLayout->addWidget(connect_, 0, 1, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    accessLayout->setColumnStretch(0, 1);

    auto* groups = new QGridLayout;
    groups->addWidget(Group("Configuration", {newSetting_, download_, readFile_}, this), 0, 0, 2, 1);
    groups->addWidget(Group("Maintenance", {maintenance_, terminalLog_}, this), 0, 1);
    groups->addWidget(Group("General", {networkAccess_, network_}, this), 1, 1);
    groups->addWidget(access, 2, 0, 1, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(about);
    bottom->addStretch(1);
    bottom->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(newSetting_, &QPushButton::clicked, this, &CVolmarDlg::NewSetting);
    connect(download_, &QPushButton::clicked, this, &CVolmarDlg::DownloadFromDevice);
    connect(readFile_, &QPushButton::clicked, this, &CVolmarDlg::ReadFile);
    connect(maintenance_, &QPushButton::clicked, this, &CVolmarDlg::Maintenance);
    connect(terminalLog_, &QPushButton::clicked, this, &CVolmarDlg::TerminalLog);
    connect(networkAccess_, &QPushButton::clicked, this, &CVolmarDlg::NetworkAccess);
    connect(network_, &QPushButton::clicked, this, &CVolmarDlg::Network);
    connect(connect_, &QPushButton::clicked, this, &CVolmarDlg::Connect);
    connect(about, &QPushButton::clicked, this, &CVolmarDlg::About);
    connect(quit, &QPushButton::clicked, this, &CVolmarDlg::accept);

    confirm_->setChecked(ctx_.profile.GetInt(kProfileSection, kPrefConnectConfirm, 1) != 0);
    connect(confirm_, &QCheckBox::toggled, this,
            [this](bool on) { ctx_.profile.SetInt(kProfileSection, kPrefConnectConfirm, on ? 1 : 0); });
    RefreshLink();
}

CVolmarDlg::~CVolmarDlg() = default;

void CVolmarDlg::RefreshLink()
{
    const LinkDescription d = DescribeLink(ctx_.link, ctx_.profile, ctx_.PortNames());
    line1_->setText(QString::fromStdString(d.accessMode));
    line2_->setText(QString::fromStdString(d.device));
    terminalLog_->setEnabled(ctx_.link.kind == LinkKind::Usb);
}

bool CVolmarDlg::RunAccessCheck()
{
    OperationWindow owner(this);
    const bool ok = ConfirmAccessModeIfOn(ctx_.link, ctx_.ui, ctx_.profile);
    RefreshLink();
    return ok;
}

bool CVolmarDlg::AskLoginFirst(EarlyLogin& login)
{
    OperationWindow owner(this);
    return login.Ask();
}

void CVolmarDlg::NewSetting()
{
    filePath_.clear();
    ResetSettingRecord(*record_);
    routes_.openHub(this, *record_, filePath_);
    RefreshLink();
}

void CVolmarDlg::DownloadFromDevice()
{
    if (!RunAccessCheck()) return;
    EarlyLogin login(ctx_.link, ctx_.ui);
    if (!AskLoginFirst(login)) return;
    const bool ok = RunDeviceOperation(
        this, [&] { return DownloadSetting(ctx_.link, login.Ui(), ctx_.profile, *record_, ctx_.linkOptions); });
    if (ok) {
        routes_.openHub(this, *record_, filePath_);
    }
    RefreshLink();
}

void CVolmarDlg::ReadFile()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("QNSET File(*.xml)"));
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    if (!filePath_.empty()) dialog.selectFile(QString::fromStdString(filePath_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    LoadFile(dialog.selectedFiles().constFirst());
}

void CVolmarDlg::LoadFile(const QString& path)
{
    std::string bytes;
    const std::string file = path.toStdString();
    if (!ReadWholeFile(file, kMaxSettingsFile, bytes)) {
        ctx_.ui.Show({MessageIcon::Error, "Failed to Open File"});
        return;
    }
    filePath_ = file;
    ResetSettingRecord(*record_);
    const ConvertResult loaded = ConvertSettingDocument(*record_, bytes.data(), bytes.size(),
                                                        ctx_.profile.GetInt(kProfileSection, kPrefTagMessage, 1) != 0);
    if (loaded.hasMessage) ctx_.ui.Show(loaded.message);
    if (loaded.ok) routes_.openHub(this, *record_, filePath_);
    RefreshLink();
}

void CVolmarDlg::Maintenance()
{
    if (!RunAccessCheck()) return;
    EarlyLogin login(ctx_.link, ctx_.ui);
    if (!AskLoginFirst(login)) return;
    LinkContext link{ctx_.link, login.Ui(), ctx_.profile, ctx_.linkOptions};
    if (RunDeviceOperation(this, [&link] { return CheckSelectedUnit(link); })) routes_.openMaintenance(this);
    RefreshLink();
}

void CVolmarDlg::TerminalLog()
{
    if (ctx_.link.kind != LinkKind::Usb) return;
    routes_.openTerminalLog(this);
    RefreshLink();
}

void CVolmarDlg::NetworkAccess()
{
    if (!RunAccessCheck()) return;
    routes_.openNetworkAccess(this, *record_);
    RefreshLink();
}

void CVolmarDlg::Network()
{
    if (!RunAccessCheck()) return;
    routes_.openNetworkAddress(this, *record_);
    RefreshLink();
}

void CVolmarDlg::Connect()
{
    ChangeLink(this, ctx_);
    RefreshLink();
}

void CVolmarDlg::About()
{
    CAboutDlg about(this);
    about.exec();
}

VOLMAR_SCREENSHOT("main", [](ScreenshotEnv& env) {
    return std::make_unique<CVolmarDlg>(env.app, DefaultRoutes(env.app));
});

}  // namespace volmar::gui
