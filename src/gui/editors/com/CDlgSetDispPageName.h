#pragma once
// "Page name": the names of the 30 trend pages of 4 pens. Pages beyond the
// storing rate's pens are shaded but stay editable.
#include <array>

#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QLineEdit;

namespace volmar::gui {

class CDlgSetDispPageName : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetDispPageName(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    SettingRecord& m_record;
    std::array<QLineEdit*, kPageCount> m_names{};
};

}  // namespace volmar::gui
