#pragma once
// "I/O slave setting": the twelve slaves, their editor and the polling
// parameters.
#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetIoNode : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetIoNode(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    SettingRecord& m_record;
    Interaction& m_ui;
};

}  // namespace volmar::gui
