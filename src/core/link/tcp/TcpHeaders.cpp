#include "core/link/tcp/TcpHeaders.h"

#include <algorithm>
#include <cstring>

namespace volmar {
namespace {

void PutField(uint8_t* field, std::string_view text)
{
    const size_t n = std::min(text.size(), kTcpCredentialFieldSize - 1);
    std::memcpy(field, text.data(), n);
}

std::string GetField(const uint8_t* field)
{
    const auto* end = static_cast<const uint8_t*>(std::memchr(field, 0, kTcpCredentialFieldSize));
    const size_t n = end ? static_cast<size_t>(end - field) : kTcpCredentialFieldSize;
    return std::string(reinterpret_cast<const char*>(field), n);
}

}  // namespace

uint32_t LoadLe32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void StoreLe32(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

TcpRequestHeader BuildTcpRequestHeader(uint8_t command, std::string_view loginId,
                                       std::string_view password, uint32_t length)
{
    TcpRequestHeader h{};
    h[0] = kTcpStx;
    h[1] = command;
    PutField(h.data() + kTcpLoginIdOffset, loginId);
    PutField(h.data() + kTcpPasswordOffset, password);
    StoreLe32(h.data() + kTcpLengthOffset, length);
    return h;
}

TcpRequest ParseTcpRequestHeader(std::span<const uint8_t, kTcpRequestHeaderSize> bytes)
{
    TcpRequest r;
    r.stx = bytes[0];
    r.command = bytes[1];
    r.loginId = GetField(bytes.data() + kTcpLoginIdOffset);
    r.password = GetField(bytes.data() + kTcpPasswordOffset);
    r.length = LoadLe32(bytes.data() + kTcpLengthOffset);
    return r;
}

std::array<uint8_t, kTcpReplyHeaderSize> BuildTcpReplyHeader(uint8_t code, uint8_t result,
                                                             uint32_t length)
{
    std::array<uint8_t, kTcpReplyHeaderSize> h{};
    h[0] = kTcpStx;
    h[1] = code;
    h[2] = result;
    StoreLe32(h.data() + 4, length);
    return h;
}

TcpReplyHeader ParseTcpReplyHeader(std::span<const uint8_t, kTcpReplyHeaderSize> bytes)
{
    TcpReplyHeader r;
    r.stx = bytes[0];
    r.code = bytes[1];
    r.result = bytes[2];
    r.length = LoadLe32(bytes.data() + 4);
    return r;
}

}  // namespace volmar
