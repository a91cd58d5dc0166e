#pragma once
// "DI%02d": one discrete input channel: where its state comes from (an I/O
// module, a slave, a bit of an AI channel, a logic function of two other
// inputs, ...), its name, and what each of its two states ON and OFF shows
// and sets off.
#include "gui/editors/io/BitSourceFields.h"
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}
class DiStateGroup;

class CDlgSetIoDiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoDiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    QWidget* MakeSourceColumn(const DiChannel& ch);
    QWidget* MakeAiBox(const DiChannel& ch);
    QWidget* MakeLogicBox(const DiChannel& ch);
    void ConnectControls();
    void ApplyEnableRule(QWidget* changed = nullptr);

    int32_t TypeValue() const;
    SourceLink Link() const;
    bool CheckFields();
    void Store();

    SettingRecord& m_record;
    const int m_channel;

    kit::GuardedCombo* m_type;
    BitSourceFields* m_source = nullptr;
    QComboBox* m_aiCh;
    QComboBox* m_aiBit;
    QComboBox* m_logicType;
    QComboBox* m_x1;
    QComboBox* m_x2;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    QCheckBox* m_invert;
    DiStateGroup* m_on;
    DiStateGroup* m_off;
};

}  // namespace volmar::gui
