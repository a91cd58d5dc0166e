// volmar-cli against a simulator that misbehaves as a unit can: each fault
// ends in the message of the failing step, in bounded time, with nothing
// written on either side.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "CliUnit.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::Unit;

struct Fault {
    const char* name;
    Link link;
    std::vector<std::string> options;  // of the simulator
    const char* command;               // status, download or upload
    const char* message;
    const char* password = "kovan";
};

// A journal line of a put the unit kept: "... put OBJECT LENGTH ok".
bool KeptAPut(const std::string& journal)
{
    std::istringstream lines(journal);
    for (std::string line; std::getline(lines, line);)
        if (line.find(" put ") != std::string::npos && line.ends_with(" ok")) return true;
    return false;
}

class UnitFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(UnitFaults, EndWithTheStepsMessageAndNothingWritten)
{
    const Fault& f = GetParam();
    Unit unit(f.options);
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string output = unit.Dir().File("out.xml");
    const std::string input = unit.Dir().File("in.xml");
    testing::WriteFile(input, WriteSettingDocument(*testing::MakeDefaultRecord()));
    std::vector<std::string> args{f.command};
    if (args[0] == "download") args.insert(args.end(), {"-o", output});
    if (args[0] == "upload") args.push_back(input);
    if (f.link == Link::Cipher) args.insert(args.end(), {"--protocol", "cipher"});

    const auto start = std::chrono::steady_clock::now();
    const auto run = unit.Cli(f.link, args, f.password);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_FALSE(KeptAPut(unit.Journal())) << unit.Journal();
}

const Fault kFaults[] = {
    {"BadComplement", Link::Serial, {"--bad-complement", "1"}, "download", "Failed to receive"},
    {"BadTerminator", Link::Serial, {"--bad-terminator", "1"}, "download", "Failed to receive"},
    {"BadBlockNumber", Link::Serial, {"--bad-block-number", "1"}, "download", "Failed to receive"},
    {"NegativeMidReply", Link::Serial, {"--negative-block", "1"}, "download", "Failed to decompress setting data"},
    {"MissingEot", Link::Serial, {"--no-eot"}, "upload", "Failed to transmit"},
    {"ShortStatus", Link::Serial, {"--status-length", "5"}, "status", "Error.\nFailed to obtain the status."},
    {"LongPlainStatus", Link::Plain, {"--status-length", "7"}, "status", "Error.\nFailed to obtain the status."},
    {"ShortPlainReply", Link::Plain, {"--short-reply"}, "download", "Error.\nCODE:-1"},
    {"RefusedHello", Link::Cipher, {"--refuse-hello"}, "status", "Error:Connection\nError:CODE NG"},
    {"BadHelloCode", Link::Cipher, {"--bad-hello-code"}, "status", "Error:Connection\nError:Header"},
    {"OddChallenge", Link::Cipher, {"--odd-challenge"}, "upload", "Error:Connection\nError:nencryption"},
    {"HelloWithoutStatus", Link::Cipher, {"--hello-without-status"}, "status",
     "Error:Connection\nError:Failed to obtain the status."},
    {"OversizeGet", Link::Cipher, {"--oversize-get"}, "download", "Error:Download\nError:Recv size"},
    {"WrongPassword", Link::Cipher, {}, "upload", "Error:Login\nError:Failed", "wrong"},
};

INSTANTIATE_TEST_SUITE_P(Faults, UnitFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// The refused login is the unit's answer, not a closed connection; a put
// without its end is dropped, and the journal says so.
TEST(UnitFaultsJournal, RefusedLoginAndAbandonedPut)
{
    Unit unit({"--no-eot"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    unit.Cli(Link::Cipher, {"status"}, "wrong");
    const std::string file = unit.Dir().File("in.xml");
    testing::WriteFile(file, WriteSettingDocument(*testing::MakeDefaultRecord()));
    unit.Cli(Link::Serial, {"upload", file});
    const std::string journal = unit.Journal();
    EXPECT_NE(journal.find("cipher login - 0 refused"), std::string::npos) << journal;
    EXPECT_TRUE(std::regex_search(journal, std::regex("serial put CONFIG_P [1-9][0-9]* abandoned"))) << journal;
}

}  // namespace
}  // namespace volmar
