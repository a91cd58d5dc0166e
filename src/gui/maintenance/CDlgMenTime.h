#pragma once
// "Date/Time": six fields filled with the PC's local time; "Apply" checks
// them and sets the unit's clock. The window stays open.
#include <array>

#include "maintenance/MaintenanceRun.h"

class QLineEdit;

namespace volmar::gui {

class CDlgMenTime : public CDlgMenBase {
public:
    explicit CDlgMenTime(AppContext& app, QWidget* parent = nullptr);
    QLineEdit* Field(int i) const { return fields_[i]; }
    void Apply();

private:
    std::array<QLineEdit*, 6> fields_{};
};

}  // namespace volmar::gui
