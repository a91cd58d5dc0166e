#include "core/settings/SettingRecord.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "core/settings/Keywords.h"

namespace volmar {
namespace {

// A public pool of time servers; any host name would do as the default.
constexpr const char* kDefaultSntpServer = "pool.ntp.org";

template <size_t N>
void SetText(char (&field)[N], const char* text)
{
    StoreText(field, N, text, std::strlen(text));
}

template <size_t N>
void SetNumbered(char (&field)[N], const char* prefix, int number)
{
    std::snprintf(field, N, "%s%d", prefix, number);
}

void ResetAccounts(Account (&accounts)[kAccountCount])
{
    for (int i = 0; i < kAccountCount; ++i) {
        accounts[i].MODE = (i == 0) ? kUse : kNoUse;
        SetText(accounts[i].LOGIN, "kovan");
        SetText(accounts[i].PASSWORD, "kovan");
    }
}

void ResetZones(Zone (&zones)[kZoneCount])
{
    for (int k = 1; k <= kZoneCount; ++k) {
        Zone& z = zones[k - 1];
        z.LEVEL_LOWER = 20.0 * (k - 1);
        z.LEVEL_UPPER = 20.0 * k;
        SetNumbered(z.AREA_NAME, "NAME", k);
        for (ZoneEvent* e : {&z.LOWER, &z.UPPER}) {
            SetNumbered(e->MESSAGE, "NAME", k);
            e->EVENT_LOG = kUse;
            e->EVENT_NEW = kUse;
            e->EVENT_NO = 1;
        }
    }
}

void ResetSystem(SystemBlock& s)
{
    SetText(s.NAME1, "QN70-G");
    s.TIMEZONE = 9;
    s.TIME_AVE = kUse;
    // Assigned field by field: a whole-struct assignment may leave padding
    // bytes undefined, and the record is compared with memcmp.
    s.DST.START.MON = 3;
    s.DST.START.WEEK1 = 2;
    s.DST.START.HOUR = 2;
    s.DST.END.MON = 11;
    s.DST.END.WEEK1 = 1;
    s.DST.END.HOUR = 2;
}

void ResetSlaves(SlaveTable& m)
{
    for (int i = 0; i < kSlaveCount; ++i) {
        m.PORT[i] = 502;
        m.SLMP_SS[i] = 255;
        m.SLMP_CPU[i] = 1023;
    }
    m.INTERVAL = 100;
    m.TIMEOUT = 1;
    m.TRANSACTION = kUse;
    m.SLMP_TIMEOUT = 1;
}

// The source fields and the numbered names that AI, DI, PI and DO share.
template <typename Channel>
void ResetChannelHead(Channel& c, const char* prefix, int number, uint8_t modType, uint16_t slmpDevCode)
{
    c.CARD_NO = 1;
    c.CARD_CH = 1;
    c.MOD_TYPE = modType;
    c.MOD_ADDRESS = 1;
    c.SLMP_DEV_CODE = slmpDevCode;
    SetNumbered(c.NAME, prefix, number);
    SetNumbered(c.COMMENT, prefix, number);
}

void ResetAi(AiChannel& c, int number)
{
    ResetChannelHead(c, "AI", number, 3, 169);
    c.MOVING_AVERAGE = 4;
    c.SCALE_100 = 100.0;
    c.SCALE_0 = 0.0;
    c.SCALE = 0.01;
    c.POINT = 2;
    SetText(c.UNIT, "%");
    ResetZones(c.AREA);
}

void ResetDiState(DiState& s, const char* text)
{
    SetText(s.DISP_STRING, text);
    SetText(s.MESSAGE, text);
    s.EVENT_LOG = kUse;
    s.EVENT_NEW = kUse;
    s.EVENT_NO = 1;
}

void ResetDi(DiChannel& c, int number)
{
    ResetChannelHead(c, "DI", number, 1, 145);
    c.LOGIC.X1 = 1;
    c.LOGIC.X2 = 1;
    c.AI_CH = 1;
    ResetDiState(c.STATUS.OFF, "OFF");
    ResetDiState(c.STATUS.ON, "ON");
}

void ResetPi(PiChannel& c, int number)
{
    ResetChannelHead(c, "PI", number, 3, 82);
    c.SWAP = kActive;
    c.MOVING_AVERAGE = 4;
    c.SCALE = 1.0;
    SetText(c.UNIT, "count");
    c.WIDTH.LOW = 1;
    c.WIDTH.HIGH = 100000000;
    c.ANALOG_SUM.TARGET_CH = 1;
    c.ANALOG_SUM.RATE = 10000;
    c.DI_CH = 1;
    ResetZones(c.AREA);
}

void ResetOi(OiChannel& c, int number)
{
    for (OiInputRef& in : c.INPUT) {
        in.KIND = kInputAi;
        in.CH = 1;
    }
    SetNumbered(c.NAME, "OI", number);
    SetNumbered(c.COMMENT, "OI", number);
    SetText(c.UNIT, "count");
    ResetZones(c.AREA);
}

void ResetDo(DoChannel& c, int number)
{
    ResetChannelHead(c, "DO", number, 0, 145);
    SetText(c.STATUS.OFF.DISP_STRING, "OFF");
    SetText(c.STATUS.ON.DISP_STRING, "ON");
}

void ResetCom(ComBlock& c)
{
    SetText(c.TCP_IP.IP_ADDRESS.MY, "192.168.0.1");
    SetText(c.TCP_IP.IP_ADDRESS.SUBNETMASK, "255.255.255.0");
    c.WEB.PORT = 80;
    ResetAccounts(c.WEB.AUTH);
    c.FTP.PORT = 21;
    SetText(c.FTP.ID, "QN70G");
    SetText(c.FTP.PASSWORD, "KD57T");
    SetText(c.SNTP.SERVER, kDefaultSntpServer);
    c.MODBUS_TCP.PORT = 502;
    c.MODBUS_TCP.RINGER_TIME = 180;
    SetText(c.SMTP_POP3.NAME, "QN70G");
    c.SMTP_POP3.SMTP_PORT = 25;
    c.SMTP_POP3.POP3_PORT = 110;
    c.FTPC.PORT = 21;
    c.FTPC.PASV_ADDR = kActive;
}

void ResetDisp(DispBlock& d)
{
    for (int i = 0; i < kPageCount; ++i) SetNumbered(d.PAGE[i], "PAGE", i + 1);
    for (int i = 0; i < kPenCount; ++i) {
        d.PEN_CONF[i].CH = 1;
        d.PEN_DRAW[i].HIGH = 100.0;
        d.PEN_DRAW[i].LOW = 0.0;
    }
}

void ResetMailReports(MailReportBlock& m)
{
    for (MailReport& r : m.EVENT) {
        SetText(r.TITLE, "EVENT REPORT");
        SetText(r.MESSAGE, "EVENT REPORT");
    }
    SetText(m.TIME.REPORT.TITLE, "TIME REPORT");
    SetText(m.TIME.REPORT.MESSAGE, "TIME REPORT");
    m.TIME.WDAY = 127;
}

}  // namespace

void StoreText(char* field, size_t capacity, const char* src, size_t len)
{
    if (capacity == 0) return;
    size_t n = len < capacity - 1 ? len : capacity - 1;
    if (n < len) {
        // Step back over continuation bytes so that a cut never splits a
        // UTF-8 sequence.
        while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(field, src, n);
    std::memset(field + n, 0, capacity - n);
}

void ResetSettingRecord(SettingRecord& r)
{
    std::memset(&r, 0, sizeof r);
    ResetAccounts(r.VOLMAR.AUTH);
    r.VOLMAR.PORT = 30321;
    ResetSystem(r.SYSTEM);
    ResetSlaves(r.IO.MODBUS_MASTER);
    for (int i = 0; i < kAiCount; ++i) ResetAi(r.IO.AI[i], i + 1);
    for (int i = 0; i < kDiCount; ++i) ResetDi(r.IO.DI[i], i + 1);
    for (int i = 0; i < kPiCount; ++i) ResetPi(r.IO.PI[i], i + 1);
    for (int i = 0; i < kOiCount; ++i) ResetOi(r.IO.OI[i], i + 1);
    for (int i = 0; i < kDoCount; ++i) ResetDo(r.IO.DO[i], i + 1);
    ResetCom(r.COM);
    ResetDisp(r.DISP);
    r.RECORD.SPEED = kSpeed1s;
    r.RECORD.DELETE = kUse;
    r.RECORD.MB.AUTO_TRANS = kUse;
    ResetMailReports(r.MAIL_REPORT);
}

}  // namespace volmar
