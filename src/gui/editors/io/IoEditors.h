#pragma once
// The top editors of the system and I/O settings, one call each, for the
// configuration hub and the I/O menu. Each runs its dialog modally on the
// record; the record changes only where the user confirmed an editor.
#include "core/settings/SettingRecord.h"

class QWidget;

namespace volmar::gui {

struct AppContext;

// "System" (CDlgSetSystem).
void OpenSystemEditor(QWidget* parent, SettingRecord& record, AppContext& app);
// "I/O slave setting" (CDlgSetIoNode).
void OpenSlaveEditor(QWidget* parent, SettingRecord& record, AppContext& app);
// "Analog input (AI)" (CDlgSetIoAi).
void OpenAiEditor(QWidget* parent, SettingRecord& record, AppContext& app);

}  // namespace volmar::gui
