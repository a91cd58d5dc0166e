// The terminal-log reader on a real pseudo-terminal: bursts larger than one
// read arrive whole and in order, a character cut between two writes comes
// out whole, and the reader ends when asked or when the line goes away.
#include "core/link/terminal/TerminalReader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "core/link/terminal/Utf8Joiner.h"

namespace volmar {
namespace {

struct Pty {
    int master = -1;
    int slave = -1;
    Pty()
    {
        termios raw{};
        cfmakeraw(&raw);
        EXPECT_EQ(::openpty(&master, &slave, nullptr, &raw, nullptr), 0);
    }
    ~Pty()
    {
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
    }
    void Write(const std::string& bytes) const
    {
        size_t done = 0;
        for (int tries = 0; done < bytes.size() && tries < 10000; ++tries) {
            const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
            if (n > 0) done += static_cast<size_t>(n);
            else std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(done, bytes.size());
    }
};

struct Collected {
    std::mutex mutex;
    std::string text;
    int chunks = 0;
    void Add(std::string_view t)
    {
        std::lock_guard lock(mutex);
        text.append(t);
        ++chunks;
    }
    int Chunks()
    {
        std::lock_guard lock(mutex);
        return chunks;
    }
    // Waits (at most 5 s) until size bytes have come.
    std::string WaitFor(size_t size)
    {
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(mutex);
                if (text.size() >= size) return text;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::lock_guard lock(mutex);
        return text;
    }
};

TEST(TerminalReader, BurstsSplitCharactersAndTheEnds)
{
    Pty pty;
    Collected got;
    TerminalReader reader;
    reader.Start(pty.slave, [&](std::string_view t) { got.Add(t); });

    std::string burst;
    for (int i = 0; burst.size() < 3 * kTerminalChunk + 100; ++i) burst += "line " + std::to_string(i) + "\r\n";
    pty.Write(burst);
    EXPECT_EQ(got.WaitFor(burst.size()), burst);
    EXPECT_GT(got.Chunks(), 1);  // the reader may still be adding

    // "日" is E6 97 A5: two bytes in one write, the last in the next.
    pty.Write("a\xE6\x97");
    got.WaitFor(burst.size() + 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(3 * kTerminalPollMs));
    pty.Write("\xA5z");
    EXPECT_EQ(got.WaitFor(burst.size() + 5).substr(burst.size()), "a\xE6\x97\xA5z");

    const auto asked = std::chrono::steady_clock::now();
    reader.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
    EXPECT_EQ(reader.End(), TerminalEnd::Stopped);
    EXPECT_NE(::fcntl(pty.slave, F_GETFD), -1);  // the port is still the owner's

    // The other side goes away: the reader ends by itself.
    reader.Start(pty.slave, [&](std::string_view t) { got.Add(t); });
    ::close(pty.master);
    pty.master = -1;
    for (int i = 0; i < 200 && reader.Running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(reader.Running());
    EXPECT_EQ(reader.End(), TerminalEnd::Unplugged);
}

TEST(TerminalReader, JoinerKeepsOnlyAnUnfinishedSequence)
{
    Utf8Joiner joiner;
    EXPECT_EQ(joiner.Feed("ab\xF0\x9F"), "ab");
    EXPECT_EQ(joiner.Feed("\x98"), "");
    EXPECT_EQ(joiner.Feed("\x80!"), "\xF0\x9F\x98\x80!");
    // Stray continuation bytes and bad leads pass through as they are.
    EXPECT_EQ(joiner.Feed("\x80\x80\x80\x80"), "\x80\x80\x80\x80");
    EXPECT_EQ(joiner.Feed("x\xC3"), "x");
    EXPECT_EQ(joiner.Flush(), "\xC3");
    EXPECT_EQ(joiner.Feed("\xC3\xA9"), "\xC3\xA9");
}

// What the window has not taken yet stays bounded: the oldest whole
// characters go, never part of one.
TEST(TerminalReader, PendingTextKeepsItsNewestCharactersWithinItsLimit)
{
    PendingText pending(8);
    EXPECT_TRUE(pending.Append("abc"));
    EXPECT_FALSE(pending.Append("def\xC3\xA9xy"));  // 10 bytes: "ab" go
    EXPECT_EQ(pending.Take(), "cdef\xC3\xA9xy");
    pending.Append("1234567\xC3\xA9");  // 9 bytes: the cut falls inside nothing
    EXPECT_EQ(pending.Take(), "234567\xC3\xA9");
    pending.Append("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");  // 9 bytes, three characters
    EXPECT_EQ(pending.Take(), "\xE6\x9C\xAC\xE8\xAA\x9E");
}

}  // namespace
}  // namespace volmar
