#include "core/link/terminal/TerminalReader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "core/link/terminal/Utf8Joiner.h"

namespace volmar {

TerminalEnd ReadTerminal(int fd, const std::atomic<bool>& stop,
                         const std::function<void(std::string_view text)>& sink)
{
    Utf8Joiner joiner;
    char buffer[kTerminalChunk];
    TerminalEnd end = TerminalEnd::Stopped;
    while (!stop.load()) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, kTerminalPollMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            end = TerminalEnd::Failed;
            break;
        }
        if (ready == 0) continue;
        if (p.revents & POLLNVAL) {
            end = TerminalEnd::Failed;
            break;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            const std::string text = joiner.Feed(std::string_view(buffer, static_cast<size_t>(n)));
            if (!text.empty()) sink(text);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
        // Readable but nothing to read, or the line is gone.
        end = (n == 0 || errno == EIO || errno == ENXIO || errno == ENODEV) ? TerminalEnd::Unplugged
                                                                           : TerminalEnd::Failed;
        break;
    }
    if (const std::string rest = joiner.Flush(); !rest.empty()) sink(rest);
    return end;
}

bool PendingText::Append(std::string_view text)
{
    std::lock_guard lock(m_mutex);
    const bool wasEmpty = m_text.empty();
    m_text.append(text);
    if (m_text.size() > m_limit) {
        size_t cut = m_text.size() - m_limit;
        // Not inside a character: continuation bytes are 10xxxxxx.
        while (cut < m_text.size() && (static_cast<unsigned char>(m_text[cut]) & 0xC0) == 0x80) ++cut;
        m_text.erase(0, cut);
    }
    return wasEmpty;
}

std::string PendingText::Take()
{
    std::lock_guard lock(m_mutex);
    std::string text = std::move(m_text);
    m_text.clear();
    return text;
}

void PendingText::Clear()
{
    std::lock_guard lock(m_mutex);
    m_text.clear();
}

void TerminalReader::Start(int fd, std::function<void(std::string_view text)> sink)
{
    Stop();
    m_stop = false;
    m_ended = false;
    m_end = TerminalEnd::Stopped;
    m_thread = std::thread([this, fd, sink = std::move(sink)] {
        m_end = ReadTerminal(fd, m_stop, sink);
        m_ended = true;
    });
}

void TerminalReader::Stop()
{
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace volmar
