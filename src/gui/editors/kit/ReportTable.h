#pragma once
// A report-style list: fixed columns with grid lines, whole rows selected
// one at a time, nothing edited in place.
#include <QStringList>
#include <QTableWidget>
#include <vector>

namespace volmar::gui::kit {

struct Column {
    const char* title;
    int width;
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
};

}  // namespace volmar::gui::kit
