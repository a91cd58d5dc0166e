#include "core/settings/ElementLabels.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <unordered_map>
#include <utility>

#include "core/settings/DocumentSchema.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

constexpr const char* kDot = " \xC2\xB7 ";  // U+00B7 between spaces

// A caption of the table. For an indexed leaf ("NODE3", "PEN_COLOR12") the
// index either stands in the caption where '#' is, or names the item the
// value belongs to (itemPrefix + index, "Slave 3").
struct Caption {
    std::string text;
    const char* itemPrefix = nullptr;
};

// The keys: for a leaf under an indexed group (a channel, a zone, an
// account) the group's element name, ':' and the names below it
// ("AI:SCALE_100", "AREA:UPPER/MESSAGE"); otherwise the names from the
// section down ("SYSTEM/DST/START/MON"). Indexed names appear without index.
class CaptionTable {
public:
    CaptionTable()
    {
        Access();
        System();
        Slaves();
        Channels();
        Zones();
        Com();
        Display();
        Record();
        Report();
    }

    const Caption* Find(const std::string& key) const
    {
        auto it = m_map.find(key);
        return it == m_map.end() ? nullptr : &it->second;
    }

private:
    void Add(const std::string& key, std::string text, const char* item = nullptr)
    {
        m_map[key] = Caption{std::move(text), item};
    }

    void Each(std::initializer_list<const char*> prefixes, const char* leaf, const std::string& text)
    {
        for (const char* p : prefixes) Add(std::string(p) + leaf, text);
    }

    void Access()
    {
        Add("VOLMAR/NET", "Connection via network");
        Add("VOLMAR/PORT", "Port address");
        Add("AUTH:MODE", "Mode");
        Add("AUTH:LOGIN", "Login ID");
        Add("AUTH:PASSWORD", "Password");
    }

    void System()
    {
        Add("SYSTEM/NAME1", "Name (line 1)");
        Add("SYSTEM/NAME2", "Name (line 2)");
        Add("SYSTEM/NAME3", "Name (line 3)");
        Add("SYSTEM/LANGUAGE", "Language");
        Add("SYSTEM/TIMEZONE", "Time zone (hour)");
        Add("SYSTEM/TIMEZONE_MIN", "Time zone (minute)");
        Add("SYSTEM/TIME_AVE", "Sampling adjustment at time correction");
        Add("SYSTEM/DST/MODE", "Daylight saving time");
        for (auto [name, caption] : {std::pair{"START", "Start"}, std::pair{"END", "End"}}) {
            const std::string key = std::string("SYSTEM/DST/") + name + "/";
            const std::string head = std::string("Daylight saving time ") + caption;
            Add(key + "MON", head + " month");
            Add(key + "WEEK1", head + " week");
            Add(key + "WEEK2", head + " day of week");
            Add(key + "HOUR", head + " hour");
        }
    }

    void Slaves()
    {
        const std::string m = "IO/MODBUS_MASTER/";
        Add(m + "NODE", "IP address", "Slave ");
        Add(m + "DEV_ID", "Node No.", "Slave ");
        Add(m + "PORT", "Port address", "Slave ");
        Add(m + "SLAVE_TYPE", "Slave type", "Slave ");
        Add(m + "SLMP_NO", "Network No.", "Slave ");
        Add(m + "SLMP_SS", "Station No.", "Slave ");
        Add(m + "SLMP_CPU", "Processor No. (HEX)", "Slave ");
        Add(m + "INTERVAL", "Pause period");
        Add(m + "TIMEOUT", "Modbus/TCP Timeout");
        Add(m + "TRANSACTION", "Modbus/TCP Transaction ID management");
        Add(m + "SLMP_TIMEOUT", "SLMP Timeout");
    }

