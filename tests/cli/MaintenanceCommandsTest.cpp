// volmar-cli's maintenance commands against the real simulator over a
// pseudo-terminal, plain TCP and encrypted TCP: what they print, and the
// bytes the unit's journal shows arriving.
#include <gtest/gtest.h>

#include <string>

#include "CliUnit.h"

namespace volmar {
namespace {

using test::Link;
using test::Unit;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class MaintenanceCommands : public ::testing::TestWithParam<Link> {};

TEST_P(MaintenanceCommands, QueriesPrintTheDialogsTexts)
{
    Unit unit({"--mac", "00-1A-2B-3C-4D-5E", "--sd-free", "3221225472", "--firmware", "2.1.300"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const Link link = GetParam();

    auto mac = unit.Cli(link, {"mac"});
    EXPECT_EQ(mac.exitCode, 0) << mac.err;
    EXPECT_EQ(mac.out, "00-1A-2B-3C-4D-5E\n");
    auto version = unit.Cli(link, {"version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, "QN70-G-R Ver. 2.1.300\n");
    auto disk = unit.Cli(link, {"disk"});
    EXPECT_EQ(disk.exitCode, 0) << disk.err;
    EXPECT_EQ(disk.out, "3.00GB (3221225472byte)\n");

    auto set = unit.Cli(link, {"time", "--set", "2024-02-29T23:59:58"});
    EXPECT_EQ(set.exitCode, 0) << set.err;
    auto log = unit.Cli(link, {"log"});
    EXPECT_EQ(log.exitCode, 0) << log.err;
    EXPECT_TRUE(Has(log.out, "System started")) << log.out;
    EXPECT_TRUE(Has(log.out, "Clock set")) << log.out;
    auto reset = unit.Cli(link, {"log", "--reset"});
    EXPECT_EQ(reset.exitCode, 0) << reset.err;
    EXPECT_EQ(reset.out, "");

    const std::string journal = unit.Journal();
    EXPECT_TRUE(Has(journal, " put TIME 12 ok\n")) << journal;
    EXPECT_TRUE(Has(journal, " data TIME 12 E80702001D0017003B003A00\n")) << journal;
    EXPECT_TRUE(Has(journal, " data LOG 1 01\n")) << journal;
    // The version needs no object, and over the encrypted link no login.
    EXPECT_FALSE(Has(journal, "get VERSION"));
}

TEST_P(MaintenanceCommands, DiskRefusesNonsenseAndPrintsHugeCountsWhole)
{
    Unit broken({"--sd-free", "nan"});
    ASSERT_TRUE(broken.Ready()) << broken.Errors();
    auto refused = broken.Cli(GetParam(), {"disk"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(Has(refused.err, "no free capacity")) << refused.err;

    Unit huge({"--sd-free", "1e300"});
    ASSERT_TRUE(huge.Ready()) << huge.Errors();
    auto disk = huge.Cli(GetParam(), {"disk"});
    EXPECT_EQ(disk.exitCode, 0) << disk.err;
    EXPECT_EQ(disk.out.size(), 605u) << disk.out;
    EXPECT_EQ(disk.out.rfind("93132257461547856452", 0), 0u) << disk.out;
    EXPECT_EQ(disk.out.substr(disk.out.size() - 12), "540160byte)\n") << disk.out;
}

TEST_P(MaintenanceCommands, RefusedPreconditionsSendNothing)
{
    Unit unit({"--no-sd", "--logging"});
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    const Link link = GetParam();

    auto bad = unit.Cli(link, {"time", "--set", "2023-02-29T00:00:00"});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_TRUE(Has(bad.err, "Illegal date/time")) << bad.err;
    auto disk = unit.Cli(link, {"disk"});
    EXPECT_NE(disk.exitCode, 0);
    auto init = unit.Cli(link, {"init"});
    auto ftp = unit.Cli(link, {"ftp-test"});
    const std::string journal = unit.Journal();
    EXPECT_FALSE(Has(journal, "TIME")) << journal;
    if (link == Link::Cipher) {
        // The encrypted link gives no status record: the unit is asked and answers.
        EXPECT_TRUE(Has(journal, "cipher get SD 0 refused:6")) << journal;
        EXPECT_TRUE(Has(journal, "cipher data MBCLR 1 00")) << journal;
        EXPECT_TRUE(Has(journal, "cipher put FTPC 1 refused:6")) << journal;
    } else {
        EXPECT_TRUE(Has(disk.err, "No disk")) << disk.err;
        EXPECT_NE(init.exitCode, 0);
        EXPECT_TRUE(Has(init.err, "Cannot initialize during logging.")) << init.err;
        EXPECT_NE(ftp.exitCode, 0);
        EXPECT_TRUE(Has(ftp.err, "Insert SD card.")) << ftp.err;
        EXPECT_FALSE(Has(journal, " SD ")) << journal;
        EXPECT_FALSE(Has(journal, "MBCLR")) << journal;
        EXPECT_FALSE(Has(journal, "FTPC")) << journal;
    }
}

INSTANTIATE_TEST_SUITE_P(Links, MaintenanceCommands, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) { return test::LinkName(info.param); });

}  // namespace
}  // namespace volmar
