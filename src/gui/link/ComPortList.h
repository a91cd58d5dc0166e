#pragma once
// The serial port list of the Connect dialog on Linux. The preference "COM"
// stays a port number (1 to 20); which device a number stands for is kept in
// the section "COMMAP" ("COM%d" = device path), so a choice survives a
// replug and a renumbering by the system. Devices the system reports that
// no number is kept for get the lowest free numbers, in the system's order.
#include <string>
#include <vector>

#include "core/common/Profile.h"
#include "core/link/connect/LinkDescription.h"

namespace volmar::gui {

inline constexpr const char* kComMapSection = "COMMAP";

// A serial device the system reports.
struct SerialDevice {
    std::string path;         // the stable name when there is one (/dev/serial/by-id/...)
    std::string systemPath;   // the kernel's node (/dev/ttyACM0)
    std::string description;  // the product text, may be empty
};

// One position of the USB combo: port number - 1.
struct ComPortEntry {
    int number = 0;
    std::string device;  // empty: nothing known for this number
    std::string name;    // the combo's text
    bool present = false;
};

// The key of a number in "COMMAP": "COM%d".
std::string ComMapKey(int number);

// The devices of QSerialPortInfo, with the /dev/serial/by-id link of each
// preferred as its path.
std::vector<SerialDevice> SystemSerialDevices();

// The 20 positions for the given devices and the numbers kept in the
// profile.
std::vector<ComPortEntry> BuildComPortList(Profile& profile, const std::vector<SerialDevice>& devices);

// The display names by port index, as DescribeLink takes them.
ComPortNames ComPortNamesOf(const std::vector<ComPortEntry>& list);

// The device a port number opens: the kept one, else the one the list
// gives the number now; empty when neither.
std::string ResolveComDevice(Profile& profile, int number, const std::vector<SerialDevice>& devices);

}  // namespace volmar::gui
