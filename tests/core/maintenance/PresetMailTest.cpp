// The preset checks and command document, and which test mails may go.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "maintenance/MaintenanceTexts.h"
#include "maintenance/PresetCount.h"
#include "maintenance/TestMail.h"

namespace volmar {
namespace {

PiChannel Channel(double scale, bool exponent = false)
{
    PiChannel ch{};
    ch.TYPE = 1;
    ch.SCALE = scale;
    ch.EXP = exponent ? kUse : kNoUse;
    return ch;
}

bool Accepts(double scale, const std::string& text) { return CheckPreset(Channel(scale), 0, text).has_value(); }

TEST(PresetCount, ValueChecksFollowTheChannelsScale)
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
    EXPECT_FALSE(Accepts(1e6, "10000000001"));  // beyond 1e10
    // A scale of 0 in a loaded document takes only 0, without dividing by it.
    EXPECT_TRUE(Accepts(0.0, "0"));
    EXPECT_FALSE(Accepts(0.0, "1"));
    EXPECT_FALSE(Accepts(1.0, ""));
    EXPECT_FALSE(Accepts(1.0, "12abc"));
    // A text whose document would overflow the unit's 4096-byte buffer.
    EXPECT_FALSE(Accepts(1.0, "1." + std::string(5000, '0')));
    EXPECT_TRUE(CheckPreset(Channel(1.0, true), 0, "1.235e+03").has_value());
    EXPECT_FALSE(CheckPreset(Channel(1.0, true), 0, "1.2345e+03").has_value());
    EXPECT_FALSE(CheckPreset(Channel(1.0), 32, "1").has_value());
}

TEST(PresetCount, DocumentHasTheTypedTextAndTheChannelNumber)
{
    const auto five = CheckPreset(Channel(1.0), 4, "1200.5");
    ASSERT_TRUE(five);
    EXPECT_EQ(PresetDocument(*five),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QN_CMD>\r\n<PI>\r\n<CH5>1200.5</CH5>\r\n</PI>\r\n"
              "</QN_CMD>\r\n");
    const auto last = CheckPreset(Channel(1.0), 31, "+7");
    ASSERT_TRUE(last);
    EXPECT_NE(PresetDocument(*last).find("\r\n<CH32>+7</CH32>\r\n"), std::string::npos);

    EXPECT_EQ(PresetValueText("1200.5", false), "1200.500");
    EXPECT_EQ(PresetValueText("nonsense", false), "0.000");
    EXPECT_EQ(PresetValueText("1200.5", true), "1.200e+03");
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    record->IO.PI[1].TYPE = 1;
    StoreText(record->IO.PI[1].NAME, sizeof record->IO.PI[1].NAME, "Flow", 4);
    record->IO.PI[2].TYPE = 0;
    StoreText(record->IO.PI[2].NAME, sizeof record->IO.PI[2].NAME, "Unused", 6);
    EXPECT_EQ(PresetChannelEntry(*record, 1), "02 Flow");
    EXPECT_EQ(PresetChannelEntry(*record, 2), "03 ");

    PiChannel ch = Channel(1.0);
    ch.MODE = 1;
    EXPECT_TRUE(PresetForbidden(ch));
    ch.TYPE = 2;
    EXPECT_FALSE(PresetForbidden(ch));
    ch.MODE_M = 1;
    EXPECT_TRUE(PresetForbidden(ch));
}

TEST(TestMail, RefusalsDifferBetweenEventAndRegularReports)
{
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    MailReport& event = record->MAIL_REPORT.EVENT[31];
    MailReport& regular = record->MAIL_REPORT.TIME.REPORT;
    event.MODE = regular.MODE = kNoUse;
    EXPECT_STREQ(TestMailRefusal(*record, 31), "The event is disabled.");
    EXPECT_STREQ(TestMailRefusal(*record, kRegularReportByte), "Regular reporting is disabled.");
    event.MODE = regular.MODE = kUse;
    for (auto* r : {&event, &regular})
        for (auto& kind : r->DST) kind = 0;
    EXPECT_STREQ(TestMailRefusal(*record, 31), "No mail address is specified for event.");
    EXPECT_STREQ(TestMailRefusal(*record, kRegularReportByte), "No mail address is specified.");
    event.DST[17] = 2;
    regular.DST[0] = 1;
    EXPECT_EQ(TestMailRefusal(*record, 31), nullptr);
    EXPECT_EQ(TestMailRefusal(*record, kRegularReportByte), nullptr);
}

}  // namespace
}  // namespace volmar
