// The commands of every family run in-process through the library against
// the real simulator: the same exit code, stdout and stderr as the binary's.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "CliUnit.h"
#include "cli/Command.h"

namespace volmar {
namespace {

using test::Link;
using test::Runner;
using test::Unit;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CommandsInProcess, EachFamilyGivesWhatTheBinaryGives)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("unit.xml");
    ASSERT_EQ(unit.Cli(Link::Serial, {"download", "-o", file}).exitCode, 0);

    const std::vector<std::pair<Link, std::vector<std::string>>> runs = {
        {Link::Serial, {"status"}},
        {Link::Cipher, {"download"}},
        {Link::Plain, {"upload", "--verify", file}},
        {Link::Serial, {"diff", "--from-unit", file}},
        {Link::Serial, {"mac"}},
        {Link::Plain, {"version"}},
        {Link::Serial, {"network-settings"}},
        {Link::Serial, {"access-settings"}},
        {Link::Serial, {"preset", "33", "1"}},
    };
    for (const auto& [link, args] : runs) {
        const auto child = unit.Cli(link, args, "kovan", Runner::ChildProcess);
        const auto inProcess = unit.Cli(link, args, "kovan", Runner::InProcess);
        EXPECT_EQ(inProcess.exitCode, child.exitCode) << args[0];
        EXPECT_EQ(inProcess.out, child.out) << args[0];
        EXPECT_EQ(inProcess.err, child.err) << args[0];
    }
    const auto verified = unit.Cli(Link::Plain, {"upload", "--verify", file}, "kovan", Runner::InProcess);
    EXPECT_EQ(verified.exitCode, 0);
    EXPECT_EQ(verified.err, "Upload complete.\nThe unit holds the uploaded setting.\n");
    const auto mac = unit.Cli(Link::Serial, {"mac"}, "kovan", Runner::InProcess);
    EXPECT_EQ(mac.exitCode, 0) << mac.err;
    EXPECT_FALSE(mac.out.empty());
}

// A question left unconfirmed ends its own run with exit 5, not the runs
// after it in the same process.
TEST(CommandsInProcess, AnUnconfirmedQuestionEndsOnlyItsOwnRun)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::vector<std::string> env = {"VOLMAR_PROFILE=" + unit.Dir().File("p.ini")};

    const auto unanswered = test::RunCliInProcess({"init", "--serial", unit.SerialPath()}, env);
    EXPECT_EQ(unanswered.exitCode, 5);
    EXPECT_TRUE(Has(unanswered.err, "(not confirmed: no terminal to ask; pass --yes to confirm)"))
        << unanswered.err;

    const auto noPort = test::RunCliInProcess({"init", "--serial", unit.Dir().File("no-such-port"), "--yes"}, env);
    EXPECT_EQ(noPort.exitCode, 3) << noPort.err;
    EXPECT_EQ(unit.Journal(), "") << "nothing reached the unit";
}

// The command line is read with every command's options at once: a name
// that takes a value for one command and none for another would be read
// wrongly for one of them.
TEST(CommandsInProcess, AnOptionMeansTheSameForEveryCommand)
{
    std::map<std::string, bool> takesValue;
    std::vector<cli::Option> all = cli::GeneralOptions();
    all.insert(all.end(), cli::LinkOptions().begin(), cli::LinkOptions().end());
    for (const cli::Command* c : cli::AllCommands()) all.insert(all.end(), c->options.begin(), c->options.end());
    for (const cli::Option& o : all) {
        const auto it = takesValue.emplace(o.name, o.takesValue).first;
        EXPECT_EQ(it->second, o.takesValue) << "--" << o.name;
    }
    EXPECT_GE(cli::AllCommands().size(), 25u);
}

}  // namespace
}  // namespace volmar
