#include "core/sheets/Csv.h"

namespace volmar::sheets {
namespace {

std::string At(size_t line, const char* what) { return "line " + std::to_string(line) + ": " + what; }

// The separator of the header: a semicolon outside quotes before the first
// line break and no comma there picks ';'.
char HeaderSeparator(std::string_view data)
{
    bool quoted = false, semicolon = false;
    for (char c : data) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r')) break;
        else if (!quoted && c == ',') return ',';
        else if (!quoted && c == ';') semicolon = true;
    }
    return semicolon ? ';' : ',';
}

bool IsGuarded(char c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r' || c == '\''; }

// A line break at i: CR LF, LF or (unless strict) CR alone. Its length, 0
// when there is none.
size_t LineBreak(std::string_view data, size_t i)
{
    if (i >= data.size()) return 0;
    if (data[i] == '\n') return 1;
    if (data[i] != '\r') return 0;
    return i + 1 < data.size() && data[i + 1] == '\n' ? 2 : 1;
}

bool Read(std::string_view data, const CsvLimits& limits, CsvTable& table, std::string& error)
{
    if (data.size() > limits.maxBytes) {
        error = "the table is larger than " + std::to_string(limits.maxBytes) + " bytes";
        return false;
    }
    if (data.substr(0, kUtf8Bom.size()) == kUtf8Bom) data.remove_prefix(kUtf8Bom.size());
    const char sep = limits.strict ? ',' : HeaderSeparator(data);
    table.separator = sep;

    size_t line = 1, i = 0;
    const size_t n = data.size();
    // Past a record or a blank line: its line break, false when it is a
    // carriage return the strict reading refuses.
    auto endLine = [&]() {
        const size_t length = LineBreak(data, i);
        if (limits.strict && length == 1 && data[i] == '\r') {
            error = At(line, "a carriage return without a line feed");
            return false;
        }
        i += length;
        ++line;
        return true;
    };
    while (i < n) {
        // A blank line ends nothing and starts nothing.
        if (data[i] == '\n' || data[i] == '\r') {
            if (!endLine()) return false;
            continue;
        }
        if (table.rows.size() >= limits.maxRows) {
            error = At(line, "too many rows");
            return false;
        }
        CsvRow row;
        row.line = line;
        for (;;) {  // one field per turn
            if (row.fields.size() >= limits.maxRowFields) {
                error = At(line, "too many fields in a row");
                return false;
            }
            std::string field;
            if (i < n && data[i] == '"') {
                const size_t opened = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        error = At(opened, "a quoted field is not closed");
                        return false;
                    }
                    char c = data[i++];
                    if (c == '"') {
                        if (i < n && data[i] == '"') {
                            ++i;
                        } else {
                            break;
                        }
                    } else if (c == '\n' || (!limits.strict && c == '\r' && !(i < n && data[i] == '\n'))) {
                        ++line;
                    }
                    if (field.size() >= limits.maxFieldBytes) {
                        error = At(line, "a field is too long");
                        return false;
                    }
                    field += c;
                }
                if (i < n && data[i] != sep && data[i] != '\n' && data[i] != '\r') {
                    error = At(line, "text after a quoted field");
                    return false;
                }
            } else {
                while (i < n && data[i] != sep && data[i] != '\n' && data[i] != '\r') {
                    if (data[i] == '"') {
                        error = At(line, "a quote inside an unquoted field");
                        return false;
                    }
                    if (field.size() >= limits.maxFieldBytes) {
                        error = At(line, "a field is too long");
                        return false;
                    }
                    field += data[i++];
                }
            }
            row.fields.push_back(std::move(field));
            if (i < n && data[i] == sep) {
                ++i;
                continue;
            }
            break;  // end of the record: a line break or the end of the text
        }
        if (i < n && !endLine()) return false;
        table.rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace

bool ReadCsv(std::string_view data, CsvTable& table, std::string& error, const CsvLimits& limits)
{
    table = CsvTable{};
    if (Read(data, limits, table, error)) return true;
    table = CsvTable{};  // nothing half-read
    return false;
}

void AppendCsvRow(std::string& out, const std::vector<std::string>& fields, char separator)
{
    for (size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) out += separator;
        const std::string& v = fields[f];
        if (v.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
            out += v;
            continue;
        }
        out += '"';
        for (char c : v) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

bool NeedsFormulaGuard(std::string_view text) { return !text.empty() && IsGuarded(text[0]); }

std::string GuardFormula(std::string_view text)
{
    std::string out;
    if (NeedsFormulaGuard(text)) out += '\'';
    out += text;
    return out;
}

std::string UnguardFormula(std::string_view cell)
{
    if (cell.size() >= 2 && cell[0] == '\'' && IsGuarded(cell[1])) cell.remove_prefix(1);
    return std::string(cell);
}

}  // namespace volmar::sheets
