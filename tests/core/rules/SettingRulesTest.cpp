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

// Verdicts as "path | label | message" lines, so that a failure shows both lists.
std::vector<std::string> Lines(const std::vector<RuleVerdict>& verdicts)
{
    std::vector<std::string> lines;
    for (const RuleVerdict& v : verdicts) lines.push_back(v.path + " | " + v.label + " | " + v.message);
    return lines;
}

std::vector<std::string> Lines(const std::vector<std::array<std::string, 3>>& rows)
{
    std::vector<std::string> lines;
    for (const auto& row : rows) lines.push_back(row[0] + " | " + row[1] + " | " + row[2]);
    return lines;
}

TEST(SettingRules, DefaultPassesAndEachKindNamesItsBadField)
{
    auto record = testing::MakeDefaultRecord();
    EXPECT_TRUE(CheckSettingRules(*record).empty());

    record->SYSTEM.TIMEZONE_MIN = 60;
    std::strcpy(record->IO.AI[2].NAME, "seventeen chars!!");
    record->IO.AI[4].SCALE_0 = record->IO.AI[4].SCALE_100 = 1.0004;
    record->IO.DI[0].STATUS.OFF.DELAY = 1000;
    std::strcpy(record->IO.PI[1].UNIT, "nine char");
    std::strcpy(record->IO.MODBUS_MASTER.NODE[0], "10.0.0.1");  // the slave it polls
    record->IO.PI[2].TYPE = 2;                                  // Modbus, counting up
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
    EXPECT_EQ(Lines(got), Lines(want));
}

// The I/O editors' checks beyond the channel fields: the slave table, the
// source fields of the link a type uses, the scalings, the zone editor, the
// mail event selections and the function dialogs of a function input.
TEST(SettingRules, IoEditorsNameTheirBadField)
{
    auto record = testing::MakeDefaultRecord();
    SlaveTable& slaves = record->IO.MODBUS_MASTER;
    std::strcpy(slaves.NODE[0], "10.0.0.1");
    std::strcpy(slaves.NODE[1], "10.0.0.2");
    slaves.SLAVE_TYPE[1] = 1;  // SLMP 16bit
    slaves.SLMP_SS[1] = 0;
    slaves.INTERVAL = 99;
    record->IO.AI[0].TYPE = 1;  // I/O module
    record->IO.AI[0].CARD_CH = 5;
    record->IO.AI[1].AI_DATA_TYPE = 1;  // Int: divided by the scaling
    record->IO.AI[1].SCALE = 0.0004;    // 0 at three decimals
    record->IO.AI[2].USE_AREAS = 3;
    record->IO.AI[2].AREA[1].LEVEL_LOWER = 10;  // below zone 1's upper limit, 20
    record->IO.AI[3].TYPE = 2;                  // Modbus/TCP on a slave without an address
    record->IO.AI[3].MOD_NODE = 5;
    record->IO.DI[0].STATUS.ON.MAIL = 0x0F;  // four event reports
    record->IO.PI[0].TYPE = 2;
    record->IO.PI[0].MOD_ADDRESS = 65536;
    record->IO.PI[1].USE_AREAS = 2;
    std::strcpy(record->IO.PI[1].AREA[1].UPPER.MESSAGE, "a zone message of thirty-three ch");
    record->IO.DO[0].TYPE = 3;  // SLMP, on a slave without an address
    record->IO.DO[0].MOD_NODE = 7;
    record->IO.OI[0].TYPE = 16;  // scaling: K1 = K2
    record->IO.OI[0].CONST.K[1] = record->IO.OI[0].CONST.K[2] = 5;
    record->IO.OI[0].CONST.K[3] = 1;
    record->IO.OI[1].TYPE = 12;  // analog accumulation: the counter rate is a whole number
    record->IO.OI[1].CONST.K[1] = 5.5;

    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    const std::vector<std::array<std::string, 3>> want = {
        {"IO/MODBUS_MASTER/SLMP_SS1", "Station No.", "Setting error: SLMP station No."},
        {"IO/MODBUS_MASTER/INTERVAL", "Pause period", "Setting error: Pause period"},
        {"IO/AI/AI1/CARD_CH", "CH No.", "Setting error: CH No."},
        {"IO/AI/AI2/SCALE", "Int", "Setting error: Scaling"},
        {"IO/AI/AI3/AREA2/LEVEL_LOWER", "Lower limit", "Limit value error: Zone 1upper limit > zone 2 lower limit"},
        {"IO/AI/AI4/MOD_NODE", "Slave No.", "Setting error: Slave address.\nSet IP address to designated slave."},
        {"IO/DI/DI1/STATUS/ON/MAIL", "E-mail (ON)", "Max. 3 events can be set."},
        {"IO/PI/PI1/MOD_ADDRESS", "Modbus/TCP register address", "Setting error: Modbus/TCP register address"},
        {"IO/PI/PI2/AREA2/UPPER/MESSAGE", "Message (upward)", "Setting error: Zone 2 message"},
        {"IO/DO/DO1/MOD_NODE", "Slave No.", "Setting error: Slave address.\nSet IP address to designated slave."},
        {"IO/OI/OI1/CONST/K2", "Constant K2", "Setting error: K1=K2"},
        {"IO/OI/OI2/CONST/K1", "Constant K1", "Setting error: Countre rate"},
    };
    EXPECT_EQ(Lines(got), Lines(want));
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
