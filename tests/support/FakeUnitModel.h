#pragma once
// A unit model for link tests: one account, objects held in a map, a put
// outcome and result-query answers set by the test, and a record of what
// was put. The serving thread and the test's thread may use it at once.
#include <array>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "sim/UnitModel.h"

namespace volmar::test {

class FakeUnitModel : public sim::UnitModel {
public:
    using Bytes = std::vector<uint8_t>;

    // Set by the test before the link runs.
    std::array<uint8_t, 6> status{0x29, 1, 2, 0x01, 0x2C, 0x0B};
    std::string loginId = "admin";
    std::string password = "secret";
    std::map<std::string, Bytes> objects;
    // Code of a refused get of an unknown object; -1: refused without a code.
    int getRefusal = 7;
    sim::PutOutcome putOutcome;

    void SetObject(const std::string& name, Bytes data)
    {
        std::lock_guard lock(m_mutex);
        objects[name] = std::move(data);
    }
    void RefuseGet(const std::string& name, int code)
    {
        std::lock_guard lock(m_mutex);
        m_refusals[name] = code;
    }
    // Answers to the result query in turn; the last one repeats.
    void QueueResult(sim::ResultReply reply)
    {
        std::lock_guard lock(m_mutex);
        m_results.push_back(std::move(reply));
    }

    std::array<uint8_t, 6> Status() override { return status; }
    bool Login(const std::string& id, const std::string& pw) override { return id == loginId && pw == password; }
    std::vector<std::string> LoginPasswords() override { return {"other", password}; }
    bool Get(const std::string& object, Bytes& out, int& code) override
    {
        std::lock_guard lock(m_mutex);
        if (auto r = m_refusals.find(object); r != m_refusals.end()) {
            code = r->second;
            return false;
        }
        auto it = objects.find(object);
        if (it == objects.end()) {
            code = getRefusal;
            return false;
        }
        out = it->second;
        return true;
    }
    sim::PutOutcome Put(const std::string& object, const Bytes& data) override
    {
        std::lock_guard lock(m_mutex);
        m_puts.emplace_back(object, data);
        return putOutcome;
    }
    sim::ResultReply QueryResult() override
    {
        std::lock_guard lock(m_mutex);
        if (m_results.empty()) return {};
        sim::ResultReply r = m_results.front();
        if (m_results.size() > 1) m_results.pop_front();
        return r;
    }

    // Read by the test after the operation.
    std::vector<std::pair<std::string, Bytes>> Puts() const
    {
        std::lock_guard lock(m_mutex);
        return m_puts;
    }
    std::string PutName() const
    {
        std::lock_guard lock(m_mutex);
        return m_puts.empty() ? std::string() : m_puts.back().first;
    }
    Bytes PutData() const
    {
        std::lock_guard lock(m_mutex);
        return m_puts.empty() ? Bytes() : m_puts.back().second;
    }

private:
    mutable std::mutex m_mutex;
    std::map<std::string, int> m_refusals;
    std::deque<sim::ResultReply> m_results;
    std::vector<std::pair<std::string, Bytes>> m_puts;
};

}  // namespace volmar::test
