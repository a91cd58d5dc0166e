#pragma once
// Check value of a serial block: CRC-16/GENIBUS (polynomial 0x1021, initial
// 0xFFFF, no reflection, result inverted). Covers STX through the terminator.
#include <cstddef>
#include <cstdint>

namespace volmar {

uint16_t ComputeBlockCrc(const uint8_t* data, size_t len);

}  // namespace volmar
