#pragma once
// "Discrete output (DO)": the outputs the storing rate allows, their editor,
// Copy / Paste of whole channels, and the report of what switches each one.
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetIoDo : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetIoDo(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    SettingRecord& m_record;
    Interaction& m_ui;
};

}  // namespace volmar::gui
