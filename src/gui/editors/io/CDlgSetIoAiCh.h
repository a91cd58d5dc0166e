#pragma once
// "AI%02d": one analog input channel: where its value comes from, how it is
// scaled and shown, and its alarm zones (edited on a copy that reaches the
// record only when this editor is confirmed).
#include "gui/editors/io/WordSourceFields.h"
#include "gui/editors/io/ZoneSet.h"
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetIoAiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoAiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

    // The zones as the editor holds them now.
    const ZoneSet& Zones() const { return m_zones; }

protected:
    bool Confirm() override;

private:
    QWidget* MakeSourceColumn(const AiChannel& ch);
    QWidget* MakeValueColumn(const AiChannel& ch);
    void ConnectCombos();
    void ReformatReals();
    void ForceTimeInput();
    void ApplyEnableRule(QWidget* changed = nullptr);
    void OpenZones();

    int32_t TypeValue() const;
    SourceLink Link() const;
    bool Exponent() const;
    bool CheckFields();
    bool CheckScaling();
    void Store();

    SettingRecord& m_record;
    const int m_channel;
    ZoneSet m_zones;

    kit::GuardedCombo* m_type;
    WordSourceFields* m_source = nullptr;
    QComboBox* m_timeType;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    kit::GuardedCombo* m_dataType;
    kit::GuardedCombo* m_filter;
    QComboBox* m_samples;
    QLineEdit* m_timeConstant;
    QLineEdit* m_scale0;
    QLineEdit* m_scale100;
    QLineEdit* m_scale;
    QComboBox* m_point;
    QLineEdit* m_unit;
    kit::GuardedCombo* m_exp;
    QPushButton* m_zoneButton;
};

}  // namespace volmar::gui
