// volmar-cli's file commands, run as a separate process as a user would and
// in-process through the library, with the same results.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "Process.h"
#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Keywords.h"

namespace volmar {
namespace {

using test::Runner;
using testing::ReadFile;
using testing::ReplaceFirst;
using testing::TempDir;
using testing::WriteFile;

class FileCommands : public ::testing::TestWithParam<Runner> {
protected:
    testing::ProcessResult Cli(const std::vector<std::string>& args) { return test::RunCli(GetParam(), args); }
    void SetUp() override
    {
        def = dir.File("default.xml");
        ASSERT_EQ(Cli({"new", "-o", def}).exitCode, 0);
        doc = ReadFile(def);
    }
    std::string Variant(const std::string& name, const std::string& from, const std::string& to)
    {
        std::string path = dir.File(name);
        WriteFile(path, ReplaceFirst(doc, from, to));
        return path;
    }
    TempDir dir;
    std::string def, doc;
};

TEST_P(FileCommands, NewWritesTheDefaultDocument)
{
    EXPECT_EQ(doc, WriteSettingDocument(*testing::MakeDefaultRecord()));
    auto out = Cli({"new"});
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_EQ(out.out, doc);
}

TEST_P(FileCommands, CheckVerdicts)
{
    auto ok = Cli({"check", def});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, "");

    auto info = Cli({"check", Variant("info.xml", "<AI1>", "<AI65></AI65><AI1>")});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_EQ(info.out, "<VOL_MAR><IO><AI><AI65>\n");

    auto param = Cli({"--no-info-message", "check", Variant("param.xml", "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>")});
    EXPECT_EQ(param.exitCode, 2) << "options may stand before the command";
    EXPECT_EQ(param.out, "<VOL_MAR><IO><AI><AI1><CARD_NO>\n");
    EXPECT_NE(param.err.find("Cannot edit: Setting contains unsupported parameter(s). Update VOLMAR."),
              std::string::npos);

