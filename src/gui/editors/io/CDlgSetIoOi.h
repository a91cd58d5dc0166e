#pragma once
// "Function input (OI)": the channels the storing rate allows (as for PI),
// their editor, and Copy / Paste of whole channels.
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetIoOi : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetIoOi(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    SettingRecord& m_record;
    Interaction& m_ui;
};

}  // namespace volmar::gui
