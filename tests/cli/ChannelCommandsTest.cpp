// volmar-cli channels: export and import through the command, refusals on
// stderr with nothing written, and the usage errors.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "CliRunner.h"
#include "Process.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(ChannelCommands, ExportImportRoundTripRefusalsAndUsage)
{
    TempDir dir;
    auto record = testing::MakeRandomRecord(7);
    testing::KeepWithinRules(*record);
    const std::string file = dir.File("plant.xml");
    const std::string document = WriteSettingDocument(*record);
    WriteFile(file, document);

    const auto exported = test::RunCli(test::Runner::InProcess, {"channels", "export", file, "--kind", "oi", "--bom"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out.rfind("\xEF\xBB\xBF" "CH,", 0), 0u);
    const std::string sheet = dir.File("oi.csv");
    WriteFile(sheet, exported.out);
    const std::string out = dir.File("out.xml");
    const auto imported = test::RunCli(test::Runner::InProcess, {"channels", "import", file, sheet, "-o", out});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(ReadFile(out), document);

    // Refused: every refusal listed, nothing written.
    const std::string bad = dir.File("bad.csv");
    WriteFile(bad, "CH,CH name,Time constant\n1,ok,x\n99,a,1\n");
    const std::string none = dir.File("none.xml");
    const auto refused = test::RunCli(test::Runner::InProcess, {"channels", "import", file, bad, "-o", none, "--kind", "ai"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, bad + ":2: CH 1, 'Time constant': Setting error: Time constant\n" + bad +
                               ":3: CH '99' is not a channel from 1 to 64\n");
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(::access(none.c_str(), F_OK), 0);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"channels"}, {"channels", "export", file}, {"channels", "export", file, "--kind", "xx"},
          {"channels", "import", file}, {"channels", "rename", file}}) {
        EXPECT_EQ(test::RunCli(test::Runner::InProcess, args).exitCode, 64) << args.back();
    }
    EXPECT_EQ(test::RunCli(test::Runner::InProcess, {"channels", "export", dir.File("no.xml"), "--kind", "ai"}).exitCode, 3);
}

}  // namespace
}  // namespace volmar
