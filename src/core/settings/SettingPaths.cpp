#include "core/settings/SettingPaths.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/EditorEntries.h"
#include "core/settings/ElementLabels.h"
#include "core/settings/FieldAccess.h"
#include "core/settings/TextEscape.h"
#include "core/settings/ValueText.h"

namespace volmar {
namespace {

constexpr size_t kMaxPathLength = 256;
constexpr int64_t kMaxListSpan = 4096;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool AllOf(std::string_view text, bool (*pred)(char))
{
    if (text.empty()) return false;
    for (char c : text) {
        if (!pred(c)) return false;
    }
    return true;
}

// The reader stops converting a number at the first byte it does not expect
// and reads an empty text as 0; a script's "12x" or "" is a mistake, so the
// whole text must be the number.
bool WholeNumber(const Node& n, std::string_view v)
{
    switch (n.fmt) {
    case Fmt::Int:
        if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) return AllOf(v.substr(2), IsHexDigit);
        if (!v.empty() && v[0] == '-') v.remove_prefix(1);
        return AllOf(v, IsDigit);
    case Fmt::Real:
    case Fmt::PenReal:
    case Fmt::Width: {
        if (v.empty()) return false;
        size_t used = 0;
        ParseDouble(v.data(), v.size(), &used);
        return used == v.size();
    }
    case Fmt::InputRef:
        return v.size() > 2 && AllOf(v.substr(2), IsDigit);
    default:
        return true;
    }
}

// Whether text is UTF-8 of characters an XML document may carry: the
// document of any other text could not be read back.
bool DocumentCharacters(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
            ++i;
            continue;
        }
        const size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (len == 0 || b > 0xF4 || i + len > text.size()) return false;
        uint32_t cp = b & (0x7F >> len);
        for (size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF)
            return false;
        i += len;
    }
    return true;
}

// Whether a text fits its field whole once unescaped (the reader cuts it)
// and the document can carry it.
bool TextFits(const Node& n, std::string_view v)
{
    if (v.find('\0') != std::string_view::npos) return false;
    std::string whole(2 * v.size() + 2, '\0');
    UnescapeElementText(v.data(), v.size(), whole.data(), whole.size());
    whole.resize(std::strlen(whole.c_str()));
    return whole.size() < n.size && DocumentCharacters(whole);
}

// The document value of a list entry the editor shows as text, if any.
std::optional<std::string> ValueOfEntry(const SettingLeaf& leaf, std::string_view text)
{
    const Node& n = *leaf.node;
    if (n.fmt == Fmt::Keyword) {
        for (int i = 0; i < n.keywords->count; ++i) {
            const char* word = n.keywords->At(i);
            const char* entry = word ? EditorEntry(leaf.path, word) : nullptr;
            if (entry && text == entry) return std::string(word);
        }
        return std::nullopt;
    }
    if (n.fmt != Fmt::Int) return std::nullopt;
    int64_t lo = 0, hi = 64;
    if (n.check == Check::Range) {
        lo = n.min;
        hi = n.max;
    }
    if (hi - lo > kMaxListSpan) return std::nullopt;
    for (int64_t v = lo; v <= hi; ++v) {
        std::string value = std::to_string(v);
        const char* entry = EditorEntry(leaf.path, value);
        if (entry && text == entry) return value;
    }
    return std::nullopt;
}

