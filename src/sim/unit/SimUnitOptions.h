#pragma once
// What a simulated unit is told at start: who it is, its flags, the accounts
// it accepts beyond those of its setting, and the faults it shows.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace volmar::sim {

// Bits of the status record's flag byte.
constexpr uint8_t kFlagSdCard = 0x01;
constexpr uint8_t kFlagLogging = 0x02;
constexpr uint8_t kFlagNetworkConfig = 0x08;

struct LoginAccount {
    std::string id;
    std::string password;
};

struct SimUnitOptions {
    uint8_t deviceCode = ')';
    uint8_t major = 2;
    uint8_t minor = 1;
    uint16_t build = 300;
    uint8_t flags = kFlagSdCard | kFlagNetworkConfig;
    // A locally administered address, so it never matches real hardware.
    std::array<uint8_t, 6> mac{0x02, 0x51, 0x4E, 0x70, 0x47, 0x01};
    // Free capacity of the SD card in bytes.
    double sdFreeBytes = 7.5 * 1024 * 1024 * 1024;
    // Accepted in addition to the accounts in use in the setting's access block.
    std::vector<LoginAccount> accounts;
    // Faults.
    bool refuseLogin = false;
    int processingRounds = 0;  // result queries answered "processing" after each put
    int refusePutCode = 0;     // refuse every put with this code (0: none)
    std::string refusePutText;
    // Read into the setting after every accepted put of the setting: the
    // unit changing a value on its own (a verify after upload sees it).
    std::string alterAfterPut;
};

}  // namespace volmar::sim
