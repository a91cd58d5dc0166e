#pragma once
// "No.%02d": one event report. OK writes it into the record; Cancel leaves
// the record as it was, recipients and channels included.
#include "gui/editors/com/RepReportEditor.h"

namespace volmar::gui {

class CDlgSetRepEventItem : public RepReportEditor {
    Q_OBJECT
public:
    // event counts from 0.
    CDlgSetRepEventItem(SettingRecord& record, int event, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    SettingRecord& m_target;
    const int m_event;
};

}  // namespace volmar::gui
