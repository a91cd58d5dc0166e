#include "core/sheets/ChannelTable.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "core/rules/RuleGate.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentSchema.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/EditorEntries.h"
#include "core/settings/ElementLabels.h"
#include "core/settings/SettingPaths.h"
#include "core/settings/TextConvert.h"
#include "core/settings/TextEscape.h"
#include "core/settings/ValueText.h"
#include "core/sheets/Csv.h"

namespace volmar::sheets {
namespace {

constexpr ChannelSheet kAllSheets[] = {ChannelSheet::Ai, ChannelSheet::Di, ChannelSheet::Pi, ChannelSheet::Do,
                                       ChannelSheet::Oi};

struct Column {
    std::string suffix;   // the element path below the channel: "<NAME>", "<AREA2><LEVEL_UPPER>"
    std::string caption;  // the editor's caption, unique in the table
    SettingLeaf leaf;     // the field of channel 1
    std::unordered_map<std::string, std::string> entries;  // a list's texts -> document values
};

// A value as the editor shows it: a list's entry, or the value itself.
std::string Shown(const Column& c, std::string_view value)
{
    for (const auto& [text, doc] : c.entries) {
        if (doc == value) return text;
    }
    return std::string(value);
}

struct SheetShape {
    ChannelSheet kind;
    std::string prefix;  // "<VOL_MAR><IO><AI><AI"
    int count;
    size_t stride;  // bytes between channels
    std::vector<Column> columns;
    std::unordered_map<std::string, size_t> bySuffix, byCaption;
};

std::string ChannelPath(const SheetShape& s, int ch) { return s.prefix + std::to_string(ch) + ">"; }

// The entries of a list field, text to document value; empty for others.
std::unordered_map<std::string, std::string> ListEntries(const Node& leaf, const std::string& path)
{
    std::unordered_map<std::string, std::string> out;
    auto add = [&](const std::string& doc) {
        if (EditorEntry(path, doc)) out.emplace(EditorValue(path, doc), doc);
    };
    if (leaf.fmt == Fmt::Keyword) {
        for (int k = 0; k < leaf.keywords->count; ++k) add(leaf.keywords->words[k]);
    } else if (leaf.fmt == Fmt::Int) {
        const bool small = leaf.check == Check::Range && leaf.max - leaf.min <= 256;
        for (int64_t v = small ? leaf.min : 0; v <= (small ? leaf.max : 64); ++v) add(std::to_string(v));
    }
    return out;
}

void AddLeaves(SheetShape& s, const Node& group, const std::string& suffix)
{
    for (uint16_t c = 0; c < group.childCount; ++c) {
        const Node& child = group.children[c];
        if (child.flags & kNotInFull) continue;
        const int first = child.Indexed() ? child.first : 0;
        const int last = child.Indexed() ? child.first + child.count - 1 : 0;
        for (int i = first; i <= last; ++i) {
            std::string path = suffix + "<" + child.name + (child.Indexed() ? std::to_string(i) : "") + ">";
            if (child.IsGroup()) {
                AddLeaves(s, child, path);
                continue;
            }
            // A leaf of the channel itself is headed by its caption; one in a
            // zone or another item below the channel by the item and caption.
            // The label names channel 1 ("AI1 · Zone 2 · Upper limit"); the
            // column is headed without the channel.
            std::string caption = LabelOfElement(ChannelPath(s, 1) + path).Full();
            const std::string channel = std::string(ChannelSheetName(s.kind)) + "1 \xC2\xB7 ";
            if (caption.compare(0, channel.size(), channel) == 0) caption.erase(0, channel.size());
            if (s.byCaption.count(caption)) caption += " (" + path + ")";  // never two columns of one name
            s.byCaption.emplace(caption, s.columns.size());
            s.bySuffix.emplace(path, s.columns.size());
            auto entries = ListEntries(child, ChannelPath(s, 1) + path);
            SettingLeaf leaf = *ResolveSettingPath(ChannelPath(s, 1) + path);
            s.columns.push_back({std::move(path), std::move(caption), std::move(leaf), std::move(entries)});
        }
    }
}

SheetShape MakeShape(ChannelSheet kind)
{
    SheetShape s;
    s.kind = kind;
    const std::string name = ChannelSheetName(kind);
    s.prefix = "<VOL_MAR><IO><" + name + "><" + name;
    const std::vector<PathStep> steps = ResolvePath(ChannelPath(s, 1));
    const Node& channel = *steps.back().node;
    s.count = channel.count;
    s.stride = channel.stride;
    AddLeaves(s, channel, "");
    return s;
}

const SheetShape& Shape(ChannelSheet kind)
{
    static const SheetShape shapes[] = {MakeShape(ChannelSheet::Ai), MakeShape(ChannelSheet::Di),
                                        MakeShape(ChannelSheet::Pi), MakeShape(ChannelSheet::Do),
                                        MakeShape(ChannelSheet::Oi)};
    return shapes[static_cast<int>(kind)];
}

// Stores one cell of channel ch as set stores a value; false when refused.
bool StoreCell(SettingRecord& record, const SheetShape& s, const Column& col, int ch, const std::string& cell)
{
    SettingLeaf leaf = col.leaf;
    leaf.offset += static_cast<size_t>(ch - 1) * s.stride;
    if (leaf.node->fmt != Fmt::Text) return !StoreSettingValue(record, leaf, cell);
    const std::string text = UnguardFormula(cell);
    std::string escaped;
    EscapeElementText(escaped, text.data(), text.size());
    return !StoreSettingValue(record, leaf, escaped);
}

// The editors' rules on the applied record: each verdict on a cell of the
// table, or one the table brings elsewhere, refuses its row and column.
void CheckApplied(const SettingRecord& before, const SettingRecord& applied, const SheetShape& s,
                  const std::vector<const Column*>& columns, const std::map<int, size_t>& lineOf,
                  std::vector<SheetRefusal>& out)
{
    if (!CheckSettingConsistency(applied)) {
        out.push_back({0, 0, {}, "the table breaks the order of zone limits, a scale or a pulse width"});
        return;
    }
    const std::string head = std::string("IO/") + ChannelSheetName(s.kind) + "/" + ChannelSheetName(s.kind);
    std::set<std::string> written;
    for (const auto& [ch, line] : lineOf) {
        for (const Column* col : columns) {
            if (col) written.insert(head + std::to_string(ch) + "/" + SlashPath(col->suffix));
        }
    }
    for (const RuleVerdict& v : VerdictsOfChange(before, applied, written)) {
        size_t pos = head.size();
        int ch = 0;
        const bool inTable = v.path.compare(0, head.size(), head) == 0;
        while (inTable && pos < v.path.size() && std::isdigit(static_cast<unsigned char>(v.path[pos])))
            ch = ch * 10 + (v.path[pos++] - '0');
        auto row = lineOf.find(ch);
        if (row == lineOf.end()) {
            std::string text = v.path;
            text.append(": ").append(v.label).append(": ").append(v.message);
            out.push_back({0, 0, {}, std::move(text)});
            continue;
        }
        auto col = s.bySuffix.find(pos < v.path.size() ? ElementPath(std::string_view(v.path).substr(pos + 1)) : "");
        out.push_back({row->second, ch, col == s.bySuffix.end() ? std::string() : s.columns[col->second].caption,
                       v.message});
    }
}

// The kind whose columns hold the header's: the only one, or else the only
// one the header names in full (the discrete outputs' captions are all
// discrete inputs' too).
std::optional<ChannelSheet> KindOfHeader(const std::vector<std::string>& header)
{
    std::vector<ChannelSheet> fit, whole;
    for (ChannelSheet k : kAllSheets) {
        const SheetShape& s = Shape(k);
        bool all = true;
        for (size_t i = 1; i < header.size() && all; ++i) all = s.byCaption.count(header[i]) > 0;
        if (!all) continue;
        fit.push_back(k);
        if (header.size() == s.columns.size() + 1) whole.push_back(k);
    }
    if (fit.size() == 1) return fit[0];
    if (whole.size() == 1) return whole[0];
    return std::nullopt;
}

}  // namespace

std::optional<ChannelSheet> ParseChannelSheet(std::string_view name)
{
    std::string up;
    for (char c : name) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (ChannelSheet k : kAllSheets) {
        if (up == ChannelSheetName(k)) return k;
    }
    return std::nullopt;
}

const char* ChannelSheetName(ChannelSheet kind)
{
    switch (kind) {
    case ChannelSheet::Ai: return "AI";
    case ChannelSheet::Di: return "DI";
    case ChannelSheet::Pi: return "PI";
    case ChannelSheet::Do: return "DO";
    case ChannelSheet::Oi: return "OI";
    }
    return "";
}

std::vector<std::string> ChannelSheetCaptions(ChannelSheet kind)
{
    std::vector<std::string> out;
    for (const Column& c : Shape(kind).columns) out.push_back(c.caption);
    return out;
}

std::string ExportChannelTable(const SettingRecord& record, ChannelSheet kind, bool bom)
{
    const SheetShape& s = Shape(kind);
    std::vector<std::vector<std::string>> cells(static_cast<size_t>(s.count), std::vector<std::string>(s.columns.size()));
    VisitSettingValues(
        record,
        [&](const std::string& path, std::string_view value) {
            if (path.compare(0, s.prefix.size(), s.prefix) != 0) return;
            const size_t close = path.find('>', s.prefix.size());
            const int ch = std::atoi(path.substr(s.prefix.size(), close - s.prefix.size()).c_str());
            auto col = s.bySuffix.find(path.substr(close + 1));
            if (ch < 1 || ch > s.count || col == s.bySuffix.end()) return;
            const Column& c = s.columns[col->second];
            cells[static_cast<size_t>(ch - 1)][col->second] =
                c.leaf.node->fmt == Fmt::Text ? GuardFormula(value) : Shown(c, value);
        },
        TextForm::Plain, s.prefix.substr(0, s.prefix.rfind('<')));
    std::string out(bom ? kUtf8Bom : "");
    std::vector<std::string> header{"CH"};
    for (const Column& c : s.columns) header.push_back(c.caption);
    AppendCsvRow(out, header);
    for (int ch = 1; ch <= s.count; ++ch) {
        std::vector<std::string>& row = cells[static_cast<size_t>(ch - 1)];
        row.insert(row.begin(), std::to_string(ch));
        AppendCsvRow(out, row);
    }
    return out;
}

std::string SheetRefusal::Text(std::string_view file) const
{
    std::string out(file);
    if (line > 0) out.append(":").append(std::to_string(line));
    out += ": ";
    if (channel > 0) {
        out.append("CH ").append(std::to_string(channel));
        if (caption.empty()) {
            out += ": ";
        } else {
            out.append(", '").append(caption).append("': ");
        }
    }
    return out + message;
}

std::vector<SheetRefusal> ImportChannelTable(SettingRecord& record, std::string_view csv,
                                             std::optional<ChannelSheet> kind)
{
    std::vector<SheetRefusal> out;
    CsvTable table;
    std::string error;
    if (!ReadCsv(csv, table, error)) return {{0, 0, {}, error}};
    if (table.rows.empty() || table.rows[0].fields.empty() || table.rows[0].fields[0] != "CH") {
        return {{table.rows.empty() ? size_t{0} : table.rows[0].line, 0, {}, "the first column must be \"CH\""}};
    }
    const CsvRow& header = table.rows[0];
    if (!kind) kind = KindOfHeader(header.fields);
    if (!kind) {
        return {{header.line, 0, {}, "the columns fit no kind of channel, or more than one: name the kind with --kind"}};
    }
    const SheetShape& s = Shape(*kind);
    std::vector<const Column*> columns(header.fields.size(), nullptr);
    for (size_t i = 1; i < header.fields.size(); ++i) {
        auto it = s.byCaption.find(header.fields[i]);
        if (it == s.byCaption.end()) {
            out.push_back({header.line, 0, {}, "unknown column '" + header.fields[i] + "'"});
        } else if (std::find(columns.begin(), columns.end(), &s.columns[it->second]) != columns.end()) {
            out.push_back({header.line, 0, {}, "column '" + header.fields[i] + "' appears twice"});
        } else {
            columns[i] = &s.columns[it->second];
        }
    }
    if (!out.empty()) return out;

    auto applied = std::make_unique<SettingRecord>(record);
    std::map<int, size_t> lineOf;
    for (size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        int64_t ch = 0;
        if (!CheckSignedRange(row.fields[0], 1, s.count, &ch)) {
            out.push_back({row.line, 0, {}, "CH '" + row.fields[0] + "' is not a channel from 1 to " + std::to_string(s.count)});
            continue;
        }
        const int n = static_cast<int>(ch);
        if (!lineOf.emplace(n, row.line).second) {
            out.push_back({row.line, n, {}, "the channel appears twice"});
            continue;
        }
        if (row.fields.size() != header.fields.size()) {
            out.push_back({row.line, n, {}, "the row has " + std::to_string(row.fields.size()) + " cells, the header " +
                                                 std::to_string(header.fields.size())});
            continue;
        }
        for (size_t i = 1; i < row.fields.size(); ++i) {
            const Column& col = *columns[i];
            if (!StoreCell(*applied, s, col, n, row.fields[i])) {
                out.push_back({row.line, n, col.caption, "Setting error: " + col.caption});
            }
        }
    }
    if (out.empty()) CheckApplied(record, *applied, s, columns, lineOf, out);
    if (out.empty()) record = *applied;
    return out;
}

}  // namespace volmar::sheets
