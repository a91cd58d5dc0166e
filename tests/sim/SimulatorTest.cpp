// qn70g-sim as a user runs it: a separate process on a pseudo-terminal and
// loopback TCP, reached with the tool's own link code, stopped by a signal.
#include <gtest/gtest.h>

#include <signal.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "RecordFactory.h"
#include "SimProcess.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/serial/ComPort.h"
#include "core/link/tcp/TcpTransport.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Gzlib.h"

namespace volmar {
namespace {

using Bytes = std::vector<uint8_t>;
using test::SimProcess;

constexpr int kExitWithinMs = 5000;

TcpTarget Target(uint16_t port, const std::string& id = "kovan", const std::string& pw = "kovan")
{
    TcpTarget t;
    t.address = "127.0.0.1";
    t.port = port;
    t.loginId = id;
    t.password = pw;
    t.timeouts.inactivityMs = 3000;
    return t;
}

Bytes Compressed(const std::string& doc)
{
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Compress(doc.data(), doc.size())) return {};
    return Bytes(zip->Compressed(), zip->Compressed() + zip->CompressedLength());
}

// The record a "CONFIG_P" payload carries; null when it does not read.
std::unique_ptr<SettingRecord> ReadPayload(const uint8_t* data, size_t len)
{
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Decompress(data, len)) return nullptr;
    auto r = std::make_unique<SettingRecord>();
    ResetSettingRecord(*r);
    const int flags = ReadSettingDocument(*r, reinterpret_cast<const char*>(zip->Decompressed()),
                                          zip->DecompressedLength());
    return flags == 0 ? std::move(r) : nullptr;
}

bool SerialSend(CComPort& port, const std::string& object, const Bytes& data)
{
    return port.Send(reinterpret_cast<const uint8_t*>(object.data()), object.size(), data.data(), data.size());
}

// The serial result query: echo and status, or {-1, -1} when it fails.
std::pair<int, int> SerialResult(CComPort& port)
{
    uint8_t out[1024];
    size_t received = 0;
    if (!port.Request('A', nullptr, 0, 'a', out, sizeof out, received) || received < 2) return {-1, -1};
    return {out[0], out[1]};
}

TEST(Simulator, ServesTheSameUnitOnAllThreeLinksAndStopsOnSigterm)
{
    testing::TempDir dir;
    const std::string journal = dir.File("journal.log");
    SimProcess sim({"--serial", "--tcp", "0", "--cipher=0", "--journal", journal});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    ASSERT_NE(sim.Port("tcp"), 0);
    ASSERT_NE(sim.Port("cipher"), 0);
    ASSERT_TRUE(sim.Link("serial").starts_with("/dev/")) << sim.Link("serial");
    EXPECT_TRUE(sim.Link("tcp").starts_with("127.0.0.1:"));

    // Plain TCP: status, then an upload of a named setting.
    TcpCallState state;
    uint8_t status[kTcpStatusCapacity];
    ASSERT_EQ(TcpQueryStatus(Target(sim.Port("tcp")), status, state), 6);
    EXPECT_EQ(Bytes(status, status + 6), (Bytes{0x29, 2, 1, 0x01, 0x2C, 0x09}));
    auto named = testing::MakeDefaultRecord();
    std::strcpy(named->SYSTEM.NAME1, "Pump station 4");
    const Bytes upload = Compressed(WriteSettingDocument(*named));
    char message[kTcpMessageCapacity] = {};
    EXPECT_EQ(TcpPutObject(Target(sim.Port("tcp")), "CONFIG_P", upload, message, state), 0);
    EXPECT_EQ(state.outcome, kTcpOk);

    // Encrypted: the handshake names the unit; the MAC address comes back.
    CCipherLink cipher(sim.Port("cipher"));
    ASSERT_TRUE(cipher.Connect("127.0.0.1"));
    CipherHelloInfo info;
    ASSERT_TRUE(cipher.Hello(true, "kovan", &info));
    EXPECT_EQ(info.deviceCode, kSupportedDeviceCode);
    EXPECT_EQ(info.build, 300);
    ASSERT_TRUE(cipher.Login("kovan", "kovan")) << cipher.LastError();
    uint8_t mac[6];
    size_t got = 0;
    ASSERT_TRUE(cipher.Get("MAC", mac, got));
    EXPECT_EQ(Bytes(mac, mac + got), (Bytes{0x02, 0x51, 0x4E, 0x70, 0x47, 0x01}));
    cipher.Close();

    // Serial: the setting uploaded over TCP downloads here; a clock put is
    // answered in the result query with its echo.
    {
        CComPort port;
        const PortOpenResult opened = port.Open(sim.Link("serial"));
        ASSERT_TRUE(opened.ok) << DescribePortOpenError(opened.error);
        Bytes buffer(kMaxObjectSize);
        size_t received = 0;
        ASSERT_TRUE(port.Request('G', reinterpret_cast<const uint8_t*>("CONFIG_P"), 8, 'g', buffer.data(),
                                 buffer.size(), received));
        auto back = ReadPayload(buffer.data(), received);
        ASSERT_NE(back, nullptr);
        EXPECT_STREQ(back->SYSTEM.NAME1, "Pump station 4");
        ASSERT_TRUE(SerialSend(port, "TIME", {0xEA, 0x07, 6, 0, 15, 0, 12, 0, 30, 0, 0, 0}));
        EXPECT_EQ(SerialResult(port), std::make_pair(10, 0));
    }

    ASSERT_TRUE(sim.Signal(SIGTERM));
    EXPECT_EQ(sim.WaitExit(kExitWithinMs), 0) << sim.Errors();
    EXPECT_NE(sim.Errors().find("SIGTERM received, stopping"), std::string::npos) << sim.Errors();

    const std::string lines = testing::ReadFile(journal);
    for (const char* expected : {" tcp status - 6 ok\n", " tcp put CONFIG_P ", " cipher login kovan 0 ok\n",
                                 " cipher get MAC 6 ok\n", " serial get CONFIG_P ", " serial put TIME 12 ok\n",
                                 " serial result TIME 0 ok\n"})
        EXPECT_NE(lines.find(expected), std::string::npos) << expected << " in\n" << lines;
}

