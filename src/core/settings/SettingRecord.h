#pragma once
// The unit's complete setting as one block of plain data: fixed arrays, no
// pointers. It is reset with memset, copied with memcpy and compared with
// memcmp as a whole. Field names are the element names of the settings
// document. Texts are NUL-terminated UTF-8; a text of n bytes has n + 1 bytes
// of storage. Enumerations hold the 0-based position of a keyword in the
// field's keyword list (Keywords.h).
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace volmar {

constexpr int kAiCount = 64;
constexpr int kDiCount = 64;
constexpr int kPiCount = 32;
constexpr int kOiCount = 32;
constexpr int kDoCount = 64;
constexpr int kSlaveCount = 12;
constexpr int kAccountCount = 8;
constexpr int kZoneCount = 5;
constexpr int kPageCount = 30;
constexpr int kPenCount = 120;
constexpr int kMailAddressCount = 32;
constexpr int kEventReportCount = 32;
constexpr int kReportTimeCount = 24;
constexpr int kOiTermCount = 8;

// Switch: NOUSE 0, USE 1. Validity: INVALID 0, ACTIVE 1.
constexpr int32_t kNoUse = 0;
constexpr int32_t kUse = 1;
constexpr int32_t kInvalid = 0;
constexpr int32_t kActive = 1;

struct Account {
    int32_t MODE;
    char LOGIN[49];
    char PASSWORD[49];
};

struct AccessBlock {
    int32_t NET;
    Account AUTH[kAccountCount];
    uint16_t PORT;
};

struct DstPoint {
    uint8_t MON;
    uint8_t WEEK1;
    int32_t WEEK2;
    uint8_t HOUR;
};

struct DstRule {
    int32_t MODE;
    DstPoint START;
    DstPoint END;
};

struct SystemBlock {
    char NAME1[97];
    char NAME2[97];
    char NAME3[97];
    int32_t LANGUAGE;
    int16_t TIMEZONE;
    int16_t TIMEZONE_MIN;
    int32_t TIME_AVE;
    DstRule DST;
};

struct SlaveTable {
    char NODE[kSlaveCount][32];
    int32_t SLAVE_TYPE[kSlaveCount];
    uint8_t DEV_ID[kSlaveCount];
    uint16_t PORT[kSlaveCount];
    uint8_t SLMP_NO[kSlaveCount];
    uint8_t SLMP_SS[kSlaveCount];
    uint16_t SLMP_CPU[kSlaveCount];
    int32_t INTERVAL;
    int32_t TIMEOUT;
    int32_t TRANSACTION;
    int32_t SLMP_TIMEOUT;
};

struct ZoneEvent {
    int32_t EVENT_LOG;
    int32_t EVENT_NEW;
    char MESSAGE[97];
    int16_t EVENT_NO;
    int32_t CONFIRM;
    uint32_t MAIL;
};

// One alarm zone of an AI, PI or OI. SUM_RESET is carried by PI zones only.
struct Zone {
    double LEVEL_LOWER;
    double LEVEL_UPPER;
    char AREA_NAME[97];
    uint32_t AREA_COLOR;
    ZoneEvent LOWER;
    ZoneEvent UPPER;
    int32_t SUM_RESET;
    uint32_t DO_ON1;
    uint32_t DO_ON2;
    uint32_t RESET_PI;
    uint32_t RESET_OI;
    int32_t RECORD;
    int32_t TRANS;
};

struct AiChannel {
    int32_t TYPE;
    int16_t CARD_NO;
    int16_t CARD_CH;
    int16_t MOD_NODE;
    uint8_t MOD_TYPE;
    uint32_t MOD_ADDRESS;
    uint16_t SLMP_DEV_CODE;
    uint32_t SLMP_DEV_NO;
    int32_t TIME_TYPE;
    char NAME[49];
    char COMMENT[49];
    int32_t AI_DATA_TYPE;
    int32_t FILTER;
    uint32_t MOVING_AVERAGE;
    uint32_t T;
    double SCALE_100;
    double SCALE_0;
    double SCALE;
    int16_t POINT;
    char UNIT[25];
    int16_t USE_AREAS;
    Zone AREA[kZoneCount];
    int32_t EXP;
};

struct DiLogic {
    int32_t TYPE;
    int32_t X1;
    int32_t X2;
};

struct DiState {
    char DISP_STRING[25];
    uint32_t DISP_COLOR;
    int32_t EVENT_LOG;
    int32_t EVENT_NEW;
    int16_t EVENT_NO;
    int32_t CONFIRM;
    uint32_t MAIL;
    char MESSAGE[97];
    uint32_t DO_ON1;
    uint32_t DO_ON2;
    int32_t RECORD;
    int32_t TRANS;
    int16_t DELAY;
};

struct DiStatus {
    DiState OFF;
    DiState ON;
};

struct DiChannel {
    int32_t TYPE;
    int16_t CARD_NO;
    int16_t CARD_CH;
    int16_t MOD_NODE;
    uint8_t MOD_TYPE;
    uint32_t MOD_ADDRESS;
    uint16_t SLMP_DEV_CODE;
    uint32_t SLMP_DEV_NO;
    DiLogic LOGIC;
    uint16_t AI_CH;
    uint16_t AI_BIT;
    char NAME[49];
    char COMMENT[49];
    int32_t INVERT;
    DiStatus STATUS;
};

struct PiWidth {
    uint32_t LOW;
    uint32_t HIGH;
};

struct PiAnalogSum {
    uint8_t TARGET_CH;
    int32_t RATE;
    int32_t UNIT;
    int16_t DROPOUT;
};

struct PiChannel {
    int32_t TYPE;
    int16_t CARD_NO;
    int16_t CARD_CH;
    int16_t MOD_NODE;
    uint8_t MOD_TYPE;
    uint32_t MOD_ADDRESS;
    uint16_t SLMP_DEV_CODE;
    uint32_t SLMP_DEV_NO;
    int32_t SWAP;
    int32_t SLMP_SW;
    char NAME[49];
    char COMMENT[49];
    int32_t FILTER;
    uint32_t MOVING_AVERAGE;
    uint32_t T;
    double SCALE;
    int16_t POINT;
    char UNIT[25];
    int32_t MODE;
    int32_t RNG;
    int32_t MODE_M;
    PiWidth WIDTH;
    PiAnalogSum ANALOG_SUM;
    int16_t RESET_DI;
    int16_t USE_AREAS;
    Zone AREA[kZoneCount];
    int32_t EXP;
    uint16_t DI_CH;
    int32_t MODE_DI;
};

struct OiConst {
    double K[kOiTermCount];
    double A[kOiTermCount];
};

// An input reference of a function input: kind AI, DI, PI or OI and the
// channel number.
struct OiInputRef {
    int32_t KIND;
    int32_t CH;
};

struct OiChannel {
    int32_t TYPE;
    OiConst CONST;
    OiInputRef INPUT[kOiTermCount];
    char NAME[49];
    char COMMENT[49];
    int16_t POINT;
    char UNIT[25];
    int16_t RESET_DI;
    int16_t USE_AREAS;
    Zone AREA[kZoneCount];
    int32_t EXP;
};

struct DoState {
    char DISP_STRING[25];
    uint32_t DISP_COLOR;
};

struct DoStatus {
    DoState OFF;
    DoState ON;
};

struct DoChannel {
    int32_t TYPE;
    int16_t CARD_NO;
    int16_t CARD_CH;
    int16_t MOD_NODE;
    uint8_t MOD_TYPE;
    uint32_t MOD_ADDRESS;
    uint16_t SLMP_DEV_CODE;
    uint32_t SLMP_DEV_NO;
    char NAME[49];
    char COMMENT[49];
    int32_t INVERT;
    DoStatus STATUS;
};

struct IoBlock {
    SlaveTable MODBUS_MASTER;
    AiChannel AI[kAiCount];
    DiChannel DI[kDiCount];
    PiChannel PI[kPiCount];
    OiChannel OI[kOiCount];
    DoChannel DO[kDoCount];
};

struct IpAddressBlock {
    int32_t DHCP;
    char MY[32];
    char SUBNETMASK[32];
    char DEFAULT_GATEWAY[32];
    char DNS1[32];
    char DNS2[32];
};

struct TcpIpBlock {
    IpAddressBlock IP_ADDRESS;
};

struct WebBlock {
    uint16_t PORT;
    Account AUTH[kAccountCount];
};

struct FtpBlock {
    int32_t MODE;
    uint16_t PORT;
    char ID[49];
    char PASSWORD[49];
};

struct SntpBlock {
    int32_t MODE;
    char SERVER[193];
};

struct ModbusTcpBlock {
    int32_t MODE;
    int32_t REG;
    uint16_t PORT;
    int32_t RINGER_TIME;
};

struct MailAuth {
    int32_t MODE;
    char ID[193];
    char PASSWORD[193];
};

struct SmtpPop3Block {
    int32_t CHAR;
    int32_t SMTP_OVER_SSL;
    int32_t POP3_OVER_SSL;
    MailAuth SMTP_AUTH;
    MailAuth POP_BEFORE_SMTP_AUTH;
    char MY_ADDRESS[193];
    char SMTP_SERVER[193];
    char POP3_SERVER[193];
    char ACCOUNT[193];
    char NAME[193];
    int32_t SMTP_PORT;
    int32_t POP3_PORT;
    char MAIL_NAME[kMailAddressCount][193];
    char MAIL_ADDRESS[kMailAddressCount][193];
    int32_t STARTTLS;
};

struct FtpClientBlock {
    int32_t MODE;
    uint16_t PORT;
    int32_t PASV_ADDR;
    char FTP_SERVER[193];
    char FTP_LOGIN[193];
    char FTP_PASSWORD[193];
    char FTP_SUBFOLDER[193];
};

struct ComBlock {
    TcpIpBlock TCP_IP;
    WebBlock WEB;
    FtpBlock FTP;
    SntpBlock SNTP;
    ModbusTcpBlock MODBUS_TCP;
    SmtpPop3Block SMTP_POP3;
    FtpClientBlock FTPC;
};

struct PenConf {
    int32_t TYPE;
    int16_t CH;
    int32_t THICK;
};

struct PenDraw {
    double HIGH;
    double LOW;
};

struct DispBlock {
    int32_t TREND;
    char PAGE[kPageCount][193];
    PenConf PEN_CONF[kPenCount];
    int32_t PEN_COLOR[kPenCount];
    PenDraw PEN_DRAW[kPenCount];
    int32_t PEN_LOG[kPenCount];
};

struct MemoryBlockTransfer {
    int32_t TRANS;
    int32_t HOUR;
    int32_t WEEK;
    int32_t AUTO_TRANS;
};

struct RecordBlock {
    int32_t SPEED;
    int32_t AUTO;
    int32_t DELETE;
    int32_t FORMAT;
    MemoryBlockTransfer MB;
};

struct MailReport {
    int32_t MODE;
    int32_t DST[kMailAddressCount];
    char TITLE[97];
    char MESSAGE[769];
    uint32_t AI1, AI2, DI1, DI2, PI, OI, DO1, DO2;
    uint32_t DO_ON1, DO_ON2, DO_OFF1, DO_OFF2;
};

struct ReportTime {
    int32_t MODE;
    uint8_t OFFSET_MIN;
    uint8_t OFFSET_SEC;
};

struct TimeReport {
    MailReport REPORT;
    uint8_t WDAY;
    ReportTime REPORT_TIME[kReportTimeCount];
};

struct MailReportBlock {
    MailReport EVENT[kEventReportCount];
    TimeReport TIME;
    int32_t ERROR;
};

struct SettingRecord {
    AccessBlock VOLMAR;
    SystemBlock SYSTEM;
    IoBlock IO;
    ComBlock COM;
    DispBlock DISP;
    RecordBlock RECORD;
    MailReportBlock MAIL_REPORT;
};

static_assert(std::is_trivially_copyable_v<SettingRecord>);
static_assert(std::is_standard_layout_v<SettingRecord>);

// Fills the record with the defaults of a new setting.
void ResetSettingRecord(SettingRecord& record);

// Copies src into a text field of capacity bytes (including the NUL), cut on
// a UTF-8 character boundary so that no sequence is split.
void StoreText(char* field, size_t capacity, const char* src, size_t len);

}  // namespace volmar