std::string LastName(std::string_view path)
{
    size_t cut = path.find_last_of("/<>");
    while (cut != std::string_view::npos && cut + 1 == path.size() && !path.empty()) {
        path.remove_suffix(1);
        cut = path.find_last_of("/<>");
    }
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace

std::optional<SettingLeaf> ResolveSettingPath(std::string_view path)
{
    if (path.empty() || path.size() > kMaxPathLength) return std::nullopt;
    std::string elements;
    if (path[0] == '<') {
        elements = path;
    } else {
        elements = "<VOL_MAR>";
        size_t pos = 0;
        while (pos <= path.size()) {
            size_t end = path.find('/', pos);
            if (end == std::string_view::npos) end = path.size();
            std::string_view name = path.substr(pos, end - pos);
            if (name.empty() || name.find_first_of("<>") != std::string_view::npos) return std::nullopt;
            elements.append("<").append(name).append(">");
            pos = end + 1;
        }
    }
    const std::vector<PathStep> steps = ResolvePath(elements);
    if (steps.empty() || steps.back().node->IsGroup()) return std::nullopt;
    SettingLeaf leaf;
    leaf.path = "<VOL_MAR>";
    for (const PathStep& step : steps) {
        const Node& n = *step.node;
        leaf.offset += n.offset;
        leaf.path.append("<").append(n.name);
        if (n.Indexed()) {
            leaf.offset += static_cast<size_t>(step.index - n.first) * n.stride;
            leaf.path.append(std::to_string(step.index));
        }
        leaf.path.append(">");
        if (n.flags & kNotInFull) leaf.inFile = false;
    }
    leaf.node = steps.back().node;
    return leaf;
}

std::string SlashPath(std::string_view elementPath)
{
    constexpr std::string_view kRoot = "<VOL_MAR>";
    if (elementPath.substr(0, kRoot.size()) == kRoot) elementPath.remove_prefix(kRoot.size());
    std::string out;
    for (char c : elementPath) {
        if (c == '<') {
            if (!out.empty()) out += '/';
        } else if (c != '>') {
            out += c;
        }
    }
    return out;
}

std::string ElementPath(std::string_view slashPath)
{
    std::string out;
    size_t at = 0;
    while (at <= slashPath.size()) {
        const size_t slash = std::min(slashPath.find('/', at), slashPath.size());
        out.append("<").append(slashPath.substr(at, slash - at)).append(">");
        at = slash + 1;
    }
    return out;
}

std::vector<std::string> ReadSettingValues(const SettingRecord& record, const std::vector<SettingLeaf>& leaves)
{
    std::vector<std::string> values(leaves.size());
    std::unordered_map<std::string_view, std::vector<size_t>> wanted;
    for (size_t i = 0; i < leaves.size(); ++i) wanted[leaves[i].path].push_back(i);
    VisitSettingValues(record, [&](const std::string& path, std::string_view value) {
        auto it = wanted.find(path);
        if (it == wanted.end()) return;
        for (size_t i : it->second) values[i] = value;
    });
    return values;
}

std::string ShownSettingValue(const SettingLeaf& leaf, std::string_view documentValue)
{
    if (leaf.node->fmt != Fmt::Text) return EditorValue(leaf.path, documentValue);
    char buffer[4096];
    UnescapeElementText(documentValue.data(), documentValue.size(), buffer, sizeof buffer);
    return ShownValue(buffer);
}

std::string SettingLabel(const SettingLeaf& leaf)
{
    const ElementLabel label = LabelOfElement(leaf.path);
    return label.section + " \xC2\xB7 " + label.Full();
}

std::optional<SettingRefusal> StoreSettingValue(SettingRecord& record, const SettingLeaf& leaf, std::string_view value)
{
    const Node& n = *leaf.node;
    auto refuse = [&](std::string message) {
        return SettingRefusal{leaf.path, SettingLabel(leaf), std::move(message)};
    };
    auto error = [&] { return "Setting error: " + LabelOfElement(leaf.path).field; };
    if (!leaf.inFile) return refuse("Not kept in a settings file");
    // A list takes the document's value or else the entry its editor shows.
    std::optional<std::string> entry;
    const bool documentForm = n.fmt == Fmt::Keyword ? n.keywords->Find(value.data(), value.size()) >= 0
                                                    : WholeNumber(n, value);
    if (!documentForm) entry = ValueOfEntry(leaf, value);
    if (entry) value = *entry;
    if (!WholeNumber(n, value)) return refuse(error());
    if (n.fmt == Fmt::Text && !TextFits(n, value)) return refuse(error());
    char* field = reinterpret_cast<char*>(&record) + leaf.offset;
    // The reader stores into the field; keep the old bytes for a refusal.
    const size_t width = FieldWidth(n);
    std::string saved(field, width);
    if (StoreLeafText(n, field, value.data(), value.size()) != LeafVerdict::Stored) {
        std::memcpy(field, saved.data(), width);
        return refuse(error());
    }
    return std::nullopt;
}

std::optional<SettingAssignment> ParseSettingAssignment(std::string_view text)
{
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) return std::nullopt;
    return SettingAssignment{std::string(text.substr(0, eq)), std::string(text.substr(eq + 1))};
}

std::vector<SettingRefusal> ApplySettingAssignments(SettingRecord& record,
                                                    const std::vector<SettingAssignment>& assignments)
{
    std::vector<SettingRefusal> refusals;
    auto copy = std::make_unique<SettingRecord>(record);
    for (const SettingAssignment& a : assignments) {
        const std::optional<SettingLeaf> leaf = ResolveSettingPath(a.path);
        if (!leaf) {
            refusals.push_back({a.path, LastName(a.path), "Unknown setting"});
            continue;
        }
        if (auto refusal = StoreSettingValue(*copy, *leaf, a.value)) {
            refusal->path = a.path;  // as the caller wrote it
            refusals.push_back(std::move(*refusal));
        }
    }
    if (refusals.empty() && !CheckSettingConsistency(*copy)) {
        refusals.push_back({"<VOL_MAR>", "Setting", "Failed to convert into setting data."});
    }
    if (refusals.empty()) record = *copy;
    return refusals;
}

}  // namespace volmar
