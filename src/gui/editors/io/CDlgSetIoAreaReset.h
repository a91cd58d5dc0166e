#pragma once
// "Reset totalized value" / "Reset function value": which PI or OI channels
// an alarm resets, as one mask. "Back" hands the edited mask to the caller;
// closing the window from its title bar discards the edits.
#include <cstdint>

#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetIoAreaReset : public kit::ListDialog {
    Q_OBJECT
public:
    enum Mode { kTotalized = 0, kFunction = 1 };

    CDlgSetIoAreaReset(const SettingRecord& record, Mode mode, uint32_t mask, Interaction& ui,
                       QWidget* parent = nullptr);
    uint32_t Mask() const { return m_mask; }

protected:
    QStringList RowTexts(int row) const override;
    bool RowEnabled(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    QString Channel(int row) const;

    const SettingRecord& m_record;
    const Mode m_mode;
    Interaction& m_ui;
    uint32_t m_mask;
};

}  // namespace volmar::gui
