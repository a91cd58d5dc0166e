#pragma once
// The objects of a simulated unit and what a get or put of each does:
//
//   CONFIG_P get/put  the setting as a compressed settings document
//   MAC      get      6 bytes
//   LOG      get/put  the system log text; a put of 0x01 empties it
//   SD       get      free capacity: little-endian double, then 4 zero bytes
//   TIME     get/put  the clock as six 16-bit values (year ... second)
//   SUM      put      a pulse-count preset command document
//   MBCLR    put      0x00: clear the memory block
//   MAIL     put      event number - 1 (0 to 31) or 100: send a test mail
//   FTPC     put      0x6E: test the FTP client (needs the SD card)
//   UDAT_P, UDIR_P put compressed user-view containers
//   DEL      put      0x0A, then 0x0B: remove the user view
//
// Every accepted put that changes something leaves a line in the log.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/settings/SettingRecord.h"
#include "sim/UnitModel.h"
#include "sim/unit/UnitClock.h"
#include "sim/unit/UnitLog.h"

namespace volmar::sim {

struct UnitState {
    std::unique_ptr<SettingRecord> record;
    uint8_t flags = 0;
    std::array<uint8_t, 6> mac{};
    double sdFreeBytes = 0;
    UnitClock clock;
    UnitLog log;
    size_t userViewData = 0;  // decompressed container sizes of the user view
    size_t userViewDir = 0;
};

// On refusal returns false with the unit's code.
bool GetUnitObject(const UnitState& unit, std::string_view name, std::vector<uint8_t>& out, int& code);

PutOutcome PutUnitObject(UnitState& unit, std::string_view name, const std::vector<uint8_t>& data);

}  // namespace volmar::sim
