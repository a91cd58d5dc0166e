#pragma once
// "Alarm output": which of the 64 discrete outputs an alarm switches on, as
// a pair of mask words. Every change stands; the caller takes Words() back
// however the list was closed.
#include <array>
#include <cstdint>

#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetIoOutput : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetIoOutput(const SettingRecord& record, uint32_t word1, uint32_t word2, Interaction& ui,
                    QWidget* parent = nullptr);
    const std::array<uint32_t, 2>& Words() const { return m_words; }

protected:
    QStringList RowTexts(int row) const override;
    bool RowEnabled(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    const SettingRecord& m_record;
    Interaction& m_ui;
    std::array<uint32_t, 2> m_words;
};

}  // namespace volmar::gui
