#pragma once
// "E-mail": the menu of the e-mail report editors (address book, event
// reports, regular report, delivery failure output), each opened on the
// hub's record.
#include <QDialog>

#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetRep : public QDialog {
    Q_OBJECT
public:
    CDlgSetRep(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

private:
    SettingRecord& m_record;
    Interaction& m_ui;
};

}  // namespace volmar::gui
