#pragma once
// A record of every request the simulated unit receives, one line each,
// appended to a file and written through at once so that a person (or a
// test) can follow it while the unit runs:
//
//   2024-05-01 12:00:00.123 tcp put CONFIG_P 5123 refused:102
//
// time, link (serial, tcp, cipher, or unit for direct calls), operation
// (status, login, get, put, result; "data" follows a put of at most 256
// bytes with its bytes in hexadecimal as the outcome), object (the login ID for a login, "-"
// when none), length in bytes (received for a put, sent for a get) and the
// outcome. Passwords are never written.
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/common/UniqueFd.h"

namespace volmar::sim {

class Journal {
public:
    // Opens (creates or appends to) the file; on failure returns null and
    // sets error to the reason.
    static std::unique_ptr<Journal> Open(const std::string& path, std::string& error);

    void Write(std::string_view link, std::string_view operation, std::string_view object,
               size_t length, std::string_view outcome);

private:
    explicit Journal(UniqueFd fd) : m_fd(std::move(fd)) {}

    std::mutex m_mutex;
    UniqueFd m_fd;
};

}  // namespace volmar::sim
