// The preset checks and command document, and which test mails may go.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/maintenance/PresetCount.h"
#include "core/maintenance/TestMail.h"

namespace volmar {
namespace {

bool Accepts(double scale, const std::string& text, bool exponent = false)
{
    PiChannel ch{};
    ch.SCALE = scale;
    ch.EXP = exponent ? kUse : kNoUse;
    return CheckPreset(ch, 0, text).has_value();
}

TEST(PresetCount, ValueChecksAndDocument)
{
    EXPECT_FALSE(Accepts(1.0, "-5"));
    EXPECT_TRUE(Accepts(-1.0, "-5"));
    EXPECT_FALSE(Accepts(-1.0, "5"));
    EXPECT_FALSE(Accepts(1.0, "1.2345"));
    EXPECT_TRUE(Accepts(1.0, "1.234"));
    EXPECT_TRUE(Accepts(0.001, "5000"));
    EXPECT_FALSE(Accepts(0.001, "5000000"));
    EXPECT_TRUE(Accepts(1.0, "4294967295"));
    EXPECT_FALSE(Accepts(1.0, "4294967296"));
    // A scale of 0 in a loaded document takes only 0, without dividing by it.
    EXPECT_TRUE(Accepts(0.0, "0"));
    EXPECT_FALSE(Accepts(0.0, "1"));
    EXPECT_FALSE(Accepts(1.0, "12abc"));
    // A text whose document would overflow the unit's 4096-byte buffer.
    EXPECT_FALSE(Accepts(1.0, "1." + std::string(5000, '0')));
    EXPECT_TRUE(Accepts(1.0, "1.235e+03", true));
    EXPECT_FALSE(Accepts(1.0, "1.2345e+03", true));

    PiChannel ch{};
    ch.SCALE = 1.0;
    EXPECT_EQ(PresetDocument(*CheckPreset(ch, 4, "1200.5")),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QN_CMD>\r\n<PI>\r\n<CH5>1200.5</CH5>\r\n</PI>\r\n"
              "</QN_CMD>\r\n");
    EXPECT_NE(PresetDocument(*CheckPreset(ch, 31, "+7")).find("\r\n<CH32>+7</CH32>\r\n"), std::string::npos);
    EXPECT_EQ(PresetValueText("1200.5", true), "1.200e+03");
    EXPECT_EQ(PresetValueText("nonsense", false), "0.000");
}

TEST(TestMail, RefusalsDifferBetweenEventAndRegularReports)
{
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    MailReport& event = record->MAIL_REPORT.EVENT[31];
    MailReport& regular = record->MAIL_REPORT.TIME.REPORT;
    EXPECT_STREQ(TestMailRefusal(*record, 31), "The event is disabled.");
    EXPECT_STREQ(TestMailRefusal(*record, kRegularReportByte), "Regular reporting is disabled.");
    event.MODE = regular.MODE = kUse;
    EXPECT_STREQ(TestMailRefusal(*record, 31), "No mail address is specified for event.");
    EXPECT_STREQ(TestMailRefusal(*record, kRegularReportByte), "No mail address is specified.");
    event.DST[17] = 2;
    regular.DST[0] = 1;
    EXPECT_EQ(TestMailRefusal(*record, 31), nullptr);
    EXPECT_EQ(TestMailRefusal(*record, kRegularReportByte), nullptr);
}

}  // namespace
}  // namespace volmar
