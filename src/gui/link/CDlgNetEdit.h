#pragma once
// The entry editor of the address book: one slot's device name and its
// domain name or IPv4 address. A name another slot carries is refused.
#include <QDialog>
#include <QStringList>

class QLineEdit;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgNetEdit : public QDialog {
    Q_OBJECT
public:
    // names: the names of all 32 slots; row: the slot edited (its own name
    // is no duplicate).
    CDlgNetEdit(Interaction& ui, const QString& name, const QString& address, QStringList names, int row,
                QWidget* parent = nullptr);

    QString name() const;
    QString address() const;
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* addressEdit() const { return m_address; }

public slots:
    void accept() override;

private:
    Interaction& m_ui;
    QStringList m_names;
    int m_row;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
};

}  // namespace volmar::gui
