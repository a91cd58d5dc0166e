#pragma once
// "ID/password": before an upload, leads to the web and FTP server editors
// when their accounts still have empty or factory credentials. OK, Enter
// and Escape look again: with nothing left at the defaults the dialog closes
// with OK; otherwise the user may go on anyway or stay. "Cancel" abandons
// the upload.
#include <QDialog>

#include "core/rules/ComRules.h"
#include "core/settings/SettingRecord.h"

class QPushButton;

namespace volmar::gui {

struct AppContext;

// Which servers still have empty or factory credentials (the core's check).
using rules::DefaultCredentialFlags;
using rules::kFtpCredentialsDefault;
using rules::kWebCredentialsDefault;

class CDlgSetIdPwd : public QDialog {
    Q_OBJECT
public:
    CDlgSetIdPwd(SettingRecord& record, unsigned flags, AppContext& ctx, QWidget* parent = nullptr);

    // The two server buttons in order; a button not needed is hidden.
    QPushButton* ServerButton(int index) const { return m_servers[index]; }

    // Closes with OK when nothing is left at the defaults, or when the user
    // goes on anyway.
    void OnOk();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SettingRecord& m_record;
    AppContext& m_ctx;
    QPushButton* m_servers[2] = {};
};

// The check before an upload: true when the upload may go on, either
// because no credentials are at their defaults or because the user left
// the ID/password dialog with OK.
bool CheckCredentialsBeforeUpload(SettingRecord& record, AppContext& ctx, QWidget* parent);

}  // namespace volmar::gui
