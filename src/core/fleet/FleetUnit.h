#pragma once
// One unit of a fleet: what it is called, where it is reached and as whom.
#include <cstdint>
#include <string>

namespace volmar {

struct FleetUnit {
    // The name the results and backup files carry: from the address book or
    // the units file, else the address.
    std::string name;
    // Dotted IPv4 address or host name.
    std::string address;
    // 0: the run's port.
    uint16_t port = 0;
    // Empty: the run's login ID.
    std::string login;
    // A serial device: the unit is reached over it instead of the network,
    // and units on one device run one after another.
    std::string serialDevice;

    // The address as given: with ":PORT" when the unit has a port of its own.
    std::string Where() const
    {
        if (!serialDevice.empty()) return serialDevice;
        return port != 0 ? address + ":" + std::to_string(port) : address;
    }
};

}  // namespace volmar
