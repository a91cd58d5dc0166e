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
    std::lock_guard lock(mutex_);
    const bool wasEmpty = text_.empty();
    text_.append(text);
    if (text_.size() > limit_) {
        size_t cut = text_.size() - limit_;
        // Not inside a character: continuation bytes are 10xxxxxx.
        while (cut < text_.size() && (static_cast<unsigned char>(text_[cut]) & 0xC0) == 0x80) ++cut;
        text_.erase(0, cut);
    }
    return wasEmpty;
}

std::string PendingText::Take()
{
    std::lock_guard lock(mutex_);
    std::string text = std::move(text_);
    text_.clear();
    return text;
}

void PendingText::Clear()
{
    std::lock_guard lock(mutex_);
    text_.clear();
}

void TerminalReader::Start(int fd, std::function<void(std::string_view text)> sink)
{
    Stop();
    stop_ = false;
    ended_ = false;
    end_ = TerminalEnd::Stopped;
    thread_ = std::thread([this, fd, sink = std::move(sink)] {
        end_ = ReadTerminal(fd, stop_, sink);
        ended_ = true;
    });
}

void TerminalReader::Stop()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace volmar
