// volmar-cli's preset, test-mail and user-view commands against the real
// simulator on each link: the checks made on the unit's own setting, and the
// bytes and order of the objects the unit's journal shows arriving.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "CliUnit.h"
#include "RecordFactory.h"
#include "settings/DocumentWriter.h"

namespace volmar {
namespace {

using test::Link;
using test::Unit;
using testing::TempDir;
using testing::WriteFile;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::string Hex(const std::string& bytes)
{
    std::string out;
    char two[3];
    for (unsigned char c : bytes) {
        std::snprintf(two, sizeof two, "%02X", c);
        out += two;
    }
    return out;
}

void Set(char* field, size_t size, const std::string& text) { StoreText(field, size, text.data(), text.size()); }

// A unit setting with a preset-able PI 5 (0.001 per pulse), a PI 6 whose
// mode forbids presetting, event 32 and the regular report enabled with a
// recipient, event 1 enabled without one.
std::string UnitSetting()
{
    auto r = testing::MakeDefaultRecord();
    r->IO.PI[4].TYPE = 1;
    r->IO.PI[4].SCALE = 0.001;
    r->IO.PI[5].TYPE = 1;
    r->IO.PI[5].MODE = 1;
    Set(r->COM.SMTP_POP3.MAIL_ADDRESS[3], 193, "ops@example.com");
    Set(r->COM.SMTP_POP3.MAIL_NAME[3], 193, "Ops");
    r->MAIL_REPORT.EVENT[31].MODE = kUse;
    r->MAIL_REPORT.EVENT[31].DST[3] = 1;
    r->MAIL_REPORT.EVENT[0].MODE = kUse;
    r->MAIL_REPORT.TIME.REPORT.MODE = kUse;
    r->MAIL_REPORT.TIME.REPORT.DST[3] = 2;
    return WriteSettingDocument(*r);
}

class PresetMailUserView : public ::testing::TestWithParam<Link> {
protected:
    TempDir files;
    std::unique_ptr<Unit> unit;

