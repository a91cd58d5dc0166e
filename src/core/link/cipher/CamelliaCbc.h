#pragma once
// Camellia-256 in CBC mode (RFC 3713), in place, through OpenSSL. The
// chaining value is the caller's, so one chain can run over several buffers
// (a packet header and then its body).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace volmar {

constexpr size_t kCamelliaKeySize = 32;
constexpr size_t kCamelliaBlockSize = 16;

using CamelliaKey = std::array<uint8_t, kCamelliaKeySize>;
using CipherBlock = std::array<uint8_t, kCamelliaBlockSize>;

// Encrypts data in place; chain is the starting vector and becomes the last
// ciphertext block. A length that is not a multiple of 16 fails and leaves
// data and chain untouched.
bool CamelliaCbcEncrypt(const CamelliaKey& key, CipherBlock& chain, std::span<uint8_t> data);

// Decrypts data in place; chain is the starting vector and becomes the last
// ciphertext block. A length that is not a multiple of 16 fails.
bool CamelliaCbcDecrypt(const CamelliaKey& key, CipherBlock& chain, std::span<uint8_t> data);

}  // namespace volmar
