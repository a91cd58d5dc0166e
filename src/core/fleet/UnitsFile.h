#pragma once
// A units file: CSV (RFC 4180, commas, with or without a byte-order mark)
// with the columns name,address[,login], one unit a record; the address may
// carry ":PORT", or be the path of a serial device ("/dev/ttyUSB0"), whose
// unit is reached over that port. A first record "name,address..." is a
// header. Names are unique; the password is never in the file.
#include <string>
#include <string_view>
#include <vector>

#include "core/fleet/FleetUnit.h"

namespace volmar {

constexpr size_t kMaxUnitsFile = 1u << 20;
constexpr size_t kMaxFleetUnits = 4096;

// Reads the units of text. False with error ("line 3: the address is
// empty") when any record is unusable: nothing half-read is returned.
bool ParseUnitsFile(std::string_view text, std::vector<FleetUnit>& units, std::string& error);

// "ADDRESS" or "ADDRESS:PORT" into the unit's address and port, or a
// serial device's absolute path into its serialDevice. False with the
// reason in error.
bool ParseUnitAddress(const std::string& text, FleetUnit& unit, std::string& error);
// A serial device's absolute path ("/dev/ttyUSB0") into the unit's
// serialDevice. False with the reason in error.
bool ParseUnitDevice(const std::string& text, FleetUnit& unit, std::string& error);

}  // namespace volmar
