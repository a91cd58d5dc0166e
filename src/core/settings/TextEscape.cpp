#include "core/settings/TextEscape.h"

#include <cstring>

namespace volmar {
namespace {

// The escape letter of each special byte, 0 for bytes copied as they are.
struct EscapeTable {
    char letter[256] = {};
    constexpr EscapeTable()
    {
        letter[static_cast<unsigned char>('\n')] = 'D';
        letter[static_cast<unsigned char>('\r')] = 'D';
        letter[static_cast<unsigned char>('"')] = 'W';
        letter[static_cast<unsigned char>('#')] = '#';
        letter[static_cast<unsigned char>('&')] = 'A';
        letter[static_cast<unsigned char>('\'')] = 'S';
        letter[static_cast<unsigned char>('<')] = 'L';
        letter[static_cast<unsigned char>('>')] = 'G';
    }
};
constexpr EscapeTable kEscape;

}  // namespace

void EscapeElementText(std::string& out, const char* text, size_t len)
{
    size_t start = 0;
    for (size_t i = 0; i < len; ++i) {
        char letter = kEscape.letter[static_cast<unsigned char>(text[i])];
        if (letter == 0) continue;
        out.append(text + start, i - start);
        out.push_back('#');
        out.push_back(letter);
        if (text[i] == '\r' && i + 1 < len && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.append(text + start, len - start);
}

namespace {
// Unescapes into out (at least len bytes); returns the number of bytes.
size_t Unescape(const char* text, size_t len, char* out)
{
    size_t n = 0;
    for (size_t i = 0; i < len; ++i) {
        char c = text[i];
        if (c != '#') {
            out[n++] = c;
            continue;
        }
        if (i + 1 >= len) break;  // a lone '#' at the very end ends the text
        char e = text[++i];
        switch (e) {
        case 'A': out[n++] = '&'; break;
        case 'D': out[n++] = '\r'; out[n++] = '\n'; break;
        case 'G': out[n++] = '>'; break;
        case 'L': out[n++] = '<'; break;
        case 'S': out[n++] = '\''; break;
        case 'W': out[n++] = '"'; break;
        default: out[n++] = e; break;
        }
    }
    return n;
}
}  // namespace

void UnescapeElementText(const char* text, size_t len, char* field, size_t capacity)
{
    if (capacity == 0) return;
    // Unescaping never lengthens a text: "#D" gives the two bytes CR LF. A
    // text that fits is unescaped straight into the field.
    if (len < capacity) {
        size_t n = Unescape(text, len, field);
        std::memset(field + n, 0, capacity - n);
        return;
    }
    char local[4096];
    std::string heap;
    char* buf = local;
    if (len > sizeof local) {
        heap.resize(len);
        buf = heap.data();
    }
    size_t n = Unescape(text, len, buf);
    size_t keep = n;
    if (keep > capacity - 1) {
        keep = capacity - 1;
        // Never split a UTF-8 sequence, nor a CR LF pair.
        while (keep > 0 && (static_cast<unsigned char>(buf[keep]) & 0xC0) == 0x80) --keep;
        if (keep > 0 && buf[keep - 1] == '\r' && buf[keep] == '\n') --keep;
    }
    std::memcpy(field, buf, keep);
    std::memset(field + keep, 0, capacity - keep);
}

}  // namespace volmar
