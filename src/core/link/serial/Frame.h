#pragma once
// The serial block: STX, block number, its complement, command, 16-bit
// big-endian length, up to 1024 data bytes, ETX/ETB, 16-bit check value.
// Encoding and decoding never touch a byte outside the given buffers.
#include <cstddef>
#include <cstdint>

namespace volmar {

inline constexpr uint8_t kStx = 0x02;
inline constexpr uint8_t kEtx = 0x03;
inline constexpr uint8_t kEot = 0x04;
inline constexpr uint8_t kEnq = 0x05;
inline constexpr uint8_t kAck = 0x06;
inline constexpr uint8_t kNak = 0x15;
inline constexpr uint8_t kEtb = 0x17;

// Command codes.
inline constexpr uint8_t kCmdStatus = 'S';
inline constexpr uint8_t kCmdStatusReply = 's';
inline constexpr uint8_t kCmdGet = 'G';
inline constexpr uint8_t kCmdGetReply = 'g';
inline constexpr uint8_t kCmdResult = 'A';
inline constexpr uint8_t kCmdResultReply = 'a';
inline constexpr uint8_t kCmdPut = 'P';
inline constexpr uint8_t kCmdPutData = 'p';
inline constexpr uint8_t kCmdNegative = '*';

inline constexpr size_t kMaxBlockData = 1024;
inline constexpr size_t kFrameHeaderSize = 6;   // STX .. length
inline constexpr size_t kFrameOverhead = 9;     // header, terminator, check value
inline constexpr size_t kMaxFrameSize = kMaxBlockData + kFrameOverhead;

// The five bytes after STX.
struct FrameHeader {
    uint8_t block = 0;
    uint8_t command = 0;
    uint16_t length = 0;
};

// Parses block number, complement, command and length (5 bytes after STX).
// False when the complement does not match or the length exceeds 1024.
bool ParseFrameHeader(const uint8_t* fiveBytes, FrameHeader& header);

// Writes one frame into out; returns its size, or 0 when len > 1024 or the
// frame does not fit in capacity.
size_t EncodeFrame(uint8_t block, uint8_t command, const uint8_t* data, size_t len, bool last,
                   uint8_t* out, size_t capacity);

enum class FrameStatus {
    Ok,
    Incomplete,      // a valid prefix; more bytes are needed
    NoStx,           // the first byte is not STX
    BadHeader,       // complement mismatch or length over 1024
    BadTerminator,   // neither ETX nor ETB
    BadCheck,        // check value mismatch
};

struct DecodedFrame {
    FrameHeader header;
    bool last = false;              // ETB
    const uint8_t* data = nullptr;  // points into the decoded buffer
    size_t size = 0;                // whole frame, n + 9
};

// Decodes the frame at the start of buf (len bytes).
FrameStatus DecodeFrame(const uint8_t* buf, size_t len, DecodedFrame& frame);

}  // namespace volmar
