#pragma once
// "Web server": the port of the unit's web server and its eight accounts.
// OK (or Enter anywhere) checks every field and only then writes them into
// the record; Cancel leaves the record as it was.
#include <QDialog>

#include "core/settings/SettingRecord.h"

class QLineEdit;

namespace volmar::gui {

struct AppContext;
class AccountGrid;

class CDlgSetComWeb : public QDialog {
    Q_OBJECT
public:
    CDlgSetComWeb(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* PortEdit() const { return m_port; }
    AccountGrid* Accounts() const { return m_accounts; }

    // Checks the fields, stores them and closes with OK; on a refused field
    // shows why and stays open.
    void OnOk();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SettingRecord& m_record;
    AppContext& m_ctx;
    QLineEdit* m_port = nullptr;
    AccountGrid* m_accounts = nullptr;
};

}  // namespace volmar::gui
