#pragma once
// Helpers for the simulated unit's tests: payloads as the tool builds them.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/DocumentReader.h"
#include "core/settings/Gzlib.h"
#include "core/settings/SettingRecord.h"
#include "sim/unit/SimUnit.h"

namespace volmar::test {

using Bytes = std::vector<uint8_t>;

inline Bytes Compress(const std::string& text)
{
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Compress(text.data(), text.size())) return {};
    return Bytes(zip->Compressed(), zip->Compressed() + zip->CompressedLength());
}

inline std::string Decompress(const Bytes& payload)
{
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Decompress(payload.data(), payload.size())) return {};
    return std::string(reinterpret_cast<const char*>(zip->Decompressed()), zip->DecompressedLength());
}

inline std::unique_ptr<SettingRecord> RecordOf(sim::SimUnit& unit)
{
    auto r = std::make_unique<SettingRecord>();
    unit.CopyRecord(*r);
    return r;
}

// Downloads the unit's setting as the tool does: decompress, reset, read.
// Returns null when any step fails.
inline std::unique_ptr<SettingRecord> Download(sim::UnitModel& unit)
{
    Bytes payload;
    int code = 0;
    if (!unit.Get("CONFIG_P", payload, code)) return nullptr;
    const std::string doc = Decompress(payload);
    auto r = std::make_unique<SettingRecord>();
    ResetSettingRecord(*r);
    if (doc.empty() || ReadSettingDocument(*r, doc.data(), doc.size()) != 0) return nullptr;
    return r;
}

inline bool SameRecord(const SettingRecord& a, const SettingRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace volmar::test
