// volmar-cli fleet against simulated units, each a qn70g-sim process on its
// own loopback address and one shared port: good units, one that refuses
// the login, one that drops the link mid-transfer, one that sends an
// oversized status record, one that never answers.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "SilentListener.h"
#include "CliRunner.h"
#include "RecordFactory.h"
#include "SimProcess.h"
#include "core/common/UniqueFd.h"
#include "core/fleet/FleetOperations.h"
#include "core/settings/DocumentWriter.h"
#include "core/sheets/Csv.h"
#include "sim/unit/SettingFile.h"
#include "sim/unit/UnitDocument.h"

namespace volmar {
namespace {

using test::RunCli;
using test::Runner;
using test::SimProcess;
using testing::ReadFile;
using testing::WriteFile;

// The document the simulated unit started from the settings file holds.
std::string HeldDocument(const std::string& settingsFile)
{
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    if (!sim::LoadSettingFile(settingsFile, *record).ok) return {};
    return sim::WriteUnitDocument(*record);
}

// The records of dir/index.csv; none (and a failure) when it does not read.
std::vector<sheets::CsvRow> ReadIndex(const std::string& dir)
{
    sheets::CsvTable table;
    std::string error;
    EXPECT_TRUE(sheets::ReadCsv(ReadFile(dir + "/index.csv"), table, error)) << error;
    return table.rows;
}

std::set<std::string> FilesIn(const std::string& dir)
{
    std::set<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (e->d_name[0] != '.') names.insert(e->d_name);
        ::closedir(d);
    }
    return names;
}

class FleetCommand : public ::testing::Test {
protected:
    // Starts a simulated unit on address (the fleet's port, or any free one
    // for the first) holding a setting named name; returns its settings file.
    std::vector<std::string> LinkArgs() const
    {
        return {"--port", std::to_string(m_port), "--protocol", m_protocol, "--login", "kovan"};
    }

    std::string StartUnit(const std::string& address, const std::string& name, std::vector<std::string> extra = {})
    {
        auto record = testing::MakeDefaultRecord();
        std::strncpy(record->SYSTEM.NAME1, name.c_str(), sizeof record->SYSTEM.NAME1 - 1);
        const std::string file = m_dir.File(name + ".xml");
        WriteFile(file, WriteSettingDocument(*record));
        // The encrypted link when asked for (--cipher as the first extra).
        const bool cipher = !extra.empty() && extra.front() == "--cipher";
        if (cipher) extra.erase(extra.begin());
        std::vector<std::string> args = {
            cipher ? "--cipher" : "--tcp", std::to_string(m_port), "--address", address, "--config", file};
        args.insert(args.end(), extra.begin(), extra.end());
        m_sims.push_back(std::make_unique<SimProcess>(args));
        EXPECT_TRUE(m_sims.back()->WaitReady()) << m_sims.back()->Errors();
        if (m_port == 0) m_port = m_sims.back()->Port(cipher ? "cipher" : "tcp");
        return file;
    }

    testing::ProcessResult Fleet(std::vector<std::string> args)
    {
        args.insert(args.begin(), "fleet");
        const std::vector<std::string> link = LinkArgs();
        args.insert(args.end(), link.begin(), link.end());
        return RunCli(Runner::InProcess, args,
                      {"VOLMAR_PROFILE=" + m_dir.File("profile.ini"), "VOLMAR_PASSWORD=kovan"});
    }

