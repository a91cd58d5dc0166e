#include "sim/serial/TextLogPlayer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace volmar::sim {
namespace {

// How long one wait lasts before the stop flag is looked at.
constexpr int kWaitMs = 50;

}  // namespace

std::vector<std::string> SplitLogLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}

bool TextLogPlayer::Start(int& error)
{
    if (m_thread.joinable()) return true;
    if (!OpenPseudoTerminal(m_pty, error)) return false;
    m_stop = false;
    m_thread = std::thread([this] { Play(); });
    return true;
}

void TextLogPlayer::Stop()
{
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    m_pty.master.Reset();
    m_pty.slaveHold.Reset();
}

void TextLogPlayer::DiscardInput()
{
    char scrap[512];
    while (::read(m_pty.master.Get(), scrap, sizeof scrap) > 0) {
    }
}

bool TextLogPlayer::WriteAll(const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        if (m_stop) return false;
        DiscardInput();
        const ssize_t n = ::write(m_pty.master.Get(), bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return false;
        pollfd p{m_pty.master.Get(), POLLOUT, 0};
        ::poll(&p, 1, kWaitMs);  // the line is full until the tool reads
    }
    return true;
}

void TextLogPlayer::Play()
{
    using Clock = std::chrono::steady_clock;
    const auto gap = m_options.linesPerSecond > 0
                         ? std::chrono::microseconds(1000000 / m_options.linesPerSecond)
                         : std::chrono::microseconds(0);
    auto due = Clock::now();
    do {
        for (const std::string& line : m_options.lines) {
            while (!m_stop && Clock::now() < due) {
                DiscardInput();
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
                ::poll(nullptr, 0, static_cast<int>(std::min<long long>(left.count() + 1, kWaitMs)));
            }
            if (!WriteAll(line)) return;
            due += gap;
        }
    } while (m_options.repeat && !m_options.lines.empty() && !m_stop);
    while (!m_stop) {
        DiscardInput();
        ::poll(nullptr, 0, kWaitMs);
    }
}

}  // namespace volmar::sim
