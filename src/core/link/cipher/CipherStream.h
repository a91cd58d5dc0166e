#pragma once
// Reading and sending whole packets of the encrypted protocol. Both sides of
// the link (the tool and the simulated unit) use these. Every packet starts
// its CBC chain at the link vector and runs it over header and body.
#include <cstdint>
#include <functional>
#include <span>

#include "core/link/cipher/CamelliaCbc.h"
#include "core/link/cipher/CipherPacket.h"
#include "core/link/tcp/Socket.h"

namespace volmar {

// Reads exactly len bytes or fails.
using CipherReadFn = std::function<bool(uint8_t* data, size_t len)>;

// Reads one reply: the header, then its body piece by piece, decrypting as
// it goes when a key is given (without a key the packet travels in clear).
// Memory stays bounded whatever lengths the header claims.
class CipherReplyReader {
public:
    CipherReplyReader(CipherReadFn read, const CamelliaKey* key, const CipherBlock& linkVector);

    // 0, kCipherErrRecvHeader or kCipherErrDecryption.
    int ReadHeader(CipherPacketHeader& header);
    // Decrypts an already received header in place and decodes it (the unit
    // side tries each candidate key this way). 0 or kCipherErrDecryption.
    int DecodeHeader(std::span<uint8_t, kCipherHeaderSize> raw, CipherPacketHeader& header);
    // 0, kCipherErrHeader (body larger than kCipherMaxBody), kCipherErrRecv or
    // kCipherErrDecryption. counted sees the body bytes as they arrive.
    int ReadBody(const CipherPacketHeader& header, CipherBodySplitter& sink,
                 const ByteCountFn& counted = {});

private:
    CipherReadFn m_read;
    const CamelliaKey* m_key;
    CipherBlock m_chain;
};

// Builds, encrypts (when a key is given) and sends one packet. counted sees
// every byte sent, header and padding included. Returns 0, kCipherErrAlloc,
// kCipherErrEncryption or kCipherErrSend.
int SendCipherPacket(int fd, uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
                     uint32_t nonce, const CamelliaKey* key, const CipherBlock& linkVector, int inactivityMs,
                     const ByteCountFn& counted = {}, const SocketStop* stop = nullptr);

}  // namespace volmar