    testing::TempDir m_dir;
    uint16_t m_port = 0;
    std::string m_protocol = "plain";
    std::vector<std::unique_ptr<SimProcess>> m_sims;
};

TEST_F(FleetCommand, BackupKeepsEveryGoodUnitsSettingAndReportsEachFailure)
{
    const std::string north = StartUnit("127.0.0.41", "North");
    const std::string south = StartUnit("127.0.0.42", "South");
    const std::string east = StartUnit("127.0.0.43", "East");
    StartUnit("127.0.0.44", "Refuser", {"--refuse-login"});
    StartUnit("127.0.0.45", "Dropper", {"--short-reply"});
    StartUnit("127.0.0.49", "Garbler", {"--status-length", "40"});
    const UniqueFd silent = test::SilentListener("127.0.0.46", m_port);
    ASSERT_TRUE(silent.Valid());
    WriteFile(m_dir.File("units.csv"),
              "name,address,login\r\n"
              "North,127.0.0.41\r\n"
              "\"South, yard\",127.0.0.42:" +
                  std::to_string(m_port) +
                  ",kovan\r\n"
                  "Silent,127.0.0.46\r\n"
                  "Refuser,127.0.0.44\r\n"
                  "=Dropper,127.0.0.45\r\n"
                  "Garbler,127.0.0.49\r\n");

    const std::string dir = m_dir.File("backups");
    const auto start = std::chrono::steady_clock::now();
    const auto r = Fleet({"backup", dir, "--units", m_dir.File("units.csv"), "--host", "127.0.0.43", "--deadline", "2",
                          "--jobs", "3", "--yes", "--json"});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_LT(took, std::chrono::milliseconds(4000)) << "the silent unit cost its deadline, beside the others";
    EXPECT_NE(r.err.find("fleet backup: 7 unit(s), 3 succeeded, 4 failed"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("kovan"), std::string::npos) << "the password is never printed";

    // index.csv: a record per unit in the run's order, the file's SHA-256.
    const std::vector<sheets::CsvRow> index = ReadIndex(dir);
    ASSERT_EQ(index.size(), 8u);
    EXPECT_EQ(index[0].fields, (std::vector<std::string>{"name", "address", "file", "sha256", "result"}));
    const std::pair<std::string, std::string> good[] = {{"North", north}, {"South, yard", south}, {"127.0.0.43", east}};
    std::set<std::string> expectedFiles = {"index.csv"};
    for (const auto& [name, setting] : good) {
        const sheets::CsvRow* row = nullptr;
        for (const sheets::CsvRow& rec : index)
            if (rec.fields[0] == name) row = &rec;
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->fields[4], "ok") << name;
        const std::string& file = row->fields[2];
        EXPECT_TRUE(file.starts_with(name + "-") && file.ends_with(".xml")) << file;
        const std::string held = HeldDocument(setting);
        EXPECT_TRUE(ReadFile(dir + "/" + file) == held) << name << ": what the unit holds, byte for byte";
        EXPECT_EQ(row->fields[3], Sha256Hex(held));
        EXPECT_NE(r.out.find("\"file\":\"" + file + "\""), std::string::npos) << r.out;
        expectedFiles.insert(file);
    }
    EXPECT_EQ(FilesIn(dir), expectedFiles) << "no file for a failed unit, no temporary left";
    EXPECT_EQ(index[1].fields[1], "127.0.0.41");
    EXPECT_EQ(index[2].fields[1], "127.0.0.42:" + std::to_string(m_port));
    EXPECT_EQ(index[3].fields, (std::vector<std::string>{"Silent", "127.0.0.46", "", "",
                                                         "No result within the unit's deadline of 2 s."}));
    EXPECT_EQ(index[4].fields[4], "Password is incorrect.");
    EXPECT_EQ(index[5].fields[0], "'=Dropper") << "a name is no formula in a spreadsheet";
    EXPECT_EQ(index[5].fields[4], "Error.\nCODE:-1") << "the link dropped mid-transfer";
    EXPECT_EQ(index[6].fields[4], "Error.\nFailed to obtain the status.") << "an oversized status record";

    // --json: one object per unit as it ends.
    size_t lines = 0;
    for (size_t at = 0; (at = r.out.find("}\n", at)) != std::string::npos; at += 2) ++lines;
    EXPECT_EQ(lines, 7u);
    EXPECT_NE(r.out.find("{\"name\":\"Refuser\",\"address\":\"127.0.0.44\",\"result\":\"failed\","
                         "\"error\":\"Password is incorrect.\""),
              std::string::npos)
        << r.out;
}

TEST_F(FleetCommand, CtrlCEndsTheRunAtOnceAndLeavesOnlyWholeFiles)
{
    StartUnit("127.0.0.51", "Quick");  // named by its address here
    const UniqueFd silent = test::SilentListener("127.0.0.52", m_port);
    const UniqueFd mute = test::SilentListener("127.0.0.53", m_port);
    ASSERT_TRUE(silent.Valid() && mute.Valid());
    const std::string dir = m_dir.File("backups"), out = m_dir.File("out.txt"), err = m_dir.File("err.txt");

    std::vector<std::string> args = {VOLMAR_CLI_PATH, "fleet", "backup", dir, "--host", "127.0.0.51", "--host",
                                     "127.0.0.52", "--host", "127.0.0.53", "--host", "127.0.0.51:1", "--jobs", "2",
                                     "--deadline", "30", "--yes"};
    const std::vector<std::string> link = LinkArgs();
    args.insert(args.end(), link.begin(), link.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string profile = "VOLMAR_PROFILE=" + m_dir.File("profile.ini"), password = "VOLMAR_PASSWORD=kovan";
    char* envp[] = {profile.data(), password.data(), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, VOLMAR_CLI_PATH, &files, nullptr, argv.data(), envp), 0);
    posix_spawn_file_actions_destroy(&files);

    // Two workers: once the quick unit is done, the two silent ones hold
    // them and the fourth waits its turn; then Ctrl+C.
    using namespace std::chrono_literals;
    for (int i = 0; i < 500 && ReadFile(out).find("127.0.0.51  127.0.0.51  ok") == std::string::npos; ++i)
        std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(200ms);
    const auto interrupted = std::chrono::steady_clock::now();
    ASSERT_EQ(::kill(pid, SIGINT), 0);
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 500 && (ended = ::waitpid(pid, &status, WNOHANG)) == 0; ++i) std::this_thread::sleep_for(20ms);
    if (ended == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ASSERT_EQ(ended, pid) << "volmar-cli did not end after Ctrl+C";
    EXPECT_LT(std::chrono::steady_clock::now() - interrupted, 3s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(ReadFile(err).find("4 unit(s), 1 succeeded, 0 failed, 3 cancelled"), std::string::npos)
        << ReadFile(err);

    const std::vector<sheets::CsvRow> index = ReadIndex(dir);
    ASSERT_EQ(index.size(), 5u);
    EXPECT_EQ(index[1].fields[4], "ok");
    EXPECT_EQ(index[2].fields[4], "Cancelled.");
    EXPECT_EQ(index[3].fields[4], "Cancelled.");
    EXPECT_EQ(index[4].fields[4], "Cancelled before it started.");
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"index.csv", index[1].fields[2]})) << "no partial file";
}

