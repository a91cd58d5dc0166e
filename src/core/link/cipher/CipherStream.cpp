#include "core/link/cipher/CipherStream.h"

#include <algorithm>

#include "core/link/cipher/CipherErrors.h"

namespace volmar {

CipherReplyReader::CipherReplyReader(CipherReadFn read, const CamelliaKey* key,
                                     const CipherBlock& linkVector)
    : m_read(std::move(read)), m_key(key), m_chain(linkVector)
{
}

int CipherReplyReader::ReadHeader(CipherPacketHeader& header)
{
    std::array<uint8_t, kCipherHeaderSize> raw{};
    if (!m_read(raw.data(), raw.size())) return kCipherErrRecvHeader;
    return DecodeHeader(raw, header);
}

int CipherReplyReader::DecodeHeader(std::span<uint8_t, kCipherHeaderSize> raw,
                                    CipherPacketHeader& header)
{
    if (m_key && !CamelliaCbcDecrypt(*m_key, m_chain, raw)) return kCipherErrDecryption;
    header = DecodeCipherHeader(raw);
    return kCipherErrNone;
}

int CipherReplyReader::ReadBody(const CipherPacketHeader& header, CipherBodySplitter& sink,
                                const ByteCountFn& counted)
{
    const uint64_t total = CipherBodySize(header);
    if (total > kCipherMaxBody) return kCipherErrHeader;
    std::array<uint8_t, 16384> chunk;
    for (uint64_t done = 0; done < total;) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(chunk.size(), total - done));
        if (!m_read(chunk.data(), n)) return kCipherErrRecv;
        if (counted) counted(n);
        if (m_key && !CamelliaCbcDecrypt(*m_key, m_chain, std::span<uint8_t>(chunk.data(), n)))
            return kCipherErrDecryption;
        sink.Feed(chunk.data(), n);
        done += n;
    }
    return kCipherErrNone;
}

int SendCipherPacket(int fd, uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
                     uint32_t nonce, const CamelliaKey* key, const CipherBlock& linkVector, int inactivityMs,
                     const ByteCountFn& counted, const SocketStop* stop)
{
    CipherPacketBuffer packet;
    if (!BuildCipherPacket(code, part1, part2, nonce, packet)) return kCipherErrAlloc;
    CipherBlock chain = linkVector;
    if (key && !CamelliaCbcEncrypt(*key, chain, packet.Span())) return kCipherErrEncryption;
    if (!SendAll(fd, packet.bytes.get(), packet.size, inactivityMs, counted, stop)) return kCipherErrSend;
    return kCipherErrNone;
}

}  // namespace volmar
