// volmar-cli get and set, in-process: values by path, lists by the editor's
// text, and assignments applied all or nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "CliRunner.h"
#include "Process.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/SettingPaths.h"

namespace volmar {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

testing::ProcessResult Cli(const std::vector<std::string>& args)
{
    return test::RunCli(test::Runner::InProcess, args);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every value get prints for a record, set onto a new setting, gives the
// record's document again: get and set agree on every field and format.
TEST(SettingCommands, SetOfEveryValueGetPrintsRebuildsTheDocument)
{
    TempDir dir;
    const std::string def = dir.File("default.xml");
    ASSERT_EQ(Cli({"new", "-o", def}).exitCode, 0);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const auto record = k < 2 ? testing::MakeRandomRecord(1000u + k) : testing::MakeMaximalRecord();
        testing::KeepWithinRules(*record);
        const std::string doc = WriteSettingDocument(*record);
        const std::string src = dir.File("source.xml"), out = dir.File("out.xml");
        WriteFile(src, doc);
        std::vector<std::string> get = {"get", src}, paths;
        VisitSettingValues(*record, [&](const std::string& path, std::string_view) {
            if (!ResolveSettingPath(path)->inFile) return;
            // Both spellings of a path are taken.
            paths.push_back(paths.size() % 2 ? path : SlashPath(path));
            get.push_back(paths.back());
        });
        const auto got = Cli(get);
        ASSERT_EQ(got.exitCode, 0) << got.err;
        const std::vector<std::string> values = Lines(got.out);
        ASSERT_EQ(values.size(), paths.size());
        std::vector<std::string> set = {"set", def, "-o", out};
        for (size_t i = 0; i < paths.size(); ++i) set.push_back(paths[i] + "=" + values[i]);
        const auto result = Cli(set);
        ASSERT_EQ(result.exitCode, 0) << result.err.substr(0, 2000);
        EXPECT_EQ(ReadFile(out), doc);
    }
}

TEST(SettingCommands, ListsTakeTheEditorsTextAndLabelsShowIt)
{
    TempDir dir;
    const std::string def = dir.File("default.xml"), out = dir.File("out.xml");
    ASSERT_EQ(Cli({"new", "-o", def}).exitCode, 0);
    auto r = Cli({"set", def, "IO/AI/AI3/TYPE=I/O module", "IO/AI/AI3/USE_AREAS=3", "SYSTEM/NAME1=A&B", "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = Cli({"get", out, "IO/AI/AI3/TYPE", "<VOL_MAR><IO><AI><AI3><USE_AREAS>", "SYSTEM/NAME1"});
    EXPECT_EQ(r.out, "CARD\n3\nA#AB\n");
    r = Cli({"get", "--labels", out, "IO/AI/AI03/TYPE", "SYSTEM/NAME1"});
    EXPECT_EQ(r.out, "Analog inputs \xC2\xB7 AI3 \xC2\xB7 CH setting: I/O module\nSystem \xC2\xB7 Name (line 1): A&B\n");
    // The editor's text of a value of another list: not taken.
    EXPECT_EQ(Cli({"set", def, "IO/AI/AI3/TYPE=Disable", "-o", out}).exitCode, 0);
    EXPECT_EQ(Cli({"set", def, "IO/AI/AI3/USE_AREAS=I/O module"}).exitCode, 1);
}

// Two refused values and one good one: both refusals listed with the paths
// as written, nothing written, exit 1. Numbers must be whole, texts must fit.
TEST(SettingCommands, RefusalsAreAllOrNothing)
{
    TempDir dir;
    const std::string def = dir.File("default.xml"), out = dir.File("out.xml");
    ASSERT_EQ(Cli({"new", "-o", def}).exitCode, 0);
    auto r = Cli({"set", def, "IO/AI/AI3/TYPE=bogus", "SYSTEM/NAME1=fine", "IO/AI/AI99/NAME=x", "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "IO/AI/AI3/TYPE: Analog inputs \xC2\xB7 AI3 \xC2\xB7 CH setting: Setting error: CH setting\n"
              "IO/AI/AI99/NAME: NAME: Unknown setting\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    for (const char* bad : {"IO/AI/AI3/AREA2/LEVEL_UPPER=1e20", "IO/AI/AI3/AREA2/LEVEL_UPPER=12x",
                            "IO/AI/AI3/USE_AREAS=", "IO/AI/AI3/USE_AREAS=2 ", "IO/AI/AI3/USE_AREAS=1",
                            "COM/FTP/ID=\xC3\xA9", "SYSTEM/NAME1=\xFF", "SYSTEM/NAME1=a\x01", "IO/AI/AI3=x", "VOLMAR/AUTH1/LOGIN=x"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Cli({"set", def, bad, "-o", out}).exitCode, 1);
    }
    const std::string longName(200, 'x');
    EXPECT_EQ(Cli({"set", def, "IO/AI/AI3/NAME=" + longName, "-o", out}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
    // The editors' rules: a name of 17 characters fits the field but not the
    // edit; a rule the setting broke before does not stop a change elsewhere.
    r = Cli({"set", def, "IO/AI/AI3/NAME=" + std::string(17, 'n'), "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "IO/AI/AI3/NAME: Analog inputs \xC2\xB7 AI3 \xC2\xB7 CH name: Setting error: CH name\n");
    auto broken = testing::MakeDefaultRecord();
    std::strcpy(broken->IO.DI[0].NAME, "seventeen letters");
    const std::string brokenFile = dir.File("broken.xml");
    WriteFile(brokenFile, WriteSettingDocument(*broken));
    EXPECT_EQ(Cli({"set", brokenFile, "SYSTEM/NAME1=fine", "-o", out}).exitCode, 0);
    EXPECT_EQ(Cli({"set", brokenFile, "IO/DI/DI1/NAME=still seventeen!!", "-o", out}).exitCode, 1);
    // Usage errors and an unreadable file.
    EXPECT_EQ(Cli({"set", def, "SYSTEM/NAME1"}).exitCode, 64);
    EXPECT_EQ(Cli({"set", def}).exitCode, 64);
    EXPECT_EQ(Cli({"get", def}).exitCode, 64);
    EXPECT_EQ(Cli({"set", dir.File("missing.xml"), "SYSTEM/NAME1=x"}).exitCode, 3);
    EXPECT_EQ(Cli({"get", dir.File("missing.xml"), "SYSTEM/NAME1"}).exitCode, 3);
}

}  // namespace
}  // namespace volmar
