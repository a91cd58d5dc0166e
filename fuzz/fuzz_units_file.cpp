// libFuzzer target: the units file reader. Any bytes either give units that
// keep the reader's promises (names unique and not empty, an address
// without spaces or else a serial device's absolute path, a port 0 or
// within 1 to 65535, at most the limit of units) or an error that names a
// line, and nothing half-read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/fleet/UnitsFile.h"
#include "core/sheets/Csv.h"

using namespace volmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<FleetUnit> units;
    std::string error;
    if (!ParseUnitsFile(text, units, error)) {
        if (!units.empty() || error.empty()) std::abort();
        return 0;
    }
    if (units.empty() || units.size() > kMaxFleetUnits) std::abort();
    std::set<std::string> names;
    for (const FleetUnit& u : units) {
        if (u.name.empty() || !names.insert(u.name).second) std::abort();
        if (u.serialDevice.empty()) {
            if (u.address.empty() || u.address.find_first_of(" :,\r\n") != std::string::npos) std::abort();
        } else if (u.serialDevice[0] != '/' || !u.address.empty() || u.port != 0) {
            std::abort();
        }
    }
    // What the index writer makes of the units (a header, then the units
    // comma-separated, texts guarded against formulas) reads back as it was.
    std::string index = "name,address\r\n";
    for (const FleetUnit& u : units)
        sheets::AppendCsvRow(index, {sheets::GuardFormula(u.name), sheets::GuardFormula(u.Where())});
    sheets::CsvLimits limits;
    limits.maxRows = kMaxFleetUnits + 1;
    limits.strict = true;
    sheets::CsvTable table;
    if (!sheets::ReadCsv(index, table, error, limits) || table.rows.size() != units.size() + 1) std::abort();
    for (size_t i = 0; i < units.size(); ++i) {
        const std::vector<std::string>& f = table.rows[i + 1].fields;
        if (f.size() != 2 || sheets::UnguardFormula(f[0]) != units[i].name ||
            sheets::UnguardFormula(f[1]) != units[i].Where())
            std::abort();
    }
    return 0;
}
