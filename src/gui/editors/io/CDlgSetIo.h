#pragma once
// "Input/Output": the menu of the I/O editors, each opened on the hub's
// record through its EditorSlot (the window table says which editor).
#include <QDialog>

#include "core/settings/SettingRecord.h"

namespace volmar::gui {

struct AppContext;

class CDlgSetIo : public QDialog {
    Q_OBJECT
public:
    CDlgSetIo(SettingRecord& record, AppContext& ctx, QWidget* parent = nullptr);

private:
    SettingRecord& m_record;
    AppContext& m_ctx;
};

}  // namespace volmar::gui
