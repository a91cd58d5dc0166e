#pragma once
// "Date/Time": six fields that follow the PC's local time until the user
// edits one of them; "Apply" checks them and sets the unit's clock to what
// they show at that moment, and a line under them tells that it was set.
// The window stays open.
#include <array>
#include <ctime>
#include <functional>

#include "gui/maintenance/MaintenanceRun.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace volmar::gui {

class CDlgMenTime : public CDlgMenBase {
public:
    explicit CDlgMenTime(AppContext& app, QWidget* parent = nullptr);
    QLineEdit* Field(int i) const { return m_fields[i]; }
    // "Clock set to ..." after a successful Apply, else empty.
    QLabel* StatusLine() const { return m_status; }
    void Apply();
    // The PC clock the fields follow (the system's by default).
    void SetClock(std::function<std::time_t()> now);

private:
    // Shows the clock's time unless a field was edited.
    void Follow();

    std::array<QLineEdit*, 6> m_fields{};
    QLabel* m_status = nullptr;
    QTimer* m_follow = nullptr;
    std::function<std::time_t()> m_now;
    bool m_filling = false;  // Follow() is writing the fields
    bool m_edited = false;
};

}  // namespace volmar::gui
