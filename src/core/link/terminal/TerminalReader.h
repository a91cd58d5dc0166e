#pragma once
// The reader of the terminal log: with SW1 on, the unit writes a text log
// to its USB port. The reader waits on the open port with poll(), reads at
// most 4096 bytes at a time and hands whole UTF-8 characters to a sink. It
// never closes the port (its owner does, after the reader has ended) and
// ends when asked, when the port goes away (an unplugged USB port polls
// readable and reads 0 bytes, or fails with EIO) or when a read fails.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace volmar {

enum class TerminalEnd { Stopped, Unplugged, Failed };

// Bytes read at most at a time.
inline constexpr size_t kTerminalChunk = 4096;
// How long one wait on the port lasts before the stop flag is looked at.
inline constexpr int kTerminalPollMs = 50;

// Reads fd until stop is set or the port goes away; sink gets each chunk of
// whole characters (an unfinished last character is handed on at the end).
TerminalEnd ReadTerminal(int fd, const std::atomic<bool>& stop,
                         const std::function<void(std::string_view text)>& sink);

// Text the reader has read and the window has not taken yet. The reader
// appends, the window's thread takes everything at once; both under one
// lock, so nothing read in between is lost. It keeps at most limit bytes:
// beyond that the oldest whole characters go, as the window would drop
// them anyway.
class PendingText {
public:
    explicit PendingText(size_t limit = SIZE_MAX) : m_limit(limit) {}
    // True when the text was empty before: the taker needs telling.
    bool Append(std::string_view text);
    std::string Take();
    void Clear();

private:
    const size_t m_limit;
    std::mutex m_mutex;
    std::string m_text;
};

// ReadTerminal on a thread of its own.
class TerminalReader {
public:
    TerminalReader() = default;
    ~TerminalReader() { Stop(); }
    TerminalReader(const TerminalReader&) = delete;
    TerminalReader& operator=(const TerminalReader&) = delete;

    // Starts reading fd (which stays the caller's); a reader still running
    // is stopped first.
    void Start(int fd, std::function<void(std::string_view text)> sink);
    // Asks the reader to end and waits for it (at most one poll interval
    // and one read). Safe to call when not running.
    void Stop();
    bool Running() const { return m_thread.joinable() && !m_ended.load(); }
    // How the last reader ended (Stopped while none ended by itself).
    TerminalEnd End() const { return m_end.load(); }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ended{false};
    std::atomic<TerminalEnd> m_end{TerminalEnd::Stopped};
    std::thread m_thread;
};

}  // namespace volmar
