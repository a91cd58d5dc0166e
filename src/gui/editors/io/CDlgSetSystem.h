#pragma once
// "System": the unit's three name lines, language, time zone, daylight
// saving time and the sampling adjustment at clock correction.
#include <array>

#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace volmar::gui {

class CDlgSetSystem : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetSystem(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    // The four combos of a daylight-saving-time start or end point.
    struct DstCombos {
        QComboBox* month;
        QComboBox* week;
        QComboBox* day;
        QComboBox* hour;
    };

    DstCombos MakeDst(QGridLayout* grid, int column, const char* prefix);
    void ShowDst(const DstCombos& combos, const DstPoint& point);
    void StoreDst(const DstCombos& combos, DstPoint& point) const;
    void ApplyEnableRule();

    SettingRecord& m_record;
    std::array<QLineEdit*, 3> m_names{};
    QComboBox* m_language;
    QLineEdit* m_hour;
    QLineEdit* m_minute;
    QComboBox* m_timeAve;
    QComboBox* m_dstMode;
    DstCombos m_start{};
    DstCombos m_end{};
};

}  // namespace volmar::gui
