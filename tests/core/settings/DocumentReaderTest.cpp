#include "core/settings/DocumentReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Keywords.h"

namespace volmar {
namespace {

using testing::MakeDefaultRecord;
using testing::ReplaceFirst;

struct ReadResult {
    std::unique_ptr<SettingRecord> record;
    int flags;
    std::string path;
};

ReadResult Read(const std::string& doc)
{
    ReadResult r{MakeDefaultRecord(), 0, ""};
    char path[kReadPathSize];
    r.flags = ReadSettingDocument(*r.record, doc.data(), doc.size(), path);
    r.path = path;
    return r;
}

std::string DefaultDocument()
{
    return WriteSettingDocument(*MakeDefaultRecord());
}

// A minimal document around one section's content.
std::string Wrap(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<VOL_MAR>" + body + "</VOL_MAR>\r\n";
}

TEST(DocumentReader, IntegerValuesAndRanges)
{
    std::string doc = DefaultDocument();
    auto hex = Read(ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO>0x10</CARD_NO>"));
    EXPECT_EQ(hex.flags, 0);
    EXPECT_EQ(hex.record->IO.AI[0].CARD_NO, 16);

    auto high = Read(ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>"));
    EXPECT_EQ(high.flags, kReadUnsupportedParam);
    EXPECT_EQ(high.path, "<VOL_MAR><IO><AI><AI1><CARD_NO>");
    EXPECT_EQ(high.record->IO.AI[0].CARD_NO, 1) << "a refused value leaves the field unchanged";

    auto empty = Read(ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO></CARD_NO>"));
    EXPECT_EQ(empty.flags, kReadUnsupportedParam);

    // Negative numbers fail ranges that start at 0; signed ranges take them.
    auto minute = Read(ReplaceFirst(doc, "<TIMEZONE_MIN>0<", "<TIMEZONE_MIN>-1<"));
    EXPECT_EQ(minute.flags, kReadUnsupportedParam);
    auto zone = Read(ReplaceFirst(doc, "<TIMEZONE>9<", "<TIMEZONE>-12<"));
    EXPECT_EQ(zone.flags, 0);
    EXPECT_EQ(zone.record->SYSTEM.TIMEZONE, -12);

    auto areas = Read(ReplaceFirst(doc, "<USE_AREAS>0<", "<USE_AREAS>1<"));
    EXPECT_EQ(areas.flags, kReadUnsupportedParam) << "one zone is not a valid zone count";
    auto average = Read(ReplaceFirst(doc, "<MOVING_AVERAGE>4<", "<MOVING_AVERAGE>12<"));
    EXPECT_EQ(average.flags, kReadUnsupportedParam);
    auto mask = Read(ReplaceFirst(doc, "<MAIL>0x00000000<", "<MAIL>0xFFFFFFFF<"));
    EXPECT_EQ(mask.flags, 0);
}

TEST(DocumentReader, KeywordsOnly)
{
    std::string doc = DefaultDocument();
    auto numeric = Read(ReplaceFirst(doc, "<TYPE>NONE</TYPE>", "<TYPE>2</TYPE>"));
    EXPECT_EQ(numeric.flags, kReadUnsupportedParam);
    EXPECT_EQ(numeric.path, "<VOL_MAR><IO><AI><AI1><TYPE>");
    auto lower = Read(ReplaceFirst(doc, "<LANGUAGE>JAPANESE<", "<LANGUAGE>japanese<"));
    EXPECT_EQ(lower.flags, kReadUnsupportedParam);
    auto typo = Read(ReplaceFirst(doc, "<TREND>VERTICAL<", "<TREND>HRIZONTAL<"));
    EXPECT_EQ(typo.flags, 0);
    EXPECT_EQ(typo.record->DISP.TREND, 1);
}

TEST(DocumentReader, UnknownElementsAreReportedAndSkipped)
{
    std::string doc = DefaultDocument();
    std::string extra = ReplaceFirst(doc, "<AI1>", "<AI65><TYPE>CARD</TYPE></AI65><AI1>");
    extra = ReplaceFirst(extra, "<NAME1>QN70-G</NAME1>", "<NAME1>Plant</NAME1>");
    auto r = Read(extra);
    EXPECT_EQ(r.flags, kReadUnsupportedInfo);
    EXPECT_EQ(r.path, "<VOL_MAR><IO><AI><AI65><TYPE>");
    EXPECT_STREQ(r.record->SYSTEM.NAME1, "Plant") << "the rest of the document is read";

    auto rec = MakeDefaultRecord();
    ConvertResult c = ConvertSettingDocument(*rec, extra.data(), extra.size(), true);
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(c.hasMessage);
    EXPECT_EQ(c.message.text,
              "Cannot edit parameter: Setting conatins unsupported information.\n<VOL_MAR><IO><AI><AI65><TYPE>");
    rec = MakeDefaultRecord();
    EXPECT_FALSE(ConvertSettingDocument(*rec, extra.data(), extra.size(), false).hasMessage);

    // An unsupported parameter wins over unsupported information.
    auto both = Read(ReplaceFirst(extra, "<CARD_CH>1</CARD_CH>", "<CARD_CH>5</CARD_CH>"));
    EXPECT_EQ(both.flags, kReadUnsupportedInfo | kReadUnsupportedParam);
    EXPECT_EQ(both.path, "<VOL_MAR><IO><AI><AI1><CARD_CH>");

    // Indexed names take their index by the integer rule.
    auto leading = Read(Wrap("<IO><AI><AI01><CARD_NO>3</CARD_NO></AI01><AI0x2><CARD_NO>4</CARD_NO></AI0x2></AI></IO>"));
    EXPECT_EQ(leading.flags, 0);
    EXPECT_EQ(leading.record->IO.AI[0].CARD_NO, 3);
    EXPECT_EQ(leading.record->IO.AI[1].CARD_NO, 4);
    // Constants are whole names.
    auto k = Read(Wrap("<IO><OI><OI1><CONST><K01>1.5</K01></CONST></OI1></OI></IO>"));
    EXPECT_EQ(k.flags, kReadUnsupportedInfo);
}

TEST(DocumentReader, Texts)
{
    std::string doc = DefaultDocument();
    auto empty = Read(ReplaceFirst(doc, "<NAME>AI1</NAME>", "<NAME></NAME>"));
    EXPECT_EQ(empty.flags, 0);
    EXPECT_STREQ(empty.record->IO.AI[0].NAME, "");

    auto escaped = Read(ReplaceFirst(doc, "<NAME1>QN70-G<", "<NAME1>A#AB#L1#G#D##x#q#<"));
    EXPECT_STREQ(escaped.record->SYSTEM.NAME1, "A&B<1>\r\n#xq");

    // A full-length name with an ampersand keeps every character: the text
    // is unescaped before it is cut to the field.
    auto rec = MakeDefaultRecord();
    std::string name = "&" + std::string(47, 'n');
    std::strcpy(rec->IO.AI[0].NAME, name.c_str());
    auto back = Read(WriteSettingDocument(*rec));
    EXPECT_EQ(back.flags, 0);
    EXPECT_EQ(std::string(back.record->IO.AI[0].NAME), name);

    // Too long for the field: cut on a character boundary.
    std::string euros;
    for (int i = 0; i < 20; ++i) euros += "\xE2\x82\xAC";
    auto cut = Read(ReplaceFirst(doc, "<NAME>AI1</NAME>", "<NAME>" + euros + "</NAME>"));
    EXPECT_EQ(std::strlen(cut.record->IO.AI[0].NAME), 48u);
    std::string crlf = "<NAME>" + std::string(47, 'x') + "#D</NAME>";
    auto pair = Read(ReplaceFirst(doc, "<NAME>AI1</NAME>", crlf));
    EXPECT_EQ(std::string(pair.record->IO.AI[0].NAME), std::string(47, 'x')) << "CR LF is never split";

    auto ascii = Read(ReplaceFirst(doc, "<ID>QN70G</ID>", "<ID>\xC3\xA9</ID>"));
    EXPECT_EQ(ascii.flags, kReadUnsupportedParam);
    EXPECT_STREQ(ascii.record->COM.FTP.ID, "QN70G");
}

TEST(DocumentReader, Reals)
{
    std::string doc = DefaultDocument();
    auto abc = Read(ReplaceFirst(doc, "<SCALE>0.010</SCALE>", "<SCALE>abc</SCALE>"));
    EXPECT_EQ(abc.flags, 0);
    EXPECT_EQ(abc.record->IO.AI[0].SCALE, 0.0);
    EXPECT_EQ(Read(ReplaceFirst(doc, "<SCALE>0.010<", "<SCALE>12345678901234567<")).flags & kReadFailed, kReadFailed);
    EXPECT_EQ(Read(ReplaceFirst(doc, "<SCALE>0.010<", "<SCALE>1234567890123456<")).flags & kReadFailed, kReadFailed)
        << "sixteen bytes but beyond 1e10";
    EXPECT_EQ(Read(ReplaceFirst(doc, "<SCALE>0.010<", "<SCALE>nan<")).flags & kReadFailed, kReadFailed);
    EXPECT_EQ(Read(ReplaceFirst(doc, "<HIGH>100.00</HIGH>", "<HIGH>1000000.000000000</HIGH>")).flags, kReadFailed)
        << "pen scales take at most 16 bytes";
    // A pen on an exponent-display channel at -1000 is written with 16 bytes
    // and must read back.
    auto rec = MakeDefaultRecord();
    rec->DISP.PEN_CONF[0].TYPE = kPenAi;
    rec->IO.AI[0].EXP = kUse;
    rec->DISP.PEN_DRAW[0].LOW = -1000.0;
    std::string pen = WriteSettingDocument(*rec);
    ASSERT_NE(pen.find("<LOW>-1000.0000000000</LOW>"), std::string::npos);
    auto back = Read(pen);
    EXPECT_EQ(back.flags, 0);
    EXPECT_EQ(back.record->DISP.PEN_DRAW[0].LOW, -1000.0);
    auto ok = Read(ReplaceFirst(doc, "<SCALE>0.010<", "<SCALE> -1.5e3<"));
    EXPECT_EQ(ok.flags, 0);
    EXPECT_EQ(ok.record->IO.AI[0].SCALE, -1500.0);
}

TEST(DocumentReader, SpecialValues)
{
    std::string doc = DefaultDocument();
    auto width = Read(ReplaceFirst(doc, "<HIGH>100000000</HIGH>", "<HIGH>4294967295</HIGH>"));
    EXPECT_EQ(width.flags, 0);
    EXPECT_EQ(width.record->IO.PI[0].WIDTH.HIGH, 4294967295u);
    auto part = Read(ReplaceFirst(doc, "<HIGH>100000000</HIGH>", "<HIGH>123.9</HIGH>"));
    EXPECT_EQ(part.record->IO.PI[0].WIDTH.HIGH, 123u) << "the integer part is stored";
    auto over = Read(ReplaceFirst(doc, "<HIGH>100000000</HIGH>", "<HIGH>4294967295.5</HIGH>"));
    EXPECT_EQ(over.flags, kReadFailed);
    // No length limit: leading zeros and blanks do not make a long width 0.
    auto longWidth = Read(ReplaceFirst(doc, "<HIGH>100000000</HIGH>",
                                       "<HIGH>" + std::string(300, ' ') + std::string(300, '0') + "77.5</HIGH>"));
    EXPECT_EQ(longWidth.flags, 0);
    EXPECT_EQ(longWidth.record->IO.PI[0].WIDTH.HIGH, 77u);

    auto input = Read(ReplaceFirst(doc, "<X0>AI1</X0>", "<X0>PI32</X0>"));
    EXPECT_EQ(input.flags, 0);
    EXPECT_EQ(input.record->IO.OI[0].INPUT[0].KIND, kInputPi);
    EXPECT_EQ(input.record->IO.OI[0].INPUT[0].CH, 32);
    EXPECT_EQ(Read(ReplaceFirst(doc, "<X0>AI1</X0>", "<X0>PI33</X0>")).flags, kReadUnsupportedParam);
    EXPECT_EQ(Read(ReplaceFirst(doc, "<X0>AI1</X0>", "<X0>DO1</X0>")).flags, kReadUnsupportedParam);

    auto color = Read(ReplaceFirst(doc, "<AREA_COLOR>0x00000000<", "<AREA_COLOR>0x00000000000000FF<"));
    EXPECT_EQ(color.record->IO.AI[0].AREA[4].AREA_COLOR, 0u) << "cut to 16 bytes before conversion";
}

// PI and OI zones are written with CONFIRM before MAIL, AI zones the other
// way round; a zone in the other order reads all the same.
TEST(DocumentReader, ZoneEventBlocksInEitherOrder)
{
    const std::string piOrder = "<CONFIRM>USE</CONFIRM><MAIL>0x00000005</MAIL>";
    const std::string aiOrder = "<MAIL>0x00000005</MAIL><CONFIRM>USE</CONFIRM>";
    auto zone = [](const std::string& channel, const std::string& tail) {
        return Wrap("<IO><" + channel + "><" + channel + "1><AREA3><UPPER><EVENT_NO>4</EVENT_NO>" + tail +
                    "</UPPER></AREA3></" + channel + "1></" + channel + "></IO>");
    };
    for (const std::string channel : {"AI", "PI", "OI"}) {
        for (const std::string& tail : {piOrder, aiOrder}) {
            auto r = Read(zone(channel, tail));
            SCOPED_TRACE(channel + tail);
            EXPECT_EQ(r.flags, 0);
            const Zone& z = channel == "AI" ? r.record->IO.AI[0].AREA[2]
                            : channel == "PI" ? r.record->IO.PI[0].AREA[2]
                                              : r.record->IO.OI[0].AREA[2];
            EXPECT_EQ(z.UPPER.EVENT_NO, 4);
            EXPECT_EQ(z.UPPER.MAIL, 5u);
            EXPECT_EQ(z.UPPER.CONFIRM, kUse);
        }
    }
}

TEST(DocumentReader, PartialSectionsAreAcceptedAnywhere)
{
    auto rec = MakeDefaultRecord();
    rec->VOLMAR.NET = kUse;
    rec->VOLMAR.PORT = 40000;
    std::strcpy(rec->VOLMAR.AUTH[2].LOGIN, "op&1");
    std::strcpy(rec->COM.TCP_IP.IP_ADDRESS.MY, "10.1.2.3");
    std::string access, network;
    WriteAccessDocument(*rec, access);
    WriteNetworkDocument(network, *rec);
    auto a = Read(access);
    auto n = Read(network);
    EXPECT_EQ(a.flags, 0);
    EXPECT_EQ(n.flags, 0);
    EXPECT_EQ(a.record->VOLMAR.PORT, 40000);
    EXPECT_STREQ(a.record->VOLMAR.AUTH[2].LOGIN, "op&1");
    EXPECT_STREQ(n.record->COM.TCP_IP.IP_ADDRESS.MY, "10.1.2.3");
    auto other = Read(Wrap("<COM><TCP_IP><ROUTE>x</ROUTE></TCP_IP></COM>"));
    EXPECT_EQ(other.flags, kReadUnsupportedInfo);
}

TEST(DocumentReader, ConsistencyRules)
{
    std::string doc = DefaultDocument();
    // With 50 ms only 16 analog inputs may be in use.
    std::string fast = ReplaceFirst(doc, "<SPEED>1S</SPEED>", "<SPEED>50MS</SPEED>");
    size_t ai17 = fast.find("<AI17>");
    fast.replace(fast.find("<TYPE>NONE</TYPE>", ai17), 17, "<TYPE>CARD</TYPE>");
    EXPECT_EQ(Read(fast).flags, kReadFailed);

    auto rec = MakeDefaultRecord();
    rec->IO.AI[32].TYPE = kAiCard;  // AI33 at 1 s
    EXPECT_FALSE(CheckSettingConsistency(*rec));
    rec = MakeDefaultRecord();
    rec->DISP.PEN_CONF[0].TYPE = kPenPi;
    rec->DISP.PEN_CONF[0].CH = 33;
    EXPECT_FALSE(CheckSettingConsistency(*rec));

    // Zones: two zones in any own order, as long as zone 2 starts above zone 1.
    rec = MakeDefaultRecord();
    AiChannel& ai = rec->IO.AI[0];
    ai.TYPE = kAiCard;
    ai.USE_AREAS = 2;
    ai.AREA[0].LEVEL_LOWER = 50;
    ai.AREA[0].LEVEL_UPPER = 10;
    ai.AREA[1].LEVEL_LOWER = 10;
    ai.AREA[1].LEVEL_UPPER = 0;
    EXPECT_TRUE(CheckSettingConsistency(*rec));
    ai.AREA[1].LEVEL_LOWER = 9.999;
    EXPECT_FALSE(CheckSettingConsistency(*rec));
    ai.USE_AREAS = 3;  // an inner zone must run upwards
    ai.AREA[1].LEVEL_LOWER = 10;
    ai.AREA[2].LEVEL_LOWER = 20;
    EXPECT_FALSE(CheckSettingConsistency(*rec));
    ai.AREA[1].LEVEL_UPPER = 20;
    EXPECT_TRUE(CheckSettingConsistency(*rec));

    rec = MakeDefaultRecord();
    rec->IO.PI[0].TYPE = kPiModbusTcp;
    rec->IO.PI[0].WIDTH.LOW = rec->IO.PI[0].WIDTH.HIGH;
    EXPECT_FALSE(CheckSettingConsistency(*rec));
    rec->IO.PI[0].MODE_M = kPiModeMReal;
    EXPECT_TRUE(CheckSettingConsistency(*rec));
    rec->IO.PI[0].SCALE = 0;
    EXPECT_FALSE(CheckSettingConsistency(*rec));

    rec = MakeDefaultRecord();
    rec->IO.AI[0].TYPE = kAiCard;
    rec->IO.AI[0].SCALE = 0;
    EXPECT_TRUE(CheckSettingConsistency(*rec)) << "percent data needs no integer scale";
    rec->IO.AI[0].AI_DATA_TYPE = kAiUint;
    EXPECT_FALSE(CheckSettingConsistency(*rec));
}

TEST(DocumentReader, ConvertMessages)
{
    std::string doc = DefaultDocument();
    auto rec = MakeDefaultRecord();
    std::string bad = ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>");
    ConvertResult p = ConvertSettingDocument(*rec, bad.data(), bad.size());
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.message.icon, MessageIcon::None);
    EXPECT_EQ(p.message.text,
              "Cannot edit: Setting contains unsupported parameter(s). Update VOLMAR.\n<VOL_MAR><IO><AI><AI1><CARD_NO>");
    std::string broken = doc.substr(0, doc.size() / 2);
    ConvertResult f = ConvertSettingDocument(*rec, broken.data(), broken.size());
    EXPECT_FALSE(f.ok);
    EXPECT_EQ(f.message.icon, MessageIcon::Error);
    EXPECT_EQ(f.message.text, "Failed to convert into setting data.");
    ConvertResult good = ConvertSettingDocument(*rec, doc.data(), doc.size());
    EXPECT_TRUE(good.ok);
    EXPECT_FALSE(good.hasMessage);
}

}  // namespace
}  // namespace volmar
