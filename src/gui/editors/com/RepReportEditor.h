#pragma once
// The editor of one e-mail report, shared by the event reports and the
// regular report: mode, recipients, subject, body text, the channels whose
// data are attached and the DO operation. Everything but the mode is enabled
// only while the report is enabled. The recipients and masks that the
// sub-dialogs return are held here until OK, so Cancel drops them too.
#include <vector>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class RepReportEditor : public kit::EditorDialog {
    Q_OBJECT
public:
    // The report as the editor holds it now (recipients and masks).
    const MailReport& Held() const { return m_report; }

protected:
    RepReportEditor(const SettingRecord& record, const MailReport& report, Interaction& ui, const QString& title,
                    QWidget* parent);

    // A button in the last row that is enabled with the report.
    QPushButton* AddReportButton(const char* name, const char* text);
    bool ReportEnabled() const;
    // Checks the subject and body: the unit's limits while the report is
    // enabled, else only that they fit their fields.
    bool CheckTexts(bool enabled);
    // Writes mode, recipients, subject, body and masks into target.
    void StoreReport(MailReport& target) const;
    void ApplyMode();

    const SettingRecord& m_record;

private:
    void OpenRecipients();
    void OpenChannels(rep::Channels channels);

    MailReport m_report;
    QString m_shownSubject;
    QString m_shownBody;
    kit::GuardedCombo* m_mode;
    QLineEdit* m_subject;
    QPlainTextEdit* m_body;
    QHBoxLayout* m_lastRow;
    std::vector<QWidget*> m_reportControls;
};

}  // namespace volmar::gui
