#include "core/link/transfer/LinkState.h"

#include <cstring>

namespace volmar {

// Three two-byte characters (U+00A4 three times): six bytes that no ASCII
// login ID can equal.
const char kPlaceholderCredential[7] = "\xC2\xA4\xC2\xA4\xC2\xA4";

void LinkState::ResetSession()
{
    protocol = kProtocolUnknown;
    loggedIn = 0;
    std::memset(loginId, 0, sizeof loginId);
    std::memset(password, 0, sizeof password);
    std::memcpy(loginId, kPlaceholderCredential, sizeof kPlaceholderCredential);
    std::memcpy(password, kPlaceholderCredential, sizeof kPlaceholderCredential);
}

void LinkState::SetCredentials(const std::string& id, const std::string& pw)
{
    std::memset(loginId, 0, sizeof loginId);
    std::memset(password, 0, sizeof password);
    std::memcpy(loginId, id.data(), id.size() < kCredentialSize ? id.size() : kCredentialSize - 1);
    std::memcpy(password, pw.data(), pw.size() < kCredentialSize ? pw.size() : kCredentialSize - 1);
}

}  // namespace volmar
