#include "gui/editors/kit/ReportTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <algorithm>

namespace volmar::gui::kit {

ReportTable::ReportTable(const std::vector<Column>& columns, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columns.size()), parent)
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QStringList titles;
    for (const Column& column : columns) titles << QString::fromUtf8(column.title);
    setHorizontalHeaderLabels(titles);
    // Each column is as wide as asked, or as its title needs in the style
    // and font in use, so that no title is cut ("Engineering unit").
    int width = 0;
    for (int i = 0; i < columnCount(); ++i) {
        const int w = std::max(columns[static_cast<size_t>(i)].width, horizontalHeader()->sectionSizeHint(i));
        setColumnWidth(i, w);
        width += w;
    }
    setMinimumWidth(width + 2 * frameWidth() + 20);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void ReportTable::SetRows(int rows)
{
    setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (!item(r, c)) setItem(r, c, new QTableWidgetItem);
        }
    }
}

void ReportTable::SetRowTexts(int row, const QStringList& texts)
{
    for (int c = 0; c < columnCount(); ++c) {
        item(row, c)->setText(c < texts.size() ? texts[c] : QString());
    }
}

int ReportTable::SelectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

}  // namespace volmar::gui::kit

namespace volmar::gui::kit {

void ReportTable::keyPressEvent(QKeyEvent* event)
{
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier);
    if (opens && currentRow() >= 0 && isSignalConnected(QMetaMethod::fromSignal(&ReportTable::RowActivated))) {
        event->accept();
        emit RowActivated(currentRow());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace volmar::gui::kit
