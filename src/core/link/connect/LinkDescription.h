#pragma once
// The two status lines that name the selected link, shown by the main
// window, the access-mode confirmation and the configuration hub.
#include <map>
#include <string>

#include "core/common/Profile.h"

namespace volmar {

struct LinkState;

struct LinkDescription {
    std::string accessMode;  // line 1: "USB" or "Network"
    std::string device;      // line 2: the port, or "name (address)"

    bool operator==(const LinkDescription&) const = default;
};

// The port list as the Connect dialog builds it: port index (port number
// minus 1) to display name.
using ComPortNames = std::map<int, std::string>;

// Ports the USB combo offers: 1 to 20.
constexpr int kListedComPorts = 20;

// USB: "USB" and the display name of the selected port (empty when the port
// is outside 1 to 20 or not in the list). Network: "Network" and, for the
// first slot named like the selected unit, "name (address)"; empty when no
// slot is. A host given directly (LinkState::address) is shown as it is.
LinkDescription DescribeLink(const LinkState& link, Profile& profile, const ComPortNames& ports);

}  // namespace volmar
