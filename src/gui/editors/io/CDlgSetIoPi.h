#pragma once
// "Pulse input (PI)": the channels the storing rate allows, their editor,
// Copy / Paste of whole channels, and the list as a CSV table (Export... /
// Import...).
#include "gui/editors/io/ChannelList.h"

namespace volmar::gui {

// How many PI or OI channels the record storing rate (RECORD SPEED index)
// allows to be listed: 16 or 32 rows, none for an unknown rate.
int PiOiRowsForSpeed(int32_t speed);

class CDlgSetIoPi : public ChannelList {
    Q_OBJECT
public:
    CDlgSetIoPi(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;
};

}  // namespace volmar::gui
