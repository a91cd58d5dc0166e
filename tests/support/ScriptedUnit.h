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
    explicit ScriptedUnit(MemoryStream& line) : line_(line)
    {
        line_.SetFarEnd([this](const uint8_t* data, size_t len) {
            writes_.emplace_back(data, data + len);
            if (replies_.empty()) return;
            const Reply reply = std::move(replies_.front());
            replies_.pop_front();
            for (const auto& [bytes, delayMs] : reply)
                if (!bytes.empty()) line_.Inject(bytes, delayMs);
        });
    }
    ScriptedUnit(const ScriptedUnit&) = delete;
    ScriptedUnit& operator=(const ScriptedUnit&) = delete;

    // The answer to the next write, sent delayMs after it.
    ScriptedUnit& Then(std::vector<uint8_t> bytes, int delayMs = 0)
    {
        replies_.push_back({{std::move(bytes), delayMs}});
        return *this;
    }
    // More of the same answer, sent delayMs after the write (not after the
    // previous part): the unit sending again while the tool only listens.
    ScriptedUnit& And(std::vector<uint8_t> bytes, int delayMs)
    {
        replies_.back().emplace_back(std::move(bytes), delayMs);
        return *this;
    }
    ScriptedUnit& ThenByte(uint8_t b, int delayMs = 0) { return Then({b}, delayMs); }
    ScriptedUnit& ThenSilence() { return Then(std::vector<uint8_t>{}); }

    // Every write of the tool, one entry per Write call.
    const std::vector<std::vector<uint8_t>>& Writes() const { return writes_; }

private:
    MemoryStream& line_;
    using Reply = std::vector<std::pair<std::vector<uint8_t>, int>>;
    std::deque<Reply> replies_;
    std::vector<std::vector<uint8_t>> writes_;
};

}  // namespace volmar::test
