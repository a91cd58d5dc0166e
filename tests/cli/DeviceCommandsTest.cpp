// volmar-cli's device commands against the real simulator, over a
// pseudo-terminal, plain TCP and encrypted TCP, with the unit's faults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliUnit.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::LinkName;
using test::Unit;
using testing::ReadFile;
using testing::ReplaceFirst;
using testing::WriteFile;

class DeviceCommands : public ::testing::TestWithParam<Link> {};

TEST_P(DeviceCommands, DownloadEditUploadAndDownloadAgain)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const Link link = GetParam();

    auto status = unit.Cli(link, {"status"});
    ASSERT_EQ(status.exitCode, 0) << status.err;
    EXPECT_EQ(status.out,
              "Device code: ')' (0x29)\nQN70-G-R Ver. 2.1.300\n"
              "Flags: 0x09 (SD card inserted, network configuration permitted)\n");

    std::string first = unit.Dir().File("first.xml");
    auto download = unit.Cli(link, {"download", "-o", first});
    ASSERT_EQ(download.exitCode, 0) << download.err;
    std::string doc = ReadFile(first);
    EXPECT_NE(doc.find("<NAME1>QN70-G</NAME1>"), std::string::npos);

    std::string edited = unit.Dir().File("edited.xml");
    WriteFile(edited, ReplaceFirst(doc, "<NAME1>QN70-G</NAME1>", "<NAME1>Line " + LinkName(link) + " #A</NAME1>"));
    auto upload = unit.Cli(link, {"upload", edited});
    ASSERT_EQ(upload.exitCode, 0) << upload.err;

    auto again = unit.Cli(link, {"download"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("<NAME1>Line " + LinkName(link) + " #A</NAME1>"), std::string::npos);
    EXPECT_NE(unit.Journal().find("put CONFIG_P"), std::string::npos);
}

