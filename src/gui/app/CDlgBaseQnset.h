#pragma once
// "VOLMAR via network": whether the configurator may reach the unit over
// the network, on which port, and the eight login accounts, uploaded as the
// access document over the serial link. Over a network link the window
// shows the switch and the port only, all disabled. It stays open after an
// upload.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;
class AccountGrid;

namespace kit {
class GuardedCombo;
}

class CDlgBaseQnset : public QDialog {
    Q_OBJECT
public:
    CDlgBaseQnset(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);

    kit::GuardedCombo* connectionCombo() const { return connection_; }
    QLineEdit* portEdit() const { return port_; }
    AccountGrid* accounts() const { return accounts_; }
    QPushButton* uploadButton() const { return upload_; }
    QPushButton* backButton() const { return back_; }

public slots:
    void OnUpload();

private:
    // The account texts, then the port (0 to 65535); the first failure is
    // shown and false returned.
    bool CheckEntriesAndPort();
    void UpdateEnabled();

    SettingRecord& record_;
    AppContext& ctx_;
    kit::GuardedCombo* connection_ = nullptr;
    QLineEdit* port_ = nullptr;
    AccountGrid* accounts_ = nullptr;
    QPushButton* upload_ = nullptr;
    QPushButton* back_ = nullptr;
};

}  // namespace volmar::gui
