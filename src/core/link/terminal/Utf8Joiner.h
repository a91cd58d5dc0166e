#pragma once
// The text log arrives in reads that may cut a UTF-8 character in two. The
// joiner hands on the text up to the last whole character and keeps an
// unfinished sequence (at most three bytes) for the next read, so a
// character split across two reads is not turned into two bad ones.
// Bytes that are no UTF-8 at all pass through unchanged.
#include <string>
#include <string_view>

namespace volmar {

class Utf8Joiner {
public:
    // The kept bytes and bytes, without a trailing unfinished sequence.
    std::string Feed(std::string_view bytes);
    // What is still kept, handed on as it is (the log ended).
    std::string Flush();
    void Reset() { m_carry.clear(); }

private:
    std::string m_carry;
};

}  // namespace volmar
