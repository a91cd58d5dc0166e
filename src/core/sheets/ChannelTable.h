#pragma once
// The channel lists as tables: one row per channel, the first column "CH"
// (1, 2, ...), the others headed by the channel editor's captions, values as
// the editor shows them (a list's entry as its text, numbers and texts as the
// document holds them). Text cells are guarded against formula injection.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/SettingRecord.h"

namespace volmar::sheets {

enum class ChannelSheet { Ai, Di, Pi, Do, Oi };

// "ai", "di", "pi", "do", "oi" (any case).
std::optional<ChannelSheet> ParseChannelSheet(std::string_view name);
const char* ChannelSheetName(ChannelSheet kind);  // "AI", ...

// The captions of the columns after "CH", in table order.
std::vector<std::string> ChannelSheetCaptions(ChannelSheet kind);

// The table of every channel of kind, CR LF line ends, commas; with bom a
// UTF-8 byte-order mark in front.
std::string ExportChannelTable(const SettingRecord& record, ChannelSheet kind, bool bom = false);

// A cell, a row or the table refused. line 0 and channel 0 when the refusal
// is about the whole table; caption empty when it is about a whole row.
struct SheetRefusal {
    size_t line = 0;
    int channel = 0;
    std::string caption;
    std::string message;
    // "IN.csv:LINE: CH n, 'caption': message" and the shorter forms.
    std::string Text(std::string_view file) const;
};

// Applies a table to the record, all or nothing: the record changes only
// when the result is empty. Columns missing from the table keep the stored
// values. Without kind the header must fit the columns of one kind only.
std::vector<SheetRefusal> ImportChannelTable(SettingRecord& record, std::string_view csv,
                                             std::optional<ChannelSheet> kind = std::nullopt);

}  // namespace volmar::sheets
