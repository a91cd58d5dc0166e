// How volmar-cli finds its link and talks to the person at the terminal:
// the link of the preferences, the ports it cannot open, the progress of a
// download, and the hidden password prompt.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>

#include "CliUnit.h"
#include "core/common/UniqueFd.h"

namespace volmar {
namespace {

using test::Unit;

TEST(CliLink, TakesTheLinkOfThePreferencesAndNamesPortsItCannotOpen)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string profile = unit.Dir().File("prefs.ini");
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), {"--yes", "--login", "kovan", "--password", "kovan"});
        return testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + profile}, 60000);
    };
    testing::WriteFile(profile, "[VOLMAR]\nCOMTYPE=1\nCOM=4\n\n[COMMAP]\nCOM4=" + unit.SerialPath() + "\n");

    // The download shows what came, not the buffer's capacity; the progress
    // names what moves in the user's words, with its rate even when it is
    // over in a moment.
    const auto download = run({"download"});
    ASSERT_EQ(download.exitCode, 0) << download.err;
    std::smatch got, sent;
    const std::string journal = unit.Journal();
    ASSERT_TRUE(std::regex_search(download.err, got,
                                  std::regex("Receiving the setting: (\\d+) bytes  [0-9.]+ (KiB|B)/s")))
        << download.err;
    ASSERT_TRUE(std::regex_search(journal, sent, std::regex("serial get CONFIG_P (\\d+) ok"))) << journal;
    EXPECT_EQ(got[1], sent[1]);
    const auto disk = run({"disk"});
    ASSERT_EQ(disk.exitCode, 0) << disk.err;
    ASSERT_TRUE(std::regex_search(disk.err, got, std::regex("Receiving disk usage: 12 bytes  ([0-9.]+) (KiB|B)/s")))
        << disk.err;
    EXPECT_GT(std::stod(got[1]), 0) << disk.err;

    testing::WriteFile(profile, "[VOLMAR]\nCOMTYPE=1\nCOM=5\n\n[COMMAP]\nCOM4=" + unit.SerialPath() + "\n");
    auto status = run({"status"});
    EXPECT_NE(status.exitCode, 0);
    EXPECT_NE(status.err.find("Cannot open COM port 5\nNo serial device is kept for COM5."), std::string::npos)
        << status.err;
    status = run({"status", "--serial", "/dev/volmar-no-such-port"});
    EXPECT_NE(status.err.find("Cannot open COM port /dev/volmar-no-such-port\nNo such port"), std::string::npos)
        << status.err;
    status = run({"status", "--serial", unit.SerialPath()});
    EXPECT_EQ(status.exitCode, 0) << status.err;

    testing::WriteFile(profile, "[VOLMAR]\nCOMTYPE=0\nNET=Pump house\nNETPORT=" + std::to_string(unit.Port("cipher")) +
                                    "\n\n[DST1]\nNAME=Pump house\nADDR=127.0.0.1\n");
    status = run({"status"});
    EXPECT_EQ(status.exitCode, 0) << status.err;
}

// Reads the terminal until text shows; false after timeoutMs.
bool WaitForText(int master, const std::string& text, int timeoutMs)
{
    std::string seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (seen.find(text) == std::string::npos) {
        using std::chrono::milliseconds;
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{master, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char buf[256];
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n <= 0) return false;
        seen.append(buf, static_cast<size_t>(n));
    }
    return true;
}

TEST(CliLink, CtrlCAtThePasswordPromptGivesTheEchoBack)
{
    testing::TempDir dir;
    int masterFd = -1, slaveFd = -1;
    ASSERT_EQ(::openpty(&masterFd, &slaveFd, nullptr, nullptr, nullptr), 0);
    UniqueFd master(masterFd), slave(slaveFd);
    const std::string profile = "VOLMAR_PROFILE=" + dir.File("p.ini");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(master.Get());
        // The terminal becomes the child's own, as in a shell.
        ::setsid();
        ::ioctl(slave.Get(), TIOCSCTTY, 0);
        for (int fd = 0; fd < 3; ++fd) ::dup2(slave.Get(), fd);
        ::putenv(const_cast<char*>(profile.c_str()));
        ::execl(VOLMAR_CLI_PATH, VOLMAR_CLI_PATH, "status", "--host", "127.0.0.1", "--port", "9", "--protocol",
                "cipher", "--login", "kovan", "--yes", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    EXPECT_TRUE(WaitForText(master.Get(), "Password: ", 10000));
    // Echo goes off just after the prompt is shown.
    termios t{};
    for (int i = 0; i < 200 && ::tcgetattr(slave.Get(), &t) == 0 && (t.c_lflag & ECHO); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(t.c_lflag & ECHO, 0u) << "the password is typed unseen";
    const char ctrlC = 0x03;
    EXPECT_EQ(::write(master.Get(), &ctrlC, 1), 1);

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
#if defined(__SANITIZE_THREAD__)
    // ThreadSanitizer holds the signal back until the interrupted read has
    // returned, so the prompt may end as cancelled before the handler runs.
    EXPECT_TRUE(WIFSIGNALED(status) || WIFEXITED(status)) << status;
#else
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
#endif
    ASSERT_EQ(::tcgetattr(slave.Get(), &t), 0);
    EXPECT_NE(t.c_lflag & ECHO, 0u);
}

}  // namespace
}  // namespace volmar