// Everything the terminal shows until text appears (or timeoutMs passes).
std::string ReadTerminalUntil(int master, const std::string& text, std::string& seen, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (seen.find(text) == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{master, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        char buf[512];
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n <= 0) break;
        seen.append(buf, static_cast<size_t>(n));
    }
    return seen;
}

TEST_F(FleetCommand, OnATerminalOnePasswordPromptServesAllAndTheLiveTableShowsEachUnit)
{
    StartUnit("127.0.0.71", "Answers");
    const UniqueFd silent = test::SilentListener("127.0.0.72", m_port);
    ASSERT_TRUE(silent.Valid());
    int masterFd = -1, slaveFd = -1;
    ASSERT_EQ(::openpty(&masterFd, &slaveFd, nullptr, nullptr, nullptr), 0);
    UniqueFd master(masterFd), slave(slaveFd);
    const std::string profile = "VOLMAR_PROFILE=" + m_dir.File("profile.ini"), port = std::to_string(m_port);
    // The same unit once more, under the name its port gives it.
    const std::string again = "127.0.0.71:" + port;
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(master.Get());
        ::setsid();
        ::ioctl(slave.Get(), TIOCSCTTY, 0);
        for (int fd = 0; fd < 3; ++fd) ::dup2(slave.Get(), fd);
        ::unsetenv("VOLMAR_PASSWORD");
        ::putenv(const_cast<char*>(profile.c_str()));
        ::execl(VOLMAR_CLI_PATH, VOLMAR_CLI_PATH, "fleet", "status", "--host", "127.0.0.71", "--host", "127.0.0.72",
                "--host", again.c_str(), "--port", port.c_str(), "--protocol", "plain", "--login", "kovan", "--yes",
                "--deadline", "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string seen;
    ReadTerminalUntil(master.Get(), "Password: ", seen, 10000);
    ASSERT_NE(seen.find("Password: "), std::string::npos) << seen;
    // Echo goes off just after the prompt is shown.
    termios t{};
    for (int i = 0; i < 200 && ::tcgetattr(slave.Get(), &t) == 0 && (t.c_lflag & ECHO); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(::write(master.Get(), "kovan\n", 6), 6);
    ReadTerminalUntil(master.Get(), "ended; running: 127.0.0.72", seen, 10000);
    EXPECT_NE(seen.find("127.0.0.71  127.0.0.71  ok  device_code 0x29"), std::string::npos) << seen;
    EXPECT_NE(seen.find("fleet status: 2/3 ended; running: 127.0.0.72"), std::string::npos) << seen;
    // The table below it: each unit on its own line with its state.
    ReadTerminalUntil(master.Get(), "running  ", seen, 2000);
    // The rest of that frame: the last unit's row follows the running one.
    const auto frameRead = [&] {
        const size_t at = seen.rfind("running  ");
        return at != std::string::npos && seen.find("\n" + again + " ", at) != std::string::npos;
    };
    for (int i = 0; i < 100 && !frameRead(); ++i) ReadTerminalUntil(master.Get(), "\x01", seen, 20);
    for (const auto& [unit, state] : {std::pair<std::string, std::string>{"127.0.0.71 ", "ok"},
                                      {again + " ", "ok"},
                                      {"127.0.0.72 ", "running"}}) {
        bool found = false;
        for (size_t at = 0; !found && (at = seen.find("\n" + unit, at)) != std::string::npos; ++at) {
            const std::string line = seen.substr(at + 1, seen.find('\n', at + 1) - at - 1);
            found = line.find("  " + state) != std::string::npos && line.find(unit, 1) == std::string::npos;
        }
        EXPECT_TRUE(found) << unit << state << "\n" << seen;
    }
    const char ctrlC = 0x03;
    EXPECT_EQ(::write(master.Get(), &ctrlC, 1), 1);
    ReadTerminalUntil(master.Get(), "cancelled (", seen, 10000);

    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 500 && (ended = ::waitpid(pid, &status, WNOHANG)) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (ended == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status << "\n" << seen;
    EXPECT_NE(seen.find("3 unit(s), 2 succeeded, 0 failed, 1 cancelled"), std::string::npos) << seen;
    size_t prompts = 0;
    for (size_t at = 0; (at = seen.find("Password: ", at)) != std::string::npos; ++at) ++prompts;
    EXPECT_EQ(prompts, 1u) << "one prompt for the whole run";
    EXPECT_EQ(seen.find("kovan\r\n"), std::string::npos) << "the password is typed unseen";
}

TEST_F(FleetCommand, ClockDiffAndVerifiedUploadReachEveryUnit)
{
    const std::string journal = m_dir.File("journal.log"), altering = m_dir.File("altering.log");
    StartUnit("127.0.0.61", "Steady", {"--journal", journal});
    StartUnit("127.0.0.62", "Wilful", {"--alter-after-put", "<VOL_MAR><SYSTEM><NAME1>=Plant 2", "--journal", altering});
    auto setting = testing::MakeDefaultRecord();
    std::strcpy(setting->SYSTEM.NAME1, "Fleet A");
    const std::string file = m_dir.File("fleet.xml");
    WriteFile(file, WriteSettingDocument(*setting));
    const std::vector<std::string> both = {"--host", "127.0.0.61", "--host", "127.0.0.62"};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), both.begin(), both.end());
        return Fleet(args);
    };

    const auto clock = with({"time", "--sync", "--yes"});
    EXPECT_EQ(clock.exitCode, 0) << clock.err;
    EXPECT_NE(ReadFile(journal).find("put TIME 12 ok"), std::string::npos);
    EXPECT_NE(ReadFile(altering).find("put TIME 12 ok"), std::string::npos);

    const auto before = with({"diff", file, "--details", "--labels", "--yes"});
    EXPECT_EQ(before.exitCode, 1) << before.err;
    EXPECT_NE(before.out.find("127.0.0.61  127.0.0.61  ok  differences 1\n"), std::string::npos) << before.out;
    EXPECT_NE(before.out.find("127.0.0.62 (on the unit -> file):\nSystem · Name (line 1): Wilful -> Fleet A\n"),
              std::string::npos)
        << before.out;
    EXPECT_NE(before.err.find("2 unit(s) hold a setting other than the file"), std::string::npos);

    // Asked once, and without --yes or a terminal nothing goes out.
    const auto unconfirmed = with({"upload", file});
    EXPECT_EQ(unconfirmed.exitCode, 5) << unconfirmed.err;
    EXPECT_EQ(ReadFile(journal).find("put CONFIG_P"), std::string::npos);

    const auto upload = with({"upload", file, "--verify", "--yes", "--json"});
    EXPECT_EQ(upload.exitCode, 1) << upload.err;
    EXPECT_NE(
        upload.out.find("{\"name\":\"127.0.0.61\",\"address\":\"127.0.0.61\",\"result\":\"ok\",\"verified\":\"yes\""),
        std::string::npos)
        << upload.out;
    EXPECT_NE(upload.out.find("\"result\":\"failed\",\"error\":\"The unit holds something else than was uploaded: "
                              "1 value(s) differ.\""),
              std::string::npos)
        << upload.out;

    const auto after = with({"diff", file, "--yes"});
    EXPECT_NE(after.out.find("127.0.0.61  127.0.0.61  ok  differences 0\n"), std::string::npos) << after.out;
    EXPECT_NE(after.out.find("127.0.0.62  127.0.0.62  ok  differences 1\n"), std::string::npos) << after.out;

    // --show-changes: what each unit would change, one question, and only
    // the unit that differs gets the upload.
    auto puts = [](const std::string& log) {
        size_t n = 0;
        for (size_t at = 0; (at = log.find("put CONFIG_P", at)) != std::string::npos; ++at) ++n;
        return n;
    };
    const size_t steadyPuts = puts(ReadFile(journal)), wilfulPuts = puts(ReadFile(altering));
    WriteFile(m_dir.File("profile.ini"), "[VOLMAR]\nCONNECT_CONFIRM=0\n");  // no access-mode question
    const auto asked = with({"upload", file, "--show-changes"});
    EXPECT_EQ(asked.exitCode, 5) << asked.err;
    EXPECT_NE(asked.out.find("127.0.0.62 (on the unit -> file):\nSystem · Name (line 1): Plant 2 -> Fleet A\n"),
              std::string::npos)
        << asked.out;
    EXPECT_NE(asked.err.find("Upload these changes?"), std::string::npos) << asked.err;
    EXPECT_EQ(puts(ReadFile(altering)), wilfulPuts) << "not confirmed: nothing sent";
    const auto reviewed = with({"upload", file, "--show-changes", "--yes"});
    EXPECT_EQ(reviewed.exitCode, 0) << reviewed.err;
    EXPECT_EQ(puts(ReadFile(journal)), steadyPuts) << "the unit that holds the file gets no upload";
    EXPECT_EQ(puts(ReadFile(altering)), wilfulPuts + 1);
}

