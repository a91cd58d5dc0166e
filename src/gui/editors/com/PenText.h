#pragma once
// What the pen list and the pen editor show of a pen: the I/O type names,
// the channel a pen draws (name, engineering unit, exponent display) and
// the texts of its display limits.
#include <QString>
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar::gui::pen {


// AI, PI and OI pens have a display range and a log scale.
bool IsAnalog(int32_t type);

struct ChannelView {
    bool inUse = false;
    QString name;  // empty when the channel is not in use
    QString unit;  // analog channels in use only
    bool exponent = false;
};
// The channel ch (1-based) of a pen type; an unknown type or a channel out
// of range shows as unused.
ChannelView ChannelOf(const SettingRecord& record, int32_t type, int ch);

// "%.0f" on a log scale, else "%.3e" for an exponent-display channel, else
// "%.2f".
QString LimitText(double value, bool log, bool exponent);

}  // namespace volmar::gui::pen
