#pragma once
// How many channels of each kind and how many trend pens the unit handles
// at a storing rate (RECORD SPEED index). A faster rate handles fewer; a
// rate the unit does not know handles none. The I/O lists, the pen editors
// and the record editor all count with this one table.
#include <cstdint>

#include "core/settings/SettingRecord.h"

namespace volmar {

struct UsableCounts {
    int pens, ai, di, pi, oi, dout;
};

UsableCounts UsableAt(int32_t speed);
// The count for a pen's I/O type (Keywords.h PenTypeValue); 0 for "None"
// and unknown types.
int UsableOfPenType(const UsableCounts& counts, int32_t penType);

// Whether a pen or channel in use lies beyond what the rate handles.
bool HasUnusable(const SettingRecord& record, int32_t speed);
// Sets the type of every such pen and channel to 0 ("None"/unused).
void DisableUnusable(SettingRecord& record, int32_t speed);

}  // namespace volmar
