#include "report/ReportText.h"

#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "settings/ValueText.h"

namespace volmar::report {

std::string Real(double value, bool exponent)
{
    std::string out;
    if (exponent) {
        AppendScientific(out, value, 3);
    } else {
        AppendFixed(out, value, 3);
    }
    return out;
}

const char* Switch(int32_t value) { return value == 1 ? "Enable" : "Disable"; }

std::string Entry(const char* const* entries, int count, int32_t value)
{
    if (value >= 0 && value < count) return entries[value];
    return std::to_string(value);
}

std::string Numbered(std::string_view kind, int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    std::string out(kind);
    out += digits;
    return out;
}

std::string Colour(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(value & 0xFFFFFFu));
    return text;
}

std::string Hex8(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

std::string MaskList(uint32_t word1, uint32_t word2, int count, std::string_view kind)
{
    std::string out;
    for (int i = 0; i < count && i < 64; ++i) {
        const uint32_t word = i < 32 ? word1 : word2;
        if (!((word >> (i % 32)) & 1u)) continue;
        if (!out.empty()) out += ", ";
        out += Numbered(kind, i + 1);
    }
    return out;
}

std::string MaskList(uint32_t word, int count, std::string_view kind)
{
    return MaskList(word, 0, count < 32 ? count : 32, kind);
}

namespace {

struct DeviceName {
    uint16_t code;
    const char* name;
    bool hex;
};

// Every device the AI, PI and DI/DO device lists offer, once.
constexpr DeviceName kDevices[] = {
    {0xA9, "SD", false},  {0xA8, "D", false},    {0xB4, "W", true},     {0xC2, "TN", false},  {0xC8, "STN", false},
    {0xC5, "CN", false},  {0xB5, "SW", true},    {0xCC, "Z", false},    {0xAF, "R", false},   {0xB0, "ZR", false},
    {0x2C, "RD", false},  {0x62, "LZ", false},   {0x56, "LCN", false},  {0x52, "LTN", false}, {0x5A, "LSTN", false},
    {0x91, "SM", false},  {0x9C, "X", true},     {0x9D, "Y", true},     {0x90, "M", false},   {0x92, "L", false},
    {0x93, "F", false},   {0x94, "V", false},    {0xA0, "B", true},     {0x98, "S", false},   {0xC1, "TS", false},
    {0xC0, "TC", false},  {0xC7, "STS", false},  {0xC6, "STC", false},  {0xC4, "CS", false},  {0xC3, "CC", false},
    {0xA1, "SB", true},   {0x55, "LCS", false},  {0x54, "LCC", false},  {0x51, "LTS", false}, {0x50, "LTC", false},
    {0x59, "LSTS", false}, {0x58, "LSTC", false},
};

}  // namespace

std::string SlmpDeviceName(uint16_t code, bool* hex)
{
    for (const DeviceName& d : kDevices) {
        if (d.code != code) continue;
        if (hex) *hex = d.hex;
        return d.name;
    }
    if (hex) *hex = false;
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(code));
    return text;
}

std::string SlmpDevice(uint16_t code, uint32_t number)
{
    bool hex = false;
    std::string out = SlmpDeviceName(code, &hex);
    out += hex ? Hex8(number) : std::to_string(number);
    return out;
}

