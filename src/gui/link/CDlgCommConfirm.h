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

    QLineEdit* accessModeLine() const { return accessMode_; }
    QLineEdit* deviceLine() const { return device_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* connectButton() const { return connect_; }

public slots:
    void Change();

private:
    void Refresh();

    AppContext& ctx_;
    QLineEdit* accessMode_ = nullptr;
    QLineEdit* device_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* connect_ = nullptr;
};

}  // namespace volmar::gui
