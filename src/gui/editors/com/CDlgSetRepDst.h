#pragma once
// "Address list" of a report: how each of the 32 address-book entries
// receives it. The list works on the report editor's recipients; "Back"
// hands them back, Escape or the title bar's close discards the changes.
#include <array>
#include <cstdint>

#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRepDst : public kit::ListDialog {
    Q_OBJECT
public:
    using Kinds = std::array<int32_t, kMailAddressCount>;

    CDlgSetRepDst(const SettingRecord& record, const Kinds& kinds, Interaction& ui, QWidget* parent = nullptr);
    const Kinds& Result() const { return m_kinds; }

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    const SettingRecord& m_record;
    Interaction& m_ui;
    Kinds m_kinds;
};

}  // namespace volmar::gui
