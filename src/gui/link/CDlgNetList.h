#pragma once
// The address book ("Set network address"): one row for each of the 32
// slots, empty ones included. A double-click edits a row; OK writes all 32
// slots back, Cancel discards every edit.
#include <QDialog>

class QTableWidget;

namespace volmar::gui {

struct AppContext;

class CDlgNetList : public QDialog {
    Q_OBJECT
public:
    explicit CDlgNetList(AppContext& ctx, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }

public slots:
    void accept() override;
    // Opens the entry editor on a row; an empty name clears the row.
    void EditRow(int row);

private:
    QString Cell(int row, int column) const;
    void SetRow(int row, const QString& name, const QString& address);

    AppContext& m_ctx;
    QTableWidget* m_table = nullptr;
};

}  // namespace volmar::gui
