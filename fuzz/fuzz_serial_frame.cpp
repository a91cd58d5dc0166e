// libFuzzer target: the serial frame decoder on arbitrary bytes. A frame it
// accepts must encode back to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/link/serial/Frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that any read past the end is caught.
    std::unique_ptr<uint8_t[]> buf(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(buf.get(), data, size);

    volmar::DecodedFrame frame;
    if (volmar::DecodeFrame(buf.get(), size, frame) != volmar::FrameStatus::Ok) return 0;
    if (frame.size > size || frame.header.length > volmar::kMaxBlockData) std::abort();

    uint8_t again[volmar::kMaxFrameSize];
    const size_t n = volmar::EncodeFrame(frame.header.block, frame.header.command, frame.data,
                                         frame.header.length, frame.last, again, sizeof again);
    if (n != frame.size || std::memcmp(again, buf.get(), n) != 0) std::abort();
    return 0;
}
