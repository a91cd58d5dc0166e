#include "core/link/cipher/CamelliaCbc.h"

#include <openssl/evp.h>

#include <climits>
#include <cstring>
#include <memory>

namespace volmar {
namespace {

struct CtxFree {
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};

// OpenSSL takes int lengths; larger buffers go through in steps.
constexpr size_t kStep = size_t{1} << 20;

bool Run(const CamelliaKey& key, CipherBlock& chain, std::span<uint8_t> data, bool encrypt)
{
    if (data.size() % kCamelliaBlockSize != 0) return false;
    if (data.empty()) return true;
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    if (!ctx) return false;
    if (EVP_CipherInit_ex(ctx.get(), EVP_camellia_256_cbc(), nullptr, key.data(), chain.data(),
                          encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1)
        return false;
    CipherBlock next;
    if (!encrypt) std::memcpy(next.data(), data.data() + data.size() - kCamelliaBlockSize, next.size());
    for (size_t done = 0; done < data.size();) {
        const size_t n = std::min(kStep, data.size() - done);
        int out = 0;
        if (EVP_CipherUpdate(ctx.get(), data.data() + done, &out, data.data() + done,
                             static_cast<int>(n)) != 1 ||
            static_cast<size_t>(out) != n)
            return false;
        done += n;
    }
    if (encrypt) std::memcpy(next.data(), data.data() + data.size() - kCamelliaBlockSize, next.size());
    chain = next;
    return true;
}

}  // namespace

bool CamelliaCbcEncrypt(const CamelliaKey& key, CipherBlock& chain, std::span<uint8_t> data)
{
    return Run(key, chain, data, true);
}

bool CamelliaCbcDecrypt(const CamelliaKey& key, CipherBlock& chain, std::span<uint8_t> data)
{
    return Run(key, chain, data, false);
}

}  // namespace volmar