    auto failed = Cli({"check", Variant("bad.xml", "</VOL_MAR>", "")});
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_NE(failed.err.find("Failed to convert into setting data."), std::string::npos);
    EXPECT_EQ(Cli({"check", dir.File("missing.xml")}).exitCode, 3);
    EXPECT_EQ(Cli({"check", dir.path()}).exitCode, 3);
    EXPECT_EQ(Cli({"check"}).exitCode, 64);
    EXPECT_EQ(Cli({"check", "--bogus", def}).exitCode, 64);
    EXPECT_EQ(Cli({"check", "--help"}).exitCode, 0);
}

TEST_P(FileCommands, ConvertWritesOnlyUsableSettings)
{
    std::string out = dir.File("out.xml");
    std::string spaced = Variant("spaced.xml", "<NAME1>QN70-G</NAME1>", "<NAME1>Line 4</NAME1>\n\n");
    EXPECT_EQ(Cli({"convert", spaced, "-o", out}).exitCode, 0);
    EXPECT_EQ(ReadFile(out), ReplaceFirst(doc, "QN70-G", "Line 4"));

    std::string info = Variant("info.xml", "<AI1>", "<AI65></AI65><AI1>");
    EXPECT_EQ(Cli({"convert", info, "--output", out}).exitCode, 1);
    EXPECT_EQ(ReadFile(out), doc);

    std::filesystem::remove(out);
    std::string param = Variant("param.xml", "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>");
    EXPECT_EQ(Cli({"convert", param, "-o", out}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written on failure";
    // A failed write leaves no half file and no temporary behind.
    EXPECT_EQ(Cli({"convert", def, "-o", dir.File("no/such/dir/out.xml")}).exitCode, 3);
}

TEST_P(FileCommands, PartialDocuments)
{
    auto net = Cli({"network", def});
    EXPECT_EQ(net.exitCode, 0);
    EXPECT_NE(net.out.find("<MY>192.168.0.1</MY>"), std::string::npos);
    EXPECT_TRUE(net.out.ends_with("</VOL_MAR>\r\n\r\n"));
    std::string acc = dir.File("acc.xml");
    EXPECT_EQ(Cli({"access", def, "-o", acc}).exitCode, 0);
    EXPECT_NE(ReadFile(acc).find("<AUTH7>"), std::string::npos);
    EXPECT_EQ(Cli({"check", acc}).exitCode, 0) << "a partial document reads back";
}

TEST_P(FileCommands, DiffListsChangedValuesInDocumentOrder)
{
    EXPECT_EQ(Cli({"diff", def, def}).exitCode, 0);
    std::string changed = dir.File("changed.xml");
    std::string text = ReplaceFirst(doc, "<NAME1>QN70-G</NAME1>", "<NAME1>A&amp;B</NAME1>");
    text = ReplaceFirst(text, "<TIMEZONE>9<", "<TIMEZONE>-5<");
    text = ReplaceFirst(text, "<VOL_MAR>\r\n", "<VOL_MAR><VOLMAR><PORT>40000</PORT></VOLMAR>");
    WriteFile(changed, text);
    auto d = Cli({"diff", def, changed});
    EXPECT_EQ(d.exitCode, 1);
    EXPECT_EQ(d.out,
              "<VOL_MAR><VOLMAR><PORT>: 30321 -> 40000\n"
              "<VOL_MAR><SYSTEM><NAME1>: QN70-G -> B\n"
              "<VOL_MAR><SYSTEM><TIMEZONE>: 9 -> -5\n");
    EXPECT_EQ(Cli({"diff", def, dir.File("missing.xml")}).exitCode, 3);
}

// --labels shows list values as the editors' lists do; without it the
// document's keywords stay for scripts. Texts and numbers read the same both ways.
TEST_P(FileCommands, DiffLabelsShowTheEditorsEntries)
{
    auto record = testing::MakeDefaultRecord();
    const std::string before = dir.File("before.xml"), after = dir.File("after.xml");
    WriteFile(before, WriteSettingDocument(*record));
    record->IO.AI[0].TYPE = kAiCard;
    record->IO.AI[0].MOD_TYPE = 4;
    record->IO.AI[0].POINT = 3;
    record->RECORD.SPEED = kSpeed10m;
    WriteFile(after, WriteSettingDocument(*record));
    auto plain = Cli({"diff", before, after});
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_EQ(plain.out,
              "<VOL_MAR><IO><AI><AI1><TYPE>: NONE -> CARD\n"
              "<VOL_MAR><IO><AI><AI1><MOD_TYPE>: 3 -> 4\n"
              "<VOL_MAR><IO><AI><AI1><POINT>: 2 -> 3\n"
              "<VOL_MAR><RECORD><SPEED>: 1S -> 10M\n");
    auto labelled = Cli({"diff", "--labels", before, after});
    EXPECT_EQ(labelled.exitCode, 1);
    EXPECT_EQ(labelled.out,
              "Analog inputs \xC2\xB7 AI1 \xC2\xB7 CH setting: Disable -> I/O module\n"
              "Analog inputs \xC2\xB7 AI1 \xC2\xB7 Modbus/TCP register type: Input Register (3X) -> Holding Register (4X)\n"
              "Analog inputs \xC2\xB7 AI1 \xC2\xB7 Number of decimal places: 2 -> 3\n"
              "Record \xC2\xB7 Storing rate: 1 second -> 10 minutes\n");
}

// A damaged file is never called equal: the verdict and the element path go
// to stderr, what was read is still compared, and texts show as typed.
TEST_P(FileCommands, DiffOfFilesNotReadCleanly)
{
    std::string text = ReplaceFirst(doc, "<NAME1>QN70-G</NAME1>", "<NAME1>x#Ay#Dz\tw\x7F</NAME1>");
    text = ReplaceFirst(text, "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>");
    std::string damaged = dir.File("damaged.xml");
    WriteFile(damaged, text);
    auto d = Cli({"diff", def, damaged});
    EXPECT_EQ(d.exitCode, 2);
    EXPECT_EQ(d.out, "<VOL_MAR><SYSTEM><NAME1>: QN70-G -> x&y\\nz\\x09w\\x7F\n");
    EXPECT_NE(d.err.find(damaged + ": Cannot edit: Setting contains unsupported parameter(s). Update VOLMAR.\n"
                                   "<VOL_MAR><IO><AI><AI1><CARD_NO>"),
              std::string::npos)
        << d.err;
    auto same = Cli({"diff", damaged, damaged});
    EXPECT_EQ(same.exitCode, 2);
    EXPECT_EQ(same.out, "");
    auto unknown = Cli({"diff", def, Variant("unknown.xml", "<SYSTEM>\r\n", "<SYSTEM><COLOUR>1</COLOUR>")});
    EXPECT_EQ(unknown.exitCode, 2) << "unsupported information is not a clean read either";
    EXPECT_NE(unknown.err.find("<VOL_MAR><SYSTEM><COLOUR>"), std::string::npos);
    EXPECT_EQ(Cli({"diff", Variant("broken.xml", "</SYSTEM>", ""), def}).exitCode, 3);
}

TEST_P(FileCommands, CompressAndDecompress)
{
    std::string z = dir.File("payload.z"), back = dir.File("back.xml");
    ASSERT_EQ(Cli({"compress", def, "-o", z}).exitCode, 0);
    std::string payload = ReadFile(z);
    ASSERT_GE(payload.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(payload[0]), 0x78);
    ASSERT_EQ(Cli({"decompress", z, "-o", back}).exitCode, 0);
    EXPECT_EQ(ReadFile(back), doc);

    WriteFile(z, payload.substr(0, payload.size() - 3));
    auto broken = Cli({"decompress", z, "-o", back});
    EXPECT_EQ(broken.exitCode, 3);
    EXPECT_NE(broken.err.find("Failed to decompress setting data"), std::string::npos);

    std::string big = dir.File("big.xml");
    WriteFile(big, std::string(2097137, 'x'));
    auto over = Cli({"compress", big, "-o", z});
    EXPECT_EQ(over.exitCode, 3);
    EXPECT_NE(over.err.find("Setting data size is over capacity."), std::string::npos);
}

// --rules adds the editors' verdicts to check's own; without it check is as before.
TEST(CheckRules, ListsEachViolationAndExitsOne)
{
    TempDir dir;
    const std::string def = dir.File("default.xml");
    ASSERT_EQ(test::RunCli(Runner::InProcess, {"new", "-o", def}).exitCode, 0);
    auto clean = test::RunCli(Runner::InProcess, {"check", "--rules", def});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "");

    std::string doc = ReplaceFirst(ReadFile(def), "<NAME>AI3</NAME>", "<NAME>seventeen chars!!</NAME>");
    doc = ReplaceFirst(doc, "<UNIT>%</UNIT>", "<UNIT>too long!</UNIT>");
    const std::string bad = dir.File("bad.xml");
    WriteFile(bad, doc);
    EXPECT_EQ(test::RunCli(Runner::InProcess, {"check", bad}).exitCode, 0) << "the reader takes the long texts";
    auto out = test::RunCli(Runner::InProcess, {"check", "--rules", bad});
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_EQ(out.out, "IO/AI/AI1/UNIT: Engineering unit: Setting error: Engineering unit\n"
                       "IO/AI/AI3/NAME: CH name: Setting error: CH name\n");
    EXPECT_EQ(out.err.find("Setting is valid."), std::string::npos);

    // A message the editor shows over two lines is printed on one.
    auto modbus = testing::MakeDefaultRecord();
    modbus->IO.AI[3].TYPE = 2;  // Modbus/TCP on a slave without an address
    modbus->IO.AI[3].MOD_NODE = 5;
    WriteFile(bad, WriteSettingDocument(*modbus));
    out = test::RunCli(Runner::InProcess, {"check", "--rules", bad});
    EXPECT_EQ(out.out, "IO/AI/AI4/MOD_NODE: Slave No.: Setting error: Slave address. Set IP address to designated slave.\n");
}

INSTANTIATE_TEST_SUITE_P(BothWays, FileCommands, ::testing::Values(Runner::ChildProcess, Runner::InProcess),
                         [](const auto& info) { return test::RunnerName(info.param); });

}  // namespace
}  // namespace volmar
