// volmar-cli report: HTML and PDF of a settings file (the HTML in-process as
// well), the report of a unit's setting downloaded from the simulator, and
// the usage errors.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "CliRunner.h"
#include "CliUnit.h"
#include "Process.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using testing::ReadFile;
using testing::RunProcess;
using testing::TempDir;
using testing::WriteFile;

int PdfPageCount(const std::string& pdf)
{
    std::smatch m;
    static const std::regex count(R"(/Type\s*/Pages\b[^>]*?/Count\s+(\d+))");
    return std::regex_search(pdf, m, count) ? std::stoi(m[1]) : 0;
}

TEST(ReportCommand, FileToHtmlOnStdoutAndToPdf)
{
    TempDir dir;
    auto record = testing::MakeDefaultRecord();
    record->IO.PI[0].TYPE = 1;
    const std::string file = dir.File("plant.xml");
    WriteFile(file, WriteSettingDocument(*record));

    for (const test::Runner runner : {test::Runner::ChildProcess, test::Runner::InProcess}) {
        auto html = test::RunCli(runner, {"report", file});
        ASSERT_EQ(html.exitCode, 0) << html.err;
        EXPECT_NE(html.out.find("<h1>Settings report: " + file + "</h1>"), std::string::npos);
        EXPECT_NE(html.out.find("<h2>Pulse input (PI)</h2>"), std::string::npos);
        EXPECT_EQ(html.out.find("<h2>Analog input (AI)</h2>"), std::string::npos);
        const auto usage = test::RunCli(runner, {"report"});
        EXPECT_EQ(usage.exitCode, 64);
        EXPECT_EQ(usage.err, "usage: volmar-cli report FILE [-o OUT.html|OUT.pdf]\n"
                             "       volmar-cli report --from-unit [LINK OPTIONS] [-o OUT.html|OUT.pdf]\n");
    }

    const std::string pdf = dir.File("plant.pdf");
    auto made = RunProcess(VOLMAR_CLI_PATH, {"report", file, "-o", pdf}, {"QT_QPA_PLATFORM="});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const std::string bytes = ReadFile(pdf);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_GT(PdfPageCount(bytes), 0);

    EXPECT_EQ(RunProcess(VOLMAR_CLI_PATH, {"report"}).exitCode, 64);
    EXPECT_EQ(RunProcess(VOLMAR_CLI_PATH, {"report", file, "--from-unit"}).exitCode, 64);
    EXPECT_EQ(RunProcess(VOLMAR_CLI_PATH, {"report", dir.File("none.xml")}).exitCode, 3);
}

TEST(ReportCommand, FromUnitDownloadsFirst)
{
    test::Unit unit;
    ASSERT_TRUE(unit.Ready()) << unit.Errors();
    auto r = unit.Cli(test::Link::Plain, {"report", "--from-unit"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Settings report: unit at 127.0.0.1"), std::string::npos);
    EXPECT_NE(r.out.find("<td>QN70-G</td>"), std::string::npos);
    EXPECT_NE(unit.Journal().find("get CONFIG_P"), std::string::npos);
}

}  // namespace
}  // namespace volmar
