#pragma once
// "Discrete output (DO)": the outputs the storing rate allows, their editor,
// Copy / Paste of whole channels, the report of what switches each one, and
// the list as a CSV table (Export... / Import...).
#include "gui/editors/io/ChannelList.h"

namespace volmar::gui {

class CDlgSetIoDo : public ChannelList {
    Q_OBJECT
public:
    CDlgSetIoDo(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;
};

}  // namespace volmar::gui
