#pragma once
// The operations of a fleet run, written once for the CLI and the windows.
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "core/compare/SettingChanges.h"
#include "core/fleet/FleetRunner.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// status: the unit checked (with its login); fields "device_code",
// "firmware" and "flags" (the status byte, "0x09").
FleetOperation FleetStatusOperation();

// backup: the unit's setting document as the unit holds it, checked to
// read, written atomically to dir/NAME-YYYYmmdd-HHMMSS.xml (the stamp is
// taken, in local time); fields "file" (the name within dir) and "sha256".
// Nothing is written for a unit that fails or is cancelled.
FleetOperation FleetBackupOperation(const std::string& dir, std::time_t stamp);

// time --sync: the unit's clock set to the PC's local time at the moment
// the unit is reached; field "time" ("2026-12-08 19:50:01").
FleetOperation FleetTimeSyncOperation();

// diff: the unit's setting against the document of file (the settings file
// to compare with); fields "differences" (the count) and, for a unit that
// differs, the differences themselves in differences (kept per unit).
FleetOperation FleetDiffOperation(std::shared_ptr<const SettingRecord> file,
                                  std::shared_ptr<std::vector<std::vector<SettingDifference>>> differences);

// upload: record to the unit, without the questions (the run asks them once)
// and with the firmware check; with verify the setting is read back and a
// unit that holds something else fails ("The unit holds something else than
// was uploaded: N value(s) differ."). Field "verified" with verify.
FleetOperation FleetUploadOperation(std::shared_ptr<const SettingRecord> record, bool verify);

// The backup file's name for a unit: its name made safe as one file name
// (no '/', no control characters, not hidden), then the stamp.
std::string BackupFileName(const std::string& unitName, std::time_t stamp);

// dir/index.csv, atomically: name,address,file,sha256,result per unit, the
// result "ok" or the unit's error; a text a spreadsheet would take as a
// formula gets a leading apostrophe. False with the reason in error.
bool WriteBackupIndex(const std::string& dir, const std::vector<FleetUnit>& units,
                      const std::vector<FleetResult>& results, std::string* error);

// Lowercase hexadecimal SHA-256 of the bytes.
std::string Sha256Hex(std::string_view bytes);

}  // namespace volmar
