#pragma once
// "Which functions assigned to DO?": for every discrete output, the alarm
// zones, DI states and e-mail settings that switch it. The report changes
// nothing.
#include <QDialog>
#include <QString>
#include <vector>

#include "settings/SettingRecord.h"

namespace volmar::gui {

namespace kit {
class ReportTable;
}

struct DoUse {
    QString channel;   // "DO%02d"
    QString function;  // "I/O (AI01)", "E-mail"
    QString detail;    // "Zone 2", "ON", "Event report 1, 5, "
};

// The rows of the report, DO01 first. Only sources in use count: zones
// within the count of a channel that is not disabled, the states of a DI
// that is not disabled, and enabled e-mail reports.
std::vector<DoUse> DoUses(const SettingRecord& record);

class CDlgSetIoDoUsed : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoDoUsed(const SettingRecord& record, QWidget* parent = nullptr);
    kit::ReportTable* Table() const { return m_table; }

private:
    kit::ReportTable* m_table;
};

}  // namespace volmar::gui
