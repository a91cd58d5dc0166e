#pragma once
// What every window of the application works with besides the setting
// record: the preferences, the link state, the door to the user for the
// device flows and for every message, and the serial port list.
#include <functional>

#include "common/Profile.h"
#include "link/connect/LinkDescription.h"
#include "link/transfer/Interaction.h"
#include "link/transfer/LinkState.h"

namespace volmar::gui {

struct AppContext {
    Profile& profile;
    LinkState& link;
    // Every message box and question goes through here (never a QMessageBox
    // straight from a window), so that tests can answer them.
    Interaction& ui;
    // The display names of the serial ports, by port index (number - 1).
    std::function<ComPortNames()> comPorts;
};

}  // namespace volmar::gui
