#pragma once
// A unit that answers each write of the tool with the next scripted reply,
// on an in-memory line. A write with no reply left is met with silence.
#include <deque>
#include <utility>
#include <vector>

#include "MemoryStream.h"

namespace volmar::test {

class ScriptedUnit {
public:
    explicit ScriptedUnit(MemoryStream& line) : m_line(line)
    {
        m_line.SetFarEnd([this](const uint8_t* data, size_t len) {
            m_writes.emplace_back(data, data + len);
            if (m_replies.empty()) return;
            const Reply reply = std::move(m_replies.front());
            m_replies.pop_front();
            for (const auto& [bytes, delayMs] : reply)
                if (!bytes.empty()) m_line.Inject(bytes, delayMs);
        });
    }
    ScriptedUnit(const ScriptedUnit&) = delete;
    ScriptedUnit& operator=(const ScriptedUnit&) = delete;

    // The answer to the next write, sent delayMs after it.
    ScriptedUnit& Then(std::vector<uint8_t> bytes, int delayMs = 0)
    {
        m_replies.push_back({{std::move(bytes), delayMs}});
        return *this;
    }
    // More of the same answer, sent delayMs after the write (not after the
    // previous part): the unit sending again while the tool only listens.
    ScriptedUnit& And(std::vector<uint8_t> bytes, int delayMs)
    {
        m_replies.back().emplace_back(std::move(bytes), delayMs);
        return *this;
    }
    ScriptedUnit& ThenByte(uint8_t b, int delayMs = 0) { return Then({b}, delayMs); }
    ScriptedUnit& ThenSilence() { return Then(std::vector<uint8_t>{}); }

    // Every write of the tool, one entry per Write call.
    const std::vector<std::vector<uint8_t>>& Writes() const { return m_writes; }

private:
    MemoryStream& m_line;
    using Reply = std::vector<std::pair<std::vector<uint8_t>, int>>;
    std::deque<Reply> m_replies;
    std::vector<std::vector<uint8_t>> m_writes;
};

}  // namespace volmar::test
