#pragma once
// The settings document as the unit keeps it: what a get of "CONFIG_P"
// returns and how a put of "CONFIG_P" changes the unit's setting.
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/SettingRecord.h"
#include "sim/UnitModel.h"

namespace volmar::sim {

// The full settings document of the record, with the two sections a settings
// file leaves out and a unit's download carries: the configurator-access
// block (VOLMAR) and the unit's own addresses (COM / TCP_IP). Reading it into
// a reset record gives the record back whole.
std::string WriteUnitDocument(const SettingRecord& record);

// The compressed document for a get of "CONFIG_P". False when it does not fit
// the 2 MiB transfer limit or cannot be compressed.
bool PackUnitSetting(const SettingRecord& record, std::vector<uint8_t>& out);

// Applies a put of "CONFIG_P": a full or partial compressed document. The
// document is read into a copy of the current record, so a partial document
// changes only what it carries, and the copy replaces the record only when
// the read is usable:
//   102 the payload does not decompress or the document is unusable;
//   101 a value is not supported, with the element path as text;
//   103 the unit is logging and the document changes the record settings.
// Elements the unit does not know are ignored. Returns code 0 when applied.
// A partial document that sets the one leaf at path ("<VOL_MAR><SYSTEM><NAME1>")
// to value (as the document writes it, texts unescaped); empty when path is
// not an element path or the reader does not take the value.
std::string SingleValueDocument(const std::string& path, const std::string& value);

// Reads such a document into record (the unit changing a value on its own).
void ApplyDocument(SettingRecord& record, const std::string& document);

PutOutcome ApplySettingPayload(SettingRecord& record, const std::vector<uint8_t>& payload, bool logging);

}  // namespace volmar::sim
