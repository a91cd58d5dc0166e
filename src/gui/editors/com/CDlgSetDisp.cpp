#include "gui/editors/com/CDlgSetDisp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetDispPen.h"

namespace volmar::gui {

CDlgSetDisp::CDlgSetDisp(SettingRecord& record, Interaction& ui, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Graph/Display"));
    auto* layout = new QVBoxLayout(this);
    auto* pens = new QPushButton(QStringLiteral("Pen"), this);
    pens->setObjectName(QStringLiteral("pen"));
    pens->setMinimumHeight(30);
    pens->setAutoDefault(false);
    connect(pens, &QPushButton::clicked, this, [this, r = &record, u = &ui] { CDlgSetDispPen(*r, *u, this).exec(); });
    layout->addWidget(pens);
    layout->addSpacing(8);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(back);
    layout->addLayout(row);
    setMinimumWidth(280);
}

}  // namespace volmar::gui