TEST_P(DeviceCommands, RefusedPutShowsTheUnitsText)
{
    Unit unit({"--refuse-put", "101:AI3 RANGE"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    std::string file = unit.Dir().File("new.xml");
    WriteFile(file, WriteSettingDocument(*testing::MakeDefaultRecord()));
    auto upload = unit.Cli(GetParam(), {"upload", file});
    EXPECT_NE(upload.exitCode, 0);
    EXPECT_NE(upload.err.find("Cannot save: Unsupported setting value(s).\nAI3 RANGE"), std::string::npos)
        << upload.err;
}

TEST_P(DeviceCommands, UnsupportedAndOldUnits)
{
    Unit odd({"--device-code", "X"});
    ASSERT_TRUE(odd.Ready()) << odd.Errors();
    auto refused = odd.Cli(GetParam(), {"status"});
    EXPECT_NE(refused.exitCode, 0);
    if (GetParam() == Link::Cipher) {
        EXPECT_FALSE(refused.err.empty());
    } else {
        EXPECT_NE(refused.err.find("Unsupported device"), std::string::npos) << refused.err;
    }

    Unit old({"--device-code", "(", "--firmware", "1.0.27"});
    ASSERT_TRUE(old.Ready()) << old.Errors();
    auto accepted = old.Cli(GetParam(), {"status"});
    if (GetParam() == Link::Cipher) {
        // Units that speak the encrypted protocol must say ')' themselves.
        EXPECT_NE(accepted.exitCode, 0);
        EXPECT_NE(accepted.err.find("Unsupported device"), std::string::npos) << accepted.err;
        return;
    }
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_NE(accepted.out.find("Device code: ')'"), std::string::npos) << accepted.out;
    EXPECT_NE(accepted.out.find("Ver. 1.0.27"), std::string::npos) << accepted.out;
}

INSTANTIATE_TEST_SUITE_P(AllLinks, DeviceCommands, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) { return LinkName(info.param); });

TEST(DeviceCommandsSerial, LineFaultsAreRecoveredOrReported)
{
    for (std::vector<std::string> fault : {std::vector<std::string>{"--nak-first", "2"},
                                           std::vector<std::string>{"--corrupt-block", "1"},
                                           std::vector<std::string>{"--garbage", "40"}}) {
        Unit unit(fault);
        ASSERT_TRUE(unit.Ready()) << unit.Errors();
        auto download = unit.Cli(Link::Serial, {"download"});
        EXPECT_EQ(download.exitCode, 0) << fault[0] << ": " << download.err;
        EXPECT_NE(download.out.find("</VOL_MAR>"), std::string::npos) << fault[0];
    }

    Unit storm({"--nak-first", "1000"});
    ASSERT_TRUE(storm.Ready()) << storm.Errors();
    auto status = storm.Cli(Link::Serial, {"status"});
    EXPECT_NE(status.exitCode, 0);
    EXPECT_NE(status.err.find("Error.\nFailed to obtain the status."), std::string::npos) << status.err;
}

TEST(DeviceCommandsSerial, ProcessingIsPolledUntilDone)
{
    Unit unit({"--processing", "3"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    std::string file = unit.Dir().File("new.xml");
    WriteFile(file, WriteSettingDocument(*testing::MakeDefaultRecord()));
    auto upload = unit.Cli(Link::Serial, {"upload", file});
    EXPECT_EQ(upload.exitCode, 0) << upload.err;
    std::string journal = unit.Journal();
    size_t queries = 0;
    for (size_t at = journal.find("result"); at != std::string::npos; at = journal.find("result", at + 1)) ++queries;
    EXPECT_EQ(queries, 4u) << journal;
}

TEST(DeviceCommandsSerial, SilentUnitEndsWithAMessage)
{
    Unit unit({"--silent"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto status = unit.Cli(Link::Serial, {"status"});
    EXPECT_NE(status.exitCode, 0);
    EXPECT_NE(status.err.find("Error.\nFailed to obtain the status."), std::string::npos) << status.err;
}

TEST(DeviceCommandsNetwork, CredentialsAndPermission)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto plain = unit.Cli(Link::Plain, {"status"}, "wrong");
    EXPECT_NE(plain.exitCode, 0);
    EXPECT_NE(plain.err.find("Password is incorrect."), std::string::npos) << plain.err;
    auto cipher = unit.Cli(Link::Cipher, {"status"}, "wrong");
    EXPECT_NE(cipher.exitCode, 0);
    EXPECT_FALSE(cipher.err.empty());

    Unit closed({"--no-network-config"});
    ASSERT_TRUE(closed.Ready()) << closed.Errors();
    auto prohibited = closed.Cli(Link::Plain, {"status"});
    EXPECT_NE(prohibited.exitCode, 0);
    EXPECT_NE(prohibited.err.find("Network connection is prohibited."), std::string::npos) << prohibited.err;

}

TEST(DeviceCommandsNetwork, DetectsThePlainProtocol)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    // The plain unit's port without --protocol: the encrypted hello fails and
    // the plain check takes over.
    auto args = std::vector<std::string>{"status", "--yes", "--login", "kovan", "--password", "kovan", "--host",
                                         "127.0.0.1", "--port", std::to_string(unit.Port("tcp"))};
    auto detected = testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + unit.Dir().File("p.ini")}, 60000);
    EXPECT_EQ(detected.exitCode, 0) << detected.err;
}

TEST(DeviceCommandsNetwork, UploadNeedsAConfirmation)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    std::string file = unit.Dir().File("new.xml");
    WriteFile(file, WriteSettingDocument(*testing::MakeDefaultRecord()));
    auto run = testing::RunProcess(VOLMAR_CLI_PATH, {"upload", file, "--serial", "/dev/null"},
                                   {"VOLMAR_PROFILE=" + unit.Dir().File("p.ini")}, 30000);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("Are you sure to upload?"), std::string::npos) << run.err;
    EXPECT_EQ(unit.Journal().find("put"), std::string::npos) << "nothing reached the unit";
}

}  // namespace
}  // namespace volmar

namespace volmar {
namespace {

TEST(DeviceCommandsNetwork, UnitFromTheAddressBook)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    std::string profile = unit.Dir().File("book.ini");
    WriteFile(profile, "[VOLMAR]\nNETPORT=" + std::to_string(unit.Port("cipher")) +
                           "\n\n[DST1]\nNAME=Unused\nADDR=\n\n[DST2]\nNAME=Pump house\nADDR=127.0.0.1\n");
    auto run = [&](const std::string& name) {
        return testing::RunProcess(VOLMAR_CLI_PATH,
                                   {"status", "--unit", name, "--yes", "--login", "kovan", "--password", "kovan"},
                                   {"VOLMAR_PROFILE=" + profile}, 60000);
    };
    auto found = run("Pump house");
    EXPECT_EQ(found.exitCode, 0) << found.err;
    EXPECT_NE(found.out.find("QN70-G-R Ver."), std::string::npos);
    for (const char* missing : {"Unused", "pump house", "Nowhere"}) {
        auto lost = run(missing);
        EXPECT_NE(lost.exitCode, 0) << missing;
        EXPECT_NE(lost.err.find("Illegal network address"), std::string::npos) << missing << ": " << lost.err;
    }
}

}  // namespace
}  // namespace volmar
