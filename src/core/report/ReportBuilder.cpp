#include "core/report/ReportBuilder.h"

#include <cstdio>

#include "core/report/ReportParts.h"
#include "core/settings/Keywords.h"
#include "core/settings/UsableChannels.h"

namespace volmar::report {
namespace {

const Path kRoot{"<VOL_MAR>"};

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string DstPointText(const DstPoint& p)
{
    return "Month " + std::to_string(p.MON) + ", Week " + Entry(entries::DstWeek, p.WEEK1) + ", " +
           Entry(entries::Weekday, p.WEEK2) + ", Hour " + std::to_string(p.HOUR);
}

void AddUnit(Document& doc, const SettingRecord& r)
{
    const SystemBlock& sys = r.SYSTEM;
    const Path p = kRoot.Sub("SYSTEM");
    Block b{"System", {}, {}};
    const char* names[] = {sys.NAME1, sys.NAME2, sys.NAME3};
    for (int i = 0; i < 3; ++i) b.Add("Name " + std::to_string(i + 1), names[i]);
    Put(b, p("LANGUAGE"), Entry(entries::Language, sys.LANGUAGE));
    b.Add("Time zone", std::to_string(sys.TIMEZONE) + " Hour " + std::to_string(sys.TIMEZONE_MIN) + " Minute");
    Put(b, p("TIME_AVE"), Switch(sys.TIME_AVE));
    const Path dst = p.Sub("DST");
    Put(b, dst("MODE"), Switch(sys.DST.MODE));
    if (sys.DST.MODE == kUse) {
        b.Add("Daylight saving time start", DstPointText(sys.DST.START));
        b.Add("Daylight saving time end", DstPointText(sys.DST.END));
    }
    doc.sections.push_back({"unit", "Unit", {std::move(b)}});
}

void AddNetwork(Document& doc, const SettingRecord& r)
{
    const ComBlock& com = r.COM;
    Section s{"network", "Network services", {}};
    const Path m_com = kRoot.Sub("COM");

    const Path ip = m_com.Sub("TCP_IP").Sub("IP_ADDRESS");
    const IpAddressBlock& a = com.TCP_IP.IP_ADDRESS;
    Block addr{"Network", {}, {}};
    Put(addr, ip("DHCP"), Entry(entries::Dhcp, a.DHCP));
    if (a.DHCP != 1) {
        Put(addr, ip("MY"), a.MY);
        Put(addr, ip("SUBNETMASK"), a.SUBNETMASK);
        Put(addr, ip("DEFAULT_GATEWAY"), a.DEFAULT_GATEWAY);
        Put(addr, ip("DNS1"), a.DNS1);
        Put(addr, ip("DNS2"), a.DNS2);
    }
    s.blocks.push_back(std::move(addr));

    Block web{"Web server", {}, {}};
    Put(web, m_com.Sub("WEB")("PORT"), std::to_string(com.WEB.PORT));
    s.blocks.push_back(std::move(web));

    if (com.FTP.MODE == kUse) {
        const Path f = m_com.Sub("FTP");
        Block b{"FTP server", {}, {}};
        Put(b, f("ID"), com.FTP.ID);
        b.Add("Password", IsSet(com.FTP.PASSWORD));
        Put(b, f("PORT"), std::to_string(com.FTP.PORT));
        s.blocks.push_back(std::move(b));
    }
    if (com.FTPC.MODE == kUse) {
        const Path f = m_com.Sub("FTPC");
        Block b{"FTP client", {}, {}};
        Put(b, f("PORT"), std::to_string(com.FTPC.PORT));
        Put(b, f("FTP_SERVER"), com.FTPC.FTP_SERVER);
        Put(b, f("FTP_LOGIN"), com.FTPC.FTP_LOGIN);
        b.Add("Password", IsSet(com.FTPC.FTP_PASSWORD));
        Put(b, f("FTP_SUBFOLDER"), com.FTPC.FTP_SUBFOLDER);
        Put(b, f("PASV_ADDR"), Entry(entries::PasvAddr, com.FTPC.PASV_ADDR));
        s.blocks.push_back(std::move(b));
    }
    if (com.SNTP.MODE == kUse) {
        Block b{"SNTP", {}, {}};
        Put(b, m_com.Sub("SNTP")("SERVER"), com.SNTP.SERVER);
        s.blocks.push_back(std::move(b));
    }
    if (com.MODBUS_TCP.MODE == kUse) {
        const Path m = m_com.Sub("MODBUS_TCP");
        Block b{"Modbus/TCP slave", {}, {}};
        Put(b, m("REG"), Switch(com.MODBUS_TCP.REG));
        Put(b, m("PORT"), std::to_string(com.MODBUS_TCP.PORT));
        Put(b, m("RINGER_TIME"), std::to_string(com.MODBUS_TCP.RINGER_TIME));
        s.blocks.push_back(std::move(b));
    }
    bool mailInUse = r.MAIL_REPORT.TIME.REPORT.MODE == kUse;
    for (const MailReport& e : r.MAIL_REPORT.EVENT) mailInUse = mailInUse || e.MODE == kUse;
    if (mailInUse) {
        const SmtpPop3Block& m = com.SMTP_POP3;
        const Path p = m_com.Sub("SMTP_POP3");
        Block b{"SMTP/POP3", {}, {}};
        Put(b, p("CHAR"), Entry(entries::MailCharset, m.CHAR));
        Put(b, p("SMTP_OVER_SSL"), Switch(m.SMTP_OVER_SSL));
        Put(b, p("STARTTLS"), Switch(m.STARTTLS));
        Put(b, p.Sub("SMTP_AUTH")("MODE"), Entry(entries::SmtpAuthMode, m.SMTP_AUTH.MODE));
        if (m.SMTP_AUTH.MODE != 0) Put(b, p.Sub("SMTP_AUTH")("ID"), m.SMTP_AUTH.ID);
        Put(b, p.Sub("POP_BEFORE_SMTP_AUTH")("MODE"), Switch(m.POP_BEFORE_SMTP_AUTH.MODE));
        if (m.POP_BEFORE_SMTP_AUTH.MODE == kUse) {
            Put(b, p.Sub("POP_BEFORE_SMTP_AUTH")("ID"), m.POP_BEFORE_SMTP_AUTH.ID);
            Put(b, p("POP3_SERVER"), m.POP3_SERVER);
            Put(b, p("POP3_PORT"), std::to_string(m.POP3_PORT));
        }
        Put(b, p("MY_ADDRESS"), m.MY_ADDRESS);
        Put(b, p("SMTP_SERVER"), m.SMTP_SERVER);
        Put(b, p("SMTP_PORT"), std::to_string(m.SMTP_PORT));
        Put(b, p("ACCOUNT"), m.ACCOUNT);
        Put(b, p("NAME"), m.NAME);
        s.blocks.push_back(std::move(b));
    }
    doc.sections.push_back(std::move(s));
}

// The channels that poll slave s over Modbus/TCP or SLMP.
std::string SlaveUsers(const SettingRecord& r, int slave)
{
    std::string users;
    auto add = [&](const char* kind, int ch, int16_t node, bool polls) {
        if (!polls || node != slave || !ChannelInUse(r, kind, ch)) return;
        if (!users.empty()) users += ", ";
        users += Numbered(kind, ch + 1);
    };
    for (int i = 0; i < kAiCount; ++i) add("AI", i, r.IO.AI[i].MOD_NODE, r.IO.AI[i].TYPE == 2 || r.IO.AI[i].TYPE == 7);
    for (int i = 0; i < kDiCount; ++i) add("DI", i, r.IO.DI[i].MOD_NODE, r.IO.DI[i].TYPE == 2 || r.IO.DI[i].TYPE == 7);
    for (int i = 0; i < kPiCount; ++i) add("PI", i, r.IO.PI[i].MOD_NODE, r.IO.PI[i].TYPE == 2 || r.IO.PI[i].TYPE == 7);
    for (int i = 0; i < kDoCount; ++i) add("DO", i, r.IO.DO[i].MOD_NODE, r.IO.DO[i].TYPE == 2 || r.IO.DO[i].TYPE == 3);
    return users;
}

void AddSlaves(Document& doc, const SettingRecord& r)
{
    const SlaveTable& t = r.IO.MODBUS_MASTER;
    const Path p = kRoot.Sub("IO").Sub("MODBUS_MASTER");
    Section s{"slaves", "I/O slaves", {}};
    bool anyModbus = false, anySlmp = false;
    for (int i = 0; i < kSlaveCount; ++i) {
        std::string users = SlaveUsers(r, i);
        if (users.empty()) continue;
        Block b{"Slave " + std::to_string(i), {}, {}};
        Put(b, p("SLAVE_TYPE"), Entry(entries::SlaveType, t.SLAVE_TYPE[i]));
        Put(b, p("NODE"), t.NODE[i]);
        Put(b, p("PORT"), std::to_string(t.PORT[i]));
        if (t.SLAVE_TYPE[i] == 0) {
            anyModbus = true;
            Put(b, p("DEV_ID"), std::to_string(t.DEV_ID[i]));
        } else {
            anySlmp = true;
            char cpu[16];
            std::snprintf(cpu, sizeof cpu, "%04X", static_cast<unsigned>(t.SLMP_CPU[i]));
            Put(b, p("SLMP_NO"), std::to_string(t.SLMP_NO[i]));
            Put(b, p("SLMP_SS"), std::to_string(t.SLMP_SS[i]));
            Put(b, p("SLMP_CPU"), cpu);
        }
        b.Add("Used by", std::move(users));
        s.blocks.push_back(std::move(b));
    }
    if (s.blocks.empty()) return;
    Block timing{"Communication timing", {}, {}};
    Put(timing, p("INTERVAL"), std::to_string(t.INTERVAL));
    if (anyModbus) {
        Put(timing, p("TIMEOUT"), std::to_string(t.TIMEOUT));
        Put(timing, p("TRANSACTION"), Switch(t.TRANSACTION));
    }
    if (anySlmp) Put(timing, p("SLMP_TIMEOUT"), std::to_string(t.SLMP_TIMEOUT));
    s.blocks.push_back(std::move(timing));
    doc.sections.push_back(std::move(s));
}

// A pen's display limit: "%.0f" on a log scale, else by the channel's
// exponent display "%.3e", else "%.2f".
std::string LimitText(double value, bool log, bool exponent)
{
    char text[64];
    std::snprintf(text, sizeof text, log ? "%.0f" : exponent ? "%.3e" : "%.2f", value);
    return text;
}

struct PenChannel {
    std::string name, unit;
    bool exponent = false;
};

PenChannel PenChannelOf(const SettingRecord& r, int32_t type, int ch)
{
    const int i = ch - 1;
    PenChannel c;
    auto analog = [&](const char* name, const char* unit, int32_t exp) {
        c.name = name;
        c.unit = unit;
        c.exponent = exp == kUse;
    };
    switch (type) {
    case kPenAi: if (i >= 0 && i < kAiCount) analog(r.IO.AI[i].NAME, r.IO.AI[i].UNIT, r.IO.AI[i].EXP); break;
    case kPenPi: if (i >= 0 && i < kPiCount) analog(r.IO.PI[i].NAME, r.IO.PI[i].UNIT, r.IO.PI[i].EXP); break;
    case kPenOi: if (i >= 0 && i < kOiCount) analog(r.IO.OI[i].NAME, r.IO.OI[i].UNIT, r.IO.OI[i].EXP); break;
    case kPenDi: if (i >= 0 && i < kDiCount) c.name = r.IO.DI[i].NAME; break;
    case kPenDo: if (i >= 0 && i < kDoCount) c.name = r.IO.DO[i].NAME; break;
    default: break;
    }
    return c;
}

void AddDisplay(Document& doc, const SettingRecord& r)
{
    const DispBlock& d = r.DISP;
    const int pens = UsableAt(r.RECORD.SPEED).pens;
    Section s{"display", "Graph/Display", {}};
    for (int page = 0; page * 4 < pens; ++page) {
        Block b{"Page " + std::to_string(page + 1), {}, {}};
        b.table.columns = {"PEN", "I/O type", "CH", "CH name", "Thick line", "Color",
                           "Lower limit", "Upper limit", "Engineering unit", "Log"};
        for (int pen = page * 4; pen < page * 4 + 4 && pen < pens; ++pen) {
            const PenConf& conf = d.PEN_CONF[pen];
            if (conf.TYPE <= kPenNone || conf.TYPE > kPenDo) continue;
            const PenChannel ch = PenChannelOf(r, conf.TYPE, conf.CH);
            const bool analog = conf.TYPE == kPenAi || conf.TYPE == kPenPi || conf.TYPE == kPenOi;
            const bool log = d.PEN_LOG[pen] == kUse;
            std::vector<std::string> row{std::to_string(pen + 1), entries::PenType.At(conf.TYPE), std::to_string(conf.CH),
                                         ch.name, conf.THICK ? "Enable" : "",
                                         Colour(static_cast<uint32_t>(d.PEN_COLOR[pen]))};
            if (analog) {
                row.insert(row.end(), {LimitText(d.PEN_DRAW[pen].LOW, log, ch.exponent),
                                       LimitText(d.PEN_DRAW[pen].HIGH, log, ch.exponent), ch.unit,
                                       log ? "Enable" : ""});
            } else {
                row.insert(row.end(), {"", "", "", ""});
            }
            b.table.rows.push_back(std::move(row));
        }
        if (b.table.Empty()) continue;
        b.Add(Caption(kRoot.Sub("DISP")("PAGE" + std::to_string(page + 1))), d.PAGE[page]);
        s.blocks.push_back(std::move(b));
    }
    if (s.blocks.empty()) return;
    Block trend{"Trend", {}, {}};
    Put(trend, kRoot.Sub("DISP")("TREND"), Entry(entries::Trend, d.TREND));
    s.blocks.insert(s.blocks.begin(), std::move(trend));
    doc.sections.push_back(std::move(s));
}

void AddRecord(Document& doc, const SettingRecord& r)
{
    const RecordBlock& rec = r.RECORD;
    const Path p = kRoot.Sub("RECORD");
    const Path mb = p.Sub("MB");
    Block b{"Record", {}, {}};
    Put(b, p("SPEED"), Entry(entries::Speed, rec.SPEED));
    Put(b, p("AUTO"), Switch(rec.AUTO));
    Put(b, p("DELETE"), Switch(rec.DELETE));
    Put(b, p("FORMAT"), Entry(entries::RecordFormat, rec.FORMAT));
    Put(b, mb("TRANS"), Entry(entries::MbTrans, rec.MB.TRANS));
    if (rec.MB.TRANS == 8 || rec.MB.TRANS == 9) Put(b, mb("HOUR"), std::to_string(rec.MB.HOUR));
    if (rec.MB.TRANS == 9) Put(b, mb("WEEK"), Entry(entries::Weekday, rec.MB.WEEK));
    Put(b, mb("AUTO_TRANS"), Switch(rec.MB.AUTO_TRANS));
    doc.sections.push_back({"record", "Record", {std::move(b)}});
}

std::string Recipients(const SettingRecord& r, const MailReport& m)
{
    std::string out;
    const SmtpPop3Block& book = r.COM.SMTP_POP3;
    for (int i = 0; i < kMailAddressCount; ++i) {
        if (m.DST[i] <= 0) continue;
        if (!out.empty()) out += "; ";
        out += Entry(entries::MailDst, m.DST[i]) + ": " + book.MAIL_NAME[i] + " <" + book.MAIL_ADDRESS[i] + ">";
    }
    return out;
}

void PutIfAny(Block& b, const char* caption, std::string value)
{
    if (!value.empty()) b.Add(caption, std::move(value));
}

Block MailBlock(const SettingRecord& r, const MailReport& m, std::string title, const Path& p)
{
    Block b{std::move(title), {}, {}};
    Put(b, p("TITLE"), m.TITLE);
    Put(b, p("MESSAGE"), m.MESSAGE);
    b.Add("Recipients", Recipients(r, m));
    PutIfAny(b, "AI", MaskList(m.AI1, m.AI2, kAiCount, "AI"));
    PutIfAny(b, "DI", MaskList(m.DI1, m.DI2, kDiCount, "DI"));
    PutIfAny(b, "PI", MaskList(m.PI, kPiCount, "PI"));
    PutIfAny(b, "OI", MaskList(m.OI, kOiCount, "OI"));
    PutIfAny(b, "DO", MaskList(m.DO1, m.DO2, kDoCount, "DO"));
    PutIfAny(b, "DO operation ON", MaskList(m.DO_ON1, m.DO_ON2, kDoCount, "DO"));
    PutIfAny(b, "DO operation OFF", MaskList(m.DO_OFF1, m.DO_OFF2, kDoCount, "DO"));
    return b;
}

void AddMail(Document& doc, const SettingRecord& r)
{
    const MailReportBlock& mail = r.MAIL_REPORT;
    const Path p = kRoot.Sub("MAIL_REPORT");
    Section s{"mail", "E-mail reports", {}};
    for (int e = 0; e < kEventReportCount; ++e) {
        if (mail.EVENT[e].MODE != kUse) continue;
        s.blocks.push_back(MailBlock(r, mail.EVENT[e], "Event report No." + TwoDigits(e + 1),
                                     p.Sub("EVENT" + std::to_string(e + 1))));
    }
    const TimeReport& time = mail.TIME;
    if (time.REPORT.MODE == kUse) {
        Block b = MailBlock(r, time.REPORT, "Regular report", p.Sub("TIME").Sub("REPORT"));
        std::string days;
        for (int d = 0; d < 7; ++d) {
            if (!((time.WDAY >> d) & 1u)) continue;
            if (!days.empty()) days += ", ";
            days += entries::Weekday.At(d);
        }
        Put(b, p.Sub("TIME")("WDAY"), days);
        std::string times;
        for (int h = 0; h < kReportTimeCount; ++h) {
            const ReportTime& t = time.REPORT_TIME[h];
            if (t.MODE != kUse) continue;
            if (!times.empty()) times += ", ";
            times += TwoDigits(h) + ":" + TwoDigits(t.OFFSET_MIN) + ":" + TwoDigits(t.OFFSET_SEC);
        }
        b.Add("Times to send", times);
        s.blocks.push_back(std::move(b));
    }
    if (s.blocks.empty()) return;
    if (mail.ERROR > 0) {
        Block b{"Delivery failure output", {}, {}};
        Put(b, p("ERROR"), Numbered("DO", mail.ERROR));
        s.blocks.push_back(std::move(b));
    }
    doc.sections.push_back(std::move(s));
}

}  // namespace

Header MakeHeader(std::string source, std::time_t now)
{
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", &local);
    return {std::move(source), date, VOLMAR_VERSION};
}

Document BuildReport(const SettingRecord& record, Header header)
{
    Document doc;
    doc.header = std::move(header);
    AddUnit(doc, record);
    AddNetwork(doc, record);
    AddSlaves(doc, record);
    AddChannelSections(doc, record);
    AddDisplay(doc, record);
    AddRecord(doc, record);
    AddMail(doc, record);
    return doc;
}

}  // namespace volmar::report
