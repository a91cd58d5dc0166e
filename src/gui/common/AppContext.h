#pragma once
// What every window of the application works with besides the setting
// record: the preferences, the link state, the door to the user for the
// device flows and for every message, and the serial port list.
#include <functional>
#include <vector>

#include "core/common/Profile.h"
#include "gui/link/ComPortList.h"
#include "core/link/connect/LinkDescription.h"
#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/LinkState.h"

namespace volmar::gui {

struct AppContext {
    Profile& profile;
    LinkState& link;
    // Every message box and question goes through here (never a QMessageBox
    // straight from a window), so that tests can answer them.
    Interaction& ui;
    // The display names of the serial ports, by port index (number - 1).
    std::function<ComPortNames()> comPorts;
    // The serial devices the system reports (the Connect dialog's list and
    // the device a port number opens). Unset: SystemSerialDevices().
    std::function<std::vector<SerialDevice>()> serialDevices;
    // How device flows open ports and sockets (tests: time-outs).
    LinkOptions linkOptions;

    std::vector<SerialDevice> Devices() const { return serialDevices ? serialDevices() : SystemSerialDevices(); }
    std::vector<ComPortEntry> PortList() const { return BuildComPortList(profile, Devices()); }
    ComPortNames PortNames() const { return comPorts ? comPorts() : ComPortNamesOf(PortList()); }
};

}  // namespace volmar::gui
