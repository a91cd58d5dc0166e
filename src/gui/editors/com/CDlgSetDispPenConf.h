#pragma once
// "PEN%d": one trend pen: the I/O type and channel it draws, line
// thickness, colour and, for analog channels, the display range and log
// scale. Type, channel and log changes stand only while the limits pass.
// OK writes the pen; Cancel leaves it as it was.
#include <string_view>

#include "gui/editors/kit/EditorDialog.h"
#include "core/rules/DispRules.h"
#include "core/settings/SettingRecord.h"

class QCheckBox;
class QLineEdit;

namespace volmar::gui {
namespace kit {
class ColourSwatch;
class GuardedCombo;
}  // namespace kit

class CDlgSetDispPenConf : public kit::EditorDialog {
    Q_OBJECT
public:
    // pen is 0-based.
    CDlgSetDispPenConf(SettingRecord& record, int pen, Interaction& ui, QWidget* parent = nullptr);

    kit::ColourSwatch* Swatch() const { return m_colour; }

protected:
    bool Confirm() override;

private:
    int Type() const;
    // The channel shown (1-based): the selected entry, or the stored channel
    // while a list that does not offer it selects nothing.
    int Channel() const;
    bool Log() const;
    bool Exponent() const;
    void FillChannels(int type);
    // The limits as typed, on the pen's type and scale.
    rules::PenLimits Limits(std::string_view lower, std::string_view upper) const;
    bool LimitsValid();
    void ShowLimits(double lower, double upper);
    void Refresh();

    SettingRecord& m_record;
    int m_pen;
    kit::GuardedCombo* m_type;
    kit::GuardedCombo* m_channel;
    QCheckBox* m_thick;
    kit::ColourSwatch* m_colour;
    QLineEdit* m_lower;
    QLineEdit* m_upper;
    QLineEdit* m_unit;
    kit::GuardedCombo* m_log;
    bool m_colourChosen = false;
    int m_storedType;
};

}  // namespace volmar::gui
