#pragma once
// "Communication": the menu of the network-service editors, each opened on
// the hub's record. The menu keeps nothing of its own.
#include <QDialog>

#include "core/settings/SettingRecord.h"

namespace volmar::gui {

struct AppContext;

class CDlgSetCom : public QDialog {
    Q_OBJECT
public:
    CDlgSetCom(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);
};

}  // namespace volmar::gui
