#pragma once
// The access-mode confirmation ("Confirm access mode") before a device
// operation: the selected link in two read-only lines; "Change" opens the
// Connect dialog, "Connect" goes on, "Cancel" stops the operation.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace volmar::gui {

struct AppContext;

class CDlgCommConfirm : public QDialog {
    Q_OBJECT
public:
    explicit CDlgCommConfirm(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* accessModeLine() const { return m_accessMode; }
    QLineEdit* deviceLine() const { return m_device; }
    QPushButton* changeButton() const { return m_change; }
    QPushButton* connectButton() const { return m_connect; }

public slots:
    void Change();

private:
    void Refresh();

    AppContext& m_ctx;
    QLineEdit* m_accessMode = nullptr;
    QLineEdit* m_device = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_connect = nullptr;
};

}  // namespace volmar::gui
