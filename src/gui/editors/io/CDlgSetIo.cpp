#include "gui/editors/io/CDlgSetIo.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/common/EditorOpeners.h"

namespace volmar::gui {

CDlgSetIo::CDlgSetIo(SettingRecord& record, AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_record(record), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Input/Output"));
    auto* layout = new QVBoxLayout(this);
    const EditorSlot menu[] = {EditorSlot::IoSlave,      EditorSlot::AnalogInput,   EditorSlot::DiscreteInput,
                                EditorSlot::PulseInput,   EditorSlot::FunctionInput, EditorSlot::DiscreteOutput};
    for (EditorSlot slot : menu) {
        auto* button = new QPushButton(QString::fromUtf8(EditorCaption(slot)), this);
        button->setMinimumHeight(30);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, slot] { OpenerFor(slot)(m_record, m_ctx, this); });
        layout->addWidget(button);
    }
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
