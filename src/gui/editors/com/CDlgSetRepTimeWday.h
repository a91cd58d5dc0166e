#pragma once
// "Specify day of week": the days on which the regular report goes out, bit
// 0 Sunday to bit 6 Saturday of the weekday mask.
#include <cstdint>

#include "gui/editors/kit/EditorDialog.h"

class QCheckBox;

namespace volmar::gui {

class CDlgSetRepTimeWday : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetRepTimeWday(uint8_t days, Interaction& ui, QWidget* parent = nullptr);
    uint8_t Result() const { return m_days; }

protected:
    bool Confirm() override;

private:
    uint8_t m_days;
    QCheckBox* m_day[7];
};

}  // namespace volmar::gui
