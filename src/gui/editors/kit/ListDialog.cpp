#include "gui/editors/kit/ListDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editors/kit/EditorDialog.h"
#include "gui/common/ScreenFit.h"

namespace volmar::gui::kit {

ListDialog::ListDialog(const QString& title, const std::vector<Column>& columns, QWidget* parent)
    : QDialog(parent), m_table(new ReportTable(columns, this))
{
    setWindowTitle(title);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_table);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    outer->addLayout(m_buttons);
    QPushButton* back = MakeButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("back"));
    m_buttons->addWidget(back);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { OnDoubleClick(row); });
    connect(m_table, &ReportTable::RowActivated, this, &ListDialog::OnDoubleClick);
    connect(m_table, &QWidget::customContextMenuRequested, this, &ListDialog::OnMenu);
    FitOnFirstShow(this);
}

void ListDialog::Populate(int rows)
{
    m_table->SetRows(rows);
    for (int r = 0; r < rows; ++r) RefreshRow(r);
    m_table->setMinimumHeight(m_table->horizontalHeader()->height() +
                              m_table->verticalHeader()->defaultSectionSize() * std::min(rows, 16) +
                              2 * m_table->frameWidth());
}

void ListDialog::RefreshRow(int row) { m_table->SetRowTexts(row, RowTexts(row)); }

QPushButton* ListDialog::AddButton(const QString& text)
{
    QPushButton* button = MakeButton(text, this);
    m_buttons->insertWidget(m_buttons->count() - 1, button);
    return button;
}

QPushButton* ListDialog::AddLeadingButton(const QString& text)
{
    QPushButton* button = MakeButton(text, this);
    m_buttons->insertWidget(m_leadingButtons++, button);
    return button;
}

void ListDialog::OnDoubleClick(int row)
{
    if (row < 0 || !RowEnabled(row)) return;
    OpenRow(row);
    RefreshRow(row);
}

void ListDialog::OnMenu(const QPoint& pos)
{
    const int row = m_table->rowAt(pos.y());
    if (row < 0 || !RowEnabled(row)) return;
    m_table->selectRow(row);
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Copy"));
    QAction* paste = menu.addAction(QStringLiteral("Paste"));
    paste->setEnabled(m_copySource >= 0);
    connect(copy, &QAction::triggered, this, [this, row] { m_copySource = row; });
    connect(paste, &QAction::triggered, this, [this, row] {
        if (m_copySource < 0) return;
        PasteRow(m_copySource, row);
        RefreshRow(row);
    });
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

}  // namespace volmar::gui::kit
