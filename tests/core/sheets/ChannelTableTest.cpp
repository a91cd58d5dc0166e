// Channel tables: export then import gives the same document, refusals name
// line, channel and caption, formula guards round-trip, and a table as a
// spreadsheet program saves it is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"
#include "core/sheets/ChannelTable.h"
#include "core/sheets/Csv.h"

namespace volmar {
namespace {

using sheets::ChannelSheet;

constexpr ChannelSheet kKinds[] = {ChannelSheet::Ai, ChannelSheet::Di, ChannelSheet::Pi, ChannelSheet::Do,
                                   ChannelSheet::Oi};

std::string Refusals(const std::vector<sheets::SheetRefusal>& list)
{
    std::string out;
    for (const auto& r : list) out += r.Text("in.csv") + "\n";
    return out;
}

// Clears the channels of one kind to a new setting's.
void ResetChannels(SettingRecord& r, ChannelSheet kind)
{
    auto fresh = testing::MakeDefaultRecord();
    switch (kind) {
    case ChannelSheet::Ai: std::memcpy(r.IO.AI, fresh->IO.AI, sizeof r.IO.AI); break;
    case ChannelSheet::Di: std::memcpy(r.IO.DI, fresh->IO.DI, sizeof r.IO.DI); break;
    case ChannelSheet::Pi: std::memcpy(r.IO.PI, fresh->IO.PI, sizeof r.IO.PI); break;
    case ChannelSheet::Do: std::memcpy(r.IO.DO, fresh->IO.DO, sizeof r.IO.DO); break;
    case ChannelSheet::Oi: std::memcpy(r.IO.OI, fresh->IO.OI, sizeof r.IO.OI); break;
    }
}

TEST(ChannelTable, ExportThenImportOntoClearedChannelsGivesTheSameDocument)
{
    for (uint32_t seed : {0u, 1u, 2u, 3u}) {
        auto source = seed == 0 ? testing::MakeMaximalRecord() : testing::MakeRandomRecord(seed);
        testing::KeepWithinRules(*source);
        const std::string document = WriteSettingDocument(*source);
        for (ChannelSheet kind : kKinds) {
            auto target = std::make_unique<SettingRecord>(*source);
            ResetChannels(*target, kind);
            ASSERT_NE(WriteSettingDocument(*target), document);
            const auto refused = sheets::ImportChannelTable(*target, sheets::ExportChannelTable(*source, kind));
            ASSERT_TRUE(refused.empty()) << sheets::ChannelSheetName(kind) << " seed " << seed << "\n"
                                         << Refusals(refused);
            EXPECT_EQ(WriteSettingDocument(*target), document) << sheets::ChannelSheetName(kind) << " seed " << seed;
        }
    }
}

TEST(ChannelTable, HeaderNamesTheEditorsCaptionsAndListsShowTheirEntries)
{
    auto record = testing::MakeDefaultRecord();
    record->IO.AI[1].TYPE = 1;
    const std::string csv = sheets::ExportChannelTable(*record, ChannelSheet::Ai, true);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF" "CH,CH setting,", 0), 0u) << csv.substr(0, 200);
    for (const char* caption : {",CH name,", ",CH comment,", ",Scaling 0%,", ",Zone 2 \xC2\xB7 Upper limit,"}) {
        EXPECT_NE(csv.find(caption), std::string::npos) << caption;
    }
    sheets::CsvTable table;
    std::string error;
    ASSERT_TRUE(sheets::ReadCsv(csv, table, error)) << error;
    ASSERT_EQ(table.rows.size(), 65u);
    EXPECT_EQ(table.rows[2].fields[0], "2");
    EXPECT_EQ(table.rows[2].fields[1], "I/O module");  // a list's entry, not the document's keyword
    EXPECT_EQ(sheets::ExportChannelTable(*record, ChannelSheet::Ai).rfind("CH,", 0), 0u);  // no BOM unless asked
}

TEST(ChannelTable, RefusedCellsNameLineChannelAndCaptionAndNothingChanges)
{
    auto record = testing::MakeDefaultRecord();
    const std::string before = WriteSettingDocument(*record);
    const std::string csv = "CH,CH name,Time constant\r\n"
                            "1,Boiler,5\r\n"
                            "2,\"two\nlines\",abc\r\n"
                            "3," + std::string(200, 'x') + ",7\r\n";
    const auto refused = sheets::ImportChannelTable(*record, csv, ChannelSheet::Ai);
    EXPECT_EQ(Refusals(refused),
              "in.csv:3: CH 2, 'Time constant': Setting error: Time constant\n"
              "in.csv:5: CH 3, 'CH name': Setting error: CH name\n");
    // What the field holds but the editor does not (17 characters) is
    // refused by the editors' rules.
    EXPECT_EQ(Refusals(sheets::ImportChannelTable(*record, "CH,CH name\r\n4," + std::string(17, 'x') + "\r\n",
                                                  ChannelSheet::Ai)),
              "in.csv:2: CH 4, 'CH name': Setting error: CH name\n");
    EXPECT_EQ(WriteSettingDocument(*record), before);

    // An unknown column, a CH out of range and a table no kind fits.
    EXPECT_EQ(Refusals(sheets::ImportChannelTable(*record, "CH,CH name,Colour\n1,a,b\n", ChannelSheet::Ai)),
              "in.csv:1: unknown column 'Colour'\n");
    EXPECT_EQ(Refusals(sheets::ImportChannelTable(*record, "CH,CH name\n65,a\n0,b\n", ChannelSheet::Ai)),
              "in.csv:2: CH '65' is not a channel from 1 to 64\nin.csv:3: CH '0' is not a channel from 1 to 64\n");
    EXPECT_FALSE(sheets::ImportChannelTable(*record, "CH,CH name\n1,a\n").empty());  // every kind has a name
    EXPECT_EQ(WriteSettingDocument(*record), before);

    // A sheet of "CH" and "CH name" only renames and keeps everything else.
    ASSERT_TRUE(sheets::ImportChannelTable(*record, "CH;CH name\n4;Pump\n", ChannelSheet::Do).empty());
    EXPECT_STREQ(record->IO.DO[3].NAME, "Pump");
    std::strcpy(record->IO.DO[3].NAME, testing::MakeDefaultRecord()->IO.DO[3].NAME);
    EXPECT_EQ(WriteSettingDocument(*record), before);
}

TEST(ChannelTable, FormulaGuardsRoundTripAndOnlyProtectTexts)
{
    const char* const texts[] = {"=1+2", "+x", "-3", "@SUM(A1)", "\tTab", "'=quoted", "'plain", "''", "it's", "a=b"};
    auto record = testing::MakeDefaultRecord();
    for (size_t i = 0; i < std::size(texts); ++i) std::strcpy(record->IO.DI[i].NAME, texts[i]);
    const std::string csv = sheets::ExportChannelTable(*record, ChannelSheet::Di);
    sheets::CsvTable table;
    std::string error;
    ASSERT_TRUE(sheets::ReadCsv(csv, table, error)) << error;
    const auto captions = sheets::ChannelSheetCaptions(ChannelSheet::Di);
    const size_t name = 1 + static_cast<size_t>(std::find(captions.begin(), captions.end(), "CH name") - captions.begin());
    const char* const cells[] = {"'=1+2", "'+x", "'-3", "'@SUM(A1)", "'\tTab", "''=quoted", "''plain", "'''", "it's", "a=b"};
    for (size_t i = 0; i < std::size(cells); ++i) EXPECT_EQ(table.rows[i + 1].fields.at(name), cells[i]);
    auto back = testing::MakeDefaultRecord();
    ASSERT_TRUE(sheets::ImportChannelTable(*back, csv).empty());
    EXPECT_EQ(WriteSettingDocument(*back), WriteSettingDocument(*record));

    // A typed apostrophe before anything else stays; a number is no text.
    ASSERT_TRUE(sheets::ImportChannelTable(*back, "CH,CH name\n1,'abc\n2,''=x\n", ChannelSheet::Di).empty());
    EXPECT_STREQ(back->IO.DI[0].NAME, "'abc");
    EXPECT_STREQ(back->IO.DI[1].NAME, "'=x");
    EXPECT_EQ(sheets::GuardFormula("-3"), "'-3");
    EXPECT_EQ(sheets::UnguardFormula("'\r"), "\r");
}

TEST(ChannelTable, ReadsWhatASpreadsheetProgramSaves)
{
    // Semicolons, a byte-order mark, quoted separators, quotes and line
    // breaks, CR LF line ends and a closing blank line.
    const std::string csv = "\xEF\xBB\xBF" "CH;CH name;CH comment\r\n"
                            "1;\"Tank; north\";\"says \"\"hi\"\"\"\r\n"
                            "2;plain, a comma;\"Line 1\r\nLine 2\"\r\n"
                            "\r\n";
    auto record = testing::MakeDefaultRecord();
    const auto refused = sheets::ImportChannelTable(*record, csv, ChannelSheet::Pi);
    ASSERT_TRUE(refused.empty()) << Refusals(refused);
    EXPECT_STREQ(record->IO.PI[0].NAME, "Tank; north");
    EXPECT_STREQ(record->IO.PI[0].COMMENT, "says \"hi\"");
    EXPECT_STREQ(record->IO.PI[1].NAME, "plain, a comma");
    EXPECT_STREQ(record->IO.PI[1].COMMENT, "Line 1\r\nLine 2");
}

TEST(Csv, RefusesBrokenAndOversizedTablesWithTheirLine)
{
    sheets::CsvTable table;
    std::string error;
    EXPECT_FALSE(sheets::ReadCsv("a,b\n1,\"open\n\n", table, error));
    EXPECT_EQ(error, "line 2: a quoted field is not closed");
    EXPECT_FALSE(sheets::ReadCsv("a\n\"x\"y\n", table, error));
    EXPECT_EQ(error, "line 2: text after a quoted field");
    EXPECT_FALSE(sheets::ReadCsv("a\nb\"c\n", table, error));
    EXPECT_EQ(error, "line 2: a quote inside an unquoted field");
    EXPECT_FALSE(sheets::ReadCsv("a\n" + std::string(sheets::kMaxFieldBytes + 1, 'x') + "\n", table, error));
    EXPECT_EQ(error, "line 2: a field is too long");
    EXPECT_FALSE(sheets::ReadCsv(std::string(sheets::kMaxRowFields, ',') + "\n", table, error));
    EXPECT_EQ(error, "line 1: too many fields in a row");
    std::string rows;
    for (size_t i = 0; i <= sheets::kMaxRows; ++i) rows += "1\n";
    EXPECT_FALSE(sheets::ReadCsv(rows, table, error));
    EXPECT_FALSE(sheets::ReadCsv(std::string(sheets::kMaxCsvBytes + 1, 'x'), table, error));

    // A record's line is where it starts, quoted line breaks counted.
    ASSERT_TRUE(sheets::ReadCsv("a\r\"x\r\ny\"\n\nz", table, error)) << error;
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[1].fields[0], "x\r\ny");
    EXPECT_EQ(table.rows[2].line, 5u);
    EXPECT_EQ(table.separator, ',');
}

}  // namespace
}  // namespace volmar
