#include "gui/editors/io/IoEditors.h"

#include "gui/common/AppContext.h"
#include "gui/common/EditorOpeners.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoNode.h"
#include "gui/editors/io/CDlgSetSystem.h"

namespace volmar::gui {

void OpenSystemEditor(QWidget* parent, SettingRecord& record, AppContext& app)
{
    CDlgSetSystem dialog(record, app.ui, parent);
    dialog.exec();
}

void OpenSlaveEditor(QWidget* parent, SettingRecord& record, AppContext& app)
{
    CDlgSetIoNode dialog(record, app.ui, parent);
    dialog.exec();
}

void OpenAiEditor(QWidget* parent, SettingRecord& record, AppContext& app)
{
    CDlgSetIoAi dialog(record, app.ui, parent);
    dialog.exec();
}

// The hub's and the I/O menu's buttons open these editors.
VOLMAR_EDITOR(EditorSlot::System,
              [](SettingRecord& r, AppContext& c, QWidget* p) { OpenSystemEditor(p, r, c); });
VOLMAR_EDITOR(EditorSlot::IoSlave,
              [](SettingRecord& r, AppContext& c, QWidget* p) { OpenSlaveEditor(p, r, c); });
VOLMAR_EDITOR(EditorSlot::AnalogInput,
              [](SettingRecord& r, AppContext& c, QWidget* p) { OpenAiEditor(p, r, c); });

}  // namespace volmar::gui