    void Channels()
    {
        const auto all = {"AI:", "DI:", "PI:", "OI:", "DO:"};
        Each(all, "TYPE", "CH setting");
        Add("OI:TYPE", "Operation");
        Each(all, "NAME", "CH name");
        Each(all, "COMMENT", "CH comment");
        const auto sourced = {"AI:", "DI:", "PI:", "DO:"};
        Each(sourced, "CARD_NO", "Module address");
        Each(sourced, "CARD_CH", "CH No.");
        Each(sourced, "MOD_NODE", "Slave No.");
        Each(sourced, "MOD_TYPE", "Modbus/TCP register type");
        Each(sourced, "MOD_ADDRESS", "Modbus/TCP register address");
        Each(sourced, "SLMP_DEV_CODE", "SLMP device");
        Each(sourced, "SLMP_DEV_NO", "SLMP device No.");
        const auto analog = {"AI:", "PI:"};
        Each(analog, "FILTER", "Filter");
        Each(analog, "MOVING_AVERAGE", "Moving average samples");
        Each(analog, "T", "Time constant");
        const auto scaled = {"AI:", "PI:", "OI:"};
        Each(scaled, "POINT", "Number of decimal places");
        Each(scaled, "UNIT", "Engineering unit");
        Each(scaled, "USE_AREAS", "Partitions");
        Each(scaled, "EXP", "Exponent notation");
        Each({"PI:", "OI:"}, "RESET_DI", "Reset input");
        Each({"DI:", "DO:"}, "INVERT", "Invert logic");

        Add("AI:TIME_TYPE", "Time input");
        Add("AI:AI_DATA_TYPE", "Data type");
        Add("AI:SCALE_100", "Scaling 100%");
        Add("AI:SCALE_0", "Scaling 0%");
        Add("AI:SCALE", "Int");

        Add("DI:AI_CH", "AI CH No.");
        Add("DI:AI_BIT", "AI BIT");
        Add("DI:LOGIC/TYPE", "Logic function");
        Add("DI:LOGIC/X1", "Logic function X1");
        Add("DI:LOGIC/X2", "Logic function X2");
        static const std::pair<const char*, const char*> kDiState[] = {
            {"DISP_STRING", "Display comment"},
            {"DISP_COLOR", "Color"},
            {"EVENT_LOG", "Event log"},
            {"EVENT_NEW", "Register new event"},
            {"EVENT_NO", "Event No."},
            {"CONFIRM", "Acknowledge"},
            {"MESSAGE", "Message"},
            {"DO_ON1", "Alarm output (DO1-32)"},
            {"DO_ON2", "Alarm output (DO33-64)"},
            {"MAIL", "E-mail"},
            {"RECORD", "Trigger recording"},
            {"TRANS", "New memory block"},
            {"DELAY", "ON delay time (sample)"},
        };
        for (const char* state : {"ON", "OFF"}) {
            for (const auto& [leaf, caption] : kDiState) {
                const std::string tail = std::string("STATUS/") + state + "/" + leaf;
                const std::string text = std::string(caption) + " (" + state + ")";
                Add("DI:" + tail, text);
                if (std::strcmp(leaf, "DISP_STRING") == 0 || std::strcmp(leaf, "DISP_COLOR") == 0) {
                    Add("DO:" + tail, text);
                }
            }
        }

        Add("PI:SLMP_SW", "SLMP 32bit");
        Add("PI:SWAP", "Word swap");
        Add("PI:SCALE", "Scaling");
        Add("PI:MODE", "Measuring mode (I/O module)");
        Add("PI:RNG", "Pulse range configuration");
        Add("PI:MODE_M", "Measuring mode (Modbus/TCP\xE3\x83\xBBSLMP)");
        Add("PI:WIDTH/LOW", "Pulse range Lower limit");
        Add("PI:WIDTH/HIGH", "Pulse range Upper limit");
        Add("PI:ANALOG_SUM/TARGET_CH", "Analog accumulation AI CH No.");
        Add("PI:ANALOG_SUM/RATE", "Counter rate");
        Add("PI:ANALOG_SUM/UNIT", "Time unit");
        Add("PI:ANALOG_SUM/DROPOUT", "Low-end cutout");
        Add("PI:MODE_DI", "Measuring mode (DI)");
        Add("PI:DI_CH", "DI CH No.");

        Add("OI:CONST/K", "Constant K#");
        Add("OI:CONST/A", "Constant A#");
        Add("OI:INPUT/X", "Input X#");
    }

    void Zones()
    {
        Add("AREA:LEVEL_UPPER", "Upper limit");
        Add("AREA:LEVEL_LOWER", "Lower limit");
        Add("AREA:AREA_NAME", "Name");
        Add("AREA:AREA_COLOR", "Color");
        Add("AREA:SUM_RESET", "Reset totalized value");
        Add("AREA:DO_ON1", "Alarm output (DO1-32)");
        Add("AREA:DO_ON2", "Alarm output (DO33-64)");
        Add("AREA:RESET_PI", "Reset count");
        Add("AREA:RESET_OI", "Reset function value");
        Add("AREA:RECORD", "Trigger recording");
        Add("AREA:TRANS", "New memory block");
        static const std::pair<const char*, const char*> kEvent[] = {
            {"EVENT_LOG", "Event log"}, {"EVENT_NEW", "Register new event"}, {"MESSAGE", "Message"},
            {"EVENT_NO", "Event No."},  {"MAIL", "E-mail"},                  {"CONFIRM", "Acknowledge"},
        };
        for (auto [side, caption] : {std::pair{"UPPER", "upward"}, std::pair{"LOWER", "downward"}}) {
            for (const auto& [leaf, text] : kEvent) {
                Add(std::string("AREA:") + side + "/" + leaf, std::string(text) + " (" + caption + ")");
            }
        }
    }