TEST(Simulator, FaultOptionsReachTheLinksAndSigintEndsIt)
{
    SimProcess sim({"--tcp", "0", "--serial", "--refuse-login", "--processing", "2", "--no-network-config",
                    "--firmware", "1.0.27", "--device-code", "("});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();

    TcpCallState state;
    uint8_t status[kTcpStatusCapacity];
    TcpQueryStatus(Target(sim.Port("tcp")), status, state);
    EXPECT_EQ(state.outcome, kTcpRefused);

    CComPort port;
    ASSERT_TRUE(port.Open(sim.Link("serial")).ok);
    size_t received = 0;
    ASSERT_TRUE(port.Request('S', nullptr, 0, 's', status, sizeof status, received));
    EXPECT_EQ(Bytes(status, status + received), (Bytes{0x28, 1, 0, 0, 27, 0x01}));
    ASSERT_TRUE(SerialSend(port, "MBCLR", {0x00}));
    EXPECT_EQ(SerialResult(port), std::make_pair(20, 1));
    EXPECT_EQ(SerialResult(port), std::make_pair(20, 1));
    EXPECT_EQ(SerialResult(port), std::make_pair(20, 0));
    port.Close();

    ASSERT_TRUE(sim.Signal(SIGINT));
    EXPECT_EQ(sim.WaitExit(kExitWithinMs), 0) << sim.Errors();
}

TEST(Simulator, StartsFromAGivenSettingsFile)
{
    testing::TempDir dir;
    auto r = testing::MakeRandomRecord(4);
    testing::WriteFile(dir.File("unit.xml"), WriteSettingDocument(*r));
    SimProcess sim({"--cipher", "0", "--config", dir.File("unit.xml"), "--account", "ops:pa:ss"});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    CCipherLink link(sim.Port("cipher"));
    ASSERT_TRUE(link.Connect("127.0.0.1"));
    ASSERT_TRUE(link.Hello(true, "pa:ss"));
    ASSERT_TRUE(link.Login("ops", "pa:ss")) << link.LastError();
    Bytes buffer(kMaxObjectSize);
    size_t got = 0;
    ASSERT_TRUE(link.Get("CONFIG_P", buffer, got));
    auto back = ReadPayload(buffer.data(), got);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(WriteSettingDocument(*back), WriteSettingDocument(*r));
}

