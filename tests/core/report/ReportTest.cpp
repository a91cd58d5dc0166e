// The settings report: what it shows of the default and of a maximal record,
// values as the editors show them, and HTML that parses as XML.
#include <gtest/gtest.h>

#include <expat.h>

#include <cstring>
#include <string>
#include <vector>

#include "RecordFactory.h"
#include "core/report/ReportBuilder.h"
#include "core/report/ReportHtml.h"
#include "core/settings/Keywords.h"
#include "core/settings/OiFunctions.h"

namespace volmar {
namespace {

using report::Block;
using report::Document;

const report::Header kHeader{"test.xml", "2026-12-08 05:00", "0.1.0"};

std::vector<std::string> SectionIds(const Document& doc)
{
    std::vector<std::string> ids;
    for (const auto& s : doc.sections) ids.push_back(s.id);
    return ids;
}

// Parses html as XML; returns the error ("" when well-formed) and counts the
// h2 elements.
std::string ParseXml(const std::string& html, int* headings)
{
    XML_Parser parser = XML_ParserCreate("UTF-8");
    *headings = 0;
    XML_SetUserData(parser, headings);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* name, const XML_Char**) {
        if (std::strcmp(name, "h2") == 0) ++*static_cast<int*>(data);
    });
    std::string error;
    if (XML_Parse(parser, html.data(), static_cast<int>(html.size()), 1) != XML_STATUS_OK) {
        error = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
                std::to_string(XML_GetCurrentLineNumber(parser));
    }
    XML_ParserFree(parser);
    return error;
}

std::string ValueOf(const Document& doc, const char* section, const char* block, const char* caption)
{
    const report::Section* s = doc.Find(section);
    const Block* b = s ? s->FindBlock(block) : nullptr;
    const std::string* v = b ? b->Value(caption) : nullptr;
    return v ? *v : "<missing>";
}

TEST(Report, DefaultRecordShowsOnlyUnitNetworkAndRecord)
{
    auto record = testing::MakeDefaultRecord();
    const Document doc = report::BuildReport(*record, kHeader);
    EXPECT_EQ(SectionIds(doc), (std::vector<std::string>{"unit", "network", "record"}));
    EXPECT_EQ(doc.Find("network")->blocks.size(), 2u);  // the addresses and the web server
    EXPECT_EQ(ValueOf(doc, "unit", "System", "Name 1"), "QN70-G");
    EXPECT_EQ(ValueOf(doc, "record", "Record", "Storing rate"), "1 second");
    EXPECT_EQ(ValueOf(doc, "network", "Network", "Alternate DNS"), "");

    const std::string html = report::RenderHtml(doc);
    int headings = 0;
    EXPECT_EQ(ParseXml(html, &headings), "");
    EXPECT_EQ(headings, 3);
    EXPECT_NE(html.find("<h1>Settings report: test.xml</h1>"), std::string::npos);
    EXPECT_NE(html.find("VOLMAR 0.1.0"), std::string::npos);
    EXPECT_NE(html.find("@media print"), std::string::npos);
}

TEST(Report, MaximalRecordShowsEverySectionAndEveryChannel)
{
    auto record = testing::MakeMaximalRecord();
    record->RECORD.SPEED = kSpeed1m;  // every channel and pen usable
    record->IO.AI[0].TYPE = kAiModbusTcp;  // a slave in use
    const Document doc = report::BuildReport(*record, kHeader);
    EXPECT_EQ(SectionIds(doc), (std::vector<std::string>{"unit", "network", "slaves", "ai", "di", "pi", "oi", "do",
                                                         "display", "record", "mail"}));
    EXPECT_EQ(doc.Find("ai")->blocks.size(), size_t(kAiCount));
    EXPECT_EQ(doc.Find("di")->blocks.size(), size_t(kDiCount));
    EXPECT_EQ(doc.Find("pi")->blocks.size(), size_t(kPiCount));
    EXPECT_EQ(doc.Find("oi")->blocks.size(), size_t(kOiCount));
    EXPECT_EQ(doc.Find("do")->blocks.size(), size_t(kDoCount));
    EXPECT_EQ(doc.Find("mail")->blocks.size(), size_t(kEventReportCount + 1 + (record->MAIL_REPORT.ERROR > 0)));
    EXPECT_EQ(doc.Find("ai")->blocks[0].table.rows.size(), size_t(kZoneCount));

    const std::string html = report::RenderHtml(doc);
    int headings = 0;
    EXPECT_EQ(ParseXml(html, &headings), "");
    EXPECT_EQ(headings, 11);

    // A faster storing rate handles fewer channels and pens.
    record->RECORD.SPEED = kSpeed5ms;
    const Document fast = report::BuildReport(*record, kHeader);
    EXPECT_EQ(fast.Find("ai")->blocks.size(), 16u);
    EXPECT_EQ(fast.Find("ai")->blocks.back().title, "AI16");
    EXPECT_EQ(fast.Find("display")->blocks.size(), 1u + 16 / 4);  // the trend and four pages
}

