#pragma once
// The link key of the encrypted protocol: built at run time from two fixed
// key-derivation constants and the user's password. The unit is built with
// the same two constants.
#include <optional>
#include <string_view>

#include "core/link/cipher/CamelliaCbc.h"

namespace volmar {

// 32 alphanumeric ASCII characters each.
extern const char kLinkKeyConstant1[33];
extern const char kLinkKeyConstant2[33];

// The 256-bit link key for a password (its UTF-8 bytes, without NUL). The
// login ID takes no part. Empty only when the cipher fails.
std::optional<CamelliaKey> DeriveLinkKey(std::string_view password);

}  // namespace volmar
