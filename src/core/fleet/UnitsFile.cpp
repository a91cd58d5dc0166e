#include "core/fleet/UnitsFile.h"

#include <set>

#include "core/sheets/Csv.h"

namespace volmar {
namespace {

constexpr size_t kMaxNameBytes = 128;
constexpr size_t kMaxAddressBytes = 255;
constexpr size_t kMaxLoginBytes = 48;

bool IsHeader(const sheets::CsvRow& r)
{
    return r.fields.size() >= 2 && r.fields[0] == "name" && r.fields[1] == "address";
}

bool HasControl(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

}  // namespace

bool ParseUnitDevice(const std::string& text, FleetUnit& unit, std::string& error)
{
    if (text.size() < 2 || text[0] != '/' || text.size() > kMaxAddressBytes || HasControl(text)) {
        error = "'" + text + "' is not the path of a serial device";
        return false;
    }
    unit.address.clear();
    unit.port = 0;
    unit.serialDevice = text;
    return true;
}

bool ParseUnitAddress(const std::string& text, FleetUnit& unit, std::string& error)
{
    if (!text.empty() && text[0] == '/') return ParseUnitDevice(text, unit, error);
    std::string address = text;
    unit.port = 0;
    unit.serialDevice.clear();
    if (const size_t colon = text.rfind(':'); colon != std::string::npos) {
        const std::string port = text.substr(colon + 1);
        address = text.substr(0, colon);
        unsigned long value = 0;
        if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos ||
            (value = std::stoul(port)) == 0 || value > 65535) {
            error = "the port of '" + text + "' is not a number from 1 to 65535";
            return false;
        }
        unit.port = static_cast<uint16_t>(value);
    }
    if (address.empty()) {
        error = "the address is empty";
        return false;
    }
    if (address.size() > kMaxAddressBytes || address.find_first_of(" :,/\\\"") != std::string::npos ||
        HasControl(address)) {
        error = "'" + text + "' is not a host name or dotted address";
        return false;
    }
    unit.address = address;
    return true;
}

bool ParseUnitsFile(std::string_view text, std::vector<FleetUnit>& units, std::string& error)
{
    units.clear();
    if (text.size() > kMaxUnitsFile) {
        error = "the file is larger than 1 MiB";
        return false;
    }
    sheets::CsvLimits limits;
    limits.maxBytes = kMaxUnitsFile;
    limits.maxRows = kMaxFleetUnits + 1;  // the header
    limits.maxRowFields = 16;
    limits.maxFieldBytes = kMaxAddressBytes + 7;  // ":PORT"
    limits.strict = true;
    sheets::CsvTable table;
    if (!sheets::ReadCsv(text, table, error, limits)) return false;
    const std::vector<sheets::CsvRow>& records = table.rows;
    std::set<std::string> names;
    std::vector<FleetUnit> read;
    auto fail = [&](const sheets::CsvRow& r, const std::string& what) {
        error = "line " + std::to_string(r.line) + ": " + what;
        return false;
    };
    for (size_t i = 0; i < records.size(); ++i) {
        const sheets::CsvRow& r = records[i];
        if (i == 0 && IsHeader(r)) continue;
        if (r.fields.size() < 2 || r.fields.size() > 3)
            return fail(r, "expected name,address[,login], found " + std::to_string(r.fields.size()) + " field(s)");
        FleetUnit unit;
        unit.name = r.fields[0];
        if (unit.name.empty()) return fail(r, "the name is empty");
        if (unit.name.size() > kMaxNameBytes || HasControl(unit.name)) return fail(r, "the name is not usable");
        if (!names.insert(unit.name).second) return fail(r, "the name '" + unit.name + "' is given twice");
        std::string why;
        if (!ParseUnitAddress(r.fields[1], unit, why)) return fail(r, why);
        if (r.fields.size() == 3) {
            unit.login = r.fields[2];
            if (unit.login.size() > kMaxLoginBytes || HasControl(unit.login)) return fail(r, "the login is not usable");
        }
        if (read.size() >= kMaxFleetUnits) return fail(r, "more than " + std::to_string(kMaxFleetUnits) + " units");
        read.push_back(std::move(unit));
    }
    if (read.empty()) {
        error = "the file names no unit";
        return false;
    }
    units = std::move(read);
    return true;
}

}  // namespace volmar
