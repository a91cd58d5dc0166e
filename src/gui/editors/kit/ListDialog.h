#pragma once
// The frame of a list dialog: a report list with one row per entry, a
// double-click (or Enter or Space) that opens the row's editor and redraws
// the row afterwards (confirmed or not), a right-click menu "Copy" / "Paste" that copies one
// row's settings onto another ("Paste" greyed until a row was copied while
// the list is open), and a button row ending in "Back" (more buttons go
// before "Back" or at the row's left end).
//
// A list supplies the texts of a row, whether a row can be opened and
// copied, how a row is opened and how one row is pasted onto another.
#include <QDialog>
#include <QStringList>
#include <vector>

#include "gui/editors/kit/ReportTable.h"

class QHBoxLayout;
class QPushButton;

namespace volmar::gui::kit {

class ListDialog : public QDialog {
    Q_OBJECT
public:
    ReportTable* Table() const { return m_table; }
    // The row remembered by "Copy", or -1.
    int CopySource() const { return m_copySource; }

protected:
    ListDialog(const QString& title, const std::vector<Column>& columns, QWidget* parent);

    // Builds rows 0 to rows - 1 from RowTexts.
    void Populate(int rows);
    void RefreshRow(int row);
    // A button placed before "Back".
    QPushButton* AddButton(const QString& text);
    // A button at the left end of the row, after the ones added so before.
    QPushButton* AddLeadingButton(const QString& text);

    virtual QStringList RowTexts(int row) const = 0;
    virtual bool RowEnabled(int) const { return true; }
    virtual void OpenRow(int row) = 0;
    virtual void PasteRow(int from, int to) = 0;

private:
    void OnDoubleClick(int row);
    void OnMenu(const QPoint& pos);

    ReportTable* m_table;
    QHBoxLayout* m_buttons;
    int m_leadingButtons = 0;
    int m_copySource = -1;
};

}  // namespace volmar::gui::kit
