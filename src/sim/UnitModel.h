#pragma once
// What a simulated unit holds and does, independent of the link it is
// reached over. The serial, plain TCP and encrypted TCP endpoints of the
// simulator translate their frames and packets into these calls.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace volmar::sim {

// The largest object a unit takes in one put: the compressed data container
// of a user-defined browser view comes close to 4 MiB, twice a setting.
constexpr size_t kMaxPutObject = 0x400000;

// Result of a put as the unit reports it: code 0 accepted; otherwise the
// unit's result code (3 failed to save, 101 unsupported values, ...) and an
// optional UTF-8 text.
struct PutOutcome {
    int code = 0;
    std::string text;
};

// Answer to the serial result query 'A': echo code of the last put object,
// status (0 done, 1 still processing, other: result code) and optional text.
struct ResultReply {
    uint8_t echo = 0;
    uint8_t status = 0;
    std::string text;
};

class UnitModel {
public:
    virtual ~UnitModel() = default;
    // The 6-byte status record: device code, major, minor, build (big-endian), flags.
    virtual std::array<uint8_t, 6> Status() = 0;
    // Checks a login ID and password (plain TCP headers and encrypted login).
    virtual bool Login(const std::string& id, const std::string& password) = 0;
    // The passwords the unit accepts. The encrypted endpoint needs them before
    // it can read a login packet: the link key comes from the password, so it
    // tries the key of each in turn. A model without accounts returns none and
    // no encrypted login succeeds.
    virtual std::vector<std::string> LoginPasswords() { return {}; }
    // Reads an object ("CONFIG_P", "MAC", "LOG", "SD", ...). On refusal returns
    // false and sets code to the unit's result code.
    virtual bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) = 0;
    // Writes an object.
    virtual PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) = 0;
    // The serial result query after a put.
    virtual ResultReply QueryResult() = 0;
    // A request the link's endpoint settled alone (a login no password's key
    // opens, a put the tool abandoned), for the journal: operation, object,
    // length, outcome.
    virtual void Record(std::string_view, std::string_view, size_t, std::string_view) {}
};

}  // namespace volmar::sim
