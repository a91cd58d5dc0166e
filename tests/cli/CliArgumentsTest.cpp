// How volmar-cli reads its command line: each command takes only the options
// its --help lists, a negative number is a value, a command's own arguments
// are checked before anything is asked or sent, and a question left
// unconfirmed ends with its own exit status.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "CliUnit.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::Unit;
using testing::RunProcess;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The options a --help text names, "-o" included.
std::set<std::string> OptionsIn(const std::string& help)
{
    std::set<std::string> options;
    const std::regex option("(^|[^a-z-])(-o|--[a-z][a-z0-9-]*)");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[2]);
    return options;
}

// The command line that gives each option once, with a value where one is
// taken.
std::vector<std::string> Giving(const std::set<std::string>& options)
{
    static const std::set<std::string> kTakeValues = {
        "-o",     "--serial", "--host", "--port",    "--unit", "--login", "--password", "--protocol",
        "--set",  "--ip",     "--mask", "--gateway", "--dns1", "--dns2",  "--account",  "--save"};
    std::vector<std::string> args;
    for (const std::string& o : options) {
        args.push_back(o);
        if (kTakeValues.count(o)) args.push_back("x");
    }
    return args;
}

class CliArgumentsBothWays : public ::testing::TestWithParam<test::Runner> {};

TEST_P(CliArgumentsBothWays, EachCommandTakesTheOptionsItsHelpListsAndNoOther)
{
    auto run = [](const std::vector<std::string>& args) { return test::RunCli(GetParam(), args); };
    const auto overview = run({"--help"});
    ASSERT_EQ(overview.exitCode, 0);
    EXPECT_TRUE(Has(overview.out, "\n  5   not confirmed")) << overview.out;
    std::vector<std::string> commands;
    const std::string list = overview.out.substr(0, overview.out.find("\n\nOptions:"));
    const std::regex line("\n  ([a-z][a-z0-9-]*)  ");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), line); it != std::sregex_iterator(); ++it)
        commands.push_back((*it)[1]);
    ASSERT_GE(commands.size(), 20u);

    std::map<std::string, std::set<std::string>> own;
    std::set<std::string> all;
    for (const std::string& c : commands) {
        const auto help = run({c, "--help"});
        own[c] = OptionsIn(help.out);
        all.insert(own[c].begin(), own[c].end());
    }
    for (const std::string& c : commands) {
        // With --from-unit, for the commands that reach the unit only then.
        std::vector<std::string> args = {c, "--help"};
        const std::vector<std::string> given = Giving(own[c]);
        args.insert(args.end(), given.begin(), given.end());
        const auto taken = run(args);
        EXPECT_EQ(taken.exitCode, 0) << c << ": " << taken.err;

        std::vector<std::string> foreign;
        for (const std::string& o : all)
            if (!own[c].count(o)) foreign.push_back(o);
        ASSERT_FALSE(foreign.empty()) << c;
        // One option of another command, chosen by the command's name.
        const std::string other = foreign[c.size() % foreign.size()];
        const auto refused = run({c, "--help", other, "x"});
        EXPECT_EQ(refused.exitCode, 64) << c << " " << other;
        EXPECT_EQ(refused.err, "volmar-cli: " + c + ": unknown option " + other + "\n") << c;
    }

    const auto verify = run({"download", "--verify", "--serial", "/dev/null", "--yes"});
    EXPECT_EQ(verify.exitCode, 64);
    EXPECT_EQ(verify.err, "volmar-cli: download: unknown option --verify\n");
    EXPECT_EQ(run({"status", "--labels", "--serial", "/dev/null"}).exitCode, 64);
    const auto linkWithoutUnit = run({"diff", "a.xml", "b.xml", "--serial", "/dev/null"});
    EXPECT_EQ(linkWithoutUnit.exitCode, 64);
    EXPECT_EQ(linkWithoutUnit.err, "volmar-cli: diff: --serial goes with --from-unit\n");
}

INSTANTIATE_TEST_SUITE_P(BothWays, CliArgumentsBothWays,
                         ::testing::Values(test::Runner::ChildProcess, test::Runner::InProcess),
                         [](const auto& info) { return test::RunnerName(info.param); });

// PI 7 counts down (negative scale): a negative preset is its value.
TEST(CliArguments, NegativeNumbersAreValues)
{
    testing::TempDir files;
    auto r = testing::MakeDefaultRecord();
    r->IO.PI[6].TYPE = 1;
    r->IO.PI[6].SCALE = -1;
    testing::WriteFile(files.File("unit.xml"), WriteSettingDocument(*r));
    Unit unit({"--config", files.File("unit.xml")});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();

    const auto bare = unit.Cli(Link::Serial, {"preset", "7", "-5"});
    EXPECT_EQ(bare.exitCode, 0) << bare.err;
    // After "--" every word is an argument: the options come first.
    const auto afterDashes =
        RunProcess(VOLMAR_CLI_PATH, {"--serial", unit.SerialPath(), "--yes", "preset", "7", "--", "-2.5"},
                   {"VOLMAR_PROFILE=" + unit.Dir().File("profile.ini")}, 60000);
    EXPECT_EQ(afterDashes.exitCode, 0) << afterDashes.err;
    const std::string j = unit.Journal();
    // <CH7>-5</CH7> and <CH7>-2.5</CH7>
    EXPECT_TRUE(Has(j, "3C4348373E2D353C2F4348373E")) << j;
    EXPECT_TRUE(Has(j, "3C4348373E2D322E353C2F4348373E")) << j;
}

// Without --yes and without a terminal: the arguments are refused before the
// access-mode question, a question left unanswered exits 5, a link that
// fails exits 3.
TEST(CliArguments, ArgumentsFirstThenQuestionsWithTheirOwnStatus)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto run = [&](std::vector<std::string> args) {
        return RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + unit.Dir().File("p.ini")}, 30000);
    };
    const std::string serial = unit.SerialPath();

    const auto channel = run({"preset", "33", "1", "--serial", serial});
    EXPECT_EQ(channel.exitCode, 64);
    EXPECT_EQ(channel.err, "volmar-cli preset: CHANNEL is a PI channel from 1 to 32\n");
    const auto value = run({"preset", "3", "1x", "--serial", serial});
    EXPECT_EQ(value.exitCode, 3);
    EXPECT_EQ(value.err, "Setting error: Preset value\n");
    const auto event = run({"test-mail", "40", "--serial", serial});
    EXPECT_EQ(event.exitCode, 64);
    EXPECT_EQ(event.err, "volmar-cli test-mail: give an event from 1 to 32, or regular\n");

    const auto unanswered = run({"init", "--serial", serial});
    EXPECT_EQ(unanswered.exitCode, 5);
    EXPECT_TRUE(Has(unanswered.err, "Connect?\n(not confirmed: no terminal to ask; pass --yes to confirm)"))
        << unanswered.err;
    EXPECT_EQ(unit.Journal(), "") << "nothing reached the unit";

    const auto noPort = run({"init", "--serial", unit.Dir().File("no-such-port"), "--yes"});
    EXPECT_EQ(noPort.exitCode, 3) << noPort.err;
}

}  // namespace
}  // namespace volmar
