#include "core/link/serial/Frame.h"

#include <cstring>

#include "core/link/serial/BlockCrc.h"

namespace volmar {

bool ParseFrameHeader(const uint8_t* fiveBytes, FrameHeader& header)
{
    if (static_cast<uint8_t>(0xFF - fiveBytes[0]) != fiveBytes[1]) return false;
    const uint16_t length = static_cast<uint16_t>((fiveBytes[3] << 8) | fiveBytes[4]);
    if (length > kMaxBlockData) return false;
    header.block = fiveBytes[0];
    header.command = fiveBytes[2];
    header.length = length;
    return true;
}

size_t EncodeFrame(uint8_t block, uint8_t command, const uint8_t* data, size_t len, bool last,
                   uint8_t* out, size_t capacity)
{
    if (len > kMaxBlockData || len + kFrameOverhead > capacity) return 0;
    if (len > 0 && data == nullptr) return 0;
    out[0] = kStx;
    out[1] = block;
    out[2] = static_cast<uint8_t>(0xFF - block);
    out[3] = command;
    out[4] = static_cast<uint8_t>(len >> 8);
    out[5] = static_cast<uint8_t>(len & 0xFF);
    if (len > 0) std::memcpy(out + kFrameHeaderSize, data, len);
    out[kFrameHeaderSize + len] = last ? kEtb : kEtx;
    const uint16_t crc = ComputeBlockCrc(out, kFrameHeaderSize + len + 1);
    out[kFrameHeaderSize + len + 1] = static_cast<uint8_t>(crc >> 8);
    out[kFrameHeaderSize + len + 2] = static_cast<uint8_t>(crc & 0xFF);
    return len + kFrameOverhead;
}

FrameStatus DecodeFrame(const uint8_t* buf, size_t len, DecodedFrame& frame)
{
    if (len == 0) return FrameStatus::Incomplete;
    if (buf[0] != kStx) return FrameStatus::NoStx;
    // Check the header bytes as soon as they are there.
    if (len >= 3 && static_cast<uint8_t>(0xFF - buf[1]) != buf[2]) return FrameStatus::BadHeader;
    if (len < kFrameHeaderSize) return FrameStatus::Incomplete;
    FrameHeader header;
    if (!ParseFrameHeader(buf + 1, header)) return FrameStatus::BadHeader;
    const size_t n = header.length;
    if (len < n + kFrameOverhead) return FrameStatus::Incomplete;
    const uint8_t terminator = buf[kFrameHeaderSize + n];
    if (terminator != kEtx && terminator != kEtb) return FrameStatus::BadTerminator;
    const uint16_t sent = static_cast<uint16_t>((buf[n + 7] << 8) | buf[n + 8]);
    if (ComputeBlockCrc(buf, n + 7) != sent) return FrameStatus::BadCheck;
    frame.header = header;
    frame.last = terminator == kEtb;
    frame.data = buf + kFrameHeaderSize;
    frame.size = n + kFrameOverhead;
    return FrameStatus::Ok;
}

}  // namespace volmar
