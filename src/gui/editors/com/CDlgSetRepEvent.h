#pragma once
// "Event report": the 32 event reports, each opened in its editor. The
// editor writes the record itself, so this list keeps no copy: what an
// editor confirmed or a Paste copied stands however the list is closed.
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRepEvent : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetRepEvent(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    SettingRecord& m_record;
    Interaction& m_ui;
};

}  // namespace volmar::gui
