// volmar-cli's comparisons with the unit against the real simulator over
// every link: upload --show-changes and --verify, diff --from-unit and
// --labels.
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

// Without --yes and a terminal: the changes are shown, then the one question
// goes unanswered (exit 5) and nothing is sent. When nothing differs nothing
// is asked, and only --yes uploads. A file that cannot be read is refused
// before the unit is reached.
TEST(ChangesCommandsPlain, UnansweredOrUnreadableSendsNothing)
{
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const std::string file = unit.Dir().File("edited.xml");
    WriteFile(file, EditedDocument());
    const std::string profile = unit.Dir().File("p.ini");
    WriteFile(profile, "[VOLMAR]\nCONNECT_CONFIRM=0\n");
    auto upload = [&](const std::string& path, std::vector<std::string> more) {
        std::vector<std::string> args = {"upload", path, "--show-changes", "--serial", unit.SerialPath(), "--quiet"};
        args.insert(args.end(), more.begin(), more.end());
        return testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + profile}, 30000);
    };
    auto run = upload(file, {});
    EXPECT_EQ(run.exitCode, 5) << run.err;
    EXPECT_EQ(run.out,
              "System \xC2\xB7 Name (line 1): QN70-G -> Pump 4\n"
              "Communication \xC2\xB7 SNTP \xC2\xB7 SNTP server: pool.ntp.org -> ntp.example\n");
    EXPECT_TRUE(run.err.find("Upload these changes?\n(not confirmed") != std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Are you sure to upload?"), std::string::npos) << run.err;
    EXPECT_EQ(unit.Journal().find("put CONFIG_P"), std::string::npos) << unit.Journal();

    const std::string same = unit.Dir().File("same.xml");
    WriteFile(same, WriteSettingDocument(*testing::MakeDefaultRecord()));
    auto unchanged = upload(same, {});
    EXPECT_EQ(unchanged.exitCode, 0) << unchanged.err;
    EXPECT_EQ(unchanged.out, "The unit already holds this setting: nothing differs.\n");
    EXPECT_EQ(unchanged.err.find('?'), std::string::npos) << unchanged.err;
    EXPECT_EQ(unit.Journal().find("put CONFIG_P"), std::string::npos) << unit.Journal();
    EXPECT_EQ(upload(same, {"--yes"}).exitCode, 0);
    EXPECT_NE(unit.Journal().find("put CONFIG_P"), std::string::npos) << unit.Journal();

    const std::string before = unit.Journal();
    auto missing = unit.Cli(Link::Plain, {"diff", "--from-unit", unit.Dir().File("missing.xml")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_EQ(unit.Journal(), before);
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
