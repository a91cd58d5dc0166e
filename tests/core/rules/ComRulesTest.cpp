// The cross-field rules of the communication, display, record and mail
// editors over a whole setting: what the storing rate handles, duplicate
// logins, pens on their scales, report bodies counted as they are stored.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RecordFactory.h"
#include "core/rules/DispRules.h"
#include "core/rules/SettingRules.h"
#include "core/settings/Keywords.h"

namespace volmar {
namespace {

std::vector<std::string> Paths(const std::vector<RuleVerdict>& verdicts)
{
    std::vector<std::string> paths;
    for (const RuleVerdict& v : verdicts) paths.push_back(v.path);
    return paths;
}

TEST(ComRules, ChannelsAndPensInUseBeyondTheStoringRateAreNamed)
{
    auto record = testing::MakeDefaultRecord();
    record->RECORD.SPEED = 0;    // 5 ms: 16 pens, 16 AI, 32 DI
    record->IO.AI[15].TYPE = 3;  // the last usable one
    record->IO.AI[16].TYPE = 3;
    record->IO.DI[40].TYPE = 1;
    record->DISP.PEN_CONF[16].TYPE = kPenDi;
    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    EXPECT_EQ(Paths(got), (std::vector<std::string>{"IO/AI/AI17/TYPE", "IO/DI/DI41/TYPE", "DISP/PEN_CONF17/TYPE"}));
    for (const RuleVerdict& v : got) {
        EXPECT_EQ(v.message, rules::kUnusableAtRate);
        EXPECT_FALSE(v.label.empty());
    }
    record->RECORD.SPEED = 15;  // one hour handles them all
    EXPECT_TRUE(CheckSettingRules(*record).empty());
}

TEST(ComRules, EachDuplicatedLoginIsNamedOnceAtTheLaterAccount)
{
    auto record = testing::MakeDefaultRecord();
    for (int i : {1, 2, 5}) record->COM.WEB.AUTH[i].MODE = kUse;  // all "kovan", as account 1
    std::strcpy(record->COM.WEB.AUTH[5].LOGIN, "other");
    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    ASSERT_EQ(Paths(got), (std::vector<std::string>{"COM/WEB/AUTH1/LOGIN", "COM/WEB/AUTH2/LOGIN"}));
    EXPECT_EQ(got[0].message, "Login ID: kovan duplicated");
    // A disabled account may share a login.
    record->COM.WEB.AUTH[2].MODE = kNoUse;
    EXPECT_EQ(CheckSettingRules(*record).size(), 1u);
}

TEST(ComRules, PensAreCheckedOnTheirScaleAndOnlyWhileTheRateShowsThem)
{
    auto record = testing::MakeDefaultRecord();
    record->RECORD.SPEED = 0;
    // A pen without a channel still needs two limits that differ.
    record->DISP.PEN_DRAW[3].LOW = record->DISP.PEN_DRAW[3].HIGH = 5;
    // A log scale takes powers of ten up to 10; shown "%.0f", 10.4 is 10.
    record->DISP.PEN_CONF[4].TYPE = kPenAi;
    record->DISP.PEN_LOG[4] = kUse;
    record->DISP.PEN_DRAW[4].LOW = -10.4;
    record->DISP.PEN_DRAW[4].HIGH = 10.6;
    // Pen 17 lies beyond the 16 pens of the rate: its list row cannot be opened.
    record->DISP.PEN_DRAW[16].LOW = record->DISP.PEN_DRAW[16].HIGH = 5;
    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    ASSERT_EQ(Paths(got), (std::vector<std::string>{"DISP/PEN_DRAW4/LOW", "DISP/PEN_DRAW5/HIGH"}));
    EXPECT_EQ(got[0].message, "Setting error: Lower limit, Upper limit");
    EXPECT_EQ(got[1].message, "Setting error: Upper limit (10^x)");
    EXPECT_EQ(rules::PenLimitText(1234.5, false, true), "1.234e+03");
}

TEST(ComRules, ReportBodiesCountTheirLineEndsAsStoredAndOnlyWhileEnabled)
{
    auto record = testing::MakeDefaultRecord();
    MailReport& event = record->MAIL_REPORT.EVENT[0];
    event.MODE = kUse;
    std::strcpy(event.MESSAGE, (std::string(254, 'b') + "\r\n").c_str());  // 256 as stored
    EXPECT_TRUE(CheckSettingRules(*record).empty());
    std::strcpy(event.MESSAGE, (std::string(255, 'b') + "\n").c_str());  // a lone LF is stored as CR LF: 257
    const std::vector<RuleVerdict> got = CheckSettingRules(*record);
    ASSERT_EQ(Paths(got), (std::vector<std::string>{"MAIL_REPORT/EVENT1/MESSAGE"}));
    EXPECT_EQ(got[0].message, "Setting error: Body text");
    event.MODE = kNoUse;
    EXPECT_TRUE(CheckSettingRules(*record).empty());
}

}  // namespace
}  // namespace volmar
