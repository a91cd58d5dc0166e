#include "core/rules/SettingRules.h"

#include "core/rules/ComRules.h"
#include "core/rules/DispRules.h"
#include "core/rules/FieldRules.h"
#include "core/rules/MailRules.h"
#include "core/rules/VerdictCollector.h"

namespace volmar {

using namespace rules;

namespace {

constexpr int32_t kPiModbus = 2;
constexpr int32_t kPiAccumulation = 0;
constexpr int32_t kAiPercent = 0;

using ChannelCheck = VerdictCollector;

void CheckSystem(const SystemBlock& sys, ChannelCheck& c)
{
    c.Text("NAME1", sys.NAME1, kSystemName[0]);
    c.Text("NAME2", sys.NAME2, kSystemName[1]);
    c.Text("NAME3", sys.NAME3, kSystemName[2]);
    c.Integer("TIMEZONE", sys.TIMEZONE, kTimeZoneHour);
    c.Integer("TIMEZONE_MIN", sys.TIMEZONE_MIN, kTimeZoneMinute);
    c.Add("DST/END/MON", DstMonthsError(sys.DST.MODE, sys.DST.START.MON, sys.DST.END.MON));
}

std::string Base(const char* kind, int index) { return std::string("IO/") + kind + "/" + kind + std::to_string(index + 1); }

void CheckAi(const AiChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Integer("T", ch.T, kTimeConstant);
    if (ch.AI_DATA_TYPE == kAiPercent && AiScalingsEqual(ch.SCALE_0, ch.SCALE_100)) c.Add("SCALE_0", kAiScalingEqual);
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
}

void CheckDi(const DiChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("STATUS/ON/DISP_STRING", ch.STATUS.ON.DISP_STRING, kDiOnComment);
    c.Integer("STATUS/ON/DELAY", ch.STATUS.ON.DELAY, kDiOnDelay);
    c.Integer("STATUS/OFF/DELAY", ch.STATUS.OFF.DELAY, kDiOffDelay);
    c.Text("STATUS/ON/MESSAGE", ch.STATUS.ON.MESSAGE, kDiOnMessage);
    c.Text("STATUS/OFF/DISP_STRING", ch.STATUS.OFF.DISP_STRING, kDiOffComment);
    c.Text("STATUS/OFF/MESSAGE", ch.STATUS.OFF.MESSAGE, kDiOffMessage);
}

void CheckPi(const PiChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
    c.Integer("WIDTH/LOW", ch.WIDTH.LOW, kPulseLow);
    c.Integer("WIDTH/HIGH", ch.WIDTH.HIGH, kPulseHigh);
    c.Integer("T", ch.T, kTimeConstant);
    c.Integer("ANALOG_SUM/RATE", ch.ANALOG_SUM.RATE, kAccumulationRate);
    c.Integer("ANALOG_SUM/DROPOUT", ch.ANALOG_SUM.DROPOUT, kLowEndCutout);
    if (ch.TYPE == kPiModbus && ch.MODE_M == kPiAccumulation) c.Add("WIDTH/LOW", PulseRangeError(ch.WIDTH.LOW, ch.WIDTH.HIGH));
}

void CheckDo(const DoChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("STATUS/ON/DISP_STRING", ch.STATUS.ON.DISP_STRING, kDoOnStatus);
    c.Text("STATUS/OFF/DISP_STRING", ch.STATUS.OFF.DISP_STRING, kDoOffStatus);
}

void CheckOi(const OiChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
}

template <typename Channel, size_t N>
void CheckAll(const Channel (&channels)[N], const char* kind, void (*check)(const Channel&, ChannelCheck&),
              std::vector<RuleVerdict>& out)
{
    for (size_t i = 0; i < N; ++i) {
        ChannelCheck c(out, Base(kind, static_cast<int>(i)));
        check(channels[i], c);
    }
}

}  // namespace

std::vector<RuleVerdict> CheckSettingRules(const SettingRecord& record)
{
    std::vector<RuleVerdict> out;
    ChannelCheck system(out, "SYSTEM");
    CheckSystem(record.SYSTEM, system);
    CheckAll(record.IO.AI, "AI", CheckAi, out);
    CheckAll(record.IO.DI, "DI", CheckDi, out);
    CheckAll(record.IO.PI, "PI", CheckPi, out);
    CheckAll(record.IO.DO, "DO", CheckDo, out);
    CheckAll(record.IO.OI, "OI", CheckOi, out);
    CheckComRules(record, out);
    CheckDispRules(record, out);
    CheckRecordRules(record, out);
    CheckMailRules(record, out);
    return out;
}

}  // namespace volmar
