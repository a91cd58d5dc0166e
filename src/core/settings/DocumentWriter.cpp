#include "core/settings/DocumentWriter.h"

#include <algorithm>

#include <charconv>
#include <cstring>

#include "core/settings/DocumentSchema.h"
#include "core/settings/FieldAccess.h"
#include "core/settings/TextEscape.h"
#include "core/settings/ValueText.h"

namespace volmar {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n";
constexpr std::string_view kRootEnd = "</VOL_MAR>\r\n";
constexpr size_t kTypicalDocumentSize = 1300000;

// What a value's format depends on besides its own field.
struct ValueContext {
    const SettingRecord* root = nullptr;
    bool exp = false;  // the EXP switch of the channel being written
    int index = 0;     // the index of the innermost indexed element
};

template <typename T>
void AppendNumber(std::string& out, T value)
{
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendHex(std::string& out, uint32_t value, int digits)
{
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value, 16);
    out.append("0x");
    for (int pad = digits - static_cast<int>(res.ptr - buf); pad > 0; --pad) out.push_back('0');
    for (char* p = buf; p != res.ptr; ++p) out.push_back(*p >= 'a' ? static_cast<char>(*p - 'a' + 'A') : *p);
}

// The real-value rule: ten decimals for small values of an exponent-display
// channel, three decimals otherwise.
void AppendReal(std::string& out, double v, bool exp, int plainDecimals)
{
    if (exp) {
        AppendFixed(out, v, (v > 1000.0 || v < -1000.0) ? 3 : 10);
    } else {
        AppendFixed(out, v, plainDecimals);
    }
}

// The EXP switch of the channel a pen shows, false for other pens.
bool PenChannelExp(const SettingRecord& r, int pen)
{
    if (pen < 1 || pen > kPenCount) return false;
    const PenConf& conf = r.DISP.PEN_CONF[pen - 1];
    int ch = conf.CH;
    switch (conf.TYPE) {
    case kPenAi: return ch >= 1 && ch <= kAiCount && r.IO.AI[ch - 1].EXP == kUse;
    case kPenPi: return ch >= 1 && ch <= kPiCount && r.IO.PI[ch - 1].EXP == kUse;
    case kPenOi: return ch >= 1 && ch <= kOiCount && r.IO.OI[ch - 1].EXP == kUse;
    default: return false;
    }
}

void AppendValue(std::string& out, const Node& n, const char* field, const ValueContext& ctx)
{
    switch (n.fmt) {
    case Fmt::Text:
        EscapeElementText(out, field, strnlen(field, n.size));
        return;
    case Fmt::Keyword:
        if (const char* word = n.keywords->At(LoadI32(field))) out.append(word);
        return;
    case Fmt::Int: {
        int64_t v = LoadInt(field, n.store);
        switch (n.print) {
        case Print::Dec: AppendNumber(out, v); return;
        case Print::Udec: AppendNumber(out, static_cast<uint32_t>(v)); return;
        case Print::Hex8: AppendHex(out, static_cast<uint32_t>(v), 8); return;
        case Print::Hex2: AppendHex(out, static_cast<uint32_t>(v), 2); return;
        case Print::LowByte: AppendNumber(out, static_cast<unsigned>(v & 0xFF)); return;
        }
        return;
    }
    case Fmt::Real:
        AppendReal(out, LoadDouble(field), ctx.exp, 3);
        return;
    case Fmt::PenReal:
        AppendReal(out, LoadDouble(field), PenChannelExp(*ctx.root, ctx.index), 2);
        return;
    case Fmt::InputRef: {
        const auto* ref = reinterpret_cast<const OiInputRef*>(field);
        if (const char* kind = kw::InputKind.At(ref->KIND)) out.append(kind);
        AppendNumber(out, ref->CH);
        return;
    }
    case Fmt::Width:
        AppendNumber(out, static_cast<uint32_t>(LoadInt(field, Store::U32)));
        return;
    case Fmt::Group:
        return;
    }
}

void AppendIndent(std::string& out, int level)
{
    out.append(static_cast<size_t>(2 * level), ' ');
}

class Writer {
public:
    Writer(std::string& out, const SettingRecord& root, bool full) : m_out(out), m_full(full) { m_ctx.root = &root; }

