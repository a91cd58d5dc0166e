#pragma once
// What the commands that list or change a settings file's values share:
// reading the file, and printing a verdict on one line.
#include <string>
#include <string_view>

#include "cli/Console.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/SettingRecord.h"

namespace volmar::cli {

// No settings document is anywhere near this size; larger files are refused
// before they are parsed.
constexpr size_t kMaxSettingFile = 16u << 20;

// Reads a settings file into record (reset first) and the reader's verdict
// into verdict, printing nothing of it. False, with "volmar-cli: cannot read
// ..." on stderr, when the file does not read.
bool ReadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo,
                     ConvertResult& verdict);

// How LoadSettingFile prints the reader's message: "FILE: message" on one
// line (get, set, channels), or the message as it is (the device commands,
// fleet, report).
enum class LoadMessage { OneLineAfterPath, AsIs };

// Reads a settings file into record and prints the reader's message. kExitOk
// when the setting is usable as a whole; else kExitFailed (unreadable) or
// kExitUnsupportedParam (a value the reader dropped would be lost on write).
int LoadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo = true,
                    LoadMessage form = LoadMessage::OneLineAfterPath);

// An editor's message on one line: its line breaks become spaces.
std::string OneLine(std::string_view text);

// "PATH: label: message" on one line.
void PrintVerdictLine(std::ostream& out, const std::string& path, const std::string& label, std::string_view message);

}  // namespace volmar::cli
