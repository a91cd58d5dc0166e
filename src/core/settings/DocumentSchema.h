#pragma once
// One declarative description of the settings document. Every element is a
// Node: its name (or the prefix of an indexed name), how its value is written
// and read, the record field it carries (an offset from its parent's field)
// and the range the reader accepts. The writer, the reader and the diff all
// walk this one table, so they cannot drift apart.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/settings/Keywords.h"

namespace volmar {

enum class Fmt : uint8_t {
    Group,     // an element that holds elements
    Text,      // escaped UTF-8 text
    Keyword,   // a keyword of a list
    Int,       // an integer (Store, Print, Check)
    Real,      // a real; the channel's EXP switch picks the format
    PenReal,   // a pen's scale; the EXP of the channel the pen shows picks it
    InputRef,  // an OI input: kind keyword and channel number, "AI1"
    Width,     // a PI pulse-width bound: read as a real, stored as u32
};

enum class Store : uint8_t { U8, I16, U16, I32, U32 };

enum class Print : uint8_t {
    Dec,      // signed decimal (unsigned stores zero-extended)
    Udec,     // unsigned decimal of a 32-bit field
    Hex8,     // "0x%08lX"
    Hex2,     // "0x%02X"
    LowByte,  // decimal of the field's low byte
};

enum class Check : uint8_t {
    None,           // masks, colours and numbers stored as they come
    Range,          // min..max
    MovingAverage,  // 4, 8, 16, 32 or 64
    UseAreas,       // 0, 2, 3, 4 or 5
};

enum NodeFlag : uint8_t {
    kNotInFull = 1,    // carried only by a partial document
    kAscii = 2,        // text of bytes below 0x80 only
    kCut16 = 4,        // the value text is cut to 16 bytes before conversion
    kExactIndex = 8,   // the index is compared as a whole name ("K0".."K7")
    kDescending = 16,  // written from the last index down to the first
};

struct Node {
    const char* name;
    Fmt fmt;
    Store store = Store::I32;
    Print print = Print::Dec;
    Check check = Check::None;
    uint8_t flags = 0;
    int8_t indent = -1;  // writer's level when it differs from the nesting
    uint32_t offset = 0;  // from the parent's field
    uint32_t size = 0;    // text: capacity including the NUL
    int64_t min = 0;
    int64_t max = 0;
    const KeywordList* keywords = nullptr;
    // Indexed elements ("AI%d"): first index, count, bytes between fields.
    int16_t first = 0;
    int16_t count = 0;
    uint32_t stride = 0;
    // Groups.
    const Node* children = nullptr;
    uint16_t childCount = 0;
    int32_t expOffset = -1;  // a channel group: offset of its EXP switch

    bool Indexed() const { return count > 0; }
    bool IsGroup() const { return fmt == Fmt::Group; }
};

// The root element VOL_MAR; its children are the sections, the access block
// and all, in the order the full document and the diff use.
const Node& DocumentRoot();

// The sections written by the two partial documents.
const Node& AccessSection();   // VOLMAR
const Node& ComSection();      // COM, of which the network document writes TCP_IP

// Looks up the child of a group by element name. On success stores the
// index (for indexed children) and returns the node; hint speeds up
// documents read in the writer's order (the position after the last match).
const Node* FindChild(const Node& group, const char* name, size_t len, int* index, uint16_t* hint);

// One element of a path: its node and, for an indexed element, its index
// (-1 for an element that is not indexed).
struct PathStep {
    const Node* node;
    int index;
};

// The nodes of an element path ("<VOL_MAR><IO><AI><AI1><TYPE>"), one per
// element below VOL_MAR; empty when an element is not in the description.
std::vector<PathStep> ResolvePath(std::string_view path);

}  // namespace volmar
