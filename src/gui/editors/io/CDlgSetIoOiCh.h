#pragma once
// "OI%02d": one function input channel: its function (whose inputs and
// constants the function dialog edits), how the value is shown, what resets
// it, and its alarm zones. Terms and zones are edited on copies that reach
// the record only when this editor is confirmed.
#include "gui/editors/io/OiTerms.h"
#include "gui/editors/io/ZoneSet.h"
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetIoOiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoOiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

    const OiTerms& Terms() const { return m_terms; }
    const ZoneSet& Zones() const { return m_zones; }

protected:
    bool Confirm() override;

private:
    void ApplyEnableRule(QWidget* changed = nullptr);
    void OpenFunction();
    void OpenZones();
    bool CheckFields();
    bool Exponent() const;

    SettingRecord& m_record;
    const int m_channel;
    OiTerms m_terms;
    ZoneSet m_zones;

    kit::GuardedCombo* m_function;
    QPushButton* m_functionButton;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    QComboBox* m_point;
    QLineEdit* m_unit;
    QComboBox* m_resetDi;
    QComboBox* m_exp;
    QPushButton* m_zoneButton;
};

}  // namespace volmar::gui
