#include "core/link/cipher/CipherLink.h"

#include <sys/random.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherPacket.h"
#include "core/link/cipher/CipherStream.h"
#include "core/link/cipher/LinkKey.h"
#include "core/link/tcp/TcpHeaders.h"

namespace volmar {
namespace {

std::span<const uint8_t> Bytes(std::string_view s)
{
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::span<uint8_t> Writable(std::string& s)
{
    return {reinterpret_cast<uint8_t*>(s.data()), s.size()};
}

// A text with its terminating NUL.
std::string WithNul(std::string_view s)
{
    std::string t(s);
    t.push_back('\0');
    return t;
}

}  // namespace

CCipherLink::CCipherLink(uint16_t port, SocketTimeouts timeouts) : m_port(port), m_timeouts(timeouts)
{
    if (getrandom(&m_nonceState, sizeof m_nonceState, GRND_NONBLOCK) != sizeof m_nonceState)
        m_nonceState = static_cast<uint32_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
}

uint32_t CCipherLink::NextNonce()
{
    // xorshift32: the value only has to vary, the unit does not check it.
    if (m_nonceState == 0) m_nonceState = 0x9E3779B9u;
    m_nonceState ^= m_nonceState << 13;
    m_nonceState ^= m_nonceState >> 17;
    m_nonceState ^= m_nonceState << 5;
    return m_nonceState;
}

bool CCipherLink::Fail(int error)
{
    m_lastError = error;
    return false;
}

bool CCipherLink::Connect(const std::string& address)
{
    m_socket.Reset();
    m_byteCounter = 0;
    m_key.fill(0);
    m_keyed = false;
    m_challenge.fill(0);
    m_linkVector.fill(0);
    m_lastError = 0;
    m_socket = ConnectTcp(address, m_port, m_timeouts);
    if (!m_socket) return Fail(kCipherErrConnect);
    return true;
}

void CCipherLink::Close()
{
    m_socket.Reset();
}

bool CCipherLink::Send(uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
                       bool encrypted, bool counted)
{
    if (encrypted && !m_keyed) return Fail(kCipherErrEncryption);
    ByteCountFn count;
    if (counted) count = [this](size_t n) { m_byteCounter += static_cast<int32_t>(n); };
    const int err = SendCipherPacket(m_socket.Get(), code, part1, part2, NextNonce(), encrypted ? &m_key : nullptr,
                                     m_linkVector, m_timeouts.inactivityMs, count, m_timeouts.stop);
    return err == kCipherErrNone || Fail(err);
}

bool CCipherLink::Hello(bool strict, std::string_view password, CipherHelloInfo* info)
{
    if (!Send(kCipherCmdHello, {}, {}, false, false)) return false;
    CipherReplyReader reader = ReplyReader(false);
    CipherPacketHeader h;
    if (int err = reader.ReadHeader(h)) return Fail(err);
    switch (ClassifyCipherReply(h)) {
    case CipherReplyKind::Accepted: break;
    case CipherReplyKind::Refused: return Fail(kCipherErrCodeNg);
    case CipherReplyKind::Bad: return Fail(kCipherErrHeader);
    }
    // Bytes of part 1 past what the unit sent read as zero, like padding.
    uint8_t part1[12] = {};
    uint8_t part2[kCamelliaBlockSize] = {};
    CipherBodySplitter body(h, part1, part2);
    if (int err = reader.ReadBody(h, body)) return Fail(err);
    if (h.part1 == 0) return Fail(kCipherErrStatus);
    if (h.part2 == 0) return Fail(kCipherErrConnect);
    const uint32_t word0 = LoadLe32(part1);
    const uint32_t word1 = LoadLe32(part1 + 4);
    const auto device = static_cast<uint16_t>(word0 & 0xFFFF);
    if (strict && device != kSupportedDeviceCode) return Fail(kCipherErrUnsupported);
    if (info) {
        info->deviceCode = device;
        info->major = static_cast<uint16_t>(word0 >> 16);
        info->minor = static_cast<uint16_t>(word1 & 0xFFFF);
        info->build = static_cast<uint16_t>(word1 >> 16);
        info->status = part1[8];
    }
    // The challenge is exactly one block; anything else cannot be used.
    if (h.part2 != kCamelliaBlockSize) return Fail(kCipherErrEncryption);
    std::memcpy(m_challenge.data(), part2, m_challenge.size());
    const auto key = DeriveLinkKey(password);
    if (!key) return Fail(kCipherErrEncryption);
    m_key = *key;
    CipherBlock vector = m_challenge;
    CipherBlock zero{};
    if (!CamelliaCbcEncrypt(m_key, zero, vector)) return Fail(kCipherErrEncryption);
    m_linkVector = vector;
    m_keyed = true;
    return true;
}

bool CCipherLink::Login(std::string_view loginId, std::string_view password)
{
    const std::string id = WithNul(loginId);
    const std::string pw = WithNul(password);
    if (!Send(kCipherCmdLogin, Bytes(id), Bytes(pw), true, false)) return false;
    CipherReplyReader reader = ReplyReader(true);
    CipherPacketHeader h;
    if (int err = reader.ReadHeader(h)) return Fail(err);
    if (ClassifyCipherReply(h) != CipherReplyKind::Accepted) return Fail(kCipherErrPassword);
    CipherBodySplitter discard(h, {}, {});
    if (int err = reader.ReadBody(h, discard)) return Fail(err);
    return true;
}

// Reads the unit's replies on this connection, in clear (the handshake) or
// decrypted on the link's chain.
CipherReplyReader CCipherLink::ReplyReader(bool encrypted)
{
    const int fd = m_socket.Get();
    const int inactivity = m_timeouts.inactivityMs;
    const SocketStop* stop = m_timeouts.stop;
    const CipherReadFn read = [fd, inactivity, stop](uint8_t* d, size_t n) {
        return ReadExactly(fd, d, n, inactivity, {}, stop);
    };
    if (!encrypted) return CipherReplyReader(read, nullptr, {});
    return CipherReplyReader(read, &m_key, m_linkVector);
}

bool CCipherLink::Get(std::string_view object, std::span<uint8_t> out, size_t& received)
{
    m_byteCounter = 0;
    received = 0;
    if (!Send(kCipherCmdGet, Bytes(object), {}, true, false)) return false;
    CipherReplyReader reader = ReplyReader(true);
    CipherPacketHeader h;
    if (int err = reader.ReadHeader(h)) return Fail(err);
    switch (ClassifyCipherReply(h)) {
    case CipherReplyKind::Accepted: {
        if (h.part1 > out.size()) return Fail(kCipherErrRecvSize);
        CipherBodySplitter body(h, out, {});
        const ByteCountFn count = [this](size_t n) { m_byteCounter += static_cast<int32_t>(n); };
        if (int err = reader.ReadBody(h, body, count)) return Fail(err);
        received = h.part1;
        return true;
    }
    case CipherReplyKind::Refused: {
        if (!out.empty()) out[0] = 0;
        if (h.part1 <= out.size()) {
            CipherBodySplitter body(h, out, {});
            if (int err = reader.ReadBody(h, body)) return Fail(err);
        }
        return Fail(kCipherErrCodeNg);
    }
    case CipherReplyKind::Bad: break;
    }
    return Fail(kCipherErrHeader);
}

bool CCipherLink::Put(std::string_view object, std::span<const uint8_t> data, int& resultCode,
                      std::span<char> message)
{
    m_byteCounter = 0;
    resultCode = 0;
    if (!Send(kCipherCmdPut, Bytes(object), data, true, true)) return false;
    CipherReplyReader reader = ReplyReader(true);
    CipherPacketHeader h;
    if (int err = reader.ReadHeader(h)) return Fail(err);
    switch (ClassifyCipherReply(h)) {
    case CipherReplyKind::Accepted: return true;
    case CipherReplyKind::Refused: {
        // Bytes of the code word that the unit did not send read as zero.
        uint8_t code[4] = {};
        const size_t textRoom = message.empty() ? 0 : message.size() - 1;
        std::string text(textRoom, '\0');
        CipherBodySplitter body(h, code, Writable(text));
        if (int err = reader.ReadBody(h, body)) return Fail(err);
        resultCode = static_cast<int32_t>(LoadLe32(code));
        if (h.part2 != 0 && !message.empty()) {
            std::memcpy(message.data(), text.data(), body.Kept2());
            message[body.Kept2()] = '\0';
        }
        return Fail(kCipherErrCodeNg);
    }
    case CipherReplyKind::Bad: break;
    }
    return Fail(kCipherErrHeader);
}

}  // namespace volmar
