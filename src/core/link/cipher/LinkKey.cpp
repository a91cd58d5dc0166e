#include "core/link/cipher/LinkKey.h"

#include <cstring>

namespace volmar {

const char kLinkKeyConstant1[33] = "R7mKq2VxT9bLc4NwZ8hPf3JdY6sGa1Ue";
const char kLinkKeyConstant2[33] = "h5XpW2rQk8MzB4vNt7LcJ9gFy3DsA6Eu";

std::optional<CamelliaKey> DeriveLinkKey(std::string_view password)
{
    CamelliaKey work;
    CamelliaKey second;
    std::memcpy(work.data(), kLinkKeyConstant1, work.size());
    std::memcpy(second.data(), kLinkKeyConstant2, second.size());
    for (size_t i = 0; i < second.size(); ++i) work[i % work.size()] ^= second[i];
    CipherBlock zero{};
    if (!CamelliaCbcEncrypt(work, zero, second)) return std::nullopt;
    work = second;
    for (size_t i = 0; i < password.size(); ++i)
        work[i % work.size()] ^= static_cast<uint8_t>(password[i]);
    return work;
}

}  // namespace volmar
