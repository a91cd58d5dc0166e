#pragma once
// A unit model with a few objects in memory, for link tests. Safe to use
// from the simulator's serving thread and the test's thread at once.
#include <array>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "sim/UnitModel.h"

namespace volmar::test {

class FakeUnitModel final : public sim::UnitModel {
public:
    using Bytes = std::vector<uint8_t>;

    void SetObject(const std::string& name, Bytes data)
    {
        std::lock_guard lock(mutex_);
        objects_[name] = std::move(data);
    }
    void RefuseGet(const std::string& name, int code)
    {
        std::lock_guard lock(mutex_);
        refusals_[name] = code;
    }
    // Answers to the result query in turn; the last one repeats.
    void QueueResult(sim::ResultReply reply)
    {
        std::lock_guard lock(mutex_);
        results_.push_back(std::move(reply));
    }
    std::vector<std::pair<std::string, Bytes>> Puts() const
    {
        std::lock_guard lock(mutex_);
        return puts_;
    }

    std::array<uint8_t, 6> Status() override { return {0x29, 1, 2, 0x01, 0x2C, 0x09}; }
    bool Login(const std::string&, const std::string&) override { return true; }
    bool Get(const std::string& object, Bytes& out, int& code) override
    {
        std::lock_guard lock(mutex_);
        if (auto r = refusals_.find(object); r != refusals_.end()) {
            code = r->second;
            return false;
        }
        auto o = objects_.find(object);
        if (o == objects_.end()) {
            code = 0xFF;
            return false;
        }
        out = o->second;
        return true;
    }
    sim::PutOutcome Put(const std::string& object, const Bytes& data) override
    {
        std::lock_guard lock(mutex_);
        puts_.emplace_back(object, data);
        return {};
    }
    sim::ResultReply QueryResult() override
    {
        std::lock_guard lock(mutex_);
        if (results_.empty()) return {};
        sim::ResultReply r = results_.front();
        if (results_.size() > 1) results_.pop_front();
        return r;
    }

private:
    mutable std::mutex mutex_;
    std::map<std::string, Bytes> objects_;
    std::map<std::string, int> refusals_;
    std::deque<sim::ResultReply> results_;
    std::vector<std::pair<std::string, Bytes>> puts_;
};

}  // namespace volmar::test
