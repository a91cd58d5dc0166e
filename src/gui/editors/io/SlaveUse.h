#pragma once
// The slave table and the AI, DI, PI and DO channels that poll a slave.
#include <QString>
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar::gui {

enum SlaveTypeValue : int32_t { kSlaveModbusTcp = 0, kSlaveSlmp16 = 1, kSlaveSlmp32 = 2 };

// How a channel reaches a slave.
enum class SlaveLink { ModbusTcp, Slmp, Any };

// Whether any AI, DI, PI or DO channel polls the slave over that link.
bool SlaveInUse(const SettingRecord& record, int slave, SlaveLink link);
// Sets the type of every channel that polls the slave to 0 (disabled).
void DisableSlaveChannels(SettingRecord& record, int slave);

// "Modbus/TCP", "SLMP 16bit", "SLMP 32bit", or empty for another value.
QString SlaveTypeName(int32_t type);
bool SlaveHasAddress(const SettingRecord& record, int slave);

}  // namespace volmar::gui