TEST(Simulator, UnitsOnTheirOwnAddressesShareOnePort)
{
    // The first takes any free port on 127.0.0.5; the second the same port
    // on 127.0.0.6, and a third cannot have that port on 127.0.0.5.
    SimProcess first({"--tcp", "0", "--address", "127.0.0.5", "--device-code", "("});
    ASSERT_TRUE(first.WaitReady()) << first.Errors();
    const uint16_t port = first.Port("tcp");
    EXPECT_EQ(first.Link("tcp"), "127.0.0.5:" + std::to_string(port));
    SimProcess second({"--tcp", std::to_string(port), "--cipher", "0", "--address=127.0.0.6"});
    ASSERT_TRUE(second.WaitReady()) << second.Errors();
    EXPECT_TRUE(second.Link("cipher").starts_with("127.0.0.6:"));

    auto deviceCode = [port](const std::string& address) {
        TcpTarget t = Target(port);
        t.address = address;
        TcpCallState state;
        uint8_t status[kTcpStatusCapacity] = {};
        return TcpQueryStatus(t, status, state) == 6 ? status[0] : -1;
    };
    EXPECT_EQ(deviceCode("127.0.0.5"), '(');
    EXPECT_EQ(deviceCode("127.0.0.6"), ')');
    EXPECT_EQ(deviceCode("127.0.0.1"), -1) << "nothing listens on the default address";
    CCipherLink cipher(second.Port("cipher"));
    EXPECT_TRUE(cipher.Connect("127.0.0.6"));

    const testing::ProcessResult taken =
        testing::RunProcess(QN70G_SIM_PATH, {"--tcp", std::to_string(port), "--address", "127.0.0.5"}, {}, 10000);
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_NE(taken.err.find("cannot listen on 127.0.0.5:" + std::to_string(port)), std::string::npos) << taken.err;
}

TEST(Simulator, RefusesWhatItCannotDoWithAClearMessage)
{
    auto run = [](const std::vector<std::string>& args) { return testing::RunProcess(QN70G_SIM_PATH, args, {}, 10000); };

    const testing::ProcessResult help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--cipher PORT"), std::string::npos);

    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{}, "nothing to serve"},
        {{"--tcp"}, "--tcp needs a value"},
        {{"--tcp", "70000"}, "--tcp: '70000' is not a number from 0 to 65535"},
        {{"--serial", "--bogus"}, "unknown option --bogus"},
        {{"--serial", "--firmware", "1.2"}, "is not MAJOR.MINOR.BUILD"},
        {{"--serial", "--refuse-put", "1:busy"}, "code from 2 to 255"},
        {{"--serial", "--account", "nopassword"}, "is not ID:PASSWORD"},
        {{"--serial", "--pace=1"}, "--pace takes no value"},
        {{"--tcp", "4000", "--cipher", "4000"}, "need different ports"},
        {{"--tcp", "0", "--silent", "--close-after-ack"}, "only one of"},
        {{"--tcp", "0", "--address", "127.0.0"}, "is not a dotted IPv4 address"},
    };
    for (const auto& [args, text] : usage) {
        const testing::ProcessResult r = run(args);
        EXPECT_EQ(r.exitCode, 64) << text;
        EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos);
        EXPECT_EQ(r.out, "") << "nothing half-started";
    }

    testing::TempDir dir;
    testing::WriteFile(dir.File("broken.xml"), "<VOL_MAR><SYSTEM>");
    const testing::ProcessResult broken = run({"--tcp", "0", "--config", dir.File("broken.xml")});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("broken.xml: Failed to convert into setting data."), std::string::npos) << broken.err;
    EXPECT_EQ(broken.out, "");

    const testing::ProcessResult journal = run({"--tcp", "0", "--journal", dir.File("none/j.log")});
    EXPECT_EQ(journal.exitCode, 1);
    EXPECT_NE(journal.err.find("cannot open the journal"), std::string::npos) << journal.err;

    SimProcess first({"--tcp", "0"});
    ASSERT_TRUE(first.WaitReady()) << first.Errors();
    const testing::ProcessResult taken = run({"--tcp", std::to_string(first.Port("tcp"))});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_NE(taken.err.find("cannot listen on 127.0.0.1:"), std::string::npos) << taken.err;
}

}  // namespace
}  // namespace volmar
