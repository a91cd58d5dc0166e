#pragma once
// "Delivery failure output": the discrete output the unit switches when a
// mail cannot be delivered ("None" or DO01 to DO64).
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetRepErrorDo : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetRepErrorDo(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    SettingRecord& m_record;
    QComboBox* m_output;
};

}  // namespace volmar::gui
