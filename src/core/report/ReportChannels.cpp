// The channel sections of the settings report: AI, DI, PI, OI and DO in use,
// each with its source, scaling and alarm zones, and what drives each DO.
#include <cstring>

#include "core/report/ReportParts.h"
#include "core/settings/ChannelKinds.h"
#include "core/settings/ChannelTypes.h"
#include "core/settings/DoUses.h"
#include "core/settings/OiFunctions.h"
#include "core/settings/UsableChannels.h"

namespace volmar::report {
namespace {

// A channel's "CH setting" entry, or its number when the list has none.
std::string TypeText(TypeChoices choices, int32_t type)
{
    const char* text = TextOfType(choices, type);
    return text ? text : std::to_string(type);
}

Path ChannelPath(const char* kind, int ch)
{
    return Path{std::string("<VOL_MAR><IO><") + kind + "><" + kind + std::to_string(ch + 1) + ">"};
}

std::string CardSource(int16_t cardNo, int16_t cardCh)
{
    return "I/O module: Module address " + std::to_string(cardNo) + ", CH No. " + std::to_string(cardCh);
}

std::string SlaveSource(int16_t node) { return "Slave No. " + std::to_string(node); }

// Word sources (AI, PI): Modbus/TCP register or SLMP device.
std::string WordSource(int32_t type, int16_t node, uint8_t modType, uint32_t address, uint16_t devCode,
                       uint32_t devNo, int32_t slmpType)
{
    if (type == slmpType) return SlaveSource(node) + ", SLMP device " + DeviceText(devCode, devNo);
    return SlaveSource(node) + ", " + Entry(entries::WordRegister, modType == 4 ? 4 : 3) +
           ", Modbus/TCP register address " + std::to_string(address);
}

// An event of a zone or DI state: "No. 3: message (Event log, Acknowledge,
// E-mail No.01)"; empty when the event does nothing.
template <typename Event>
std::string EventText(const Event& e)
{
    std::string flags;
    auto add = [&](bool on, const std::string& what) {
        if (!on) return;
        if (!flags.empty()) flags += ", ";
        flags += what;
    };
    add(e.EVENT_LOG == kUse, "Event log");
    add(e.EVENT_NEW == kUse, "Register new event");
    add(e.CONFIRM == kUse, "Acknowledge");
    const std::string mails = MaskList(e.MAIL, kEventReportCount, "No.");
    add(!mails.empty(), "E-mail " + mails);
    if (flags.empty()) return {};
    return "No. " + std::to_string(e.EVENT_NO) + ": " + e.MESSAGE + " (" + flags + ")";
}

void Join(std::string& out, const std::string& part)
{
    if (part.empty()) return;
    if (!out.empty()) out += "; ";
    out += part;
}

std::string ZoneActions(const Zone& z, bool pi)
{
    std::string out;
    const std::string outputs = MaskList(z.DO_ON1, z.DO_ON2, kDoCount, "DO");
    if (!outputs.empty()) Join(out, "Alarm output " + outputs);
    if (z.RECORD > 0) Join(out, "Trigger recording " + Entry(entries::RecordAction, z.RECORD));
    if (z.TRANS == kUse) Join(out, "New memory block");
    const std::string pis = MaskList(z.RESET_PI, kPiCount, "PI");
    if (!pis.empty()) Join(out, "Reset totalized value " + pis);
    const std::string ois = MaskList(z.RESET_OI, kOiCount, "OI");
    if (!ois.empty()) Join(out, "Reset function value " + ois);
    if (pi && z.SUM_RESET == kUse) Join(out, "Reset count");
    return out;
}

// The zones in use of an AI, PI or OI: Partitions and one row per zone.
template <typename Channel>
void AddZones(Block& b, const Channel& ch, const Path& p, bool pi)
{
    const int count = ch.USE_AREAS >= 2 && ch.USE_AREAS <= kZoneCount ? ch.USE_AREAS : 0;
    Put(b, p("USE_AREAS"), Entry(entries::Partitions, count));
    if (!count) return;
    const bool exp = ch.EXP == kUse;
    b.table.columns = {"Zone", "Name", "Color", "Lower limit", "Upper limit", "Upward event", "Downward event",
                       "Actions"};
    for (int zone = 1; zone <= count; ++zone) {
        const Zone& z = ch.AREA[zone - 1];
        b.table.rows.push_back({std::to_string(zone), z.AREA_NAME, Colour(z.AREA_COLOR),
                                zone > 1 ? Real(z.LEVEL_LOWER, exp) : "",
                                zone < count ? Real(z.LEVEL_UPPER, exp) : "",
                                zone > 1 ? EventText(z.UPPER) : "", zone < count ? EventText(z.LOWER) : "",
                                ZoneActions(z, pi)});
    }
}

void AddAi(Section& s, const SettingRecord& r, int i)
{
    const AiChannel& ch = r.IO.AI[i];
    const Path p = ChannelPath("AI", i);
    const bool exp = ch.EXP == kUse;
    Block b{Numbered("AI", i + 1), {}, {}};
    Put(b, p("TYPE"), TypeText(AiTypeChoices(), ch.TYPE));
    Put(b, p("NAME"), ch.NAME);
    Put(b, p("COMMENT"), ch.COMMENT);
    const bool polled = ch.TYPE == 2 || ch.TYPE == 7;
    if (ch.TYPE == 1) b.Add("Source", CardSource(ch.CARD_NO, ch.CARD_CH));
    if (polled)
        b.Add("Source", WordSource(ch.TYPE, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE,
                                   ch.SLMP_DEV_NO, 7));
    if (ch.TYPE == 4) Put(b, p("TIME_TYPE"), Entry(entries::TimeType, ch.TIME_TYPE));
    if (polled) Put(b, p("AI_DATA_TYPE"), Entry(entries::AiDataType, ch.AI_DATA_TYPE));
    Put(b, p("FILTER"), Entry(entries::Filter, ch.FILTER));
    if (ch.FILTER == 1) Put(b, p("MOVING_AVERAGE"), std::to_string(ch.MOVING_AVERAGE));
    if (ch.FILTER == 2) Put(b, p("T"), std::to_string(ch.T));
    if (polled && ch.AI_DATA_TYPE != 0) {
        Put(b, p("SCALE"), Real(ch.SCALE, exp));
    } else {
        Put(b, p("SCALE_0"), Real(ch.SCALE_0, exp));
        Put(b, p("SCALE_100"), Real(ch.SCALE_100, exp));
    }
    Put(b, p("POINT"), std::to_string(ch.POINT));
    Put(b, p("UNIT"), ch.UNIT);
    Put(b, p("EXP"), Switch(ch.EXP));
    AddZones(b, ch, p, false);
    s.blocks.push_back(std::move(b));
}

std::string BitSource(int32_t type, int16_t node, uint8_t modType, uint32_t address, uint16_t devCode,
                      uint32_t devNo, int32_t slmpType, bool output)
{
    if (type == slmpType) return SlaveSource(node) + ", SLMP device " + DeviceText(devCode, devNo);
    const std::string reg = Entry(entries::BitRegister, output || modType == 0 ? 0 : 1);
    return SlaveSource(node) + ", " + reg + ", Modbus/TCP register address " + std::to_string(address);
}

void AddStateRow(Table& t, const char* status, const DiState& st)
{
    std::string actions;
    const std::string outputs = MaskList(st.DO_ON1, st.DO_ON2, kDoCount, "DO");
    if (!outputs.empty()) Join(actions, "Alarm output " + outputs);
    if (st.RECORD > 0) Join(actions, "Trigger recording " + Entry(entries::RecordAction, st.RECORD));
    if (st.TRANS == kUse) Join(actions, "New memory block");
    t.rows.push_back({status, st.DISP_STRING, Colour(st.DISP_COLOR), std::to_string(st.DELAY), EventText(st),
                      actions});
}

void AddDi(Section& s, const SettingRecord& r, int i)
{
    const DiChannel& ch = r.IO.DI[i];
    const Path p = ChannelPath("DI", i);
    Block b{Numbered("DI", i + 1), {}, {}};
    Put(b, p("TYPE"), TypeText(DiTypeChoices(), ch.TYPE));
    Put(b, p("NAME"), ch.NAME);
    Put(b, p("COMMENT"), ch.COMMENT);
    switch (ch.TYPE) {
    case 1: b.Add("Source", CardSource(ch.CARD_NO, ch.CARD_CH)); break;
    case 2:
    case 7:
        b.Add("Source", BitSource(ch.TYPE, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE,
                                  ch.SLMP_DEV_NO, 7, false));
        break;
    case 4: {
        std::string text = Entry(entries::LogicType, ch.LOGIC.TYPE) + ", X1 " + Numbered("DI", ch.LOGIC.X1);
        if (ch.LOGIC.TYPE != 3) text += ", X2 " + Numbered("DI", ch.LOGIC.X2);
        b.Add("Source", text);
        break;
    }
    case 6: b.Add("Source", Numbered("AI", ch.AI_CH) + ", AI BIT " + std::to_string(ch.AI_BIT)); break;
    default: break;
    }
    b.Add("Invert", Switch(ch.INVERT));
    b.table.columns = {"Status", "Display comment", "Color", "Delay time (sample)", "Event", "Actions"};
    AddStateRow(b.table, "ON", ch.STATUS.ON);
    AddStateRow(b.table, "OFF", ch.STATUS.OFF);
    s.blocks.push_back(std::move(b));
}

void AddPi(Section& s, const SettingRecord& r, int i)
{
    const PiChannel& ch = r.IO.PI[i];
    const Path p = ChannelPath("PI", i);
    const bool exp = ch.EXP == kUse;
    Block b{Numbered("PI", i + 1), {}, {}};
    Put(b, p("TYPE"), TypeText(PiTypeChoices(), ch.TYPE));
    Put(b, p("NAME"), ch.NAME);
    Put(b, p("COMMENT"), ch.COMMENT);
    const bool polled = ch.TYPE == 2 || ch.TYPE == 7;
    switch (ch.TYPE) {
    case 1:
        b.Add("Source", CardSource(ch.CARD_NO, ch.CARD_CH));
        Put(b, p("MODE"), Entry(entries::PiMode, ch.MODE));
        break;
    case 2:
    case 7:
        b.Add("Source", WordSource(ch.TYPE, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE,
                                   ch.SLMP_DEV_NO, 7));
        Put(b, p("MODE_M"), Entry(entries::PiModeM, ch.MODE_M));
        break;
    case 4:
        b.Add("Source", Numbered("AI", ch.ANALOG_SUM.TARGET_CH) + ", Counter rate " +
                            std::to_string(ch.ANALOG_SUM.RATE) + " per " +
                            Entry(entries::SumUnit, ch.ANALOG_SUM.UNIT) + ", Low-end cutout " +
                            std::to_string(ch.ANALOG_SUM.DROPOUT));
        break;
    case 5:
        b.Add("Source", Numbered("DI", ch.DI_CH) + ", Measuring mode (DI) " +
                            Entry(entries::PiModeDi, ch.MODE_DI));
        break;
    default: break;
    }
    if (polled) {
        Put(b, p("FILTER"), Entry(entries::Filter, ch.FILTER));
        if (ch.FILTER == 1) Put(b, p("MOVING_AVERAGE"), std::to_string(ch.MOVING_AVERAGE));
        if (ch.FILTER == 2) Put(b, p("T"), std::to_string(ch.T));
    }
    Put(b, p("SCALE"), Real(ch.SCALE, exp));
    Put(b, p("POINT"), std::to_string(ch.POINT));
    Put(b, p("UNIT"), ch.UNIT);
    Put(b, p("EXP"), Switch(ch.EXP));
    Put(b, p("RESET_DI"), ch.RESET_DI > 0 ? Numbered("DI", ch.RESET_DI) : "None");
    AddZones(b, ch, p, true);
    s.blocks.push_back(std::move(b));
}

// "AI03 Boiler temperature": an input of a function by kind and channel, with
// the name of an enabled channel, as the function dialogs list them.
std::string OiInputText(const SettingRecord& r, const OiInputRef& in)
{
    if (!*KindName(in.KIND)) return std::to_string(in.KIND) + "/" + std::to_string(in.CH);
    std::string out = Numbered(KindName(in.KIND), in.CH);
    const char* name = EnabledChannelName(r, in.KIND, in.CH - 1);
    if (name && *name) (out += " ") += name;
    return out;
}

std::string OiConstantText(const OiConstantForm& form, double value, bool exp)
{
    switch (form.kind) {
    case OiConstantKind::Integer: return std::to_string(static_cast<long long>(value));
    case OiConstantKind::FixedReal: return Real(value, false);
    case OiConstantKind::Choice:
        for (size_t e = 0; e < form.values.size(); ++e) {
            if (form.values[e] == value) return form.entries[e];
        }
        return Real(value, false);
    case OiConstantKind::Real: break;
    }
    return Real(value, exp);
}

// The equation, inputs and constants a function uses, as its dialog shows them.
void AddOiTerms(Block& b, const SettingRecord& r, const OiChannel& ch, const OiFunctionForm& form)
{
    if (form.equation) b.Add("Equation", form.equation);
    for (int x = 1; x <= form.inputs && x < kOiTermCount; ++x) {
        std::string input = "X";
        input += std::to_string(x);
        b.Add(std::move(input), OiInputText(r, ch.INPUT[x]));
    }
    for (const OiConstantForm& c : form.constants) {
        const double value = c.letter == 'A' ? ch.CONST.A[c.index] : ch.CONST.K[c.index];
        std::string id(1, c.letter);
        id += std::to_string(c.index);
        b.Add(c.label ? c.label : id, OiConstantText(c, value, ch.EXP == kUse));
    }
}

void AddOi(Section& s, const SettingRecord& r, int i)
{
    const OiChannel& ch = r.IO.OI[i];
    const Path p = ChannelPath("OI", i);
    Block b{Numbered("OI", i + 1), {}, {}};
    const char* function = OiFunctionName(ch.TYPE);
    Put(b, p("TYPE"), *function ? function : std::to_string(ch.TYPE));
    if (const OiFunctionForm* form = OiFunctionFormOf(ch.TYPE)) AddOiTerms(b, r, ch, *form);
    Put(b, p("NAME"), ch.NAME);
    Put(b, p("COMMENT"), ch.COMMENT);
    Put(b, p("POINT"), std::to_string(ch.POINT));
    Put(b, p("UNIT"), ch.UNIT);
    Put(b, p("EXP"), Switch(ch.EXP));
    Put(b, p("RESET_DI"), ch.RESET_DI > 0 ? Numbered("DI", ch.RESET_DI) : "None");
    AddZones(b, ch, p, false);
    s.blocks.push_back(std::move(b));
}

// What drives an output, one function after another: "I/O (AI01) Zone 2, 4;
// I/O (DI03) ON, OFF; E-mail Event report 1, 5, 7 (disabled)". A function's
// details follow it once, and the words before a detail's number ("Zone",
// "Event report") once per function, so that an output many zones switch
// stays a paragraph, not pages.
std::string Drivers(const std::vector<DoUse>& uses, int out)
{
    std::string text;
    const DoUse* last = nullptr;
    std::string lastWord;
    for (const DoUse& use : uses) {
        if (use.out != out) continue;
        std::string detail = use.detail;
        if (detail.size() >= 2 && detail.compare(detail.size() - 2, 2, ", ") == 0) detail.resize(detail.size() - 2);
        const size_t digit = detail.find_first_of("0123456789");
        const std::string word = digit == std::string::npos ? std::string() : detail.substr(0, digit);
        if (last && last->function == use.function) {
            text += ", ";
            text += !word.empty() && word == lastWord ? detail.substr(word.size()) : detail;
        } else {
            Join(text, use.function + " " + detail);
        }
        last = &use;
        lastWord = word;
    }
    return text.empty() ? "Nothing" : text;
}

void AddDo(Section& s, const SettingRecord& r, int i, const std::vector<DoUse>& uses)
{
    const DoChannel& ch = r.IO.DO[i];
    const Path p = ChannelPath("DO", i);
    Block b{Numbered("DO", i + 1), {}, {}};
    Put(b, p("TYPE"), TypeText(DoTypeChoices(), ch.TYPE));
    Put(b, p("NAME"), ch.NAME);
    Put(b, p("COMMENT"), ch.COMMENT);
    if (ch.TYPE == 1) b.Add("Source", CardSource(ch.CARD_NO, ch.CARD_CH));
    if (ch.TYPE == 2 || ch.TYPE == 3)
        b.Add("Source", BitSource(ch.TYPE, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE,
                                  ch.SLMP_DEV_NO, 3, true));
    b.Add("Invert", Switch(ch.INVERT));
    b.Add("Display comment (ON)", ch.STATUS.ON.DISP_STRING);
    b.Add("Display comment (OFF)", ch.STATUS.OFF.DISP_STRING);
    b.Add("Driven by", Drivers(uses, i));
    s.blocks.push_back(std::move(b));
}

}  // namespace

bool ChannelInUse(const SettingRecord& r, const char* kind, int i)
{
    const UsableCounts n = UsableAt(r.RECORD.SPEED);
    if (!std::strcmp(kind, "AI")) return i >= 0 && i < n.ai && r.IO.AI[i].TYPE != 0;
    if (!std::strcmp(kind, "DI")) return i >= 0 && i < n.di && r.IO.DI[i].TYPE != 0;
    if (!std::strcmp(kind, "PI")) return i >= 0 && i < n.pi && r.IO.PI[i].TYPE != 0;
    if (!std::strcmp(kind, "OI")) return i >= 0 && i < n.oi && r.IO.OI[i].TYPE != 0;
    if (!std::strcmp(kind, "DO")) return i >= 0 && i < n.dout && r.IO.DO[i].TYPE != 0;
    return false;
}

void AddChannelSections(Document& doc, const SettingRecord& r)
{
    auto section = [&](const char* id, const char* title, const char* kind, int count, auto add) {
        Section s{id, title, {}};
        for (int i = 0; i < count; ++i)
            if (ChannelInUse(r, kind, i)) add(s, i);
        if (!s.blocks.empty()) doc.sections.push_back(std::move(s));
    };
    section("ai", "Analog input (AI)", "AI", kAiCount, [&](Section& s, int i) { AddAi(s, r, i); });
    section("di", "Discrete input (DI)", "DI", kDiCount, [&](Section& s, int i) { AddDi(s, r, i); });
    section("pi", "Pulse input (PI)", "PI", kPiCount, [&](Section& s, int i) { AddPi(s, r, i); });
    section("oi", "Function input (OI)", "OI", kOiCount, [&](Section& s, int i) { AddOi(s, r, i); });
    const std::vector<DoUse> uses = DoUses(r);
    section("do", "Discrete output (DO)", "DO", kDoCount, [&](Section& s, int i) { AddDo(s, r, i, uses); });
}

}  // namespace volmar::report