TEST(Report, ChannelValuesAsTheEditorsShowThem)
{
    auto r = testing::MakeDefaultRecord();
    r->IO.MODBUS_MASTER.SLAVE_TYPE[4] = 1;  // SLMP 16bit
    std::strcpy(r->IO.MODBUS_MASTER.NODE[4], "10.0.0.4");
    AiChannel& ai = r->IO.AI[2];
    ai.TYPE = kAiModbusTcp;
    ai.MOD_NODE = 3;
    ai.MOD_TYPE = 4;
    ai.MOD_ADDRESS = 123;
    ai.AI_DATA_TYPE = kAiInt;
    ai.SCALE = 2.5;
    ai.POINT = 2;
    std::strcpy(ai.NAME, "Flow <in> & \"out\"");
    std::strcpy(ai.UNIT, "m3/h");
    ai.USE_AREAS = 3;
    ai.AREA[0].LEVEL_UPPER = 10;
    ai.AREA[1].LEVEL_LOWER = 10;
    ai.AREA[1].LEVEL_UPPER = 20.25;
    ai.AREA[2].LEVEL_LOWER = 20.25;
    ai.AREA[1].DO_ON1 = 1u << 4;  // DO05
    ai.AREA[2].DO_ON1 = 1u << 4;
    ai.AREA[3].DO_ON1 = 1u << 4;  // zone 4, beyond the count: kept, marked
    r->MAIL_REPORT.EVENT[0].MODE = kUse;
    r->MAIL_REPORT.EVENT[0].DO_OFF1 = 1u << 4;
    r->MAIL_REPORT.EVENT[2].MODE = kNoUse;
    r->MAIL_REPORT.EVENT[2].DO_ON1 = 1u << 4;
    ai.AREA[1].UPPER.EVENT_LOG = kUse;
    ai.AREA[1].UPPER.EVENT_NEW = kNoUse;
    ai.AREA[1].UPPER.EVENT_NO = 7;
    std::strcpy(ai.AREA[1].UPPER.MESSAGE, "High");
    ai.AREA[1].UPPER.MAIL = 0x5;  // reports 1 and 3
    r->IO.DO[4].TYPE = 1;
    DiChannel& di = r->IO.DI[0];
    di.TYPE = 7;  // SLMP
    di.MOD_NODE = 4;
    di.SLMP_DEV_CODE = 0x9C;  // X, hexadecimal numbers
    di.SLMP_DEV_NO = 0x1A;
    PiChannel& pi = r->IO.PI[0];
    pi.TYPE = kPiCard;
    pi.SCALE = 0.001;
    pi.EXP = kUse;
    r->COM.FTP.MODE = kUse;
    std::strcpy(r->COM.FTP.PASSWORD, "s3cr3t-pw");
    OiChannel& div = r->IO.OI[0];
    div.TYPE = kOiDiv;
    div.INPUT[1] = {0, 3};  // AI03
    div.INPUT[2] = {1, 2};  // DI02, disabled: no name
    div.CONST.K[1] = 2;
    div.CONST.A[0] = -1.5;
    OiChannel& sum = r->IO.OI[1];
    sum.TYPE = kOiAnalogSum;
    sum.EXP = kUse;
    sum.INPUT[1] = {3, 1};  // OI01
    sum.CONST.K[1] = 10000;
    sum.CONST.K[2] = 1;
    sum.CONST.K[3] = 2.5;

    const Document doc = report::BuildReport(*r, kHeader);
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "CH setting"), "Modbus/TCP");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Source"),
              "Slave No. 3, Holding Register (4X), Modbus/TCP register address 123");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Data type"), "Int (integer)");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Int"), "2.500");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Scaling 0%"), "<missing>");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Number of decimal places"), "2");
    EXPECT_EQ(ValueOf(doc, "ai", "AI03", "Partitions"), "3");
    const report::Table& zones = doc.Find("ai")->FindBlock("AI03")->table;
    ASSERT_EQ(zones.rows.size(), 3u);
    EXPECT_EQ(zones.rows[1][3], "10.000");
    EXPECT_EQ(zones.rows[1][4], "20.250");
    EXPECT_EQ(zones.rows[1][5], "No. 7: High (Event log, E-mail No.01, No.03)");
    EXPECT_EQ(zones.rows[1][7], "Alarm output DO05");
    EXPECT_EQ(zones.rows[0][3], "");  // zone 1 has no lower limit
    EXPECT_EQ(zones.rows[2][4], "");  // the last zone has no upper limit
    EXPECT_EQ(ValueOf(doc, "di", "DI01", "Source"), "Slave No. 4, SLMP device X0000001a");
    EXPECT_EQ(ValueOf(doc, "pi", "PI01", "Scaling"), "1.000e-03");
    EXPECT_EQ(ValueOf(doc, "do", "DO05", "Driven by"),
              "I/O (AI03) Zone 2, 3, 4 (disabled); E-mail Event report 1, 3 (disabled)");
    // A function input: its equation, inputs and constants as its dialog shows them.
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "Equation"), "(K1X1+A1)/(K2X2+A2)+A0");
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "X1"), "AI03 Flow <in> & \"out\"");
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "X2"), "DI02");
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "K1"), "2.000");
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "A0"), "-1.500");
    EXPECT_EQ(ValueOf(doc, "oi", "OI01", "X3"), "<missing>");
    EXPECT_EQ(ValueOf(doc, "oi", "OI02", "X1"), "OI01 OI1");
    EXPECT_EQ(ValueOf(doc, "oi", "OI02", "Counter rate"), "10000");
    EXPECT_EQ(ValueOf(doc, "oi", "OI02", "Time unit"), "Hour");
    EXPECT_EQ(ValueOf(doc, "oi", "OI02", "Low-end cutout (%)"), "2.500");  // fixed, whatever the notation
    // Slaves: only those that channels in use poll.
    const report::Section* slaves = doc.Find("slaves");
    ASSERT_NE(slaves, nullptr);
    EXPECT_EQ(slaves->blocks.size(), 3u);  // slaves 3 and 4, the timing
    EXPECT_EQ(ValueOf(doc, "slaves", "Slave 4", "Slave type"), "SLMP 16bit");
    EXPECT_EQ(ValueOf(doc, "slaves", "Slave 4", "Used by"), "DI01");
    EXPECT_EQ(ValueOf(doc, "network", "FTP server", "Password"), "(set)");

    const std::string html = report::RenderHtml(doc);
    int headings = 0;
    EXPECT_EQ(ParseXml(html, &headings), "");
    EXPECT_NE(html.find("Flow &lt;in&gt; &amp; &quot;out&quot;"), std::string::npos);
    EXPECT_EQ(html.find("s3cr3t-pw"), std::string::npos);
}

TEST(Report, HeaderAndHostileTextsStayInside)
{
    auto r = testing::MakeDefaultRecord();
    std::strcpy(r->SYSTEM.NAME2, "</td></tr></table><script>x</script>\x01\x1b[2J");
    const Document doc = report::BuildReport(*r, report::MakeHeader("a&b.xml", 0));
    EXPECT_EQ(doc.header.source, "a&b.xml");
    EXPECT_EQ(doc.header.date.size(), 16u);  // "YYYY-MM-DD HH:MM"
    const std::string html = report::RenderHtml(doc);
    int headings = 0;
    EXPECT_EQ(ParseXml(html, &headings), "");
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_EQ(html.find('\x1b'), std::string::npos);
    EXPECT_NE(html.find("a&amp;b.xml"), std::string::npos);
}

}  // namespace
}  // namespace volmar
