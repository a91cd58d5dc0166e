#pragma once
// "DO%02d": one discrete output channel: where it is switched (an I/O
// module, a Modbus/TCP coil or an SLMP bit device), its name, and the text
// and colour of its two states.
#include "gui/editors/io/BitSourceFields.h"
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QLineEdit;

namespace volmar::gui {

namespace kit {
class ColourSwatch;
class GuardedCombo;
}

class CDlgSetIoDoCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoDoCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    struct StateFields {
        QLineEdit* text = nullptr;
        kit::ColourSwatch* colour = nullptr;
    };

    QWidget* MakeNameBox(const DoChannel& ch);
    QWidget* MakeStateBox(const char* title, const char* prefix, const DoState& state, StateFields& fields);
    void ApplyEnableRule(QWidget* changed = nullptr);
    SourceLink Link() const;
    bool CheckFields();
    void Store();

    SettingRecord& m_record;
    const int m_channel;

    kit::GuardedCombo* m_type;
    BitSourceFields* m_source;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    QCheckBox* m_invert;
    StateFields m_on;
    StateFields m_off;
};

}  // namespace volmar::gui
