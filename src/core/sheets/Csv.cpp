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

}  // namespace

bool ReadCsv(std::string_view data, CsvTable& table, std::string& error)
{
    table = CsvTable{};
    if (data.size() > kMaxCsvBytes) {
        error = "the table is larger than " + std::to_string(kMaxCsvBytes) + " bytes";
        return false;
    }
    if (data.substr(0, kUtf8Bom.size()) == kUtf8Bom) data.remove_prefix(kUtf8Bom.size());
    const char sep = HeaderSeparator(data);
    table.separator = sep;

    size_t line = 1, i = 0;
    const size_t n = data.size();
    while (i < n) {
        // A blank line ends nothing and starts nothing.
        if (data[i] == '\n' || data[i] == '\r') {
            if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
            ++i;
            ++line;
            continue;
        }
        if (table.rows.size() >= kMaxRows) {
            error = At(line, "too many rows");
            return false;
        }
        CsvRow row;
        row.line = line;
        for (;;) {  // one field per turn
            if (row.fields.size() >= kMaxRowFields) {
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
                    } else if (c == '\n' || (c == '\r' && !(i < n && data[i] == '\n'))) {
                        ++line;
                    }
                    if (field.size() >= kMaxFieldBytes) {
                        error = At(line, "a field is too long");
                        return false;
                    }
                    field += c;
                }
                if (i < n && data[i] != sep && data[i] != '\n' && data[i] != '\r') {
                    error = At(line, "text after a closing quote");
                    return false;
                }
            } else {
                while (i < n && data[i] != sep && data[i] != '\n' && data[i] != '\r') {
                    if (data[i] == '"') {
                        error = At(line, "a quote inside an unquoted field");
                        return false;
                    }
                    if (field.size() >= kMaxFieldBytes) {
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
        if (i < n) {
            if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
            ++i;
            ++line;
        }
        table.rows.push_back(std::move(row));
    }
    return true;
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
