#include "core/fleet/FleetCsv.h"

namespace volmar {

bool ReadCsv(std::string_view text, const CsvLimits& limits, std::vector<CsvRecord>& records, std::string& error)
{
    records.clear();
    int line = 1;
    size_t i = 0;
    auto fail = [&](int at, const std::string& what) {
        error = "line " + std::to_string(at) + ": " + what;
        records.clear();
        return false;
    };
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            field.clear();
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) return fail(opened, "a quoted field is not closed");
                    const char c = text[i++];
                    if (c == '"') {
                        if (i < text.size() && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') ++line;
                    field += c;
                    if (field.size() > limits.maxFieldBytes) return fail(opened, "a field is too long");
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                    return fail(line, "text after a quoted field");
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    if (text[i] == '"') return fail(line, "a quote inside an unquoted field");
                    field += text[i++];
                    if (field.size() > limits.maxFieldBytes) return fail(line, "a field is too long");
                }
            }
            record.fields.push_back(field);
            if (record.fields.size() > limits.maxFields) return fail(record.line, "too many fields");
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            endOfRecord = true;
            if (i < text.size() && text[i] == '\r') {
                ++i;
                if (i < text.size() && text[i] != '\n') return fail(line, "a carriage return without a line feed");
            }
            if (i < text.size() && text[i] == '\n') {
                ++i;
                ++line;
            }
        }
        if (record.fields.size() == 1 && record.fields[0].empty()) continue;  // an empty line
        if (records.size() >= limits.maxRecords) return fail(record.line, "too many records");
        records.push_back(std::move(record));
    }
    return true;
}

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            row += f;
            continue;
        }
        row += '"';
        for (const char c : f) {
            if (c == '"') row += '"';
            row += c;
        }
        row += '"';
    }
    return row + "\r\n";
}

}  // namespace volmar
