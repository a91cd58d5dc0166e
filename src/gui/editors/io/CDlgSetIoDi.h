#pragma once
// "Discrete input (DI)": the channels the storing rate allows, their editor,
// Copy / Paste of whole channels, and the list as a CSV table (Export... /
// Import...).
#include "gui/editors/io/ChannelList.h"

namespace volmar::gui {

class CDlgSetIoDi : public ChannelList {
    Q_OBJECT
public:
    CDlgSetIoDi(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;
};

}  // namespace volmar::gui
