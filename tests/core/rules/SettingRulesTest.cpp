// The editors' rules over a whole setting: a new setting passes, and one bad
// value of each channel kind is named by its path, caption and message.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "RecordFactory.h"
#include "core/rules/FieldRules.h"
#include "core/rules/SettingRules.h"

namespace volmar {
namespace {

TEST(SettingRules, DefaultPassesAndEachKindNamesItsBadField)
{
    auto record = testing::MakeDefaultRecord();
    EXPECT_TRUE(CheckSettingRules(*record).empty());

    record->SYSTEM.TIMEZONE_MIN = 60;
    std::strcpy(record->IO.AI[2].NAME, "seventeen chars!!");
    record->IO.AI[4].SCALE_0 = record->IO.AI[4].SCALE_100 = 1.0004;
    record->IO.DI[0].STATUS.OFF.DELAY = 1000;
    std::strcpy(record->IO.PI[1].UNIT, "nine char");
    record->IO.PI[2].TYPE = 2;  // Modbus, counting up
    record->IO.PI[2].MODE_M = 0;
    record->IO.PI[2].WIDTH.LOW = record->IO.PI[2].WIDTH.HIGH = 7;
    std::strcpy(record->IO.DO[63].STATUS.ON.DISP_STRING, "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4");
    std::strcpy(record->IO.OI[31].COMMENT, "a comment too long");

    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    const std::vector<std::array<std::string, 3>> want = {
        {"SYSTEM/TIMEZONE_MIN", "Time zone (minute)", "Setting error: Time zone (minute)"},
        {"IO/AI/AI3/NAME", "CH name", "Setting error: CH name"},
        {"IO/AI/AI5/SCALE_0", "Scaling 0%", "Setting error: Scaling 0 %, Scaling 100 %"},
        {"IO/DI/DI1/STATUS/OFF/DELAY", "ON delay time (sample) (OFF)", "Setting error: Off delay"},
        {"IO/PI/PI2/UNIT", "Engineering unit", "Setting error: Engineering unit"},
        {"IO/PI/PI3/WIDTH/LOW", "Pulse range Lower limit", "Setting error: Pulse range lower limit >= upper limit"},
        {"IO/DO/DO64/STATUS/ON/DISP_STRING", "Display comment (ON)", "Setting error: Status (ON)"},
        {"IO/OI/OI32/COMMENT", "CH comment", "Setting error: CH comment"},
    };
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].path, want[i][0]);
        EXPECT_EQ(got[i].label, want[i][1]) << got[i].path;
        EXPECT_EQ(got[i].message, want[i][2]) << got[i].path;
    }
}

TEST(SettingRules, TextsCountCharactersAsTheEditsDo)
{
    EXPECT_EQ(rules::EditChars("abc"), 3);
    EXPECT_EQ(rules::EditChars("\xC3\xA4\xE2\x82\xAC"), 2);  // two characters of five bytes
    EXPECT_EQ(rules::EditChars("\xF0\x9F\x98\x80"), 2);      // beyond the basic plane: a pair, as in an edit
    EXPECT_EQ(rules::kChannelName.Check("sixteen chars!!!"), nullptr);
    EXPECT_STREQ(rules::kChannelName.Check("seventeen chars!!"), "Setting error: CH name");
}

}  // namespace
}  // namespace volmar
