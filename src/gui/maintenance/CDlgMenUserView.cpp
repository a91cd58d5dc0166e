#include "gui/maintenance/CDlgMenUserView.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/BackgroundJob.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/UserView.h"

namespace volmar::gui {

CDlgMenUserView::CDlgMenUserView(AppContext& app, QWidget* parent)
    : CDlgMenBase(app, "User defined browser view", parent), m_folder(new QLineEdit(this))
{
    m_folder->setText(QString::fromStdString(app.profile.GetText(kProfileSection, kPrefUserView, "")));
    m_folder->setMinimumWidth(360);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setFixedWidth(32);
    auto* upload = new QPushButton(QStringLiteral("Convert && Upload to device"), this);
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Folder"), this), 0, 0);
    grid->addWidget(m_folder, 0, 1);
    grid->addWidget(browse, 0, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(upload);
    buttons->addWidget(reset);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1, 1, 2);
    Body()->addLayout(grid);
    connect(browse, &QPushButton::clicked, this, &CDlgMenUserView::Browse);
    connect(upload, &QPushButton::clicked, this, &CDlgMenUserView::Upload);
    connect(reset, &QPushButton::clicked, this, &CDlgMenUserView::Reset);
}

void CDlgMenUserView::Browse()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Select folder"), m_folder->text());
    if (chosen.isEmpty()) return;
    m_folder->setText(chosen);
    App().profile.SetText(kProfileSection, kPrefUserView, chosen.toStdString());
}

void CDlgMenUserView::Upload()
{
    const std::string folder = m_folder->text().toStdString();
    if (folder.empty()) {
        App().ui.Show({MessageIcon::Error, kMsgSpecifyFolder});
        return;
    }
    if (!AskBeforeLink(App(), this, kAskConvertUserView)) return;
    UserViewContainers containers;
    Message error;
    // Reading and compressing up to 4 MiB happens off the window's thread.
    if (!RunBehindWaitWindow(this, [&] { return PackUserView(folder, containers, &error); })) {
        App().ui.Show(error);
        return;
    }
    Run([&](LinkContext& ctx) { return UploadUserView(ctx, containers); });
}

void CDlgMenUserView::Reset()
{
    if (!AskBeforeLink(App(), this, kAskResetUserView)) return;
    Run([](LinkContext& ctx) { return ResetUserView(ctx); });
}

}  // namespace volmar::gui
