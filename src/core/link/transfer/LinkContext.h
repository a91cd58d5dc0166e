#pragma once
// What every step of a device operation works with: the link state, the
// door to the user, the preferences (address book, "CONNECT_CONFIRM"), and
// where serial lines and sockets come from.
#include <string>

#include "core/common/Profile.h"
#include "core/link/tcp/Socket.h"
#include "core/link/tcp/TcpTransport.h"
#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/SerialLine.h"

namespace volmar {

struct LinkOptions {
    // Null: the real port at LinkState::comDevice.
    SerialPortOpener* serial = nullptr;
    // Connect and inactivity time-outs of every socket.
    SocketTimeouts timeouts;
};

struct LinkContext {
    LinkState& link;
    Interaction& ui;
    Profile& profile;
    LinkOptions options;

    SerialPortOpener& Serial() const { return options.serial ? *options.serial : DevicePortOpener(); }
    uint16_t TcpPort() const { return static_cast<uint16_t>(link.tcpPort); }
    // A plain TCP operation on the address as the current credentials.
    TcpTarget Target(const std::string& address) const
    {
        TcpTarget t;
        t.address = address;
        t.port = TcpPort();
        t.loginId = link.loginId;
        t.password = link.password;
        t.timeouts = options.timeouts;
        return t;
    }
};

}  // namespace volmar
