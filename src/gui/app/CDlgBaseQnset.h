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

    kit::GuardedCombo* connectionCombo() const { return m_connection; }
    QLineEdit* portEdit() const { return m_port; }
    AccountGrid* accounts() const { return m_accounts; }
    QPushButton* uploadButton() const { return m_upload; }
    QPushButton* backButton() const { return m_back; }

public slots:
    void OnUpload();

private:
    // The account texts, then the port (0 to 65535); the first failure is
    // shown and false returned.
    bool CheckEntriesAndPort();
    void UpdateEnabled();

    SettingRecord& m_record;
    AppContext& m_ctx;
    kit::GuardedCombo* m_connection = nullptr;
    QLineEdit* m_port = nullptr;
    AccountGrid* m_accounts = nullptr;
    QPushButton* m_upload = nullptr;
    QPushButton* m_back = nullptr;
};

}  // namespace volmar::gui
