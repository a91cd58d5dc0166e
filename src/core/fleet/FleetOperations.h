#pragma once
// The operations of a fleet run, written once for the CLI and the windows.
#include <ctime>
#include <string>
#include <vector>

#include "core/fleet/FleetRunner.h"

namespace volmar {

// status: the unit checked (with its login); fields "device_code",
// "firmware" and "flags" (the status byte, "0x09").
FleetOperation FleetStatusOperation();

// backup: the unit's setting document as the unit holds it, checked to
// read, written atomically to dir/NAME-YYYYmmdd-HHMMSS.xml (the stamp is
// taken, in local time); fields "file" (the name within dir) and "sha256".
// Nothing is written for a unit that fails or is cancelled.
FleetOperation FleetBackupOperation(const std::string& dir, std::time_t stamp);

// The backup file's name for a unit: its name made safe as one file name
// (no '/', no control characters, not hidden), then the stamp.
std::string BackupFileName(const std::string& unitName, std::time_t stamp);

// dir/index.csv, atomically: name,address,file,sha256,result per unit, the
// result "ok" or the unit's error. False with the reason in error.
bool WriteBackupIndex(const std::string& dir, const std::vector<FleetUnit>& units,
                      const std::vector<FleetResult>& results, std::string* error);

// Lowercase hexadecimal SHA-256 of the bytes.
std::string Sha256Hex(std::string_view bytes);

}  // namespace volmar
