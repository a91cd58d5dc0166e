// volmar-cli network-settings, access-settings and terminal against the real
// simulator: changes over the pseudo-terminal, view-only over plain TCP, the
// access checks before anything is sent, and the text log of a unit with SW1
// on until its port goes away.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Process.h"
#include "SimProcess.h"

namespace volmar {
namespace {

using testing::ReadFile;
using testing::TempDir;

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
    auto changed = Cli({"network-settings", "--manual", "--ip", "10.0.0.7", "--gateway", "10.0.0.1", "--dns2", ""});
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

}  // namespace
}  // namespace volmar
