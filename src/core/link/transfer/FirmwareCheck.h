#pragma once
// Whether the unit's firmware can take a setting: before 2.2 a PI channel
// of type SLMP may only read the devices LTN, LCN, LSTN and LZ.
#include <optional>

#include "core/common/Message.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// None when the setting may go to a unit of this version; otherwise
// "Setting error: PI%d\nSLMP device not supported by this QN70 version."
// naming the first channel that uses another device.
std::optional<Message> CheckUnitFirmware(const SettingRecord& record, int major, int minor);

}  // namespace volmar
