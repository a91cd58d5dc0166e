#pragma once
// What the commands that list or change a settings file's values share:
// reading the file, and printing a verdict on one line.
#include <string>
#include <string_view>

#include "cli/Console.h"
#include "core/settings/SettingRecord.h"

namespace volmar::cli {

// Reads a settings file into record and prints the reader's message as
// "FILE: message". kExitOk when the setting is usable as a whole; else the
// exit code check gives (a value the reader dropped would be lost on write).
int LoadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo = true);

// An editor's message on one line: its line breaks become spaces.
std::string OneLine(std::string_view text);

// "PATH: label: message" on one line.
void PrintVerdictLine(std::ostream& out, const std::string& path, const std::string& label, std::string_view message);

}  // namespace volmar::cli