namespace {

// The path without the root and without element numbers, "IO/AI/AI/NAME".
std::string CaptionKey(std::string_view path)
{
    std::string key;
    size_t pos = 0;
    while ((pos = path.find('<', pos)) != std::string_view::npos) {
        const size_t end = path.find('>', pos);
        if (end == std::string_view::npos) break;
        std::string_view tag = path.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        if (tag == "VOL_MAR") continue;
        while (!tag.empty() && tag.back() >= '0' && tag.back() <= '9') tag.remove_suffix(1);
        if (!key.empty()) key += '/';
        key += tag;
    }
    return key;
}

// The editors' captions of the values the report shows. This lookup stands
// in one place so that a shared label table can replace it.
const std::unordered_map<std::string, std::string>& Captions()
{
    static const std::unordered_map<std::string, std::string> table = {
        {"SYSTEM/NAME", "Name"}, {"SYSTEM/LANGUAGE", "Language"}, {"SYSTEM/TIMEZONE", "Time zone"},
        {"SYSTEM/TIME_AVE", "Sampling adjustment at time correction"}, {"SYSTEM/DST/MODE", "Daylight saving time"},
        {"SYSTEM/DST/START", "Start"}, {"SYSTEM/DST/END", "End"},
        {"COM/TCP_IP/IP_ADDRESS/DHCP", "IP address setting"}, {"COM/TCP_IP/IP_ADDRESS/MY", "IP address"},
        {"COM/TCP_IP/IP_ADDRESS/SUBNETMASK", "Subnet mask"},
        {"COM/TCP_IP/IP_ADDRESS/DEFAULT_GATEWAY", "Default gateway"},
        {"COM/TCP_IP/IP_ADDRESS/DNS", "Preferred DNS"},  // DNS1; DNS2 below
        {"COM/WEB/PORT", "Port address"}, {"COM/FTP/MODE", "FTP server"}, {"COM/FTP/PORT", "Port address"},
        {"COM/FTP/ID", "ID"}, {"COM/FTPC/MODE", "Mode"}, {"COM/FTPC/PORT", "Port address"},
        {"COM/FTPC/FTP_SERVER", "Server address"}, {"COM/FTPC/FTP_LOGIN", "Login ID"},
        {"COM/FTPC/FTP_SUBFOLDER", "Subfolder"}, {"COM/FTPC/PASV_ADDR", "PASV address"},
        {"COM/SNTP/MODE", "Mode"}, {"COM/SNTP/SERVER", "SNTP server"}, {"COM/MODBUS_TCP/MODE", "Mode"},
        {"COM/MODBUS_TCP/REG", "Allow access to internal registers"},
        {"COM/MODBUS_TCP/PORT", "Port address (0 to 65535)"},
        {"COM/MODBUS_TCP/RINGER_TIME", "Linger time (0 to 3000 sec.)"},
        {"COM/SMTP_POP/CHAR", "Character code"}, {"COM/SMTP_POP/SMTP_OVER_SSL", "SMTP over SSL"},
        {"COM/SMTP_POP/STARTTLS", "STARTTLS"}, {"COM/SMTP_POP/SMTP_AUTH/MODE", "SMTP authentication"},
        {"COM/SMTP_POP/SMTP_AUTH/ID", "ID"}, {"COM/SMTP_POP/POP_BEFORE_SMTP_AUTH/MODE", "POP before SMTP authentication"},
        {"COM/SMTP_POP/POP_BEFORE_SMTP_AUTH/ID", "POP3 ID"}, {"COM/SMTP_POP/MY_ADDRESS", "QN70G e-mail address"},
        {"COM/SMTP_POP/SMTP_SERVER", "SMTP server IP address"}, {"COM/SMTP_POP/POP3_SERVER", "POP3 server IP address"},
        {"COM/SMTP_POP/ACCOUNT", "QN70G e-mail account"}, {"COM/SMTP_POP/NAME", "Sender name"},
        {"COM/SMTP_POP/SMTP_PORT", "SMTP port address"}, {"COM/SMTP_POP/POP3_PORT", "POP3 port address"},
        {"IO/MODBUS_MASTER/SLAVE_TYPE", "Slave type"}, {"IO/MODBUS_MASTER/NODE", "IP address"},
        {"IO/MODBUS_MASTER/PORT", "Port address"}, {"IO/MODBUS_MASTER/DEV_ID", "Node No."},
        {"IO/MODBUS_MASTER/SLMP_NO", "Network No."}, {"IO/MODBUS_MASTER/SLMP_SS", "Station No."},
        {"IO/MODBUS_MASTER/SLMP_CPU", "Processor No. (HEX)"},
        {"IO/MODBUS_MASTER/INTERVAL", "Pause period (100 to 10000 ms)"},
        {"IO/MODBUS_MASTER/TIMEOUT", "Modbus/TCP Timeout (1 to 10 s)"},
        {"IO/MODBUS_MASTER/TRANSACTION", "Modbus/TCP Transaction ID management"},
        {"IO/MODBUS_MASTER/SLMP_TIMEOUT", "SLMP Timeout (1 to 60 s)"},
        {"IO/PI/PI/SCALE", "Scaling"}, {"TYPE", "CH setting"}, {"NAME", "CH name"}, {"COMMENT", "CH comment"},
        {"AI_DATA_TYPE", "Data type"}, {"FILTER", "Filter"}, {"MOVING_AVERAGE", "Moving average samples"},
        {"T", "Time constant"}, {"SCALE_", "Scaling 0%"}, {"SCALE_#100", "Scaling 100%"}, {"SCALE", "Int"},
        {"POINT", "Number of decimal places"}, {"UNIT", "Engineering unit"}, {"EXP", "Exponent notation"},
        {"USE_AREAS", "Partitions"}, {"TIME_TYPE", "Time input"}, {"INVERT", "Invert"},
        {"MODE", "Measuring mode (I/O module)"}, {"MODE_M", "Measuring mode (Modbus/TCP・SLMP)"},
        {"RESET_DI", "Reset input"},
        {"DISP/TREND", "Trend"}, {"DISP/PAGE", "Page name"},
        {"RECORD/SPEED", "Storing rate"}, {"RECORD/AUTO", "Auto start"}, {"RECORD/DELETE", "Auto file delete"},
        {"RECORD/FORMAT", "SD card file format"}, {"RECORD/MB/TRANS", "Interval"}, {"RECORD/MB/HOUR", "Hour"},
        {"RECORD/MB/WEEK", "Day of week"}, {"RECORD/MB/AUTO_TRANS", "Ejecting SD card"},
        {"MAIL_REPORT/MODE", "Mode"}, {"MAIL_REPORT/TITLE", "Subject"}, {"MAIL_REPORT/MESSAGE", "Body text"},
        {"MAIL_REPORT/DST", "To/Cc"}, {"MAIL_REPORT/ERROR", "Discrete output"},
        {"MAIL_REPORT/WDAY", "Specify day of week"},
    };
    return table;
}

}  // namespace

std::string Caption(std::string_view path)
{
    std::string key = CaptionKey(path);
    // Scaling 0% and 100% differ only in their number.
    if (path.ends_with("<SCALE_100>")) key = "SCALE_#100";
    if (path.ends_with("<DNS2>")) return "Alternate DNS";
    const auto& table = Captions();
    if (auto it = table.find(key); it != table.end()) return it->second;
    // Channel values: looked up by the last element alone.
    if (key.rfind("IO/", 0) == 0) {
        const size_t slash = key.rfind('/');
        if (auto it = table.find(key.substr(slash + 1)); it != table.end()) return it->second;
    }
    if (key.rfind("MAIL_REPORT/", 0) == 0) {
        const size_t slash = key.rfind('/');
        if (auto it = table.find("MAIL_REPORT/" + key.substr(slash + 1)); it != table.end()) return it->second;
    }
    return key.substr(key.rfind('/') + 1);
}

}  // namespace volmar::report
