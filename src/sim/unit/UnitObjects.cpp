#include "sim/unit/UnitObjects.h"

#include <cstring>
#include <string>

#include "core/settings/Gzlib.h"
#include "sim/unit/UnitCodes.h"
#include "sim/unit/SimUnitOptions.h"
#include "sim/unit/UnitDocument.h"

namespace volmar::sim {
namespace {

constexpr uint32_t kContainerMagic = 0x5A5A5A5A;
constexpr size_t kContainerHeader = 16;

uint32_t Le32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// A compressed user-view container: magic, padded blob length, the sum of
// the blob's 32-bit words, zero, then the blob. Returns its decompressed size,
// or 0 when it is damaged.
size_t CheckContainer(const std::vector<uint8_t>& payload)
{
    auto zip = std::make_unique<CGzlib>();
    if (payload.empty() || !zip->Decompress(payload.data(), payload.size())) return 0;
    const uint8_t* p = zip->Decompressed();
    const size_t n = zip->DecompressedLength();
    if (n < kContainerHeader || Le32(p) != kContainerMagic || Le32(p + 4) != n - kContainerHeader ||
        (n - kContainerHeader) % 4 != 0)
        return 0;
    uint32_t sum = 0;
    for (size_t i = kContainerHeader; i < n; i += 4) sum += Le32(p + i);
    return sum == Le32(p + 8) ? n : 0;
}

bool OneByte(const std::vector<uint8_t>& data, uint8_t value) { return data.size() == 1 && data[0] == value; }

// The preset line of a pulse-count command document ("<CH5>1200.5</CH5>"),
// or empty when the document is not one.
std::string PresetLine(const std::vector<uint8_t>& data)
{
    const std::string_view doc(reinterpret_cast<const char*>(data.data()), data.size());
    if (doc.find("<QN_CMD>") == std::string_view::npos || doc.find("</QN_CMD>") == std::string_view::npos)
        return {};
    const size_t start = doc.find("<CH");
    if (start == std::string_view::npos) return {};
    const size_t end = doc.find('\r', start);
    return std::string(doc.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

PutOutcome Refused(int code) { return {code, {}}; }

PutOutcome Done(UnitState& unit, const std::string& what)
{
    unit.log.Add(unit.clock.Stamp(), what);
    return {};
}

}  // namespace

bool GetUnitObject(const UnitState& unit, std::string_view name, std::vector<uint8_t>& out, int& code)
{
    out.clear();
    if (name == "CONFIG_P") {
        if (PackUnitSetting(*unit.record, out)) return true;
        code = kResultSaveFailed;
        return false;
    }
    if (name == "MAC") {
        out.assign(unit.mac.begin(), unit.mac.end());
        return true;
    }
    if (name == "LOG") {
        out.assign(unit.log.Text().begin(), unit.log.Text().end());
        return true;
    }
    if (name == "SD") {
        if (!(unit.flags & kFlagSdCard)) {
            code = kResultNoDisk;
            return false;
        }
        out.assign(12, 0);
        uint64_t bits = 0;
        std::memcpy(&bits, &unit.sdFreeBytes, sizeof bits);
        for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
        return true;
    }
    if (name == "TIME") {
        const TimePayload now = unit.clock.Now();
        out.assign(now.begin(), now.end());
        return true;
    }
    code = kResultUnknownObject;
    return false;
}

PutOutcome PutUnitObject(UnitState& unit, std::string_view name, const std::vector<uint8_t>& data)
{
    if (name == "CONFIG_P") {
        const PutOutcome outcome = ApplySettingPayload(*unit.record, data, (unit.flags & kFlagLogging) != 0);
        return outcome.code == 0 ? Done(unit, "Setting changed") : outcome;
    }
    if (name == "TIME") return unit.clock.Set(data) ? Done(unit, "Clock set") : Refused(kResultBadRequest);
    if (name == "LOG") {
        if (!OneByte(data, 0x01)) return Refused(kResultBadRequest);
        unit.log.Clear();
        return {};
    }
    if (name == "SUM") {
        const std::string line = PresetLine(data);
        return line.empty() ? Refused(kResultBadRequest) : Done(unit, "Pulse count preset " + line);
    }
    if (name == "MBCLR")
        return OneByte(data, 0x00) ? Done(unit, "Memory block cleared") : Refused(kResultBadRequest);
    if (name == "MAIL") {
        if (data.size() != 1 || (data[0] > 31 && data[0] != 100)) return Refused(kResultBadRequest);
        return Done(unit, data[0] == 100 ? std::string("Test mail: regular report")
                                         : "Test mail: event report " + std::to_string(data[0] + 1));
    }
    if (name == "FTPC") {
        if (!OneByte(data, 0x6E)) return Refused(kResultBadRequest);
        if (!(unit.flags & kFlagSdCard)) return Refused(kResultNoDisk);
        return Done(unit, "FTP client test");
    }
    if (name == "UDAT_P" || name == "UDIR_P") {
        const size_t size = CheckContainer(data);
        if (size == 0) return Refused(kResultCorrupt);
        (name == "UDAT_P" ? unit.userViewData : unit.userViewDir) = size;
        return Done(unit, std::string("User view ") + (name == "UDAT_P" ? "data" : "directory") + " received, " +
                              std::to_string(size) + " bytes");
    }
    if (name == "DEL") {
        if (OneByte(data, 0x0A)) return {};
        if (!OneByte(data, 0x0B)) return Refused(kResultBadRequest);
        unit.userViewData = unit.userViewDir = 0;
        return Done(unit, "User view removed");
    }
    return Refused(kResultUnknownObject);
}

}  // namespace volmar::sim
