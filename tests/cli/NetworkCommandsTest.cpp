// volmar-cli network-settings, access-settings and terminal against the real
// simulator: changes over the pseudo-terminal, view-only over plain TCP, the
// access checks before anything is sent, and the text log of a unit with SW1
// on until its port goes away, or until a signal or a closed pipe ends it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Process.h"
#include "SimProcess.h"

namespace volmar {
namespace {

using testing::ReadFile;
using testing::TempDir;

// volmar-cli terminal with its standard output on a pipe that the test reads,
// under umask 027, so that the saved copy's mode shows the umask was used.
class TerminalRun {
public:
    TerminalRun(const std::string& device, const std::string& saved, const std::string& errors)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::umask(027);
            const int in = ::open("/dev/null", O_RDONLY);
            const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (in < 0 || err < 0) ::_exit(127);
            ::dup2(in, 0);
            ::dup2(fds[1], 1);
            ::dup2(err, 2);
            ::execl(VOLMAR_CLI_PATH, VOLMAR_CLI_PATH, "terminal", "--serial", device.c_str(), "--save",
                    saved.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        m_out = fds[0];
    }
    ~TerminalRun()
    {
        CloseOutput();
        if (m_pid > 0 && ::waitpid(m_pid, nullptr, WNOHANG) == 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    // Reads standard output until it holds at least bytes, or ends (5 s at most).
    bool ReadAtLeast(size_t bytes)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (out.size() < bytes && std::chrono::steady_clock::now() < deadline) {
            pollfd p{m_out, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(m_out, buffer, sizeof buffer);
            if (n <= 0) break;
            out.append(buffer, static_cast<size_t>(n));
        }
        return out.size() >= bytes;
    }
    void CloseOutput()
    {
        if (m_out >= 0) ::close(m_out);
        m_out = -1;
    }
    bool Signal(int signal) const { return ::kill(m_pid, signal) == 0; }
    // The exit code (reading what is left of standard output meanwhile), or
    // -1 when it was killed or still runs after 10 s.
    int Wait()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) return -1;
            if (m_out >= 0) ReadAtLeast(out.size() + 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (m_out >= 0) ReadAtLeast(SIZE_MAX);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string out;

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

struct NetworkCommands : ::testing::Test {
    TempDir dir;
    std::unique_ptr<test::SimProcess> sim;

    void Start(std::vector<std::string> extra = {})
    {
        std::vector<std::string> args = {"--serial", "--tcp", "0", "--journal", dir.File("journal.log")};
        args.insert(args.end(), extra.begin(), extra.end());
        sim = std::make_unique<test::SimProcess>(args);
        ASSERT_TRUE(sim->WaitReady()) << sim->Errors();
    }
    testing::ProcessResult Cli(std::vector<std::string> args)
    {
        args.insert(args.end(), {"--serial", sim->Link("serial")});
        args.insert(args.end(), {"--yes", "--quiet", "--login", "kovan", "--password", "kovan"});
        return testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + dir.File("profile.ini")}, 60000);
    }
    testing::ProcessResult CliTcp(std::vector<std::string> args)
    {
        // The link's port through the preferences, since --port is the access port there.
        testing::WriteFile(dir.File("profile.ini"),
                           "[VOLMAR]\nNETPORT=" + std::to_string(sim->Port("tcp")) + "\n");
        args.insert(args.end(), {"--host", "127.0.0.1", "--protocol", "plain", "--yes", "--quiet", "--login", "kovan",
                                 "--password", "kovan"});
        return testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + dir.File("profile.ini")}, 60000);
    }
    int Puts() const
    {
        const std::string journal = ReadFile(dir.File("journal.log"));
        int n = 0;
        for (size_t at = 0; (at = journal.find("put CONFIG_P", at)) != std::string::npos; ++at) ++n;
        return n;
    }
};

TEST_F(NetworkCommands, NetworkSettingsChangeOverSerialAndOnlyShowOverTcp)
{
    Start();
    // Stored as the address control stores it: a unit may read "010" as octal.
    auto changed =
        Cli({"network-settings", "--manual", "--ip", "010.000.000.007", "--gateway", "10.0.0.1", "--dns2", ""});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(Puts(), 1);
    auto shown = CliTcp({"network-settings"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out,
              "IP address setting: Manual setting\nIP address: 10.0.0.7\nSubnet mask: 255.255.255.0\n"
              "Default gateway: 10.0.0.1\nPreferred DNS: \nAlternate DNS: \n");
    auto refused = CliTcp({"network-settings", "--dhcp"});
    EXPECT_EQ(refused.exitCode, 64);
    EXPECT_NE(refused.err.find("USB (serial) link only"), std::string::npos) << refused.err;
    auto bad = Cli({"network-settings", "--ip", "10.0.0.256"});
    EXPECT_EQ(bad.exitCode, 3);
    EXPECT_EQ(bad.err.rfind("Setting error: IP address\n", 0), 0u) << bad.err;
    EXPECT_EQ(Puts(), 1);
}

TEST_F(NetworkCommands, AccessSettingsChecksThenUploads)
{
    Start();
    for (const char* port : {"-5", "abc", "65536", ""}) {
        auto r = Cli({"access-settings", "--port", port});
        EXPECT_EQ(r.exitCode, 3) << port;
        EXPECT_NE(r.err.find("Setting error: Port address"), std::string::npos) << r.err;
    }
    auto longId = Cli({"access-settings", "--account", "3:abcdefghijklmnopq:pw", "--port", "x"});
    EXPECT_NE(longId.err.find("Setting error: Login ID(ID3)"), std::string::npos) << longId.err;
    // Code 128 (C2 80 in UTF-8) is no ASCII: the unit's document would be refused.
    auto code128 = Cli({"access-settings", "--account", "3:ops:pw\xC2\x80"});
    EXPECT_NE(code128.err.find("Setting error: Password(ID3)"), std::string::npos) << code128.err;
    auto duplicate = Cli({"access-settings", "--account", "2:kovan:other"});
    EXPECT_NE(duplicate.err.find("Login ID: kovan duplicated"), std::string::npos) << duplicate.err;
    EXPECT_EQ(Puts(), 0);

    auto changed = Cli({"access-settings", "--enable", "--port", "40000", "--account", "2:ops:s3cret", "--account",
                        "1:disable"});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(changed.err.find("Personalized setting is recommended"), std::string::npos) << changed.err;
    EXPECT_EQ(Puts(), 1);
    auto shown = Cli({"access-settings"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("Connection via network: Enable\nPort address: 40000\n"
                             "ID1: Disable  login ID: kovan  password: (set)\n"
                             "ID2: Enable  login ID: ops  password: (set)\n"),
              std::string::npos)
        << shown.out;
    // An enabled account without a password asks first (--yes: OK).
    auto empty = Cli({"access-settings", "--account", "4:x:"});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_NE(empty.err.find("Personalized setting is recommended"), std::string::npos) << empty.err;
}

TEST_F(NetworkCommands, TerminalStreamsTheTextLogUntilThePortGoes)
{
    std::string log;
    for (int i = 1; i <= 300; ++i) log += "boot step " + std::to_string(i) + "\r\n";
    log += "gr\xC3\xBC\xC3\x9F" "e\r\n";
    testing::WriteFile(dir.File("unit.log"), log);
    // The port is emptied when it opens, so the unit repeats its log.
    Start({"--text-log", dir.File("unit.log"), "--text-rate", "1000", "--text-repeat"});
    const std::string saved = dir.File("saved.txt");
    testing::ProcessResult run;
    std::thread cli([&] {
        run = testing::RunProcess(VOLMAR_CLI_PATH, {"terminal", "--serial", sim->Link("serial"), "--save", saved},
                                  {"VOLMAR_PROFILE=" + dir.File("profile.ini")}, 20000);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    sim->Signal(SIGTERM);
    cli.join();
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("the serial port went away"), std::string::npos) << run.err;
    // A whole round of the log, the split-free UTF-8 line included.
    const size_t round = run.out.find("boot step 1\r\n");
    ASSERT_NE(round, std::string::npos) << run.err;
    EXPECT_EQ(run.out.substr(round, log.size()), log);
    EXPECT_EQ(ReadFile(saved), run.out);
    EXPECT_NE(run.err.find("Turn SW1 ON at the front of device."), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Turn SW1 OFF at the front of device."), std::string::npos) << run.err;
}

TEST_F(NetworkCommands, TerminalSavesEverythingReceivedWhateverEndsIt)
{
    std::string log;
    for (int i = 1; i <= 40; ++i) log += "line " + std::to_string(i) + "\r\n";
    testing::WriteFile(dir.File("unit.log"), log);
    Start({"--text-log", dir.File("unit.log"), "--text-rate", "200", "--text-repeat"});
    const std::string logs = dir.File("logs");
    std::filesystem::create_directory(logs);
    struct End {
        const char* name;
        int signal;  // 0: the reader of standard output goes away (| head)
    };
    for (const End& end : {End{"hup", SIGHUP}, End{"term", SIGTERM}, End{"int", SIGINT}, End{"pipe", 0}}) {
        const std::string saved = logs + "/" + end.name + ".txt";
        TerminalRun run(sim->Link("serial"), saved, dir.File(std::string(end.name) + ".err"));
        ASSERT_TRUE(run.ReadAtLeast(100)) << end.name << ": " << ReadFile(dir.File(std::string(end.name) + ".err"));
        if (end.signal != 0) {
            run.Signal(end.signal);
        } else {
            run.CloseOutput();
        }
        EXPECT_EQ(run.Wait(), 0) << end.name << ": " << ReadFile(dir.File(std::string(end.name) + ".err"));
        const std::string file = ReadFile(saved);
        if (end.signal != 0) {
            EXPECT_EQ(file, run.out) << end.name;
        } else {
            // Everything the reader took, and what came after it went away.
            EXPECT_EQ(file.substr(0, run.out.size()), run.out) << end.name;
        }
        EXPECT_EQ(ModeOf(saved), 0640u) << end.name;
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(logs)) {
        EXPECT_EQ(entry.path().extension(), ".txt") << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 4u);
}

}  // namespace
}  // namespace volmar
