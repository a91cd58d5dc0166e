#pragma once
// "Initialize": clears the unit's memory block after a question.
#include "gui/maintenance/MaintenanceRun.h"

namespace volmar::gui {

class CDlgMenInit : public CDlgMenBase {
public:
    explicit CDlgMenInit(AppContext& app, QWidget* parent = nullptr);
    void Initialize();
};

}  // namespace volmar::gui
