#include "editors/io/IoEditors.h"

#include "app/AppContext.h"
#include "editors/io/CDlgSetIoAi.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetSystem.h"

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

}  // namespace volmar::gui
