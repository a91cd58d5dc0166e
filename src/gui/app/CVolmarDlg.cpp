#include "gui/app/CVolmarDlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/app/AppIcon.h"
#include "core/common/FileIo.h"
#include "gui/common/BackgroundJob.h"
#include "gui/common/GuideHelp.h"
#include "gui/link/EarlyLogin.h"
#include "gui/link/LinkSelection.h"
#include "core/link/session/SessionFactory.h"
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
    : QDialog(parent), m_ctx(ctx), m_routes(std::move(routes)), m_record(std::make_unique<SettingRecord>())
{
    ResetSettingRecord(*m_record);
    setWindowTitle(QStringLiteral("VOLMAR"));
    setWindowIcon(AppIcon());

    m_newSetting = Button("New setting", this);
    m_download = Button("Download from device", this);
    m_readFile = Button("Read file", this);
    m_units = Button("Units", this);
    m_maintenance = Button("Maintenance", this);
    m_terminalLog = Button("Terminal log", this);
    m_networkAccess = Button("VOLMAR via network", this);
    m_network = Button("Network", this);
    m_connect = Button("Connect", this);
    m_connect->setMinimumWidth(110);
    m_line1 = StatusLine(this);
    m_line2 = StatusLine(this);
    m_confirm = new QCheckBox(QStringLiteral("Confirm access mode when connecting."), this);
    auto* quit = new QPushButton(QStringLiteral("Quit"), this);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setDefault(true);
    auto* about = new QPushButton(QStringLiteral("&About VOLMAR..."), this);
    about->setAutoDefault(true);
    QPushButton* help = AddGuideHelp(this, kGuideMainPage, m_ctx.ui);
    help->setAutoDefault(true);

    auto* access = new QGroupBox(QStringLiteral("Access mode"), this);
    auto* accessLayout = new QGridLayout(access);
    accessLayout->addWidget(m_line1, 0, 0);
    accessLayout->addWidget(m_line2, 1, 0);
    accessLayout->addWidget(m_confirm, 2, 0);
    accessLayout->addWidget(m_connect, 0, 1, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    accessLayout->setColumnStretch(0, 1);

    auto* groups = new QGridLayout;
    groups->addWidget(Group("Configuration", {m_newSetting, m_download, m_readFile, m_units}, this), 0, 0, 2, 1);
    groups->addWidget(Group("Maintenance", {m_maintenance, m_terminalLog}, this), 0, 1);
    groups->addWidget(Group("General", {m_networkAccess, m_network}, this), 1, 1);
    groups->addWidget(access, 2, 0, 1, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(about);
    bottom->addWidget(help);
    bottom->addStretch(1);
    bottom->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_newSetting, &QPushButton::clicked, this, &CVolmarDlg::NewSetting);
    connect(m_download, &QPushButton::clicked, this, &CVolmarDlg::DownloadFromDevice);
    connect(m_readFile, &QPushButton::clicked, this, &CVolmarDlg::ReadFile);
    connect(m_units, &QPushButton::clicked, this, &CVolmarDlg::Units);
    connect(m_maintenance, &QPushButton::clicked, this, &CVolmarDlg::Maintenance);
    connect(m_terminalLog, &QPushButton::clicked, this, &CVolmarDlg::TerminalLog);
    connect(m_networkAccess, &QPushButton::clicked, this, &CVolmarDlg::NetworkAccess);
    connect(m_network, &QPushButton::clicked, this, &CVolmarDlg::Network);
    connect(m_connect, &QPushButton::clicked, this, &CVolmarDlg::Connect);
    connect(about, &QPushButton::clicked, this, &CVolmarDlg::About);
    connect(quit, &QPushButton::clicked, this, &CVolmarDlg::accept);

    m_confirm->setChecked(m_ctx.profile.GetInt(kProfileSection, kPrefConnectConfirm, 1) != 0);
    connect(m_confirm, &QCheckBox::toggled, this,
            [this](bool on) { m_ctx.profile.SetInt(kProfileSection, kPrefConnectConfirm, on ? 1 : 0); });
    RefreshLink();
}

CVolmarDlg::~CVolmarDlg() = default;

void CVolmarDlg::RefreshLink()
{
    const LinkDescription d = DescribeLink(m_ctx.link, m_ctx.profile, m_ctx.PortNames());
    m_line1->setText(QString::fromStdString(d.accessMode));
    m_line2->setText(QString::fromStdString(d.device));
    m_terminalLog->setEnabled(SerialLinkSelected(m_ctx.link));
}

bool CVolmarDlg::RunAccessCheck()
{
    OperationWindow owner(this);
    const bool ok = ConfirmAccessModeIfOn(m_ctx.link, m_ctx.ui, m_ctx.profile);
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
    m_filePath.clear();
    ResetSettingRecord(*m_record);
    m_routes.openHub(this, *m_record, m_filePath);
    RefreshLink();
}

void CVolmarDlg::DownloadFromDevice()
{
    if (!RunAccessCheck()) return;
    EarlyLogin login(m_ctx.link, m_ctx.ui);
    if (!AskLoginFirst(login)) return;
    const bool ok = RunBehindWaitWindow(
        this, [&] { return DownloadSetting(m_ctx.link, login.Ui(), m_ctx.profile, *m_record, m_ctx.linkOptions); });
    if (ok) {
        m_routes.openHub(this, *m_record, m_filePath);
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
    if (!m_filePath.empty()) dialog.selectFile(QString::fromStdString(m_filePath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    LoadFile(dialog.selectedFiles().constFirst());
}

void CVolmarDlg::LoadFile(const QString& path)
{
    std::string bytes;
    const std::string file = path.toStdString();
    if (!ReadWholeFile(file, kMaxSettingsFile, bytes)) {
        m_ctx.ui.Show({MessageIcon::Error, "Failed to Open File"});
        return;
    }
    m_filePath = file;
    ResetSettingRecord(*m_record);
    const ConvertResult loaded = ConvertSettingDocument(*m_record, bytes.data(), bytes.size(),
                                                        m_ctx.profile.GetInt(kProfileSection, kPrefTagMessage, 1) != 0);
    if (loaded.hasMessage) m_ctx.ui.Show(loaded.message);
    if (loaded.ok) m_routes.openHub(this, *m_record, m_filePath);
    RefreshLink();
}

void CVolmarDlg::Units()
{
    m_routes.openUnits(this);
}

void CVolmarDlg::Maintenance()
{
    if (!RunAccessCheck()) return;
    EarlyLogin login(m_ctx.link, m_ctx.ui);
    if (!AskLoginFirst(login)) return;
    LinkContext link{m_ctx.link, login.Ui(), m_ctx.profile, m_ctx.linkOptions};
    if (RunBehindWaitWindow(this, [&link] { return CheckSelectedUnit(link); })) m_routes.openMaintenance(this);
    RefreshLink();
}

void CVolmarDlg::TerminalLog()
{
    if (!SerialLinkSelected(m_ctx.link)) return;
    m_routes.openTerminalLog(this);
    RefreshLink();
}

void CVolmarDlg::NetworkAccess()
{
    if (!RunAccessCheck()) return;
    m_routes.openNetworkAccess(this, *m_record);
    RefreshLink();
}

void CVolmarDlg::Network()
{
    if (!RunAccessCheck()) return;
    m_routes.openNetworkAddress(this, *m_record);
    RefreshLink();
}

void CVolmarDlg::Connect()
{
    m_routes.openConnect(this);
    RefreshLink();
}

void CVolmarDlg::About() { m_routes.openAbout(this); }

}  // namespace volmar::gui
