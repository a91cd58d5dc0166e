#pragma once
// Building blocks for serial-line test scripts.
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/serial/Frame.h"

namespace volmar::test {

using Bytes = std::vector<uint8_t>;

inline Bytes FrameBytes(uint8_t block, uint8_t command, const Bytes& data, bool last)
{
    Bytes frame(data.size() + kFrameOverhead);
    frame.resize(EncodeFrame(block, command, data.data(), data.size(), last, frame.data(), frame.size()));
    return frame;
}

inline Bytes TextBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

inline Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Data of n bytes that differ from block to block.
inline Bytes Pattern(size_t n, uint8_t seed = 0)
{
    Bytes out(n);
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(i * 7 + seed + i / 251);
    return out;
}

}  // namespace volmar::test
