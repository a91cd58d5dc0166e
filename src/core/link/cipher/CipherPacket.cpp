#include "core/link/cipher/CipherPacket.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/link/tcp/TcpHeaders.h"

namespace volmar {

void EncodeCipherHeader(uint8_t code, uint32_t part1, uint32_t part2, uint32_t nonce,
                        std::span<uint8_t, kCipherHeaderSize> out)
{
    std::memset(out.data(), 0, out.size());
    out[0] = kCipherMagic0;
    out[1] = kCipherMagic1;
    out[2] = code;
    out[3] = static_cast<uint8_t>(0xFF - code);
    StoreLe32(out.data() + 4, part1);
    StoreLe32(out.data() + 8, part2);
    StoreLe32(out.data() + 12, nonce);
}

CipherPacketHeader DecodeCipherHeader(std::span<const uint8_t, kCipherHeaderSize> in)
{
    CipherPacketHeader h;
    h.code = in[2];
    h.check = in[3];
    h.part1 = LoadLe32(in.data() + 4);
    h.part2 = LoadLe32(in.data() + 8);
    h.nonce = LoadLe32(in.data() + 12);
    return h;
}

uint64_t CipherPadded(uint32_t len)
{
    return (static_cast<uint64_t>(len) + 15) / 16 * 16;
}

uint64_t CipherBodySize(const CipherPacketHeader& h)
{
    return CipherPadded(h.part1) + CipherPadded(h.part2);
}

CipherReplyKind ClassifyCipherReply(const CipherPacketHeader& h)
{
    if (h.code == kCipherAccepted && h.check == 0x90) return CipherReplyKind::Accepted;
    if (h.code == kCipherRefused) return CipherReplyKind::Refused;
    return CipherReplyKind::Bad;
}

bool BuildCipherPacket(uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
                       uint32_t nonce, CipherPacketBuffer& out)
{
    if (part1.size() > UINT32_MAX || part2.size() > UINT32_MAX) return false;
    const auto len1 = static_cast<uint32_t>(part1.size());
    const auto len2 = static_cast<uint32_t>(part2.size());
    const uint64_t body = CipherPadded(len1) + CipherPadded(len2);
    if (body > kCipherMaxBody) return false;
    const size_t size = kCipherHeaderSize + static_cast<size_t>(body);
    out.bytes.reset(new (std::nothrow) uint8_t[size]);
    if (!out.bytes) {
        out.size = 0;
        return false;
    }
    out.size = size;
    uint8_t* p = out.bytes.get();
    std::memset(p, 0, size);
    EncodeCipherHeader(code, len1, len2, nonce, std::span<uint8_t, kCipherHeaderSize>(p, kCipherHeaderSize));
    if (len1) std::memcpy(p + kCipherHeaderSize, part1.data(), len1);
    if (len2) std::memcpy(p + kCipherHeaderSize + CipherPadded(len1), part2.data(), len2);
    return true;
}

CipherBodySplitter::CipherBodySplitter(const CipherPacketHeader& h, std::span<uint8_t> keep1,
                                       std::span<uint8_t> keep2)
    : m_len1(h.part1), m_pad1(CipherPadded(h.part1)), m_len2(h.part2), m_keep1(keep1), m_keep2(keep2)
{
}

void CipherBodySplitter::Feed(const uint8_t* data, size_t len)
{
    const uint64_t begin = m_pos;
    const uint64_t end = m_pos + len;
    m_pos = end;
    // Part 1 occupies [0, len1), part 2 [pad1, pad1 + len2).
    const uint64_t want1 = std::min<uint64_t>(m_len1, m_keep1.size());
    if (begin < want1) {
        const uint64_t to = std::min(end, want1);
        std::memcpy(m_keep1.data() + begin, data, static_cast<size_t>(to - begin));
        m_kept1 = static_cast<size_t>(to);
    }
    const uint64_t from2 = m_pad1;
    const uint64_t want2 = from2 + std::min<uint64_t>(m_len2, m_keep2.size());
    const uint64_t lo = std::max(begin, from2);
    const uint64_t hi = std::min(end, want2);
    if (lo < hi) {
        std::memcpy(m_keep2.data() + (lo - from2), data + (lo - begin), static_cast<size_t>(hi - lo));
        m_kept2 = static_cast<size_t>(hi - from2);
    }
}

}  // namespace volmar
