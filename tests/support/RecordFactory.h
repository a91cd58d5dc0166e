#pragma once
// Records for tests and benchmarks: random valid records (every field within
// what the reader accepts and the invariants hold) and the maximal record
// (every channel, pen and report in use, every text at full length).
#include <cstdint>
#include <memory>
#include <string>

#include "core/settings/SettingRecord.h"

namespace volmar::testing {

std::unique_ptr<SettingRecord> MakeDefaultRecord();
std::unique_ptr<SettingRecord> MakeRandomRecord(uint32_t seed);
std::unique_ptr<SettingRecord> MakeMaximalRecord();
// Sets every field an editor's rule refuses back to its default value, for
// tests that pass records through the rules (scripts, tables).
void KeepWithinRules(SettingRecord& record);

// Replaces the first occurrence of from in text; fails the test if absent.
std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to);

}  // namespace volmar::testing