    void Node(const volmar::Node& node, const char* base, int level)
    {
        if (!node.Indexed()) {
            One(node, node.name, base + node.offset, level);
            return;
        }
        char name[40];
        size_t plen = std::strlen(node.name);
        std::memcpy(name, node.name, plen);
        for (int k = 0; k < node.count; ++k) {
            int slot = (node.flags & kDescending) ? node.count - 1 - k : k;
            int index = node.first + slot;
            auto res = std::to_chars(name + plen, name + sizeof name - 1, index);
            *res.ptr = '\0';
            m_ctx.index = index;
            One(node, name, base + node.offset + static_cast<size_t>(slot) * node.stride, level);
        }
    }

private:
    void One(const volmar::Node& node, const char* name, const char* field, int level)
    {
        if (!node.IsGroup()) {
            AppendIndent(m_out, node.indent >= 0 ? node.indent : level);
            Tag(name, false);
            AppendValue(m_out, node, field, m_ctx);
            Tag(name, true);
            m_out.append("\r\n");
            return;
        }
        const ValueContext saved = m_ctx;
        if (node.expOffset >= 0) m_ctx.exp = LoadI32(field + node.expOffset) == kUse;
        AppendIndent(m_out, level);
        Tag(name, false);
        m_out.append("\r\n");
        for (uint16_t i = 0; i < node.childCount; ++i) {
            const volmar::Node& child = node.children[i];
            if (m_full && (child.flags & kNotInFull)) continue;
            Node(child, field, level + 1);
        }
        AppendIndent(m_out, level);
        Tag(name, true);
        m_out.append("\r\n");
        m_ctx = saved;
    }

    void Tag(const char* name, bool end)
    {
        m_out.append(end ? "</" : "<");
        m_out.append(name);
        m_out.push_back('>');
    }

    std::string& m_out;
    bool m_full;
    ValueContext m_ctx;
};

// Walks every leaf with its element path, for the diff.
class LeafWalker {
public:
    LeafWalker(const SettingRecord& root, const LeafVisitor& visit, TextForm texts, std::string_view under = {})
        : m_visit(visit), m_texts(texts), m_under(under)
    {
        m_ctx.root = &root;
    }

    void Node(const volmar::Node& node, const char* base)
    {
        if (!node.Indexed()) {
            One(node, node.name, base + node.offset);
            return;
        }
        for (int slot = 0; slot < node.count; ++slot) {
            int index = node.first + slot;
            m_ctx.index = index;
            std::string name = node.name + std::to_string(index);
            One(node, name.c_str(), base + node.offset + static_cast<size_t>(slot) * node.stride);
        }
    }

private:
    void One(const volmar::Node& node, const char* name, const char* field)
    {
        const size_t mark = m_path.size();
        m_path.append("<").append(name).append(">");
        const size_t common = std::min(m_path.size(), m_under.size());
        if (m_path.compare(0, common, m_under, 0, common) != 0) {  // outside the subtree asked for
            m_path.resize(mark);
            return;
        }
        if (node.IsGroup()) {
            const ValueContext saved = m_ctx;
            if (node.expOffset >= 0) m_ctx.exp = LoadI32(field + node.expOffset) == kUse;
            for (uint16_t i = 0; i < node.childCount; ++i) Node(node.children[i], field);
            m_ctx = saved;
        } else {
            m_value.clear();
            if (node.fmt == Fmt::Text && m_texts == TextForm::Plain) {
                m_value.assign(field, strnlen(field, node.size));
            } else {
                AppendValue(m_value, node, field, m_ctx);
            }
            m_visit(m_path, m_value);
        }
        m_path.resize(mark);
    }

    const LeafVisitor& m_visit;
    TextForm m_texts;
    std::string_view m_under;
    ValueContext m_ctx;
    std::string m_path;
    std::string m_value;
};

}  // namespace

size_t WriteSettingDocument(const SettingRecord& record, std::string& out)
{
    out.clear();
    out.reserve(kTypicalDocumentSize);
    out.append(kDeclaration);
    Writer writer(out, record, true);
    const Node& root = DocumentRoot();
    const char* base = reinterpret_cast<const char*>(&record);
    for (uint16_t i = 0; i < root.childCount; ++i) {
        const Node& section = root.children[i];
        if (section.flags & kNotInFull) continue;
        writer.Node(section, base, 0);
    }
    out.append(kRootEnd);
    return out.size();
}

size_t WriteNetworkDocument(std::string& out, const SettingRecord& record)
{
    out.clear();
    out.append(kDeclaration);
    out.append("<COM>\r\n");
    Writer writer(out, record, false);
    const Node& com = ComSection();
    const char* base = reinterpret_cast<const char*>(&record) + com.offset;
    for (uint16_t i = 0; i < com.childCount; ++i) {
        // The network document carries only the unit's own addresses.
        if (com.children[i].flags & kNotInFull) writer.Node(com.children[i], base, 1);
    }
    out.append("</COM>\r\n");
    out.append(kRootEnd);
    out.append("\r\n");
    return out.size();
}

size_t WriteAccessDocument(const SettingRecord& record, std::string& out)
{
    out.clear();
    out.append(kDeclaration);
    Writer writer(out, record, false);
    writer.Node(AccessSection(), reinterpret_cast<const char*>(&record), 0);
    out.append(kRootEnd);
    out.append("\r\n");
    return out.size();
}

void VisitSettingValues(const SettingRecord& record, const LeafVisitor& visit, TextForm texts, std::string_view under)
{
    LeafWalker walker(record, visit, texts, under);
    walker.Node(DocumentRoot(), reinterpret_cast<const char*>(&record));
}

}  // namespace volmar
