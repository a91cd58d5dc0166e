#pragma once
// A report-style list: fixed columns with grid lines, whole rows selected
// one at a time, nothing edited in place. Enter or Space on a row opens it
// as a double-click does: the table emits RowActivated (when a list listens
// to it; otherwise the keys go on to the dialog).
#include <QStringList>
#include <QTableWidget>
#include <vector>

namespace volmar::gui::kit {

struct Column {
    const char* title;
    int width;  // at least; wider when the title needs it
};

class ReportTable : public QTableWidget {
    Q_OBJECT
public:
    ReportTable(const std::vector<Column>& columns, QWidget* parent = nullptr);

    // Sets the row count and gives every cell an item.
    void SetRows(int rows);
    // Texts of one row, first column first; missing texts blank the cell.
    void SetRowTexts(int row, const QStringList& texts);
    int SelectedRow() const;

signals:
    // Enter, Return or Space on the current row.
    void RowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace volmar::gui::kit
