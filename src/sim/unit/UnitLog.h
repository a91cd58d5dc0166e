#pragma once
// The unit's system log: lines of text, newest last, kept within what one
// "LOG" get returns (the tool reads it into 4096 bytes with a NUL at the end).
#include <cstddef>
#include <string>

namespace volmar::sim {

class UnitLog {
public:
    static constexpr size_t kCapacity = 4095;

    // Adds "stamp message" as a line (CR LF), dropping the oldest lines
    // when the log would grow past its capacity.
    void Add(const std::string& stamp, const std::string& message);
    void Clear() { m_text.clear(); }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace volmar::sim
