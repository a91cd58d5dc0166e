#pragma once
// "Graph/Display": the menu that leads to the pen list.
#include <QDialog>

#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetDisp : public QDialog {
    Q_OBJECT
public:
    CDlgSetDisp(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);
};

}  // namespace volmar::gui
