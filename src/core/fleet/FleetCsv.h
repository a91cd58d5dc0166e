#pragma once
// The comma-separated values of units files and backup indexes (RFC 4180):
// fields separated by commas, records by CRLF or LF, a field in double
// quotes may hold commas, line breaks and doubled quotes.
#include <string>
#include <string_view>
#include <vector>

namespace volmar {

struct CsvRecord {
    std::vector<std::string> fields;
    int line = 0;  // where the record starts, from 1
};

struct CsvLimits {
    size_t maxRecords = 4096;
    size_t maxFields = 16;
    size_t maxFieldBytes = 1024;
};

// Reads every record of text. False with error ("line 4: a quoted field is
// not closed") on malformed text or past a limit. An empty line is no
// record.
bool ReadCsv(std::string_view text, const CsvLimits& limits, std::vector<CsvRecord>& records, std::string& error);

// One record with its CRLF; fields quoted where they need it.
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace volmar
