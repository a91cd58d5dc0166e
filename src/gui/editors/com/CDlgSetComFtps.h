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

    QComboBox* ModeCombo() const { return m_mode; }
    QLineEdit* IdEdit() const { return m_id; }
    QLineEdit* PasswordEdit() const { return m_password; }
    QLineEdit* PortEdit() const { return m_port; }

    void OnOk();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<std::string> Check() const;
    void ModeChosen(int index);
    void UpdateEnabled();

    SettingRecord& m_record;
    AppContext& m_ctx;
    QComboBox* m_mode = nullptr;
    QLineEdit* m_id = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_port = nullptr;
    int m_acceptedMode = 0;  // the selection a refused change returns to
};

}  // namespace volmar::gui