    void Com()
    {
        const std::string ip = "COM/TCP_IP/IP_ADDRESS/";
        Add(ip + "DHCP", "Automatic setting (DHCP)");
        Add(ip + "MY", "IP address");
        Add(ip + "SUBNETMASK", "Subnet mask");
        Add(ip + "DEFAULT_GATEWAY", "Default gateway");
        Add(ip + "DNS1", "Preferred DNS");
        Add(ip + "DNS2", "Alternate DNS");

        Add("COM/WEB/PORT", "Port address");
        Add("COM/FTP/MODE", "Mode");
        Add("COM/FTP/PORT", "Port address");
        Add("COM/FTP/ID", "Login ID");
        Add("COM/FTP/PASSWORD", "Password");
        Add("COM/SNTP/MODE", "Mode");
        Add("COM/SNTP/SERVER", "SNTP server");
        Add("COM/MODBUS_TCP/MODE", "Mode");
        Add("COM/MODBUS_TCP/REG", "Allow access to internal registers");
        Add("COM/MODBUS_TCP/PORT", "Port address");
        Add("COM/MODBUS_TCP/RINGER_TIME", "Linger time");

        const std::string m = "COM/SMTP_POP3/";
        Add(m + "CHAR", "Character code");
        Add(m + "SMTP_OVER_SSL", "SMTP over SSL");
        Add(m + "POP3_OVER_SSL", "POP3 over SSL");
        Add(m + "SMTP_AUTH/MODE", "SMTP authentication");
        Add(m + "SMTP_AUTH/ID", "SMTP ID");
        Add(m + "SMTP_AUTH/PASSWORD", "SMTP password");
        Add(m + "POP_BEFORE_SMTP_AUTH/MODE", "POP before SMTP authentication");
        Add(m + "POP_BEFORE_SMTP_AUTH/ID", "POP3 ID");
        Add(m + "POP_BEFORE_SMTP_AUTH/PASSWORD", "POP3 password");
        Add(m + "MY_ADDRESS", "QN70G e-mail address");
        Add(m + "SMTP_SERVER", "SMTP server IP address");
        Add(m + "POP3_SERVER", "POP3 server IP address");
        Add(m + "ACCOUNT", "QN70G e-mail account");
        Add(m + "NAME", "Sender name");
        Add(m + "SMTP_PORT", "SMTP port address");
        Add(m + "POP3_PORT", "POP3 port address");
        Add(m + "MAIL_NAME", "Name", "Address ");
        Add(m + "MAIL_ADDRESS", "Address", "Address ");
        Add(m + "STARTTLS", "STARTTLS");

        const std::string c = "COM/FTPC/";
        Add(c + "MODE", "Mode");
        Add(c + "PORT", "Port address");
        Add(c + "FTP_SERVER", "Server address");
        Add(c + "FTP_LOGIN", "Login ID");
        Add(c + "FTP_PASSWORD", "Password");
        Add(c + "FTP_SUBFOLDER", "Subfolder");
        Add(c + "PASV_ADDR", "PASV address");
    }

    void Display()
    {
        Add("DISP/TREND", "Trend display");
        Add("DISP/NAME/PAGE", "Page name", "Page ");
        Add("PEN_CONF:TYPE", "I/O type");
        Add("PEN_CONF:CH", "CH");
        Add("PEN_CONF:THICK", "Thick line");
        Add("DISP/PEN_COLOR", "Color", "Pen ");
        Add("PEN_DRAW:HIGH", "Upper limit");
        Add("PEN_DRAW:LOW", "Lower limit");
        Add("DISP/PEN_LOG", "Log", "Pen ");
    }

