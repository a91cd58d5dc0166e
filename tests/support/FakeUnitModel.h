#pragma once
// A unit model for link tests: one account, objects held in a map, a put
// outcome set by the test, and a record of what was put.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "sim/UnitModel.h"

namespace volmar::test {

class FakeUnitModel : public sim::UnitModel {
public:
    std::array<uint8_t, 6> status{0x29, 1, 2, 0x01, 0x2C, 0x0B};
    std::string loginId = "admin";
    std::string password = "secret";
    std::map<std::string, std::vector<uint8_t>> objects;
    // Code of a refused get of an unknown object; -1: refused without a code.
    int getRefusal = 7;
    sim::PutOutcome putOutcome;

    std::array<uint8_t, 6> Status() override { return status; }
    bool Login(const std::string& id, const std::string& pw) override
    {
        return id == loginId && pw == password;
    }
    std::vector<std::string> LoginPasswords() override { return {"other", password}; }
    bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) override
    {
        auto it = objects.find(object);
        if (it == objects.end()) {
            code = getRefusal;
            return false;
        }
        out = it->second;
        return true;
    }
    sim::PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) override
    {
        std::lock_guard lock(mutex_);
        putName_ = object;
        putData_ = data;
        ++puts_;
        return putOutcome;
    }
    sim::ResultReply QueryResult() override { return {}; }

    // Read by the test after the operation (the server runs on its own thread).
    std::string PutName() { std::lock_guard l(mutex_); return putName_; }
    std::vector<uint8_t> PutData() { std::lock_guard l(mutex_); return putData_; }
    int Puts() { std::lock_guard l(mutex_); return puts_; }

private:
    std::mutex mutex_;
    std::string putName_;
    std::vector<uint8_t> putData_;
    int puts_ = 0;
};

}  // namespace volmar::test
