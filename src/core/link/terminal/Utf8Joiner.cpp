#include "core/link/terminal/Utf8Joiner.h"

namespace volmar {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the sequence a lead byte starts; 0 for no lead byte.
size_t SequenceLength(unsigned char c)
{
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

std::string Utf8Joiner::Feed(std::string_view bytes)
{
    std::string text = std::move(m_carry);
    m_carry.clear();
    text.append(bytes);
    // Look back over at most three continuation bytes for the last lead byte.
    size_t start = text.size();
    for (size_t back = 0; start > 0 && back < 4; ++back) {
        const auto c = static_cast<unsigned char>(text[start - 1]);
        --start;
        if (!IsContinuation(c)) break;
    }
    if (start < text.size()) {
        const size_t need = SequenceLength(static_cast<unsigned char>(text[start]));
        if (need > text.size() - start) {
            m_carry = text.substr(start);
            text.resize(start);
        }
    }
    return text;
}

std::string Utf8Joiner::Flush()
{
    std::string rest = std::move(m_carry);
    m_carry.clear();
    return rest;
}

}  // namespace volmar
