#pragma once
// One connection of the encrypted protocol: Connect, Hello, Login, then one
// Get or Put, then Close (or destruction). Each step returns success; on a
// failure LastError() holds the reason (an id of CipherErrors.h) for
// ShowLinkError. The caller keeps the link state: a successful Login sets its
// logged-in mark; a failed Connect, strict Hello or Login clears the mark and
// the detected protocol kind.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/link/cipher/CamelliaCbc.h"
#include "core/link/cipher/CipherStream.h"
#include "core/link/tcp/Socket.h"

namespace volmar {

// What the unit tells about itself in the handshake reply.
struct CipherHelloInfo {
    uint16_t deviceCode = 0;
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t build = 0;
    uint8_t status = 0;
};

// Device code of the supported unit.
constexpr uint16_t kSupportedDeviceCode = 0x0029;

class CCipherLink {
public:
    explicit CCipherLink(uint16_t port = kDefaultUnitPort, SocketTimeouts timeouts = {});

    // Connects to the address (dotted IPv4 or host name); error 508.
    bool Connect(const std::string& address);
    // Handshake in clear, then the link key from the password and the link
    // vector from the unit's challenge. A strict handshake accepts only the
    // supported device code.
    bool Hello(bool strict, std::string_view password, CipherHelloInfo* info = nullptr);
    bool Login(std::string_view loginId, std::string_view password);
    // Reads an object into out; received is its byte count. A reply larger
    // than out fails with 501 before its body is read. On refusal (493) the
    // first byte of out holds the unit's code (0 when it sent none).
    bool Get(std::string_view object, std::span<uint8_t> out, size_t& received);
    // Writes an object. On refusal (493) resultCode is the unit's result code
    // and its error text, when it sent one, is in message, NUL-terminated and
    // cut to fit. resultCode is 0 on success.
    bool Put(std::string_view object, std::span<const uint8_t> data, int& resultCode,
             std::span<char> message);
    void Close();

    int LastError() const { return m_lastError; }
    // Bytes of the current Get (body) or Put (whole packet); read by the wait
    // dialog while the transfer runs.
    std::atomic<int32_t>& ByteCounter() { return m_byteCounter; }
    const CipherBlock& LinkVector() const { return m_linkVector; }

private:
    bool Fail(int error);
    bool Send(uint8_t code, std::span<const uint8_t> part1, std::span<const uint8_t> part2,
              bool encrypted, bool counted);
    uint32_t NextNonce();
    CipherReplyReader ReplyReader(bool encrypted);

    uint16_t m_port;
    SocketTimeouts m_timeouts;
    uint32_t m_nonceState;
    std::atomic<int32_t> m_byteCounter{0};
    UniqueFd m_socket;
    CamelliaKey m_key{};
    bool m_keyed = false;
    CipherBlock m_challenge{};
    CipherBlock m_linkVector{};
    int m_lastError = 0;
};

}  // namespace volmar
