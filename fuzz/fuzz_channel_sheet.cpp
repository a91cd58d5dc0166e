// Hostile tables: the CSV reader stays within its limits whatever the bytes,
// and applying any table to a record either refuses it or leaves a record
// whose tables read back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/settings/SettingRecord.h"
#include "core/sheets/ChannelTable.h"
#include "core/sheets/Csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace volmar;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sheets::CsvTable table;
    std::string error;
    if (sheets::ReadCsv(text, table, error)) {
        if (table.rows.size() > sheets::kMaxRows) __builtin_trap();
        size_t line = 0;
        for (const sheets::CsvRow& row : table.rows) {
            if (row.line <= line || row.fields.empty() || row.fields.size() > sheets::kMaxRowFields) __builtin_trap();
            for (const std::string& f : row.fields) {
                if (f.size() > sheets::kMaxFieldBytes) __builtin_trap();
            }
            line = row.line;
        }
    } else if (error.empty()) {
        __builtin_trap();
    }
    static const std::unique_ptr<SettingRecord> record = [] {
        auto r = std::make_unique<SettingRecord>();
        ResetSettingRecord(*r);
        return r;
    }();
    if (sheets::ImportChannelTable(*record, text).empty()) {
        for (auto kind : {sheets::ChannelSheet::Ai, sheets::ChannelSheet::Di, sheets::ChannelSheet::Pi,
                          sheets::ChannelSheet::Do, sheets::ChannelSheet::Oi}) {
            if (!sheets::ImportChannelTable(*record, sheets::ExportChannelTable(*record, kind), kind).empty()) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