    void Record()
    {
        Add("RECORD/SPEED", "Storing rate");
        Add("RECORD/AUTO", "Auto start");
        Add("RECORD/DELETE", "Auto file delete");
        Add("RECORD/FORMAT", "SD card file format");
        Add("RECORD/MB/TRANS", "Start new memory block at");
        Add("RECORD/MB/HOUR", "Start new memory block at (hour)");
        Add("RECORD/MB/WEEK", "Start new memory block at (day of week)");
        Add("RECORD/MB/AUTO_TRANS", "Start new memory block automatically");
    }

    void Report()
    {
        static const std::pair<const char*, const char*> kReport[] = {
            {"MODE", "Mode"},
            {"DST", "To/Cc #"},
            {"TITLE", "Subject"},
            {"MESSAGE", "Body text"},
            {"AI1", "Attached data AI1-32"},
            {"AI2", "Attached data AI33-64"},
            {"DI1", "Attached data DI1-32"},
            {"DI2", "Attached data DI33-64"},
            {"PI", "Attached data PI"},
            {"OI", "Attached data OI"},
            {"DO1", "Attached data DO1-32"},
            {"DO2", "Attached data DO33-64"},
            {"DO_ON1", "DO operation ON (DO1-32)"},
            {"DO_ON2", "DO operation ON (DO33-64)"},
            {"DO_OFF1", "DO operation OFF (DO1-32)"},
            {"DO_OFF2", "DO operation OFF (DO33-64)"},
        };
        for (const auto& [leaf, caption] : kReport) {
            Add(std::string("EVENT:") + leaf, caption);
            Add(std::string("MAIL_REPORT/TIME/") + leaf, caption);
        }
        Add("MAIL_REPORT/TIME/WDAY", "Specify day of week");
        Add("REPORT_TIME:MODE", "Report");
        Add("REPORT_TIME:OFFSET_MIN", "Offset (min.)");
        Add("REPORT_TIME:OFFSET_SEC", "Offset (sec.)");
        Add("MAIL_REPORT/ERROR", "Delivery failure output");
    }

    std::unordered_map<std::string, Caption> m_map;
};

const CaptionTable& Table()
{
    static const CaptionTable table;
    return table;
}

// The editors the sections and the channel lists of I/O live in.
const char* SectionName(const std::string& key)
{
    static const std::pair<const char*, const char*> kSections[] = {
        {"VOLMAR", "Configurator access"},
        {"SYSTEM", "System"},
        {"IO/MODBUS_MASTER", "I/O slaves"},
        {"IO/AI", "Analog inputs"},
        {"IO/DI", "Discrete inputs"},
        {"IO/PI", "Pulse inputs"},
        {"IO/OI", "Function inputs"},
        {"IO/DO", "Discrete outputs"},
        {"COM/TCP_IP", "Network"},
        {"COM", "Communication"},
        {"DISP", "Graph/Display"},
        {"RECORD", "Record"},
        {"MAIL_REPORT", "E-mail"},
    };
    for (const auto& [k, name] : kSections) {
        if (key == k) return name;
    }
    return nullptr;
}

// The tabs of the communication editor and the regular report: groups that
// are not indexed but name the item their values belong to.
const char* ItemOfGroup(const std::string& key)
{
    static const std::pair<const char*, const char*> kItems[] = {
        {"COM/WEB", "Web server"},       {"COM/FTP", "FTP server"},     {"COM/SNTP", "SNTP"},
        {"COM/MODBUS_TCP", "Modbus/TCP slave"}, {"COM/SMTP_POP3", "SMTP/POP3"}, {"COM/FTPC", "FTP client"},
        {"MAIL_REPORT/TIME", "Regular report"},
    };
    for (const auto& [k, name] : kItems) {
        if (key == k) return name;
    }
    return nullptr;
}

// The item an indexed group names: a channel, a zone, an account, a pen.
std::string ItemOfIndexed(const char* name, int index)
{
    const std::string n = std::to_string(index);
    if (std::strcmp(name, "AREA") == 0) return "Zone " + n;
    if (std::strcmp(name, "AUTH") == 0) return "ID" + std::to_string(index + 1);
    if (std::strcmp(name, "EVENT") == 0) return "Event report " + n;
    if (std::strcmp(name, "REPORT_TIME") == 0) return "Send time " + n + ":00";
    if (std::strcmp(name, "PEN_CONF") == 0 || std::strcmp(name, "PEN_DRAW") == 0) return "Pen " + n;
    return name + n;  // AI1, DI12, PI3, OI4, DO64
}

struct Resolved {
    ElementLabel label;
    const Caption* caption = nullptr;
};

