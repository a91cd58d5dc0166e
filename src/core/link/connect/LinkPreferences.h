#pragma once
// The selected link as the preferences give it, shared by the windows and
// the CLI: "COMTYPE" (1 the serial link, else the network), "COM",
// "NETPORT", "NET", and the device the COM number stands for.
#include <functional>
#include <string>

#include "core/common/Profile.h"

namespace volmar {

struct LinkState;

// Given a COM number, the serial device it opens (empty when none).
using ComDeviceOf = std::function<std::string(int comPort)>;

// Reads the link's preferences into link. The session (protocol, login) is
// kept. Without deviceOf the device is the one kept in the section "COMMAP".
void ReadLinkPreferences(Profile& profile, LinkState& link, const ComDeviceOf& deviceOf = {});

}  // namespace volmar
