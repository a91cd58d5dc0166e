#pragma once
// "Status (ON)" or "Status (OFF)" of a discrete input: what the unit shows,
// logs, mails, switches and records when the input enters that state. The
// group works on its own copy of the state; the channel editor stores it
// when it is confirmed.
#include <QGroupBox>

#include "core/rules/FieldRules.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

namespace kit {
class ColourSwatch;
}

class DiStateGroup : public QGroupBox {
    Q_OBJECT
public:
    enum State { kOn, kOff };

    DiStateGroup(State state, const DiState& shown, const SettingRecord& record, Interaction& ui,
                 QWidget* parent = nullptr);

    // Every field follows the channel's use; "Acknowledge" also needs this
    // group's "Event log".
    void ApplyEnableRule(bool inUse);

    bool CommentPasses(const rules::TextRule& rule) const;
    bool DelayPasses(const rules::IntegerRule& rule) const;
    bool MessagePasses(const rules::TextRule& rule) const;
    // The state as edited; only call after the checks passed.
    DiState Result() const;

signals:
    void LogClicked();

private:
    const State m_state;
    const SettingRecord& m_record;
    Interaction& m_ui;
    DiState m_work;
    bool m_inUse = false;

    QLineEdit* m_text;
    kit::ColourSwatch* m_colour;
    QCheckBox* m_log;
    QCheckBox* m_new;
    QCheckBox* m_confirm;
    QLineEdit* m_delay;
    QComboBox* m_number;
    QLineEdit* m_message;
    QPushButton* m_output = nullptr;
    QPushButton* m_mail = nullptr;
    QComboBox* m_recordAction;
    QComboBox* m_trans;
};

}  // namespace volmar::gui
