#include "core/link/serial/BlockTransactions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/link/serial/BlockCrc.h"
#include "core/link/serial/Frame.h"
#include "core/link/serial/LineReader.h"

namespace volmar {
namespace {

using FrameBuffer = std::array<uint8_t, kMaxFrameSize>;

bool WriteAll(ByteStream& line, const uint8_t* data, size_t len)
{
    return line.Write(data, len) == len && line.Flush();
}

bool WriteControl(ByteStream& line, uint8_t code)
{
    return WriteAll(line, &code, 1);
}

// Sends the first frame until the unit acknowledges it: NAK retries, silence
// pauses 2000 ms and retries, any other byte or a write failure ends it.
bool Handshake(ByteStream& line, Clock& clock, const uint8_t* frame, size_t size)
{
    for (int attempt = 0; attempt < kHandshakeAttempts; ++attempt) {
        if (!WriteAll(line, frame, size)) return false;
        const int reply = ReadOneByte(line, clock, kByteTimeoutMs);
        if (reply == kAck) return true;
        if (reply == kNak) continue;
        if (reply < 0) {
            clock.SleepMs(kSilencePauseMs);
            continue;
        }
        return false;
    }
    return false;
}

enum class BlockRead { Good, Retry, Fail };

// Receives one block into frame. Retry means one counted attempt.
BlockRead ReceiveBlock(ByteStream& line, Clock& clock, uint8_t expectedBlock, uint8_t replyCode,
                       FrameBuffer& frame, FrameHeader& header)
{
    if (!HuntStx(line, clock, kStxTimeoutMs)) return BlockRead::Fail;
    frame[0] = kStx;
    if (!ReadExactly(line, clock, frame.data() + 1, 5, kByteTimeoutMs) ||
        !ParseFrameHeader(frame.data() + 1, header) ||
        (header.block != expectedBlock && header.command != kCmdNegative)) {
        DrainInput(line, clock);
        return BlockRead::Retry;
    }
    if (header.command != kCmdNegative && header.command != replyCode) return BlockRead::Fail;
    const size_t n = header.length;
    if (n > 0 && !ReadExactly(line, clock, frame.data() + kFrameHeaderSize, n, kByteTimeoutMs))
        return BlockRead::Retry;
    if (!ReadExactly(line, clock, frame.data() + kFrameHeaderSize + n, 3, kByteTimeoutMs))
        return BlockRead::Retry;
    const uint8_t terminator = frame[kFrameHeaderSize + n];
    if (terminator != kEtx && terminator != kEtb) return BlockRead::Retry;
    const uint16_t sent = static_cast<uint16_t>((frame[n + 7] << 8) | frame[n + 8]);
    if (ComputeBlockCrc(frame.data(), n + 7) != sent) {
        if (!WriteControl(line, kNak)) return BlockRead::Fail;
        return BlockRead::Retry;
    }
    return BlockRead::Good;
}

}  // namespace

bool RequestTransaction(ByteStream& line, Clock& clock, std::atomic<int32_t>& progress,
                        uint8_t command, const uint8_t* param, size_t paramLen, uint8_t replyCode,
                        uint8_t* out, size_t capacity, size_t& received)
{
    received = 0;
    progress = 0;
    if (capacity > 0 && out == nullptr) return false;
    line.Purge();

    FrameBuffer frame;
    const size_t size = EncodeFrame(0, command, param, paramLen, true, frame.data(), frame.size());
    if (size == 0) return false;
    if (!Handshake(line, clock, frame.data(), size)) return false;
    if (!WriteControl(line, kEnq)) return false;

    uint8_t expected = 0;
    size_t total = 0;
    bool overflow = false;
    for (;;) {
        FrameHeader header;
        BlockRead result = BlockRead::Retry;
        for (int attempt = 0; attempt < kBlockAttempts && result == BlockRead::Retry; ++attempt)
            result = ReceiveBlock(line, clock, expected, replyCode, frame, header);
        if (result != BlockRead::Good) return false;

        const size_t n = header.length;
        if (!overflow && n <= capacity - total) {
            if (n > 0) std::memcpy(out + total, frame.data() + kFrameHeaderSize, n);
            total += n;
            received = total;
            progress = static_cast<int32_t>(total);
        } else {
            // Once a block is dropped, later ones are dropped too: the
            // output never has a hole in the middle.
            overflow = true;
        }
        if (!WriteControl(line, kAck)) return false;
        if (frame[kFrameHeaderSize + n] == kEtb) {
            if (!WriteControl(line, kEot)) return false;
            if (header.command == kCmdNegative) received = 0;
            return !overflow;
        }
        expected = static_cast<uint8_t>(expected + 1);
    }
}

bool SendTransaction(ByteStream& line, Clock& clock, std::atomic<int32_t>& progress,
                     const uint8_t* param, size_t paramLen, const uint8_t* data, size_t len)
{
    progress = 0;
    if ((len > 0 && data == nullptr) || len > INT32_MAX) return false;
    line.Purge();

    FrameBuffer frame;
    size_t size = EncodeFrame(0, kCmdPut, param, paramLen, false, frame.data(), frame.size());
    if (size == 0) return false;
    if (!Handshake(line, clock, frame.data(), size)) return false;

    uint8_t block = 0;
    for (size_t offset = 0; offset < len;) {
        const size_t n = std::min(kMaxBlockData, len - offset);
        const bool last = offset + n == len;
        block = static_cast<uint8_t>(block + 1);
        size = EncodeFrame(block, kCmdPutData, data + offset, n, last, frame.data(), frame.size());

        bool done = false;
        for (int attempt = 0; attempt < kBlockAttempts && !done; ++attempt) {
            if (!WriteAll(line, frame.data(), size)) return false;
            const int reply = ReadOneByte(line, clock, kByteTimeoutMs);
            if (reply < 0) {
                clock.SleepMs(kSilencePauseMs);
            } else if (reply == kAck && !last) {
                done = true;
            } else if (reply == kNak && !last) {
                // rejected: send it again
            } else if (reply == kNak) {
                // The unit follows its answer to the last block with one more
                // byte; take it off the line. A rejected last block is sent
                // again whatever that byte is: NAK then EOT is no success.
                ReadOneByte(line, clock, kByteTimeoutMs);
            } else if (reply == kAck) {
                const int end = ReadOneByte(line, clock, kByteTimeoutMs);
                if (end < 0) return false;
                done = end == kEot;
            } else {
                return false;
            }
        }
        if (!done) return false;
        offset += n;
        progress = static_cast<int32_t>(offset);
    }
    return true;
}

}  // namespace volmar
