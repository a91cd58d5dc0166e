#pragma once
// "Communication": the slave polling parameters.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;

namespace volmar::gui {

class CDlgSetIoNodeTime : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetIoNodeTime(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    SettingRecord& m_record;
    QLineEdit* m_interval;
    QLineEdit* m_timeout;
    QComboBox* m_transaction;
    QLineEdit* m_slmpTimeout;
};

}  // namespace volmar::gui
