#include "gui/maintenance/CDlgMenMain.h"

#include <QGridLayout>
#include <QPushButton>

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "gui/maintenance/MaintenanceRun.h"

namespace volmar::gui {

CDlgMenMain::CDlgMenMain(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Maintenance"));
    auto* grid = new QGridLayout(this);
    int i = 0;
    for (const auto& [caption, action] : MaintenanceButtons(app, *this)) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setAutoDefault(false);
        button->setMinimumWidth(200);
        connect(button, &QPushButton::clicked, this, action);
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(back, (i + 1) / 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CDlgMenMain::Button(const QString& caption) const
{
    for (auto* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void CDlgMenMain::FtpClientTest()
{
    if (!AskBeforeLink(m_app, this, kAskProceed)) return;
    RunMaintenance(m_app, this, [](LinkContext& ctx) { return RunFtpClientTest(ctx); });
}

}  // namespace volmar::gui
