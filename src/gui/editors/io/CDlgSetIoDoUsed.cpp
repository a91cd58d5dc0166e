#include "gui/editors/io/CDlgSetIoDoUsed.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editors/kit/EditorDialog.h"
#include "gui/editors/kit/ReportTable.h"
#include "core/settings/DoUses.h"

namespace volmar::gui {

CDlgSetIoDoUsed::CDlgSetIoDoUsed(const SettingRecord& record, QWidget* parent)
    : QDialog(parent), m_table(new kit::ReportTable({{"CH", 80}, {"Function", 150}, {"Detail", 260}}, this))
{
    setWindowTitle(QStringLiteral("Which functions assigned to DO?"));
    const std::vector<DoUse> rows = DoUses(record);
    m_table->SetRows(static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        m_table->SetRowTexts(static_cast<int>(i), {QString::fromStdString(rows[i].channel),
                                                   QString::fromStdString(rows[i].function),
                                                   QString::fromStdString(rows[i].detail)});
    }
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * 16);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* back = kit::MakeButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("back"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(back);
    layout->addLayout(buttons);
}

}  // namespace volmar::gui
