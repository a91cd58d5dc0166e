#pragma once
// The headers of the plain TCP protocol: a 112-byte request header before
// every request block and an 8-byte reply header (also the acknowledgement).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace volmar {

constexpr size_t kTcpRequestHeaderSize = 112;
constexpr size_t kTcpReplyHeaderSize = 8;
// Login ID and password fields, NUL-terminated and zero-filled.
constexpr size_t kTcpCredentialFieldSize = 52;
constexpr size_t kTcpLoginIdOffset = 4;
constexpr size_t kTcpPasswordOffset = 56;
constexpr size_t kTcpLengthOffset = 108;
constexpr uint8_t kTcpStx = 0x02;

// Request commands.
constexpr uint8_t kTcpCmdStatus = 'S';
constexpr uint8_t kTcpCmdGet = 'G';
constexpr uint8_t kTcpCmdPutName = 'P';
constexpr uint8_t kTcpCmdPutData = 'p';

// Reply codes.
constexpr uint8_t kTcpReplyAccepted = 'l';
constexpr uint8_t kTcpReplyStatus = 's';
constexpr uint8_t kTcpReplyObject = 'g';
constexpr uint8_t kTcpReplyPutDone = 'd';
constexpr uint8_t kTcpReplyRefused = '*';

using TcpRequestHeader = std::array<uint8_t, kTcpRequestHeaderSize>;

// What a request header carries, as the unit reads it.
struct TcpRequest {
    uint8_t stx = 0;
    uint8_t command = 0;
    std::string loginId;
    std::string password;
    uint32_t length = 0;
};

struct TcpReplyHeader {
    uint8_t stx = 0;
    uint8_t code = 0;
    // Result code of a refused put.
    uint8_t result = 0;
    uint32_t length = 0;
};

// Credentials longer than the field are cut so that the NUL always fits.
TcpRequestHeader BuildTcpRequestHeader(uint8_t command, std::string_view loginId,
                                       std::string_view password, uint32_t length);
TcpRequest ParseTcpRequestHeader(std::span<const uint8_t, kTcpRequestHeaderSize> bytes);

std::array<uint8_t, kTcpReplyHeaderSize> BuildTcpReplyHeader(uint8_t code, uint8_t result,
                                                             uint32_t length);
TcpReplyHeader ParseTcpReplyHeader(std::span<const uint8_t, kTcpReplyHeaderSize> bytes);

uint32_t LoadLe32(const uint8_t* p);
void StoreLe32(uint8_t* p, uint32_t v);

}  // namespace volmar
