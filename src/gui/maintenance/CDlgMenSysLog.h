#pragma once
// "System log": the unit's log text, read when the window is shown and
// again after "Reset system log".
#include "gui/maintenance/MaintenanceRun.h"

class QPlainTextEdit;

namespace volmar::gui {

class CDlgMenSysLog : public CDlgMenBase {
public:
    explicit CDlgMenSysLog(AppContext& app, QWidget* parent = nullptr);
    QString Text() const;
    void Reload();
    void Reset();

private:
    QPlainTextEdit* m_log;
};

}  // namespace volmar::gui
