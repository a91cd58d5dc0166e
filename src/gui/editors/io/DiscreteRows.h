#pragma once
// How many discrete inputs or outputs the record storing rate (RECORD
// SPEED index) lets the lists show: 32 at the fastest rates, 64 from
// 100 milliseconds on, none for an unknown rate.
#include <cstdint>

namespace volmar::gui {

inline int DiscreteRowsForSpeed(int32_t speed)
{
    if (speed >= 0 && speed <= 2) return 32;
    if (speed >= 3 && speed <= 15) return 64;
    return 0;
}

}  // namespace volmar::gui
