#pragma once
// "Which functions assigned to DO?": for every discrete output, the alarm
// zones, DI states and e-mail settings that switch it. The report changes
// nothing.
#include <QDialog>

#include "core/settings/SettingRecord.h"

namespace volmar::gui {

namespace kit {
class ReportTable;
}

class CDlgSetIoDoUsed : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSetIoDoUsed(const SettingRecord& record, QWidget* parent = nullptr);
    kit::ReportTable* Table() const { return m_table; }

private:
    kit::ReportTable* m_table;
};

}  // namespace volmar::gui
