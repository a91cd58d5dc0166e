#include "core/settings/DocumentReader.h"

#include <expat.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/settings/DocumentSchema.h"
#include "core/settings/FieldAccess.h"
#include "core/settings/TextConvert.h"
#include "core/settings/TextEscape.h"
#include "core/settings/ValueText.h"

namespace volmar {
namespace {

constexpr int kMaxDepth = 10;
constexpr size_t kNameSize = 32;
constexpr size_t kTextSize = 4096;
constexpr int kMaxChunks = 100;
constexpr double kRealLimit = 10000000000.0;

enum class FrameState : uint8_t { Known, Unknown, BadRoot };

// What an open element resolved to when it started.
struct Frame {
    const Node* node = nullptr;
    char* field = nullptr;
    uint16_t hint = 0;  // where the next child is likely to be found
    FrameState state = FrameState::Known;
};

struct ParseContext {
    XML_Parser parser = nullptr;
    SettingRecord* record = nullptr;
    int depth = 0;
    int overflow = 0;  // elements opened past the depth limit
    char path[kMaxDepth][kNameSize];
    Frame frames[kMaxDepth];
    int chunks = 0;
    int flags = 0;
    char valuePath[kReadPathSize];
    char unknownPath[kReadPathSize];
};

void FormPath(const ParseContext& ctx, char* out)
{
    size_t n = 0;
    out[0] = '\0';
    for (int i = 0; i < ctx.depth && ctx.path[i][0] != '\0'; ++i) {
        for (const char* p : {"<", static_cast<const char*>(ctx.path[i]), ">"}) {
            size_t len = std::strlen(p);
            size_t take = (n + len < kReadPathSize - 1) ? len : kReadPathSize - 1 - n;
            std::memcpy(out + n, p, take);
            n += take;
        }
    }
    out[n] = '\0';
}

void UnsupportedParam(ParseContext& ctx)
{
    if (ctx.valuePath[0] == '\0') FormPath(ctx, ctx.valuePath);
    ctx.flags |= kReadUnsupportedParam;
}

void UnsupportedInfo(ParseContext& ctx)
{
    if (ctx.unknownPath[0] == '\0') FormPath(ctx, ctx.unknownPath);
    if (ctx.flags == 0) ctx.flags = kReadUnsupportedInfo;
}

bool InRange(const Node& n, uint32_t v)
{
    switch (n.check) {
    case Check::None: return true;
    case Check::MovingAverage: return v == 4 || v == 8 || v == 16 || v == 32 || v == 64;
    case Check::UseAreas: return v == 0 || (v >= 2 && v <= 5);
    case Check::Range:
        // The comparison is made on the 32-bit value: a negative number fails
        // every range that starts at 0 or above.
        if (n.min < 0) {
            int32_t s = static_cast<int32_t>(v);
            return s >= n.min && s <= n.max;
        }
        return v >= static_cast<uint64_t>(n.min) && v <= static_cast<uint64_t>(n.max);
    }
    return false;
}

// A real value: at most maxLen bytes, converted as strtod does, and within
// +-1e10. Anything else (not a number included) makes the document unusable.
bool ParseRealText(const char* text, size_t len, size_t maxLen, double* out)
{
    if (len > maxLen) return false;
    double v = ParseDouble(text, len);
    if (std::isnan(v) || v < -kRealLimit || v > kRealLimit) return false;
    *out = v;
    return true;
}

LeafVerdict StoreInputRef(char* field, const char* text, size_t len)
{
    int kind = (len >= 2) ? kw::InputKind.Find(text, 2) : -1;
    if (kind < 0) return LeafVerdict::Unsupported;
    int32_t ch = static_cast<int32_t>(ParseIntegerText(text + 2, len - 2));
    int32_t max = (kind == kInputAi || kind == kInputDi) ? 64 : 32;
    if (ch < 1 || ch > max) return LeafVerdict::Unsupported;
    auto* ref = reinterpret_cast<OiInputRef*>(field);
    ref->KIND = kind;
    ref->CH = ch;
    return LeafVerdict::Stored;
}

void StoreLeaf(ParseContext& ctx, const Node& n, char* field, const char* text, size_t len)
{
    switch (StoreLeafText(n, field, text, len)) {
    case LeafVerdict::Stored:
        return;
    case LeafVerdict::Unsupported:
        UnsupportedParam(ctx);
        return;
    case LeafVerdict::Unusable:
        // A pulse width out of range names its path; a bad real does not.
        if (n.fmt == Fmt::Width && ctx.valuePath[0] == '\0') FormPath(ctx, ctx.valuePath);
        ctx.flags |= kReadFailed;
        return;
    }
}

// One text for the innermost open element: whitespace between elements,
// the empty content of an element, or a value.
void Dispatch(ParseContext& ctx, const char* text, size_t len)
{
    if (ctx.depth == 0) return;
    const Frame& f = ctx.frames[ctx.depth - 1];
    switch (f.state) {
    case FrameState::BadRoot:
        ctx.flags |= kReadFailed;
        return;
    case FrameState::Unknown:
        UnsupportedInfo(ctx);
        return;
    case FrameState::Known:
        break;
    }
    if (f.node->IsGroup()) return;  // text between child elements
    StoreLeaf(ctx, *f.node, f.field, text, len);
}

Frame Resolve(ParseContext& ctx, const char* name, size_t len)
{
    Frame frame;
    if (ctx.depth == 0) {
        const Node& root = DocumentRoot();
        if (len == std::strlen(root.name) && std::memcmp(name, root.name, len) == 0) {
            frame.node = &root;
            frame.field = reinterpret_cast<char*>(ctx.record);
        } else {
            frame.state = FrameState::BadRoot;
        }
        return frame;
    }
    Frame& parent = ctx.frames[ctx.depth - 1];
    if (parent.state != FrameState::Known) {
        frame.state = parent.state;
        return frame;
    }
    int index = 0;
    const Node* child = parent.node->IsGroup() ? FindChild(*parent.node, name, len, &index, &parent.hint) : nullptr;
    if (!child) {
        frame.state = FrameState::Unknown;
        return frame;
    }
    frame.node = child;
    frame.field = parent.field + child->offset;
    if (child->Indexed()) frame.field += static_cast<size_t>(index - child->first) * child->stride;
    return frame;
}

void XMLCALL OnStart(void* user, const XML_Char* name, const XML_Char**)
{
    auto& ctx = *static_cast<ParseContext*>(user);
    size_t len = std::strlen(name);
    if (ctx.overflow > 0 || ctx.depth >= kMaxDepth || len >= kNameSize) {
        // Too deep or a name too long: the document is unusable; stop here.
        ctx.flags |= kReadFailed;
        ++ctx.overflow;
        XML_StopParser(ctx.parser, XML_FALSE);
        return;
    }
    std::memcpy(ctx.path[ctx.depth], name, len + 1);
    ctx.frames[ctx.depth] = Resolve(ctx, name, len);
    ++ctx.depth;
    ctx.chunks = 0;
}

void XMLCALL OnEnd(void* user, const XML_Char*)
{
    auto& ctx = *static_cast<ParseContext*>(user);
    if (ctx.overflow > 0) {
        --ctx.overflow;
        return;
    }
    if (ctx.depth == 0) {
        ctx.flags |= kReadFailed;
        return;
    }
    if (ctx.chunks == 0) Dispatch(ctx, "", 0);
    --ctx.depth;
    ctx.chunks = 0;
    ctx.path[ctx.depth][0] = '\0';
}

void XMLCALL OnText(void* user, const XML_Char* s, int len)
{
    auto& ctx = *static_cast<ParseContext*>(user);
    if (ctx.chunks > kMaxChunks) {
        XML_StopParser(ctx.parser, XML_FALSE);
        return;
    }
    // A chunk counts as at most kTextSize - 1 bytes. The value rules work on
    // lengths, so the chunk is dispatched where expat holds it.
    size_t n = len < 0 ? 0 : static_cast<size_t>(len);
    if (n > kTextSize - 1) n = kTextSize - 1;
    Dispatch(ctx, s, n);
    ++ctx.chunks;
}

int XMLCALL RefuseEncoding(void*, const XML_Char*, XML_Encoding*)
{
    return XML_STATUS_ERROR;
}

const XML_Memory_Handling_Suite kMemorySuite = {std::malloc, std::realloc, std::free};

}  // namespace

LeafVerdict StoreLeafText(const Node& n, char* field, const char* text, size_t len)
{
    switch (n.fmt) {
    case Fmt::Text:
        if ((n.flags & kAscii) && !IsAsciiText(std::string_view(text, len))) return LeafVerdict::Unsupported;
        UnescapeElementText(text, len, field, n.size);
        return LeafVerdict::Stored;
    case Fmt::Keyword: {
        int pos = n.keywords->Find(text, len);
        if (pos < 0) return LeafVerdict::Unsupported;
        StoreInt(field, Store::I32, static_cast<uint32_t>(pos));
        return LeafVerdict::Stored;
    }
    case Fmt::Int: {
        if ((n.flags & kCut16) && len > 16) len = 16;
        uint32_t v = ParseIntegerText(text, len);
        if (!InRange(n, v)) return LeafVerdict::Unsupported;
        StoreInt(field, n.store, v);
        return LeafVerdict::Stored;
    }
    case Fmt::Real:
    case Fmt::PenReal: {
        double v = 0;
        // Pen scales were once limited to 15 bytes, but the writer forms 16
        // for -1000 on an exponent-display channel ("-1000.0000000000"); a
        // saved setting must read back, so every real takes 16.
        if (!ParseRealText(text, len, 16, &v)) return LeafVerdict::Unusable;
        StoreDouble(field, v);
        return LeafVerdict::Stored;
    }
    case Fmt::Width: {
        double v = ParseDouble(text, len);
        if (std::isnan(v) || v < 0.0 || v > 4294967295.0) return LeafVerdict::Unusable;
        StoreInt(field, Store::U32, static_cast<uint32_t>(v));
        return LeafVerdict::Stored;
    }
    case Fmt::InputRef:
        return StoreInputRef(field, text, len);
    case Fmt::Group:
        return LeafVerdict::Stored;
    }
    return LeafVerdict::Stored;
}

int ReadSettingDocument(SettingRecord& record, const char* data, size_t len, char* pathOut)
{
    if (pathOut) pathOut[0] = '\0';
    auto ctx = std::make_unique<ParseContext>();
    ctx->record = &record;
    if (len > static_cast<size_t>(INT_MAX)) return kReadFailed;

    XML_Parser parser = XML_ParserCreate_MM(nullptr, &kMemorySuite, nullptr);
    if (!parser) {
        std::fputs("failed to XML_ParserCreate()\r\n", stdout);
        return kReadFailed;
    }
    ctx->parser = parser;
    XML_SetUserData(parser, ctx.get());
    XML_SetElementHandler(parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser, OnText);
    XML_SetUnknownEncodingHandler(parser, RefuseEncoding, nullptr);
    if (XML_Parse(parser, data, static_cast<int>(len), XML_TRUE) != XML_STATUS_OK) ctx->flags |= kReadFailed;
    XML_ParserFree(parser);

    if (ctx->depth != 0) ctx->flags |= kReadFailed;
    if (!CheckSettingConsistency(record)) ctx->flags |= kReadFailed;

    if (pathOut) {
        if (ctx->flags & kReadUnsupportedParam) {
            std::memcpy(pathOut, ctx->valuePath, kReadPathSize);
        } else if (ctx->flags & kReadUnsupportedInfo) {
            std::memcpy(pathOut, ctx->unknownPath, kReadPathSize);
        }
    }
    return ctx->flags;
}

ConvertResult ConvertSettingDocument(SettingRecord& record, const char* data, size_t len, bool showUnsupportedInfo)
{
    char path[kReadPathSize];
    ConvertResult result;
    result.flags = ReadSettingDocument(record, data, len, path);
    result.path = path;
    if (result.flags & kReadFailed) {
        result.hasMessage = true;
        result.message = {MessageIcon::Error, "Failed to convert into setting data."};
        return result;
    }
    if (result.flags & kReadUnsupportedParam) {
        result.hasMessage = true;
        result.message = {MessageIcon::None,
                          "Cannot edit: Setting contains unsupported parameter(s). Update VOLMAR.\n" + result.path};
        return result;
    }
    result.ok = true;
    if ((result.flags & kReadUnsupportedInfo) && showUnsupportedInfo) {
        result.hasMessage = true;
        result.message = {MessageIcon::None,
                          "Cannot edit parameter: Setting conatins unsupported information.\n" + result.path};
    }
    return result;
}

}  // namespace volmar
