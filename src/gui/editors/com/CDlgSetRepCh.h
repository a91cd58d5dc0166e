#pragma once
// A report's channel list, titled "AI", "DI", "PI", "OI" or "DO": which
// channels' data the report carries, or (DO operation) what it does to each
// discrete output. Only channels in use can be opened or copied. The list
// works on the report editor's masks; "Back" hands them back, Escape or the
// title bar's close discards the changes.
#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRepCh : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetRepCh(const SettingRecord& record, rep::Channels channels, const MailReport& report, Interaction& ui,
                 QWidget* parent = nullptr);
    // The report with the edited masks.
    const MailReport& Result() const { return m_report; }

protected:
    QStringList RowTexts(int row) const override;
    bool RowEnabled(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    QString Label(int row) const;

    const SettingRecord& m_record;
    const rep::Channels m_channels;
    const rep::ChannelKind& m_kind;
    Interaction& m_ui;
    MailReport m_report;
};

}  // namespace volmar::gui
