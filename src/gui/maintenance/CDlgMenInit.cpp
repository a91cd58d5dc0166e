#include "gui/maintenance/CDlgMenInit.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {

CDlgMenInit::CDlgMenInit(AppContext& app, QWidget* parent) : CDlgMenBase(app, "Initialize", parent)
{
    auto* button = new QPushButton(QStringLiteral("Initialize memory block"), this);
    button->setMinimumWidth(240);
    connect(button, &QPushButton::clicked, this, &CDlgMenInit::Initialize);
    Body()->addWidget(button);
}

void CDlgMenInit::Initialize()
{
    if (!AskBeforeLink(App(), this, kAskInitialize)) return;
    Run([](LinkContext& ctx) { return InitializeMemoryBlock(ctx); });
}

}  // namespace volmar::gui
