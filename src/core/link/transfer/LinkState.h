#pragma once
// Which link is selected, which protocol the unit speaks and whether the
// user has logged in. One instance lives for the whole run; only the thread
// that owns the windows (or the CLI's main thread) writes it.
#include <cstddef>
#include <string>

namespace volmar {

enum class LinkKind : int { Network = 0, Usb = 1 };

enum ProtocolKind : int { kProtocolUnknown = 0, kProtocolPlain = 1, kProtocolCipher = 2 };

constexpr size_t kCredentialSize = 49;  // 48 bytes of UTF-8 and the NUL
constexpr size_t kMaxCredentialChars = 16;
constexpr int kDefaultTcpPort = 30321;

struct LinkState {
    LinkKind kind = LinkKind::Usb;
    int comPort = 1;          // the preference "COM"
    std::string comDevice;    // the device path the COM number maps to
    int tcpPort = kDefaultTcpPort;
    std::string selectedUnit; // the address-book name (preference "NET")
    std::string address;      // a host given directly (CLI); empty: look up selectedUnit
    int protocol = kProtocolUnknown;
    int loggedIn = 0;
    char loginId[kCredentialSize] = {};
    char password[kCredentialSize] = {};

    LinkState() { ResetSession(); }

    // Forgets the protocol and the login: at start-up and whenever the
    // selected link changes. The credentials become the placeholder, which
    // never equals an account's ASCII login ID.
    void ResetSession();
    // Stores credentials already checked for length.
    void SetCredentials(const std::string& id, const std::string& pw);
};

// The placeholder credentials: six bytes of non-ASCII double-byte
// characters and the NUL.
extern const char kPlaceholderCredential[7];

}  // namespace volmar
