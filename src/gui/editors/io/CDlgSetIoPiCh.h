#pragma once
// "PI%02d": one pulse input channel: where it counts or measures from, how
// the result is scaled and shown, what resets it, and its alarm zones
// (edited on a copy that reaches the record only when this editor is
// confirmed).
#include "gui/editors/io/WordSourceFields.h"
#include "gui/editors/io/ZoneSet.h"
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetIoPiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoPiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

    const ZoneSet& Zones() const { return m_zones; }
    // Whether the channel's current setting has a count that a zone can reset.
    bool SumResetAllowed() const;

protected:
    bool Confirm() override;

private:
    QWidget* MakeSourceColumn(const PiChannel& ch);
    QWidget* MakeValueColumn(const PiChannel& ch);
    QWidget* MakeCountColumn(const PiChannel& ch);
    void ConnectControls();
    void ApplyEnableRule(QWidget* changed = nullptr);
    void EnableFilter();
    void OpenZones();

    int32_t TypeValue() const;
    SourceLink Link() const;
    bool Exponent() const;
    bool CheckFields();
    bool CheckCounts();
    bool CheckRange();
    void Store();

    SettingRecord& m_record;
    const int m_channel;
    ZoneSet m_zones;

    kit::GuardedCombo* m_type;
    WordSourceFields* m_source = nullptr;
    QComboBox* m_diCh;
    QComboBox* m_modeDi;
    QComboBox* m_aiCh;
    QLineEdit* m_rate;
    QComboBox* m_timeUnit;
    QLineEdit* m_dropout;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    QLineEdit* m_scale;
    QComboBox* m_point;
    QLineEdit* m_unit;
    kit::GuardedCombo* m_exp;
    kit::GuardedCombo* m_mode;
    QCheckBox* m_range;
    kit::GuardedCombo* m_modeM;
    QLineEdit* m_low;
    QLineEdit* m_high;
    kit::GuardedCombo* m_filter;
    QComboBox* m_samples;
    QLineEdit* m_timeConstant;
    QComboBox* m_resetDi;
    QPushButton* m_zoneButton;
};

}  // namespace volmar::gui
