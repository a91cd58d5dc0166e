#include "sim/unit/Journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace volmar::sim {
namespace {

constexpr size_t kMaxField = 64;
constexpr size_t kMaxOutcome = 512;  // the hexadecimal bytes of a small put

// A field as one word: spaces and control bytes become '_', long ones are cut.
void AppendField(std::string& line, std::string_view field, size_t max = kMaxField)
{
    line += ' ';
    if (field.empty()) {
        line += '-';
        return;
    }
    for (size_t i = 0; i < field.size() && i < max; ++i) {
        const unsigned char c = static_cast<unsigned char>(field[i]);
        line += (c <= ' ' || c == 0x7F) ? '_' : static_cast<char>(c);
    }
}

std::string TimeText()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
    return text;
}

}  // namespace

std::unique_ptr<Journal> Journal::Open(const std::string& path, std::string& error)
{
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (!fd) {
        error = std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<Journal>(new Journal(std::move(fd)));
}

void Journal::Write(std::string_view link, std::string_view operation, std::string_view object,
                    size_t length, std::string_view outcome)
{
    std::string line = TimeText();
    AppendField(line, link);
    AppendField(line, operation);
    AppendField(line, object);
    AppendField(line, std::to_string(length));
    AppendField(line, outcome, kMaxOutcome);
    line += '\n';

    // One write per line, so lines from several links never interleave.
    std::lock_guard lock(m_mutex);
    size_t done = 0;
    for (int tries = 0; done < line.size() && tries < 8; ++tries) {
        const ssize_t n = ::write(m_fd.Get(), line.data() + done, line.size() - done);
        if (n < 0 && errno != EINTR) return;  // a journal that cannot be written is not the unit's fault
        if (n > 0) done += static_cast<size_t>(n);
    }
}

}  // namespace volmar::sim
