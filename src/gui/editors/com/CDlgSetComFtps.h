#pragma once
// "FTP server": the unit's FTP server mode, its login and port. The fields
// are checked (and editable) only while the server is enabled; switching it
// off is refused while a field would not pass. OK (or Enter anywhere)
// stores; Cancel leaves the record as it was.
#include <optional>
#include <string>

#include <QDialog>

#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar::gui {

struct AppContext;

class CDlgSetComFtps : public QDialog {
    Q_OBJECT
public:
    CDlgSetComFtps(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);

    QComboBox* ModeCombo() const { return mode_; }
    QLineEdit* IdEdit() const { return id_; }
    QLineEdit* PasswordEdit() const { return password_; }
    QLineEdit* PortEdit() const { return port_; }

    void OnOk();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<std::string> Check() const;
    void ModeChosen(int index);
    void UpdateEnabled();

    SettingRecord& record_;
    AppContext& ctx_;
    QComboBox* mode_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* port_ = nullptr;
    int acceptedMode_ = 0;  // the selection a refused change returns to
};

}  // namespace volmar::gui
