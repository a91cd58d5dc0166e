#pragma once
// Comma-separated tables as spreadsheet programs save them: fields in double
// quotes may hold separators, doubled quotes and line breaks; records end in
// CR LF, LF or CR. UTF-8, with or without a byte-order mark. The reader is
// bounded: a table past its limits is refused, never grown without end.
// Generic: the channel tables, the units file and the backup index all use it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace volmar::sheets {

constexpr size_t kMaxCsvBytes = 4 * 1024 * 1024;  // the whole table
constexpr size_t kMaxFieldBytes = 4096;           // one field
constexpr size_t kMaxRowFields = 256;             // fields of one record
constexpr size_t kMaxRows = 1024;                 // records of one table

// What one reading accepts. The defaults are the channel tables'.
struct CsvLimits {
    size_t maxBytes = kMaxCsvBytes;
    size_t maxFieldBytes = kMaxFieldBytes;
    size_t maxRowFields = kMaxRowFields;
    size_t maxRows = kMaxRows;
    // Plain RFC 4180: the separator is always a comma and a record ends in
    // CR LF or LF; a carriage return without a line feed is refused.
    bool strict = false;
};

struct CsvRow {
    size_t line = 0;  // the line the record starts on, from 1
    std::vector<std::string> fields;
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRow> rows;
};

// Reads a table. The separator is the one the first record uses: a semicolon
// when its first line holds a semicolon outside quotes and no comma, else a
// comma (always a comma when strict). Blank lines are skipped. False with
// error ("line 3: ...") and no rows when the text breaks the format or a
// limit.
bool ReadCsv(std::string_view data, CsvTable& table, std::string& error, const CsvLimits& limits = {});

// Appends one record, quoting the fields that need it, ended by CR LF.
void AppendCsvRow(std::string& out, const std::vector<std::string>& fields, char separator = ',');

// The byte-order mark a reader may find in front of a table.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Formula injection: whether a text begins with a byte a spreadsheet program
// would take as the start of a formula or hidden content ('=', '+', '-', '@',
// tab, CR) or with an apostrophe.
bool NeedsFormulaGuard(std::string_view text);
// The text as a cell: one apostrophe in front when NeedsFormulaGuard.
std::string GuardFormula(std::string_view text);
// The cell as a text: exactly one leading apostrophe removed when the byte
// after it is one GuardFormula protects.
std::string UnguardFormula(std::string_view cell);

}  // namespace volmar::sheets