TEST_F(FleetCommand, PlainAndEncryptedUnitsShareARunEachWithItsProtocolDetected)
{
    const std::string plain = StartUnit("127.0.0.81", "Plain");
    const std::string cipher = StartUnit("127.0.0.82", "Cipher", {"--cipher"});
    m_protocol = "auto";
    const std::string dir = m_dir.File("mixed");
    const auto r = Fleet({"backup", dir, "--host", "127.0.0.81", "--host", "127.0.0.82", "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.err << r.out;
    const std::vector<sheets::CsvRow> index = ReadIndex(dir);
    ASSERT_EQ(index.size(), 3u);
    EXPECT_TRUE(ReadFile(dir + "/" + index[1].fields[2]) == HeldDocument(plain));
    EXPECT_TRUE(ReadFile(dir + "/" + index[2].fields[2]) == HeldDocument(cipher));
}

TEST_F(FleetCommand, SerialUnitsRunBesideNetworkUnits)
{
    const std::string net = StartUnit("127.0.0.84", "Net");
    // A unit on a serial port of its own (a pseudo-terminal), by --serial
    // and by a path in the units file.
    auto record = testing::MakeDefaultRecord();
    std::strncpy(record->SYSTEM.NAME1, "Wired", sizeof record->SYSTEM.NAME1 - 1);
    const std::string wired = m_dir.File("Wired.xml");
    WriteFile(wired, WriteSettingDocument(*record));
    m_sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "--config", wired}));
    ASSERT_TRUE(m_sims.back()->WaitReady()) << m_sims.back()->Errors();
    const std::string device = m_sims.back()->Link("serial");
    ASSERT_FALSE(device.empty());

    const std::string dir = m_dir.File("wired");
    const auto r = Fleet({"backup", dir, "--host", "127.0.0.84", "--serial", device, "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.err << r.out;
    const std::vector<sheets::CsvRow> index = ReadIndex(dir);
    ASSERT_EQ(index.size(), 3u);
    EXPECT_TRUE(ReadFile(dir + "/" + index[1].fields[2]) == HeldDocument(net));
    EXPECT_EQ(index[2].fields[1], device);
    EXPECT_TRUE(ReadFile(dir + "/" + index[2].fields[2]) == HeldDocument(wired)) << index[2].fields[4];

    WriteFile(m_dir.File("wired.csv"), "name,address\nBench," + device + "\n");
    const auto status = Fleet({"status", "--units", m_dir.File("wired.csv"), "--yes"});
    EXPECT_EQ(status.exitCode, 0) << status.err;
    EXPECT_NE(status.out.find("Bench  " + device + "  ok  device_code 0x29"), std::string::npos) << status.out;
}

TEST_F(FleetCommand, StatusOfTheAddressBookAndUsageErrors)
{
    StartUnit("127.0.0.47", "One");
    StartUnit("127.0.0.48", "Two", {"--firmware", "2.2.7"});
    WriteFile(m_dir.File("profile.ini"),
              "[VOLMAR]\nCONNECT_CONFIRM=0\n\n[DST1]\nNAME=One\nADDR=127.0.0.47\n\n"
              "[DST2]\nNAME=Unused\nADDR=\n\n[DST3]\nNAME=Two\nADDR=127.0.0.48\n");
    const auto all = Fleet({"status", "--all"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.out.find("One  127.0.0.47  ok  device_code 0x29  firmware 2.1.300  flags 0x09\n"), std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find("Two  127.0.0.48  ok  device_code 0x29  firmware 2.2.7  flags 0x09\n"), std::string::npos);
    EXPECT_NE(all.err.find("fleet status: 2 unit(s), 2 succeeded, 0 failed"), std::string::npos) << all.err;

    // The preferences' port when --port gives none.
    WriteFile(m_dir.File("nport.ini"), "[VOLMAR]\nCONNECT_CONFIRM=0\nNETPORT=" + std::to_string(m_port) +
                                           "\n\n[DST1]\nNAME=One\nADDR=127.0.0.47\n");
    const auto byPreferences =
        RunCli(Runner::InProcess, {"fleet", "status", "--all", "--protocol", "plain", "--login", "kovan"},
               {"VOLMAR_PROFILE=" + m_dir.File("nport.ini"), "VOLMAR_PASSWORD=kovan"});
    EXPECT_EQ(byPreferences.exitCode, 0) << byPreferences.err;

    const auto one = Fleet({"status", "--unit", "Two", "--json"});
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_TRUE(
        one.out.starts_with("{\"name\":\"Two\",\"address\":\"127.0.0.48\",\"result\":\"ok\","
                            "\"device_code\":\"0x29\",\"firmware\":\"2.2.7\",\"flags\":\"0x09\",\"seconds\":"))
        << one.out;

    WriteFile(m_dir.File("bad.csv"), "a,127.0.0.1\nb,127.0.0.1:99999\n");
    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{"status"}, "fleet: give --all, --unit, --host, --serial or --units"},
        {{"status", "--units", m_dir.File("bad.csv")}, "bad.csv: line 2: the port of '127.0.0.1:99999'"},
        {{"status", "--unit", "Nobody"}, "no unit named 'Nobody' in the address book"},
        {{"status", "--unit", "One", "--host", "One"}, "the unit 'One' is named twice"},
        {{"status", "--all", "--jobs", "0"}, "--jobs takes a number from 1 to 64"},
        {{"status", "--serial", "ttyUSB0"}, "--serial: 'ttyUSB0' is not the path of a serial device"},
        {{"reboot", "--all"}, "unknown operation 'reboot'"},
        {{"backup", "--all"}, "usage: volmar-cli fleet"},
        {{"time", "--all"}, "--sync goes with time, and time needs it"},
        {{"status", "--all", "--verify"}, "--verify and --show-changes go with upload"},
        {{"diff", "x.xml", "--all", "--details", "--json"}, "--details and --show-changes print text: not with --json"},
    };
    for (const auto& [args, text] : usage) {
        const auto r = Fleet(args);
        EXPECT_EQ(r.exitCode, 64) << text;
        EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace volmar