    void SetUp() override
    {
        WriteFile(files.File("unit.xml"), UnitSetting());
        unit = std::make_unique<Unit>(std::vector<std::string>{"--config", files.File("unit.xml")});
        ASSERT_TRUE(unit->Ready()) << unit->Errors();
    }
    // Runs the command and expects it to fail with message on stderr.
    void Refused(std::vector<std::string> args, const std::string& message)
    {
        auto r = unit->Cli(GetParam(), args);
        EXPECT_NE(r.exitCode, 0) << args[0];
        EXPECT_TRUE(Has(r.err, message)) << r.err;
    }
};

TEST_P(PresetMailUserView, PresetAndTestMailCheckTheUnitsSettingThenSendTheirByte)
{
    auto preset = unit->Cli(GetParam(), {"preset", "5", "1200.5"});
    EXPECT_EQ(preset.exitCode, 0) << preset.err;
    Refused({"preset", "5", "5000000"}, "Setting error: Preset value");
    Refused({"preset", "6", "1"}, "No presetting for this channel.");
    for (const char* which : {"32", "regular"}) {
        auto mail = unit->Cli(GetParam(), {"test-mail", which});
        EXPECT_EQ(mail.exitCode, 0) << which << ": " << mail.err;
    }
    Refused({"test-mail", "1"}, "No mail address is specified for event.");
    Refused({"test-mail", "2"}, "The event is disabled.");

    const std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QN_CMD>\r\n<PI>\r\n<CH5>1200.5</CH5>\r\n"
                            "</PI>\r\n</QN_CMD>\r\n";
    const std::string journal = unit->Journal();
    EXPECT_TRUE(Has(journal, " data SUM " + std::to_string(doc.size()) + " " + Hex(doc) + "\n")) << journal;
    EXPECT_EQ(Count(journal, " put SUM "), 1u);
    const size_t event = journal.find(" data MAIL 1 1F\n");
    EXPECT_NE(event, std::string::npos) << journal;
    EXPECT_GT(journal.find(" data MAIL 1 64\n"), event);
    EXPECT_EQ(Count(journal, " put MAIL "), 2u) << journal;  // the refused tests sent nothing
}

TEST_P(PresetMailUserView, UserViewSendsDataBeforeDirectoryAndResetsInTwoSteps)
{
    std::filesystem::create_directory(files.File("view"));
    WriteFile(files.File("view/index.htm"), "<html>view</html>");
    auto none = unit->Cli(GetParam(), {"user-view", "upload", files.File("nowhere")});
    EXPECT_NE(none.exitCode, 0);
    EXPECT_TRUE(Has(none.err, "Cannot find specified folder.")) << none.err;
    auto upload = unit->Cli(GetParam(), {"user-view", "upload", files.File("view")});
    EXPECT_EQ(upload.exitCode, 0) << upload.err;
    auto reset = unit->Cli(GetParam(), {"user-view", "reset"});
    EXPECT_EQ(reset.exitCode, 0) << reset.err;

    const std::string journal = unit->Journal();
    const size_t data = journal.find(" put UDAT_P ");
    const size_t dir = journal.find(" put UDIR_P ");
    ASSERT_NE(data, std::string::npos) << journal;
    ASSERT_NE(dir, std::string::npos) << journal;
    EXPECT_LT(data, dir);
    // The unit checked both containers (magic, length, checksum) and took them.
    EXPECT_TRUE(Has(journal.substr(data, journal.find('\n', data) - data), " ok")) << journal;
    EXPECT_TRUE(Has(journal.substr(dir, journal.find('\n', dir) - dir), " ok")) << journal;
    const size_t first = journal.find(" data DEL 1 0A\n");
    EXPECT_NE(first, std::string::npos) << journal;
    EXPECT_GT(journal.find(" data DEL 1 0B\n"), first);
    auto log = unit->Cli(GetParam(), {"log"});
    EXPECT_TRUE(Has(log.out, "User view data received, 36 bytes")) << log.out;
    EXPECT_TRUE(Has(log.out, "User view directory received, 144 bytes")) << log.out;
}

INSTANTIATE_TEST_SUITE_P(Links, PresetMailUserView, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) { return test::LinkName(info.param); });

// A data container at its 0x3E0000-byte limit, incompressible, goes through
// whole: neither the tool nor the unit stops a send at 2 MiB.
class LargeUserView : public ::testing::TestWithParam<Link> {};

TEST_P(LargeUserView, AFullDataContainerIsSentWhole)
{
    TempDir files;
    std::mt19937 random(7);
    auto noise = [&](size_t n) {
        std::string s(n, '\0');
        for (char& c : s) c = static_cast<char>(random());
        return s;
    };
    std::filesystem::create_directory(files.File("view"));
    for (int i = 0; i < 3; ++i) WriteFile(files.File("view/part" + std::to_string(i)), noise(1048576));
    WriteFile(files.File("view/rest"), noise(0x3E0000 - 16 - 3 * 1048576));
    Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto upload = unit.Cli(GetParam(), {"user-view", "upload", files.File("view")});
    EXPECT_EQ(upload.exitCode, 0) << upload.err;
    const std::string journal = unit.Journal();
    const size_t at = journal.find(" put UDAT_P ");
    ASSERT_NE(at, std::string::npos) << journal;
    const size_t length = std::stoul(journal.substr(at + 12));
    EXPECT_GT(length, 0x3E0000u);
    EXPECT_LT(length, 0x400000u);
    EXPECT_TRUE(Has(journal, " put UDIR_P ")) << journal;
    auto log = unit.Cli(GetParam(), {"log"});
    EXPECT_TRUE(Has(log.out, "User view data received, 4063232 bytes")) << log.out;
}

INSTANTIATE_TEST_SUITE_P(Links, LargeUserView, ::testing::Values(Link::Plain, Link::Cipher),
                         [](const auto& info) { return test::LinkName(info.param); });

}  // namespace
}  // namespace volmar
