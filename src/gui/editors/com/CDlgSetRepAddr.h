#pragma once
// "Address list": the 32 entries of the mail address book. The list works
// on a copy that "Back" writes into the record; Escape or the title bar's
// close leaves the record as it was.
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRepAddr : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetRepAddr(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);
    void accept() override;

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    SettingRecord& m_record;
    Interaction& m_ui;
    char m_names[kMailAddressCount][193];
    char m_addresses[kMailAddressCount][193];
};

}  // namespace volmar::gui
