#pragma once
// Packets of the encrypted protocol: a 160-byte header, then part 1 and
// part 2 of the body, each zero-padded to a multiple of 16 bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace volmar {

constexpr size_t kCipherHeaderSize = 160;
constexpr uint8_t kCipherMagic0 = 0x55;
constexpr uint8_t kCipherMagic1 = 0xCC;

// Requests.
constexpr uint8_t kCipherCmdHello = 'C';
constexpr uint8_t kCipherCmdLogin = 'L';
constexpr uint8_t kCipherCmdGet = 'G';
constexpr uint8_t kCipherCmdPut = 'P';
// Replies.
constexpr uint8_t kCipherAccepted = 'o';
constexpr uint8_t kCipherRefused = 'n';

// Largest body either side accepts: twice the largest object leaves room for
// the name and the padding of any real packet.
constexpr uint64_t kCipherMaxBody = 0x400000;

struct CipherPacketHeader {
    uint8_t code = 0;
    uint8_t check = 0;  // 0xFF minus the code
    uint32_t part1 = 0;  // unpadded lengths
    uint32_t part2 = 0;
    uint32_t nonce = 0;
};

// Writes magic, code, its complement, the lengths and the nonce; the rest zero.
void EncodeCipherHeader(uint8_t code, uint32_t part1, uint32_t part2, uint32_t nonce,
                        std::span<uint8_t, kCipherHeaderSize> out);
CipherPacketHeader DecodeCipherHeader(std::span<const uint8_t, kCipherHeaderSize> in);

// A length rounded up to the next multiple of 16.
uint64_t CipherPadded(uint32_t len);
// Size of the padded body that follows a header.
uint64_t CipherBodySize(const CipherPacketHeader& h);

enum class CipherReplyKind { Accepted, Refused, Bad };
// 'o' with its complement 0x90 is accepted, 'n' refused, anything else bad.
// The magic bytes are not looked at.
CipherReplyKind ClassifyCipherReply(const CipherPacketHeader& h);

// A whole packet in memory, allocated without throwing.
struct CipherPacketBuffer {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    std::span<uint8_t> Span() { return {bytes.get(), size}; }
};

// Header plus padded parts. False when the memory cannot be had or the body
// is larger than kCipherMaxBody.
bool BuildCipherPacket(uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
                       uint32_t nonce, CipherPacketBuffer& out);

// Splits the plaintext of a body, fed in pieces of any size, into its two
// parts. Keeps at most keep1.size() bytes of part 1 and keep2.size() bytes of
// part 2; padding and anything past the kept sizes is dropped.
class CipherBodySplitter {
public:
    CipherBodySplitter(const CipherPacketHeader& h, std::span<uint8_t> keep1, std::span<uint8_t> keep2);
    void Feed(const uint8_t* data, size_t len);
    // Bytes of each part stored so far.
    size_t Kept1() const { return m_kept1; }
    size_t Kept2() const { return m_kept2; }

private:
    uint64_t m_len1, m_pad1, m_len2;
    std::span<uint8_t> m_keep1, m_keep2;
    uint64_t m_pos = 0;
    size_t m_kept1 = 0, m_kept2 = 0;
};

}  // namespace volmar
