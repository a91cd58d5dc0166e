// volmar-cli's preset, test-mail and user-view commands against the real
// simulator on each link: the checks made on the unit's own setting, and the
// bytes and order of the objects the unit's journal shows arriving.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "CliUnit.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::Unit;
using testing::TempDir;
using testing::WriteFile;

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class PresetMailUserView : public ::testing::TestWithParam<Link> {
protected:
    TempDir files;
    std::unique_ptr<Unit> unit;

    // The unit's setting: PI 5 counts 0.001 per pulse, PI 6's mode forbids
    // presetting; event 32 and the regular report have a recipient, event 1
    // is enabled without one.
    void SetUp() override
    {
        auto r = testing::MakeDefaultRecord();
        r->IO.PI[4].TYPE = r->IO.PI[5].TYPE = 1;
        r->IO.PI[4].SCALE = 0.001;
        r->IO.PI[5].MODE = 1;
        r->MAIL_REPORT.EVENT[31].MODE = r->MAIL_REPORT.EVENT[0].MODE = r->MAIL_REPORT.TIME.REPORT.MODE = kUse;
        r->MAIL_REPORT.EVENT[31].DST[3] = 1;
        r->MAIL_REPORT.TIME.REPORT.DST[3] = 2;
        WriteFile(files.File("unit.xml"), WriteSettingDocument(*r));
        unit = std::make_unique<Unit>(std::vector<std::string>{"--config", files.File("unit.xml")});
        ASSERT_TRUE(unit->Ready()) << unit->Errors();
    }
    // Runs the command; "" when it succeeded, else its stderr.
    std::string Run(std::vector<std::string> args)
    {
        auto r = unit->Cli(GetParam(), std::move(args));
        return r.exitCode == 0 ? "" : r.err.empty() ? "failed" : r.err;
    }
};

TEST_P(PresetMailUserView, PresetAndTestMailCheckTheUnitsSettingThenSendTheirByte)
{
    EXPECT_EQ(Run({"preset", "5", "1200.5"}), "");
    EXPECT_EQ(Run({"preset", "5", "5000000"}), "Setting error: Preset value\n");
    EXPECT_EQ(Run({"preset", "6", "1"}), "No presetting for this channel.\n");
    EXPECT_EQ(Run({"test-mail", "32"}), "");
    EXPECT_EQ(Run({"test-mail", "regular"}), "");
    EXPECT_EQ(Run({"test-mail", "1"}), "No mail address is specified for event.\n");
    EXPECT_EQ(Run({"test-mail", "2"}), "The event is disabled.\n");

    const std::string j = unit->Journal();
    // <?xml ...?> CR LF <QN_CMD> CR LF <PI> CR LF <CH5>1200.5</CH5> CR LF </PI> CR LF </QN_CMD> CR LF
    EXPECT_NE(j.find(" data SUM 93 3C3F786D6C2076657273696F6E3D22312E302220656E636F64696E673D225554462D38223F3E0D0A"
                     "3C514E5F434D443E0D0A3C50493E0D0A3C4348353E313230302E353C2F4348353E0D0A3C2F50493E0D0A3C2F514E5F"
                     "434D443E0D0A\n"),
              std::string::npos)
        << j;
    EXPECT_EQ(Count(j, " put SUM "), 1u);
    EXPECT_LT(j.find(" data MAIL 1 1F\n"), j.find(" data MAIL 1 64\n"));
    EXPECT_EQ(Count(j, " put MAIL "), 2u) << j;
}

TEST_P(PresetMailUserView, UserViewSendsDataBeforeDirectoryAndResetsInTwoSteps)
{
    std::filesystem::create_directory(files.File("view"));
    WriteFile(files.File("view/index.htm"), "<html>view</html>");
    EXPECT_EQ(Run({"user-view", "upload", files.File("view")}), "");
    EXPECT_EQ(Run({"user-view", "reset"}), "");

    const std::string j = unit->Journal();
    EXPECT_LT(j.find(" put UDAT_P "), j.find(" put UDIR_P "));
    EXPECT_LT(j.find(" data DEL 1 0A\n"), j.find(" data DEL 1 0B\n"));
    EXPECT_NE(j.find(" data DEL 1 0B\n"), std::string::npos) << j;
    // The unit checked both containers (magic, length, checksum) and took them.
    const auto log = unit->Cli(GetParam(), {"log"}).out;
    EXPECT_NE(log.find("User view data received, 36 bytes"), std::string::npos) << log;
    EXPECT_NE(log.find("User view directory received, 144 bytes"), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(Links, PresetMailUserView, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) { return test::LinkName(info.param); });

// A data container at its 0x3E0000-byte limit, incompressible, goes through
// whole: neither the tool nor the unit stops a send at 2 MiB.
class LargeUserView : public ::testing::TestWithParam<Link> {};

TEST_P(LargeUserView, AFullDataContainerIsSentWhole)
{
    TempDir files;
    std::filesystem::create_directory(files.File("view"));
    std::mt19937 random(7);
    for (size_t i = 0, left = 0x3E0000 - 16; left > 0; ++i) {
        std::string noise(std::min<size_t>(left, 1048576), '\0');
        for (char& c : noise) c = static_cast<char>(random());
        WriteFile(files.File("view/part" + std::to_string(i)), noise);
        left -= noise.size();
    }
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto upload = unit.Cli(GetParam(), {"user-view", "upload", files.File("view")});
    EXPECT_EQ(upload.exitCode, 0) << upload.err;
    const std::string j = unit.Journal();
    const size_t at = j.find(" put UDAT_P ");
    ASSERT_NE(at, std::string::npos) << j;
    EXPECT_GT(std::stoul(j.substr(at + 12)), 0x3E0000u);
    EXPECT_NE(j.find(" put UDIR_P "), std::string::npos) << j;
    const auto log = unit.Cli(GetParam(), {"log"}).out;
    EXPECT_NE(log.find("User view data received, 4063232 bytes"), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(Links, LargeUserView, ::testing::Values(Link::Plain, Link::Cipher),
                         [](const auto& info) { return test::LinkName(info.param); });

}  // namespace
}  // namespace volmar
