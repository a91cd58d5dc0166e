// The units file: RFC 4180 CSV with name,address[,login], and its errors
// with line numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fleet/UnitsFile.h"
#include "core/sheets/Csv.h"

namespace volmar {
namespace {

TEST(UnitsFile, ReadsQuotedFieldsPortsAndLoginsAfterAHeader)
{
    const std::string text =
        "name,address,login\r\n"
        "Pump 1,10.0.0.5\r\n"
        "\r\n"
        "\"Tank, north\",unit-7.plant:30400,operator\n"
        "\"He said \"\"hi\"\"\",127.0.0.9:1,\"\"\n"
        "Bench,/dev/serial/by-id/usb-unit:1\n";
    std::vector<FleetUnit> units;
    std::string error;
    ASSERT_TRUE(ParseUnitsFile(text, units, error)) << error;
    ASSERT_EQ(units.size(), 4u);
    EXPECT_EQ(units[0].name, "Pump 1");
    EXPECT_EQ(units[0].address, "10.0.0.5");
    EXPECT_EQ(units[0].port, 0);
    EXPECT_EQ(units[1].name, "Tank, north");
    EXPECT_EQ(units[1].address, "unit-7.plant");
    EXPECT_EQ(units[1].port, 30400);
    EXPECT_EQ(units[1].login, "operator");
    EXPECT_EQ(units[1].Where(), "unit-7.plant:30400");
    EXPECT_EQ(units[2].name, "He said \"hi\"");
    EXPECT_EQ(units[2].port, 1);
    EXPECT_EQ(units[2].login, "");
    // A path is a serial device, colon and all.
    EXPECT_EQ(units[3].serialDevice, "/dev/serial/by-id/usb-unit:1");
    EXPECT_EQ(units[3].address, "");
    EXPECT_EQ(units[3].port, 0);
    EXPECT_EQ(units[3].Where(), "/dev/serial/by-id/usb-unit:1");

    // A spreadsheet program's byte-order mark is no part of the header.
    ASSERT_TRUE(ParseUnitsFile(std::string(sheets::kUtf8Bom) + "name,address\r\nPump 1,10.0.0.5\r\n", units, error))
        << error;
    ASSERT_EQ(units.size(), 1u);
    EXPECT_EQ(units[0].name, "Pump 1");
}

TEST(UnitsFile, RefusesUnusableRecordsWithTheirLineAndReturnsNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a,10.0.0.1\nb\n", "line 2: expected name,address[,login], found 1 field(s)"},
        {"a,10.0.0.1\n,10.0.0.2\n", "line 2: the name is empty"},
        {"a,10.0.0.1\nb,\n", "line 2: the address is empty"},
        {"a,10.0.0.1\na,10.0.0.2\n", "line 2: the name 'a' is given twice"},
        {"a,10.0.0.1:0\n", "line 1: the port of '10.0.0.1:0' is not a number from 1 to 65535"},
        {"a,10.0.0.1:65536\n", "line 1: the port of '10.0.0.1:65536' is not a number from 1 to 65535"},
        {"a,10.0.0.1:-5\n", "line 1: the port of '10.0.0.1:-5' is not a number from 1 to 65535"},
        {"a,10.0.0 1\n", "line 1: '10.0.0 1' is not a host name or dotted address"},
        {"a,dev/ttyUSB0\n", "line 1: 'dev/ttyUSB0' is not a host name or dotted address"},
        {"a,/\n", "line 1: '/' is not the path of a serial device"},
        {"a,\"10.0.0.1,2\"\n", "line 1: '10.0.0.1,2' is not a host name or dotted address"},
        {"a,10.0.0.1\n\"b\n,10.0.0.2\n", "line 2: a quoted field is not closed"},
        {"a,10.0.0.1\n\"multi\nline\",10.0.0.2\nc\"d,1.2.3.4\n", "line 4: a quote inside an unquoted field"},
        {"\"a\"x,10.0.0.1\n", "line 1: text after a quoted field"},
        {"a,b,c,d\n", "line 1: expected name,address[,login], found 4 field(s)"},
        {"a,10.0.0.1\rb,10.0.0.2\n", "line 1: a carriage return without a line feed"},
        {"name,address\n", "the file names no unit"},
        {"a,10.0.0.1," + std::string(60, 'x') + "\n", "line 1: the login is not usable"},
    };
    for (const auto& [text, expected] : cases) {
        std::vector<FleetUnit> units = {{"stale", "1.1.1.1"}};
        std::string error;
        EXPECT_FALSE(ParseUnitsFile(text, units, error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_TRUE(units.empty());
    }
    std::string many;
    for (size_t i = 0; i <= kMaxFleetUnits; ++i) many += "u" + std::to_string(i) + ",10.0.0.1\n";
    std::vector<FleetUnit> units;
    std::string error;
    EXPECT_FALSE(ParseUnitsFile(many, units, error));
    EXPECT_EQ(error, "line 4097: more than 4096 units");
}

TEST(UnitsFile, RowsWrittenForTheIndexReadBackAsTheyWere)
{
    const std::vector<std::string> fields = {"plain", "with, comma", "with \"quotes\"", "two\r\nlines", ""};
    std::string csv;
    sheets::AppendCsvRow(csv, fields);
    sheets::AppendCsvRow(csv, {"next"});
    sheets::CsvTable table;
    std::string error;
    ASSERT_TRUE(sheets::ReadCsv(csv, table, error)) << error;
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].fields, fields);
    EXPECT_EQ(table.rows[1].line, 3u);
}

}  // namespace
}  // namespace volmar