Resolved Resolve(std::string_view path, bool wantLabel)
{
    Resolved out;
    const std::vector<PathStep> steps = ResolvePath(path);
    if (steps.empty() || steps.back().node->IsGroup()) {
        if (wantLabel) {
            const size_t open = path.rfind('<');
            out.label.field = open == std::string_view::npos ? std::string(path) : std::string(path.substr(open + 1));
            if (!out.label.field.empty() && out.label.field.back() == '>') out.label.field.pop_back();
            if (out.label.field.empty()) out.label.field = "?";
        }
        return out;
    }
    std::string sectionKey = steps[0].node->name;
    if (steps.size() > 2 && (sectionKey == "IO" || sectionKey == "COM")) {
        const std::string sub = sectionKey + "/" + steps[1].node->name;
        if (SectionName(sub)) sectionKey = sub;
    }
    size_t lastGroup = steps.size();
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        if (steps[i].index >= 0) lastGroup = i;
    }
    std::string key;
    size_t from = 0;
    if (lastGroup < steps.size()) {
        key = std::string(steps[lastGroup].node->name) + ":";
        from = lastGroup + 1;
    }
    for (size_t i = from; i < steps.size(); ++i) {
        if (i > from) key += '/';
        key += steps[i].node->name;
    }
    out.caption = Table().Find(key);
    if (!wantLabel) return out;

    ElementLabel& label = out.label;
    const char* section = SectionName(sectionKey);
    label.section = section ? section : steps[0].node->name;
    std::string prefix = steps[0].node->name;
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        if (i > 0) prefix = prefix + "/" + steps[i].node->name;
        std::string item;
        if (steps[i].index >= 0) {
            item = ItemOfIndexed(steps[i].node->name, steps[i].index);
        } else if (const char* named = ItemOfGroup(prefix)) {
            item = named;
        }
        if (item.empty()) continue;
        if (!label.channel.empty()) label.channel += kDot;
        label.channel += item;
    }
    const PathStep& leaf = steps.back();
    label.field = out.caption ? out.caption->text : leaf.node->name;
    if (leaf.index >= 0) {
        const size_t hash = label.field.find('#');
        if (hash != std::string::npos) {
            label.field.replace(hash, 1, std::to_string(leaf.index));
        } else {
            const std::string item = (out.caption && out.caption->itemPrefix ? out.caption->itemPrefix : "#") +
                                     std::to_string(leaf.index);
            if (!label.channel.empty()) label.channel += kDot;
            label.channel += item;
        }
    }
    return out;
}

// The labels of every leaf in the order VisitSettingValues gives them: the
// walk is the same for every record, so a comparison looks labels up by
// position instead of resolving each path. Built once, on first use.
const std::vector<ElementLabel>& LeafLabels()
{
    static const std::vector<ElementLabel> labels = [] {
        auto record = std::make_unique<SettingRecord>();
        ResetSettingRecord(*record);
        std::vector<ElementLabel> out;
        VisitSettingValues(*record, [&](const std::string& path, std::string_view) {
            out.push_back(Resolve(path, true).label);
        });
        return out;
    }();
    return labels;
}

}  // namespace

std::string ElementLabel::Full() const
{
    if (channel.empty()) return field;
    return channel + kDot + field;
}

ElementLabel LabelOfElement(std::string_view path) { return Resolve(path, true).label; }

bool HasElementCaption(std::string_view path) { return Resolve(path, false).caption != nullptr; }

std::string ShownValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::vector<SettingDifference> CompareSettings(const SettingRecord& a, const SettingRecord& b)
{
    std::vector<SettingDifference> out;
    if (std::memcmp(&a, &b, sizeof(SettingRecord)) == 0) return out;
    std::vector<std::string> left;
    left.reserve(LeafLabels().size());
    VisitSettingValues(a, [&](const std::string&, std::string_view value) { left.emplace_back(value); },
                       TextForm::Plain);
    const std::vector<ElementLabel>& labels = LeafLabels();
    size_t i = 0;
    VisitSettingValues(
        b,
        [&](const std::string& path, std::string_view value) {
            const size_t at = i++;
            const std::string& l = left[at];
            if (l == value) return;
            std::string shownLeft = ShownValue(l), shownRight = ShownValue(value);
            if (shownLeft == shownRight) return;  // line breaks typed differently read the same
            out.push_back({path, at < labels.size() ? labels[at] : LabelOfElement(path), std::move(shownLeft),
                           std::move(shownRight)});
        },
        TextForm::Plain);
    return out;
}

}  // namespace volmar
