#include "core/settings/DocumentWriter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RecordFactory.h"
#include "core/settings/Keywords.h"
#include "core/settings/TextEscape.h"

namespace volmar {
namespace {

using testing::MakeDefaultRecord;

// The lines of the document between the open tag of an element and its close.
std::string Element(const std::string& doc, const std::string& name, size_t from = 0)
{
    size_t a = doc.find("<" + name + ">", from);
    size_t b = doc.find("</" + name + ">", a);
    if (a == std::string::npos || b == std::string::npos) return "";
    return doc.substr(a, b - a + name.size() + 3);
}

TEST(DocumentWriter, EscapesSpecialBytesWithoutEntities)
{
    std::string out;
    const char text[] = "A&B<1>\"x'#y\r\nz\nw";
    EscapeElementText(out, text, std::strlen(text));
    EXPECT_EQ(out, "A#AB#L1#G#Wx#S##y#Dz#Dw");
}

TEST(DocumentWriter, LayoutOfTheFullDocument)
{
    auto r = MakeDefaultRecord();
    std::string doc = WriteSettingDocument(*r);
    EXPECT_EQ(doc.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n<SYSTEM>\r\n", 0), 0u);
    EXPECT_TRUE(doc.ends_with("</MAIL_REPORT>\r\n</VOL_MAR>\r\n"));
    EXPECT_NE(doc.find("</SYSTEM>\r\n<IO>\r\n  <MODBUS_MASTER>\r\n    <NODE0></NODE0>\r\n"), std::string::npos);
    // The access block and the unit's own addresses travel only in the
    // partial documents.
    EXPECT_EQ(doc.find("<VOLMAR>"), std::string::npos);
    EXPECT_EQ(doc.find("<TCP_IP>"), std::string::npos);
    EXPECT_NE(doc.find("</MODBUS_TCP>\r\n  <SMTP_POP3>"), std::string::npos);
    // The FTP client's last five children stand three levels deep.
    EXPECT_NE(doc.find("    <PORT>21</PORT>\r\n      <FTP_SERVER></FTP_SERVER>\r\n"), std::string::npos);
    EXPECT_NE(doc.find("      <PASV_ADDR>ACTIVE</PASV_ADDR>\r\n  </FTPC>\r\n</COM>"), std::string::npos);
    EXPECT_EQ(doc.find('\n'), doc.find("\r\n") + 1);
}

TEST(DocumentWriter, NumberFormats)
{
    auto r = MakeDefaultRecord();
    r->SYSTEM.TIMEZONE = -5;
    r->IO.AI[0].AREA[0].AREA_COLOR = 0x00000001;
    r->DISP.PEN_COLOR[0] = static_cast<int32_t>(0x80FF0000u);
    r->MAIL_REPORT.TIME.WDAY = 5;
    r->RECORD.MB.HOUR = 0x117;  // the low byte is written
    std::string doc = WriteSettingDocument(*r);
    EXPECT_NE(doc.find("<TIMEZONE>-5</TIMEZONE>"), std::string::npos);
    EXPECT_NE(doc.find("<SLMP_CPU0>1023</SLMP_CPU0>"), std::string::npos);
    EXPECT_NE(doc.find("<AREA_COLOR>0x00000001</AREA_COLOR>"), std::string::npos);
    EXPECT_NE(doc.find("<PEN_COLOR1>-2130771968</PEN_COLOR1>"), std::string::npos);
    EXPECT_NE(doc.find("<WDAY>0x05</WDAY>"), std::string::npos);
    EXPECT_NE(doc.find("<HOUR>23</HOUR>\r\n    <WEEK>"), std::string::npos);
    r->MAIL_REPORT.TIME.WDAY = 127;
    EXPECT_NE(WriteSettingDocument(*r).find("<WDAY>0x7F</WDAY>"), std::string::npos);
}

TEST(DocumentWriter, RealRuleFollowsTheChannelsExponentSwitch)
{
    auto r = MakeDefaultRecord();
    EXPECT_NE(Element(WriteSettingDocument(*r), "AI1").find("<SCALE>0.010</SCALE>"), std::string::npos);
    r->IO.AI[0].EXP = kUse;
    std::string ai1 = Element(WriteSettingDocument(*r), "AI1");
    EXPECT_NE(ai1.find("<SCALE>0.0100000000</SCALE>"), std::string::npos);
    EXPECT_NE(ai1.find("<LEVEL_UPPER>100.0000000000</LEVEL_UPPER>"), std::string::npos);
    r->IO.AI[0].SCALE = 12345.5;
    r->IO.AI[0].SCALE_0 = -1000.5;
    ai1 = Element(WriteSettingDocument(*r), "AI1");
    EXPECT_NE(ai1.find("<SCALE>12345.500</SCALE>"), std::string::npos);
    EXPECT_NE(ai1.find("<SCALE_0>-1000.500</SCALE_0>"), std::string::npos);
    // Another channel keeps three decimals.
    EXPECT_NE(Element(WriteSettingDocument(*r), "AI2").find("<SCALE>0.010</SCALE>"), std::string::npos);
}

TEST(DocumentWriter, PenScalesFollowTheShownChannel)
{
    auto r = MakeDefaultRecord();
    r->DISP.PEN_CONF[0].TYPE = kPenAi;
    r->DISP.PEN_CONF[0].CH = 5;
    r->IO.AI[4].EXP = kUse;
    r->DISP.PEN_CONF[1].TYPE = kPenAi;
    r->DISP.PEN_CONF[1].CH = 6;
    r->DISP.PEN_CONF[2].TYPE = kPenDi;  // DI pens never use the exponent form
    r->DISP.PEN_CONF[2].CH = 5;
    r->DISP.PEN_CONF[3].TYPE = kPenPi;
    r->DISP.PEN_CONF[3].CH = 64;  // out of the PI range: no channel to look at
    std::string doc = WriteSettingDocument(*r);
    EXPECT_NE(Element(doc, "PEN_DRAW1").find("<HIGH>100.0000000000</HIGH>"), std::string::npos);
    EXPECT_NE(Element(doc, "PEN_DRAW2").find("<HIGH>100.00</HIGH>"), std::string::npos);
    EXPECT_NE(Element(doc, "PEN_DRAW3").find("<LOW>0.00</LOW>"), std::string::npos);
    EXPECT_NE(Element(doc, "PEN_DRAW4").find("<HIGH>100.00</HIGH>"), std::string::npos);
}

TEST(DocumentWriter, ElementOrder)
{
    auto r = MakeDefaultRecord();
    std::string doc = WriteSettingDocument(*r);
    std::string ai1 = Element(doc, "AI1");
    EXPECT_LT(ai1.find("<AREA5>"), ai1.find("<AREA4>"));
    EXPECT_LT(ai1.find("<AREA2>"), ai1.find("<AREA1>"));
    EXPECT_LT(ai1.find("<UPPER>"), ai1.find("<LOWER>"));
    EXPECT_LT(doc.find("<DEV_ID11>"), doc.find("<PORT0>"));
    EXPECT_LT(doc.find("<MAIL_NAME32>"), doc.find("<MAIL_ADDRESS1>"));
    EXPECT_LT(doc.find("<PEN_CONF120>"), doc.find("<PEN_COLOR1>"));
    std::string di1 = Element(doc, "DI1");
    EXPECT_LT(di1.find("<ON>"), di1.find("<OFF>"));
    std::string pi1 = Element(doc, "PI1");
    EXPECT_NE(pi1.find("<AREA_COLOR>0x00000000</AREA_COLOR>\r\n        <SUM_RESET>INVALID</SUM_RESET>\r\n"),
              std::string::npos);
    EXPECT_EQ(Element(doc, "AI1").find("SUM_RESET"), std::string::npos);
    std::string oi1 = Element(doc, "OI1");
    EXPECT_NE(oi1.find("<K7>0.000</K7>\r\n        <A0>0.000</A0>"), std::string::npos);
    EXPECT_NE(oi1.find("<X0>AI1</X0>"), std::string::npos);
    std::string time = Element(doc, "TIME");
    EXPECT_LT(time.find("<REPORT_TIME0>"), time.find("<REPORT_TIME23>"));
    EXPECT_LT(time.find("<DO_OFF2>"), time.find("<WDAY>"));
}

// Fills a zone with values that are all different from the defaults.
void FillZone(Zone& z)
{
    z.LEVEL_UPPER = 250.5;
    z.LEVEL_LOWER = -3;
    std::strcpy(z.AREA_NAME, "Hi<2>");
    z.AREA_COLOR = 0x00FF8000;
    z.SUM_RESET = kActive;
    z.UPPER = {kUse, kNoUse, "up", 7, kUse, 0x3};
    z.LOWER = {kNoUse, kUse, "down", 8, kNoUse, 0x80000000u};
    z.DO_ON1 = 0x1;
    z.DO_ON2 = 0x2;
    z.RESET_PI = 0x4;
    z.RESET_OI = 0x8;
    z.RECORD = 1;  // START
    z.TRANS = kUse;
}

// Whole zone elements of a PI and an OI, byte for byte: their event blocks
// end with CONFIRM, MAIL; an AI's with MAIL, CONFIRM.
TEST(DocumentWriter, ZoneElementsOfPulseAndFunctionChannels)
{
    auto r = MakeDefaultRecord();
    FillZone(r->IO.PI[0].AREA[4]);
    FillZone(r->IO.OI[1].AREA[0]);
    r->IO.OI[1].EXP = kUse;
    FillZone(r->IO.AI[0].AREA[4]);
    const std::string doc = WriteSettingDocument(*r);
    const std::string events =
        "<UPPER>\r\n"
        "          <EVENT_LOG>USE</EVENT_LOG>\r\n"
        "          <EVENT_NEW>NOUSE</EVENT_NEW>\r\n"
        "          <MESSAGE>up</MESSAGE>\r\n"
        "          <EVENT_NO>7</EVENT_NO>\r\n"
        "          <CONFIRM>USE</CONFIRM>\r\n"
        "          <MAIL>0x00000003</MAIL>\r\n"
        "        </UPPER>\r\n"
        "        <LOWER>\r\n"
        "          <EVENT_LOG>NOUSE</EVENT_LOG>\r\n"
        "          <EVENT_NEW>USE</EVENT_NEW>\r\n"
        "          <MESSAGE>down</MESSAGE>\r\n"
        "          <EVENT_NO>8</EVENT_NO>\r\n"
        "          <CONFIRM>NOUSE</CONFIRM>\r\n"
        "          <MAIL>0x80000000</MAIL>\r\n"
        "        </LOWER>\r\n"
        "        <DO_ON1>0x00000001</DO_ON1>\r\n"
        "        <DO_ON2>0x00000002</DO_ON2>\r\n"
        "        <RESET_PI>0x00000004</RESET_PI>\r\n"
        "        <RESET_OI>0x00000008</RESET_OI>\r\n"
        "        <RECORD>START</RECORD>\r\n"
        "        <TRANS>USE</TRANS>\r\n"
        "      </";
    EXPECT_EQ(Element(doc, "AREA5", doc.find("<PI1>")),
              "<AREA5>\r\n"
              "        <LEVEL_UPPER>250.500</LEVEL_UPPER>\r\n"
              "        <LEVEL_LOWER>-3.000</LEVEL_LOWER>\r\n"
              "        <AREA_NAME>Hi#L2#G</AREA_NAME>\r\n"
              "        <AREA_COLOR>0x00FF8000</AREA_COLOR>\r\n"
              "        <SUM_RESET>ACTIVE</SUM_RESET>\r\n"
              "        " + events + "AREA5>");
    EXPECT_EQ(Element(doc, "AREA1", doc.find("<OI2>")),
              "<AREA1>\r\n"
              "        <LEVEL_UPPER>250.5000000000</LEVEL_UPPER>\r\n"
              "        <LEVEL_LOWER>-3.0000000000</LEVEL_LOWER>\r\n"
              "        <AREA_NAME>Hi#L2#G</AREA_NAME>\r\n"
              "        <AREA_COLOR>0x00FF8000</AREA_COLOR>\r\n"
              "        " + events + "AREA1>");
    EXPECT_NE(Element(doc, "AREA5", doc.find("<AI1>"))
                  .find("<EVENT_NO>7</EVENT_NO>\r\n          <MAIL>0x00000003</MAIL>\r\n"
                        "          <CONFIRM>USE</CONFIRM>\r\n        </UPPER>"),
              std::string::npos);
}

TEST(DocumentWriter, NetworkDocumentBytes)
{
    auto r = MakeDefaultRecord();
    std::string out;
    size_t n = WriteNetworkDocument(out, *r);
    EXPECT_EQ(n, out.size());
    EXPECT_EQ(out,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n<COM>\r\n  <TCP_IP>\r\n"
              "    <IP_ADDRESS>\r\n      <DHCP>OFF</DHCP>\r\n      <MY>192.168.0.1</MY>\r\n"
              "      <SUBNETMASK>255.255.255.0</SUBNETMASK>\r\n      <DEFAULT_GATEWAY></DEFAULT_GATEWAY>\r\n"
              "      <DNS1></DNS1>\r\n      <DNS2></DNS2>\r\n    </IP_ADDRESS>\r\n  </TCP_IP>\r\n</COM>\r\n"
              "</VOL_MAR>\r\n\r\n");
}

TEST(DocumentWriter, AccessDocumentCarriesAllAccounts)
{
    auto r = MakeDefaultRecord();
    std::strcpy(r->VOLMAR.AUTH[3].LOGIN, "a&b");
    std::string out;
    WriteAccessDocument(*r, out);
    EXPECT_EQ(out.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n<VOLMAR>\r\n"
                        "  <NET>NOUSE</NET>\r\n  <PORT>30321</PORT>\r\n  <AUTH0>\r\n    <MODE>USE</MODE>\r\n",
                        0),
              0u);
    EXPECT_NE(out.find("  <AUTH7>\r\n    <MODE>NOUSE</MODE>\r\n"), std::string::npos);
    EXPECT_NE(out.find("<LOGIN>a#Ab</LOGIN>"), std::string::npos);
    EXPECT_TRUE(out.ends_with("</VOLMAR>\r\n</VOL_MAR>\r\n\r\n"));
}

TEST(DocumentWriter, WritingLeavesTheRecordUnchanged)
{
    auto r = testing::MakeRandomRecord(7);
    auto copy = std::make_unique<SettingRecord>();
    std::memcpy(copy.get(), r.get(), sizeof *r);
    std::string out;
    WriteSettingDocument(*r, out);
    WriteNetworkDocument(out, *r);
    WriteAccessDocument(*r, out);
    EXPECT_EQ(std::memcmp(copy.get(), r.get(), sizeof *r), 0);
}

}  // namespace
}  // namespace volmar
