#pragma once
// "Analog input (AI)": the channels the storing rate allows, their editor,
// Copy / Paste of whole channels, and the list as a CSV table (Export... /
// Import...).
#include "gui/editors/io/ChannelList.h"

namespace volmar::gui {

// How many channels of a kind the record storing rate (RECORD SPEED index)
// allows to be listed: AI uses 16, 32 or 64 rows, none for an unknown rate.
int AiRowsForSpeed(int32_t speed);

class CDlgSetIoAi : public ChannelList {
    Q_OBJECT
public:
    CDlgSetIoAi(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;
};

}  // namespace volmar::gui
