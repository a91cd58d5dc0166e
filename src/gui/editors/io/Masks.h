#pragma once
// Channel bit sets: bit i of a mask is channel i + 1; a pair of words covers
// 64 channels, channel 33 being bit 0 of the second word.
#include <cstdint>

namespace volmar::gui {

inline bool MaskBit(const uint32_t* words, int channel)
{
    return (words[channel / 32] >> (channel % 32)) & 1u;
}

inline void SetMaskBit(uint32_t* words, int channel, bool on)
{
    const uint32_t bit = 1u << (channel % 32);
    if (on) {
        words[channel / 32] |= bit;
    } else {
        words[channel / 32] &= ~bit;
    }
}

}  // namespace volmar::gui
