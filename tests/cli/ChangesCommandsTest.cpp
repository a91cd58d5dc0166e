// volmar-cli's comparisons with the unit against the real simulator over
// every link: upload --show-changes and --verify, diff --from-unit and
// --labels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliUnit.h"
#include "RecordFactory.h"
#include "settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::LinkName;
using test::Unit;
using testing::ReplaceFirst;
using testing::WriteFile;

// A new setting with the unit's name and SNTP server changed.
std::string EditedDocument()
{
    std::string doc = WriteSettingDocument(*testing::MakeDefaultRecord());
    doc = ReplaceFirst(doc, "<NAME1>QN70-G</NAME1>", "<NAME1>Pump 4</NAME1>");
    return ReplaceFirst(doc, "<SERVER>pool.ntp.org</SERVER>", "<SERVER>ntp.example</SERVER>");
}

class ChangesCommands : public ::testing::TestWithParam<Link> {};

TEST_P(ChangesCommands, ShowChangesThenVerifyThenNothingDiffers)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("edited.xml");
    WriteFile(file, EditedDocument());

    auto before = unit.Cli(GetParam(), {"diff", "--from-unit", file});
    EXPECT_EQ(before.exitCode, 1) << before.err;
    EXPECT_EQ(before.out,
              "<VOL_MAR><SYSTEM><NAME1>: QN70-G -> Pump 4\n"
              "<VOL_MAR><COM><SNTP><SERVER>: pool.ntp.org -> ntp.example\n");

    auto upload = unit.Cli(GetParam(), {"upload", file, "--show-changes", "--verify"});
    ASSERT_EQ(upload.exitCode, 0) << upload.err;
    EXPECT_EQ(upload.out,
              "System \xC2\xB7 Name (line 1): QN70-G -> Pump 4\n"
              "Communication \xC2\xB7 SNTP \xC2\xB7 SNTP server: pool.ntp.org -> ntp.example\n");
    EXPECT_NE(upload.err.find("The unit holds the uploaded setting."), std::string::npos) << upload.err;
    EXPECT_EQ(upload.err.find("Over the serial link") != std::string::npos, GetParam() == Link::Serial)
        << upload.err;

    auto after = unit.Cli(GetParam(), {"diff", "--from-unit", "--labels", file});
    EXPECT_EQ(after.exitCode, 0) << after.err;
    EXPECT_EQ(after.out, "");
}

TEST_P(ChangesCommands, VerifyReportsExactlyTheFieldTheUnitAltered)
{
    Unit unit({"--alter-after-put", "<VOL_MAR><IO><AI><AI2><UNIT>=bar"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("edited.xml");
    WriteFile(file, EditedDocument());
    auto upload = unit.Cli(GetParam(), {"upload", file, "--verify"});
    EXPECT_EQ(upload.exitCode, 4) << upload.err;
    EXPECT_EQ(upload.out, "");
    EXPECT_NE(upload.err.find("(on the unit -> uploaded):\n<VOL_MAR><IO><AI><AI2><UNIT>: bar -> %\nUpload complete.\n"),
              std::string::npos)
        << upload.err;
}

INSTANTIATE_TEST_SUITE_P(AllLinks, ChangesCommands, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) { return LinkName(info.param); });

// Without --yes and a terminal the questions go unanswered: nothing is read
// or sent. A file that cannot be read is refused before the unit is reached.
TEST(ChangesCommandsPlain, UnansweredOrUnreadableSendsNothing)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("edited.xml");
    WriteFile(file, EditedDocument());
    auto run = testing::RunProcess(VOLMAR_CLI_PATH,
                                   {"upload", file, "--show-changes", "--serial", unit.SerialPath(), "--quiet"},
                                   {"VOLMAR_PROFILE=" + unit.Dir().File("p.ini")}, 30000);
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(unit.Journal().find("CONFIG_P"), std::string::npos) << unit.Journal();

    auto missing = unit.Cli(Link::Plain, {"diff", "--from-unit", unit.Dir().File("missing.xml")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(unit.Journal().find("get"), std::string::npos) << unit.Journal();
    EXPECT_EQ(unit.Cli(Link::Plain, {"diff", "--from-unit"}).exitCode, 64);
}

// The changes before an upload name list values as the editors' lists do.
TEST(ChangesCommandsPlain, ShowChangesNamesListValuesLikeTheEditors)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("typed.xml");
    WriteFile(file, ReplaceFirst(WriteSettingDocument(*testing::MakeDefaultRecord()), "<TYPE>NONE</TYPE>",
                                 "<TYPE>CARD</TYPE>"));
    auto upload = unit.Cli(Link::Plain, {"upload", file, "--show-changes"});
    ASSERT_EQ(upload.exitCode, 0) << upload.err;
    EXPECT_NE(upload.out.find("Analog inputs \xC2\xB7 AI1 \xC2\xB7 CH setting: Disable -> I/O module\n"),
              std::string::npos)
        << upload.out;
}

}  // namespace
}  // namespace volmar
