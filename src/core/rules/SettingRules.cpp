#include "core/rules/SettingRules.h"

#include <string_view>
#include <utility>

#include "core/rules/ComRules.h"
#include "core/rules/DispRules.h"
#include "core/rules/FieldRules.h"
#include "core/rules/IoRules.h"
#include "core/rules/MailRules.h"
#include "core/rules/OiRules.h"
#include "core/rules/RealValues.h"
#include "core/rules/VerdictCollector.h"
#include "core/rules/ZoneRules.h"

namespace volmar {

using namespace rules;

namespace {

constexpr int32_t kPiModbus = 2;
constexpr int32_t kPiAccumulation = 0;
constexpr int32_t kAiPercent = 0;
// The channel types that take their value from an I/O module, a Modbus/TCP
// slave or an SLMP device (DO numbers SLMP differently).
constexpr int32_t kSourceCard = 1;
constexpr int32_t kSourceModbus = 2;
constexpr int32_t kSourceSlmp = 7;
constexpr int32_t kDoSlmp = 3;

using ChannelCheck = VerdictCollector;

// ---- The I/O editors beyond the channel fields ---------------------------

// The source fields of the link the channel's type uses.
template <typename Channel>
void CheckSource(const Channel& ch, SourceLink link, const SourceLimits& limits, ChannelCheck& c)
{
    if (link == SourceLink::Card) {
        c.Integer("CARD_NO", ch.CARD_NO, kModuleAddress);
        c.Integer("CARD_CH", ch.CARD_CH, CardChRule(limits));
    }
    if (link == SourceLink::Modbus) c.Integer("MOD_ADDRESS", ch.MOD_ADDRESS, RegAddressRule(limits));
    if (link == SourceLink::Slmp) {
        c.Add("SLMP_DEV_NO", kDeviceHex.Check(ch.SLMP_DEV_NO));
        c.Add("SLMP_DEV_NO", kDeviceDec.Check(ch.SLMP_DEV_NO));
    }
}

template <typename Channel>
void CheckSlave(const SettingRecord& record, const Channel& ch, SourceLink link, ChannelCheck& c)
{
    c.Add("MOD_NODE", SlaveAddressError(record, link, ch.MOD_NODE));
}

// The zone editor's checks, then the events each zone event mails.
void CheckZones(const Zone (&zones)[kZoneCount], int count, bool exponent, ChannelCheck& c)
{
    if (const ZoneFault f = StoredZonesError(zones, count, exponent)) {
        static const char* const kLeaf[] = {"AREA_NAME", "LEVEL_UPPER", "LEVEL_LOWER", "UPPER/MESSAGE",
                                            "LOWER/MESSAGE"};
        c.Add(("AREA" + std::to_string(f.zone) + "/" + kLeaf[static_cast<int>(f.field)]).c_str(), f.message);
    }
    for (int zone = 1; zone <= count && zone <= kZoneCount; ++zone) {
        const std::string area = "AREA" + std::to_string(zone);
        const Zone& z = zones[zone - 1];
        c.Add((area + "/UPPER/MAIL").c_str(), MailEventsError(MailEventCount(z.UPPER.MAIL)));
        c.Add((area + "/LOWER/MAIL").c_str(), MailEventsError(MailEventCount(z.LOWER.MAIL)));
    }
}

void CheckSlaves(const SlaveTable& t, ChannelCheck& c)
{
    auto check = [&c](const char* name, int slave, uint64_t value, const UnsignedRule& rule) {
        c.Add((name + std::to_string(slave)).c_str(), rule.Check(value));
    };
    for (int i = 0; i < kSlaveCount; ++i) {
        if (t.SLAVE_TYPE[i] == kSlaveSlmp16 || t.SLAVE_TYPE[i] == kSlaveSlmp32) {
            check("SLMP_NO", i, t.SLMP_NO[i], kSlmpNetwork);
            check("SLMP_SS", i, t.SLMP_SS[i], kSlmpStation);
            check("SLMP_CPU", i, t.SLMP_CPU[i], kSlmpProcessor);
        } else if (t.SLAVE_TYPE[i] == kSlaveModbusTcp) {
            check("DEV_ID", i, t.DEV_ID[i], kModbusNode);
        }
        check("PORT", i, t.PORT[i], kSlavePort);
    }
    auto positive = [](int32_t v) { return v < 0 ? uint64_t{0} : static_cast<uint64_t>(v); };
    c.Add("INTERVAL", t.INTERVAL < 0 ? kPausePeriod.message : kPausePeriod.Check(positive(t.INTERVAL)));
    c.Add("TIMEOUT", t.TIMEOUT < 0 ? kModbusTimeout.message : kModbusTimeout.Check(positive(t.TIMEOUT)));
    c.Add("SLMP_TIMEOUT", t.SLMP_TIMEOUT < 0 ? kSlmpTimeout.message : kSlmpTimeout.Check(positive(t.SLMP_TIMEOUT)));
}

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

void CheckAi(const SettingRecord& record, const AiChannel& ch, ChannelCheck& c)
{
    const SourceLink link = LinkOfType(ch.TYPE, kSourceCard, kSourceModbus, kSourceSlmp);
    const bool exp = ch.EXP == kUse;
    CheckSource(ch, link, kAiSource, c);
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Integer("T", ch.T, kTimeConstant);
    if (ch.AI_DATA_TYPE == kAiPercent) {
        const char* error = PercentScalingError(FormatReal(ch.SCALE_0, exp), FormatReal(ch.SCALE_100, exp), exp);
        c.Add(error && std::string_view(error) == kScale100 ? "SCALE_100" : "SCALE_0", error);
    } else {
        c.Add("SCALE", DivisorScalingError(FormatReal(ch.SCALE, exp), exp));
    }
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
    CheckZones(ch.AREA, ch.USE_AREAS, exp, c);
    CheckSlave(record, ch, link, c);
}

void CheckDi(const SettingRecord& record, const DiChannel& ch, ChannelCheck& c)
{
    const SourceLink link = LinkOfType(ch.TYPE, kSourceCard, kSourceModbus, kSourceSlmp);
    CheckSource(ch, link, kBitSource, c);
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("STATUS/ON/DISP_STRING", ch.STATUS.ON.DISP_STRING, kDiOnComment);
    c.Integer("STATUS/ON/DELAY", ch.STATUS.ON.DELAY, kDiOnDelay);
    c.Integer("STATUS/OFF/DELAY", ch.STATUS.OFF.DELAY, kDiOffDelay);
    c.Text("STATUS/ON/MESSAGE", ch.STATUS.ON.MESSAGE, kDiOnMessage);
    c.Text("STATUS/OFF/DISP_STRING", ch.STATUS.OFF.DISP_STRING, kDiOffComment);
    c.Text("STATUS/OFF/MESSAGE", ch.STATUS.OFF.MESSAGE, kDiOffMessage);
    CheckSlave(record, ch, link, c);
    c.Add("STATUS/ON/MAIL", MailEventsError(MailEventCount(ch.STATUS.ON.MAIL)));
    c.Add("STATUS/OFF/MAIL", MailEventsError(MailEventCount(ch.STATUS.OFF.MAIL)));
}

void CheckPi(const SettingRecord& record, const PiChannel& ch, ChannelCheck& c)
{
    const SourceLink link = LinkOfType(ch.TYPE, kSourceCard, kSourceModbus, kSourceSlmp);
    const bool exp = ch.EXP == kUse;
    CheckSource(ch, link, kPiSource, c);
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Add("SCALE", DivisorScalingError(FormatReal(ch.SCALE, exp), exp));
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
    c.Integer("WIDTH/LOW", ch.WIDTH.LOW, kPulseLow);
    c.Integer("WIDTH/HIGH", ch.WIDTH.HIGH, kPulseHigh);
    c.Integer("T", ch.T, kTimeConstant);
    c.Integer("ANALOG_SUM/RATE", ch.ANALOG_SUM.RATE, kAccumulationRate);
    c.Integer("ANALOG_SUM/DROPOUT", ch.ANALOG_SUM.DROPOUT, kLowEndCutout);
    CheckZones(ch.AREA, ch.USE_AREAS, exp, c);
    CheckSlave(record, ch, link, c);
    if (ch.TYPE == kPiModbus && ch.MODE_M == kPiAccumulation) c.Add("WIDTH/LOW", PulseRangeError(ch.WIDTH.LOW, ch.WIDTH.HIGH));
}

void CheckDo(const SettingRecord& record, const DoChannel& ch, ChannelCheck& c)
{
    const SourceLink link = LinkOfType(ch.TYPE, kSourceCard, kSourceModbus, kDoSlmp);
    CheckSource(ch, link, kBitSource, c);
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("STATUS/ON/DISP_STRING", ch.STATUS.ON.DISP_STRING, kDoOnStatus);
    c.Text("STATUS/OFF/DISP_STRING", ch.STATUS.OFF.DISP_STRING, kDoOffStatus);
    CheckSlave(record, ch, link, c);
}

void CheckOi(const SettingRecord&, const OiChannel& ch, ChannelCheck& c)
{
    c.Text("NAME", ch.NAME, kChannelName);
    c.Text("COMMENT", ch.COMMENT, kChannelComment);
    c.Text("UNIT", ch.UNIT, kEngineeringUnit);
    CheckZones(ch.AREA, ch.USE_AREAS, ch.EXP == kUse, c);
    if (const OiTermFault f = StoredOiTermsError(ch)) {
        c.Add((std::string("CONST/") + f.letter + std::to_string(f.index)).c_str(), f.message.c_str());
    }
}

template <typename Channel, size_t N>
void CheckAll(const SettingRecord& record, const Channel (&channels)[N], const char* kind,
              void (*check)(const SettingRecord&, const Channel&, ChannelCheck&), std::vector<RuleVerdict>& out)
{
    for (size_t i = 0; i < N; ++i) {
        ChannelCheck c(out, Base(kind, static_cast<int>(i)));
        check(record, channels[i], c);
    }
}

}  // namespace

std::vector<RuleVerdict> CheckSettingRules(const SettingRecord& record)
{
    std::vector<RuleVerdict> out;
    ChannelCheck system(out, "SYSTEM");
    CheckSystem(record.SYSTEM, system);
    ChannelCheck slaves(out, "IO/MODBUS_MASTER");
    CheckSlaves(record.IO.MODBUS_MASTER, slaves);
    CheckAll(record, record.IO.AI, "AI", CheckAi, out);
    CheckAll(record, record.IO.DI, "DI", CheckDi, out);
    CheckAll(record, record.IO.PI, "PI", CheckPi, out);
    CheckAll(record, record.IO.DO, "DO", CheckDo, out);
    CheckAll(record, record.IO.OI, "OI", CheckOi, out);
    CheckComRules(record, out);
    CheckDispRules(record, out);
    CheckRecordRules(record, out);
    CheckMailRules(record, out);
    return out;
}

}  // namespace volmar
