#pragma once
// The slave table and the AI, DI, PI and DO channels that poll a slave.
#include <QString>
#include <cstdint>

#include "core/rules/IoRules.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui {

using rules::kSlaveModbusTcp;
using rules::kSlaveSlmp16;
using rules::kSlaveSlmp32;

// How a channel reaches a slave.
enum class SlaveLink { ModbusTcp, Slmp, Any };

// Whether any AI, DI, PI or DO channel polls the slave over that link.
bool SlaveInUse(const SettingRecord& record, int slave, SlaveLink link);
// Sets the type of every channel that polls the slave to 0 (disabled).
void DisableSlaveChannels(SettingRecord& record, int slave);

// "Modbus/TCP", "SLMP 16bit", "SLMP 32bit", or empty for another value.
QString SlaveTypeName(int32_t type);
using rules::SlaveHasAddress;

}  // namespace volmar::gui
