#include "core/link/cipher/CipherStream.h"

#include <algorithm>

#include "core/link/cipher/CipherErrors.h"

namespace volmar {

CipherReplyReader::CipherReplyReader(CipherReadFn read, const CamelliaKey* key,
                                     const CipherBlock& linkVector)
    : read_(std::move(read)), key_(key), chain_(linkVector)
{
}

int CipherReplyReader::ReadHeader(CipherPacketHeader& header)
{
    std::array<uint8_t, kCipherHeaderSize> raw{};
    if (!read_(raw.data(), raw.size())) return kCipherErrRecvHeader;
    return DecodeHeader(raw, header);
}

int CipherReplyReader::DecodeHeader(std::span<uint8_t, kCipherHeaderSize> raw,
                                    CipherPacketHeader& header)
{
    if (key_ && !CamelliaCbcDecrypt(*key_, chain_, raw)) return kCipherErrDecryption;
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
        if (!read_(chunk.data(), n)) return kCipherErrRecv;
        if (counted) counted(n);
        if (key_ && !CamelliaCbcDecrypt(*key_, chain_, std::span<uint8_t>(chunk.data(), n)))
            return kCipherErrDecryption;
        sink.Feed(chunk.data(), n);
        done += n;
    }
    return kCipherErrNone;
}

int SendCipherPacket(int fd, uint8_t code, std::span<const uint8_t> part1,
                     std::span<const uint8_t> part2, uint32_t nonce, const CamelliaKey* key,
                     const CipherBlock& linkVector, int inactivityMs, const ByteCountFn& counted)
{
    CipherPacketBuffer packet;
    if (!BuildCipherPacket(code, part1, part2, nonce, packet)) return kCipherErrAlloc;
    CipherBlock chain = linkVector;
    if (key && !CamelliaCbcEncrypt(*key, chain, packet.Span())) return kCipherErrEncryption;
    if (!SendAll(fd, packet.bytes.get(), packet.size, inactivityMs, counted)) return kCipherErrSend;
    return kCipherErrNone;
}

}  // namespace volmar
