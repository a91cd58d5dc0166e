#pragma once
// Channel choices shown in the PI and OI editors' combos: a channel's number
// and, while the channel is enabled, its name.
#include <QComboBox>
#include <QString>

#include "core/settings/ChannelKinds.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui {

// The channel's name while it is enabled, else nothing (index counts from 0).
QString EnabledName(const SettingRecord& record, int32_t kind, int index);

// "AI%02d" / "DI%02d" entries, each followed by " " and the name of an
// enabled channel.
void FillChannels(QComboBox* combo, const SettingRecord& record, int32_t kind);
// "Disable", then the 64 DI channels as above: entry i is DI channel i.
void FillResetInput(QComboBox* combo, const SettingRecord& record);
// "%02d" entries with " " and the name of an enabled channel.
void FillNumbers(QComboBox* combo, const SettingRecord& record, int32_t kind);

}  // namespace volmar::gui
