#include "core/settings/DocumentSchema.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "core/settings/SettingRecord.h"
#include "core/settings/ValueText.h"

namespace volmar {
namespace {

#define OFF(T, m) static_cast<uint32_t>(offsetof(T, m))

constexpr Node Kw(const char* name, uint32_t off, const KeywordList& list)
{
    Node n{name, Fmt::Keyword};
    n.offset = off;
    n.keywords = &list;
    return n;
}

constexpr Node Num(const char* name, uint32_t off, Store store, int64_t min, int64_t max,
                   Print print = Print::Dec)
{
    Node n{name, Fmt::Int, store, print, Check::Range};
    n.offset = off;
    n.min = min;
    n.max = max;
    return n;
}

// A number stored without a range check: masks, colours, device numbers.
constexpr Node Raw(const char* name, uint32_t off, Store store = Store::U32, Print print = Print::Hex8)
{
    Node n{name, Fmt::Int, store, print, Check::None};
    n.offset = off;
    return n;
}

constexpr Node Listed(const char* name, uint32_t off, Store store, Check check, Print print = Print::Dec)
{
    Node n{name, Fmt::Int, store, print, check};
    n.offset = off;
    return n;
}

constexpr Node Txt(const char* name, uint32_t off, uint32_t size, uint8_t flags = 0)
{
    Node n{name, Fmt::Text};
    n.offset = off;
    n.size = size;
    n.flags = flags;
    return n;
}

constexpr Node Ascii(const char* name, uint32_t off, uint32_t size) { return Txt(name, off, size, kAscii); }

constexpr Node Real(const char* name, uint32_t off, Fmt fmt = Fmt::Real)
{
    Node n{name, fmt};
    n.offset = off;
    return n;
}

template <size_t N>
constexpr Node Group(const char* name, uint32_t off, const std::array<Node, N>& children)
{
    Node n{name, Fmt::Group};
    n.offset = off;
    n.children = children.data();
    n.childCount = static_cast<uint16_t>(N);
    return n;
}

constexpr Node Indexed(Node n, int first, int count, uint32_t stride, uint8_t flags = 0)
{
    n.first = static_cast<int16_t>(first);
    n.count = static_cast<int16_t>(count);
    n.stride = stride;
    n.flags = static_cast<uint8_t>(n.flags | flags);
    return n;
}

constexpr Node WithFlags(Node n, uint8_t flags)
{
    n.flags = static_cast<uint8_t>(n.flags | flags);
    return n;
}

constexpr Node Indent(Node n, int level)
{
    n.indent = static_cast<int8_t>(level);
    return n;
}

constexpr Node Channel(Node n, uint32_t expOffset)
{
    n.expOffset = static_cast<int32_t>(expOffset);
    return n;
}

template <size_t A, size_t B>
constexpr std::array<Node, A + B> Concat(const std::array<Node, A>& a, const std::array<Node, B>& b)
{
    std::array<Node, A + B> out{};
    for (size_t i = 0; i < A; ++i) out[i] = a[i];
    for (size_t i = 0; i < B; ++i) out[A + i] = b[i];
    return out;
}

// The fields that say where a channel's value comes from (an I/O card, a
// Modbus/TCP slave or an SLMP device), the same seven in AI, DI, PI and DO;
// only some ranges differ.
struct SourceRanges {
    int cardChMax;
    int modTypeMin;
    int modTypeMax;
    int addressMax;
};

template <typename C>
constexpr std::array<Node, 7> SourceNodes(SourceRanges r)
{
    return {
        Num("CARD_NO", OFF(C, CARD_NO), Store::I16, 1, 16),
        Num("CARD_CH", OFF(C, CARD_CH), Store::I16, 1, r.cardChMax),
        Num("MOD_NODE", OFF(C, MOD_NODE), Store::I16, 0, 11),
        Num("MOD_TYPE", OFF(C, MOD_TYPE), Store::U8, r.modTypeMin, r.modTypeMax),
        Num("MOD_ADDRESS", OFF(C, MOD_ADDRESS), Store::U32, 1, r.addressMax, Print::Udec),
        Num("SLMP_DEV_CODE", OFF(C, SLMP_DEV_CODE), Store::U16, 0, 255),
        Raw("SLMP_DEV_NO", OFF(C, SLMP_DEV_NO), Store::U32, Print::Udec),
    };
}

// ---- Access block (VOLMAR) ---------------------------------------------

constexpr std::array kAccountNodes{
    Kw("MODE", OFF(Account, MODE), kw::Switch),
    Ascii("LOGIN", OFF(Account, LOGIN), sizeof(Account::LOGIN)),
    Ascii("PASSWORD", OFF(Account, PASSWORD), sizeof(Account::PASSWORD)),
};

constexpr std::array kAccessNodes{
    Kw("NET", OFF(AccessBlock, NET), kw::Switch),
    Num("PORT", OFF(AccessBlock, PORT), Store::U16, 0, 65535),
    Indexed(Group("AUTH", OFF(AccessBlock, AUTH), kAccountNodes), 0, kAccountCount, sizeof(Account)),
};

// ---- SYSTEM ---------------------------------------------------------------

constexpr std::array kDstPointNodes{
    Num("MON", OFF(DstPoint, MON), Store::U8, 1, 12),
    Num("WEEK1", OFF(DstPoint, WEEK1), Store::U8, 1, 5),
    Kw("WEEK2", OFF(DstPoint, WEEK2), kw::Weekday),
    Num("HOUR", OFF(DstPoint, HOUR), Store::U8, 0, 23),
};

constexpr std::array kDstNodes{
    Kw("MODE", OFF(DstRule, MODE), kw::Switch),
    Group("START", OFF(DstRule, START), kDstPointNodes),
    Group("END", OFF(DstRule, END), kDstPointNodes),
};

constexpr std::array kSystemNodes{
    Txt("NAME1", OFF(SystemBlock, NAME1), sizeof(SystemBlock::NAME1)),
    Txt("NAME2", OFF(SystemBlock, NAME2), sizeof(SystemBlock::NAME2)),
    Txt("NAME3", OFF(SystemBlock, NAME3), sizeof(SystemBlock::NAME3)),
    Kw("LANGUAGE", OFF(SystemBlock, LANGUAGE), kw::Language),
    Num("TIMEZONE", OFF(SystemBlock, TIMEZONE), Store::I16, -12, 13),
    Num("TIMEZONE_MIN", OFF(SystemBlock, TIMEZONE_MIN), Store::I16, 0, 59),
    Kw("TIME_AVE", OFF(SystemBlock, TIME_AVE), kw::Switch),
    Group("DST", OFF(SystemBlock, DST), kDstNodes),
};

// ---- IO / MODBUS_MASTER -----------------------------------------------------

constexpr std::array kSlaveNodes{
    Indexed(Txt("NODE", OFF(SlaveTable, NODE), sizeof(SlaveTable::NODE[0])), 0, kSlaveCount,
            sizeof(SlaveTable::NODE[0])),
    Indexed(Num("DEV_ID", OFF(SlaveTable, DEV_ID), Store::U8, 0, 255), 0, kSlaveCount, 1),
    Indexed(Num("PORT", OFF(SlaveTable, PORT), Store::U16, 0, 65535), 0, kSlaveCount, 2),
    Indexed(Kw("SLAVE_TYPE", OFF(SlaveTable, SLAVE_TYPE), kw::SlaveType), 0, kSlaveCount, 4),
    Indexed(Num("SLMP_NO", OFF(SlaveTable, SLMP_NO), Store::U8, 0, 255), 0, kSlaveCount, 1),
    Indexed(Num("SLMP_SS", OFF(SlaveTable, SLMP_SS), Store::U8, 1, 255), 0, kSlaveCount, 1),
    Indexed(Num("SLMP_CPU", OFF(SlaveTable, SLMP_CPU), Store::U16, 0, 65535), 0, kSlaveCount, 2),
    Num("INTERVAL", OFF(SlaveTable, INTERVAL), Store::I32, 100, 10000),
    Num("TIMEOUT", OFF(SlaveTable, TIMEOUT), Store::I32, 1, 10),
    Kw("TRANSACTION", OFF(SlaveTable, TRANSACTION), kw::Switch),
    Num("SLMP_TIMEOUT", OFF(SlaveTable, SLMP_TIMEOUT), Store::I32, 1, 60),
};

// ---- Zones ----------------------------------------------------------------

// An AI zone's event block ends with MAIL, CONFIRM; the zones of PI and OI
// channels end theirs with CONFIRM, MAIL. The reader takes either order.
constexpr std::array kAiZoneEventNodes{
    Kw("EVENT_LOG", OFF(ZoneEvent, EVENT_LOG), kw::Switch),
    Kw("EVENT_NEW", OFF(ZoneEvent, EVENT_NEW), kw::Switch),
    Txt("MESSAGE", OFF(ZoneEvent, MESSAGE), sizeof(ZoneEvent::MESSAGE)),
    Num("EVENT_NO", OFF(ZoneEvent, EVENT_NO), Store::I16, 1, 32),
    Raw("MAIL", OFF(ZoneEvent, MAIL)),
    Kw("CONFIRM", OFF(ZoneEvent, CONFIRM), kw::Switch),
};

constexpr std::array kPiOiZoneEventNodes{
    Kw("EVENT_LOG", OFF(ZoneEvent, EVENT_LOG), kw::Switch),
    Kw("EVENT_NEW", OFF(ZoneEvent, EVENT_NEW), kw::Switch),
    Txt("MESSAGE", OFF(ZoneEvent, MESSAGE), sizeof(ZoneEvent::MESSAGE)),
    Num("EVENT_NO", OFF(ZoneEvent, EVENT_NO), Store::I16, 1, 32),
    Kw("CONFIRM", OFF(ZoneEvent, CONFIRM), kw::Switch),
    Raw("MAIL", OFF(ZoneEvent, MAIL)),
};

constexpr std::array kZoneHead{
    Real("LEVEL_UPPER", OFF(Zone, LEVEL_UPPER)),
    Real("LEVEL_LOWER", OFF(Zone, LEVEL_LOWER)),
    Txt("AREA_NAME", OFF(Zone, AREA_NAME), sizeof(Zone::AREA_NAME)),
    WithFlags(Raw("AREA_COLOR", OFF(Zone, AREA_COLOR)), kCut16),
};

constexpr std::array kPiZoneSumReset{
    Kw("SUM_RESET", OFF(Zone, SUM_RESET), kw::Validity),
};

template <size_t N>
constexpr std::array<Node, 8> ZoneTail(const std::array<Node, N>& events)
{
    return {
        Group("UPPER", OFF(Zone, UPPER), events),
        Group("LOWER", OFF(Zone, LOWER), events),
        Raw("DO_ON1", OFF(Zone, DO_ON1)),
        Raw("DO_ON2", OFF(Zone, DO_ON2)),
        Raw("RESET_PI", OFF(Zone, RESET_PI)),
        Raw("RESET_OI", OFF(Zone, RESET_OI)),
        Kw("RECORD", OFF(Zone, RECORD), kw::RecordAction),
        Kw("TRANS", OFF(Zone, TRANS), kw::Switch),
    };
}

constexpr auto kAiZoneNodes = Concat(kZoneHead, ZoneTail(kAiZoneEventNodes));
constexpr auto kPiZoneNodes = Concat(Concat(kZoneHead, kPiZoneSumReset), ZoneTail(kPiOiZoneEventNodes));
constexpr auto kOiZoneNodes = Concat(kZoneHead, ZoneTail(kPiOiZoneEventNodes));

template <typename Channel, size_t N>
constexpr Node Zones(const std::array<Node, N>& nodes)
{
    return Indexed(Group("AREA", OFF(Channel, AREA), nodes), 1, kZoneCount, sizeof(Zone), kDescending);
}

// ---- AI -------------------------------------------------------------------

constexpr std::array<Node, 1> kAiNodesType{Kw("TYPE", OFF(AiChannel, TYPE), kw::AiType)};
constexpr std::array kAiNodesRest{
    Kw("TIME_TYPE", OFF(AiChannel, TIME_TYPE), kw::TimeType),
    Txt("NAME", OFF(AiChannel, NAME), sizeof(AiChannel::NAME)),
    Txt("COMMENT", OFF(AiChannel, COMMENT), sizeof(AiChannel::COMMENT)),
    Kw("AI_DATA_TYPE", OFF(AiChannel, AI_DATA_TYPE), kw::AiDataType),
    Kw("FILTER", OFF(AiChannel, FILTER), kw::Filter),
    Listed("MOVING_AVERAGE", OFF(AiChannel, MOVING_AVERAGE), Store::U32, Check::MovingAverage, Print::Udec),
    Num("T", OFF(AiChannel, T), Store::U32, 0, 100, Print::Udec),
    Real("SCALE_100", OFF(AiChannel, SCALE_100)),
    Real("SCALE_0", OFF(AiChannel, SCALE_0)),
    Real("SCALE", OFF(AiChannel, SCALE)),
    Num("POINT", OFF(AiChannel, POINT), Store::I16, 0, 3),
    Txt("UNIT", OFF(AiChannel, UNIT), sizeof(AiChannel::UNIT)),
    Listed("USE_AREAS", OFF(AiChannel, USE_AREAS), Store::I16, Check::UseAreas),
    Kw("EXP", OFF(AiChannel, EXP), kw::Switch),
    Zones<AiChannel>(kAiZoneNodes),
};
constexpr auto kAiNodes = Concat(Concat(kAiNodesType, SourceNodes<AiChannel>({4, 3, 4, 65536})), kAiNodesRest);

// ---- DI -------------------------------------------------------------------

constexpr std::array kDiLogicNodes{
    Kw("TYPE", OFF(DiLogic, TYPE), kw::LogicType),
    Num("X1", OFF(DiLogic, X1), Store::I32, 1, 64),
    Num("X2", OFF(DiLogic, X2), Store::I32, 1, 64),
};

constexpr std::array kDiStateNodes{
    Txt("DISP_STRING", OFF(DiState, DISP_STRING), sizeof(DiState::DISP_STRING)),
    Raw("DISP_COLOR", OFF(DiState, DISP_COLOR)),
    Kw("EVENT_LOG", OFF(DiState, EVENT_LOG), kw::Switch),
    Kw("EVENT_NEW", OFF(DiState, EVENT_NEW), kw::Switch),
    Num("EVENT_NO", OFF(DiState, EVENT_NO), Store::I16, 1, 32),
    Kw("CONFIRM", OFF(DiState, CONFIRM), kw::Switch),
    Txt("MESSAGE", OFF(DiState, MESSAGE), sizeof(DiState::MESSAGE)),
    Raw("DO_ON1", OFF(DiState, DO_ON1)),
    Raw("DO_ON2", OFF(DiState, DO_ON2)),
    Raw("MAIL", OFF(DiState, MAIL)),
    Kw("RECORD", OFF(DiState, RECORD), kw::RecordAction),
    Kw("TRANS", OFF(DiState, TRANS), kw::Switch),
    Num("DELAY", OFF(DiState, DELAY), Store::I16, 0, 999),
};

constexpr std::array kDiStatusNodes{
    Group("ON", OFF(DiStatus, ON), kDiStateNodes),
    Group("OFF", OFF(DiStatus, OFF), kDiStateNodes),
};

constexpr std::array<Node, 1> kDiNodesType{Kw("TYPE", OFF(DiChannel, TYPE), kw::DiType)};
constexpr std::array kDiNodesRest{
    Num("AI_CH", OFF(DiChannel, AI_CH), Store::U16, 1, 64),
    Num("AI_BIT", OFF(DiChannel, AI_BIT), Store::U16, 0, 15),
    Group("LOGIC", OFF(DiChannel, LOGIC), kDiLogicNodes),
    Txt("NAME", OFF(DiChannel, NAME), sizeof(DiChannel::NAME)),
    Txt("COMMENT", OFF(DiChannel, COMMENT), sizeof(DiChannel::COMMENT)),
    Kw("INVERT", OFF(DiChannel, INVERT), kw::Validity),
    Group("STATUS", OFF(DiChannel, STATUS), kDiStatusNodes),
};
constexpr auto kDiNodes = Concat(Concat(kDiNodesType, SourceNodes<DiChannel>({16, 0, 1, 65536})), kDiNodesRest);

// ---- PI -------------------------------------------------------------------

constexpr std::array kPiWidthNodes{
    Real("LOW", OFF(PiWidth, LOW), Fmt::Width),
    Real("HIGH", OFF(PiWidth, HIGH), Fmt::Width),
};

constexpr std::array kPiAnalogSumNodes{
    Num("TARGET_CH", OFF(PiAnalogSum, TARGET_CH), Store::U8, 1, 64),
    Num("RATE", OFF(PiAnalogSum, RATE), Store::I32, 0, 10000),
    Kw("UNIT", OFF(PiAnalogSum, UNIT), kw::SumUnit),
    Num("DROPOUT", OFF(PiAnalogSum, DROPOUT), Store::I16, 0, 12000),
};

constexpr std::array<Node, 1> kPiNodesType{Kw("TYPE", OFF(PiChannel, TYPE), kw::PiType)};
constexpr std::array kPiNodesRest{
    Kw("SLMP_SW", OFF(PiChannel, SLMP_SW), kw::Validity),
    Kw("SWAP", OFF(PiChannel, SWAP), kw::Validity),
    Txt("NAME", OFF(PiChannel, NAME), sizeof(PiChannel::NAME)),
    Txt("COMMENT", OFF(PiChannel, COMMENT), sizeof(PiChannel::COMMENT)),
    Kw("FILTER", OFF(PiChannel, FILTER), kw::Filter),
    Listed("MOVING_AVERAGE", OFF(PiChannel, MOVING_AVERAGE), Store::U32, Check::MovingAverage, Print::Udec),
    Num("T", OFF(PiChannel, T), Store::U32, 0, 100, Print::Udec),
    Real("SCALE", OFF(PiChannel, SCALE)),
    Num("POINT", OFF(PiChannel, POINT), Store::I16, 0, 3),
    Txt("UNIT", OFF(PiChannel, UNIT), sizeof(PiChannel::UNIT)),
    Kw("MODE", OFF(PiChannel, MODE), kw::PiMode),
    Kw("RNG", OFF(PiChannel, RNG), kw::Switch),
    Kw("MODE_M", OFF(PiChannel, MODE_M), kw::PiModeM),
    Group("WIDTH", OFF(PiChannel, WIDTH), kPiWidthNodes),
    Group("ANALOG_SUM", OFF(PiChannel, ANALOG_SUM), kPiAnalogSumNodes),
    Num("RESET_DI", OFF(PiChannel, RESET_DI), Store::I16, 0, 64),
    Kw("EXP", OFF(PiChannel, EXP), kw::Switch),
    Kw("MODE_DI", OFF(PiChannel, MODE_DI), kw::PiModeDi),
    Num("DI_CH", OFF(PiChannel, DI_CH), Store::U16, 0, 64),
    Listed("USE_AREAS", OFF(PiChannel, USE_AREAS), Store::I16, Check::UseAreas),
    Zones<PiChannel>(kPiZoneNodes),
};
constexpr auto kPiNodes = Concat(Concat(kPiNodesType, SourceNodes<PiChannel>({4, 3, 4, 65535})), kPiNodesRest);

// ---- OI -------------------------------------------------------------------

constexpr std::array kOiConstNodes{
    Indexed(Real("K", OFF(OiConst, K)), 0, kOiTermCount, sizeof(double), kExactIndex),
    Indexed(Real("A", OFF(OiConst, A)), 0, kOiTermCount, sizeof(double), kExactIndex),
};

constexpr std::array kOiInputNodes{
    Indexed(Real("X", 0, Fmt::InputRef), 0, kOiTermCount, sizeof(OiInputRef)),
};

constexpr std::array kOiNodes{
    Kw("TYPE", OFF(OiChannel, TYPE), kw::OiType),
    Group("CONST", OFF(OiChannel, CONST), kOiConstNodes),
    Group("INPUT", OFF(OiChannel, INPUT), kOiInputNodes),
    Txt("NAME", OFF(OiChannel, NAME), sizeof(OiChannel::NAME)),
    Txt("COMMENT", OFF(OiChannel, COMMENT), sizeof(OiChannel::COMMENT)),
    Num("POINT", OFF(OiChannel, POINT), Store::I16, 0, 3),
    Txt("UNIT", OFF(OiChannel, UNIT), sizeof(OiChannel::UNIT)),
    Num("RESET_DI", OFF(OiChannel, RESET_DI), Store::I16, 0, 64),
    Listed("USE_AREAS", OFF(OiChannel, USE_AREAS), Store::I16, Check::UseAreas),
    Kw("EXP", OFF(OiChannel, EXP), kw::Switch),
    Zones<OiChannel>(kOiZoneNodes),
};

// ---- DO -------------------------------------------------------------------

constexpr std::array kDoStateNodes{
    Txt("DISP_STRING", OFF(DoState, DISP_STRING), sizeof(DoState::DISP_STRING)),
    Raw("DISP_COLOR", OFF(DoState, DISP_COLOR)),
};

constexpr std::array kDoStatusNodes{
    Group("ON", OFF(DoStatus, ON), kDoStateNodes),
    Group("OFF", OFF(DoStatus, OFF), kDoStateNodes),
};

constexpr std::array<Node, 1> kDoNodesType{Kw("TYPE", OFF(DoChannel, TYPE), kw::DoType)};
constexpr std::array kDoNodesRest{
    Txt("NAME", OFF(DoChannel, NAME), sizeof(DoChannel::NAME)),
    Txt("COMMENT", OFF(DoChannel, COMMENT), sizeof(DoChannel::COMMENT)),
    Kw("INVERT", OFF(DoChannel, INVERT), kw::Validity),
    Group("STATUS", OFF(DoChannel, STATUS), kDoStatusNodes),
};
constexpr auto kDoNodes = Concat(Concat(kDoNodesType, SourceNodes<DoChannel>({16, 0, 0, 65536})), kDoNodesRest);

constexpr std::array kAiList{
    Channel(Indexed(Group("AI", OFF(IoBlock, AI), kAiNodes), 1, kAiCount, sizeof(AiChannel)), OFF(AiChannel, EXP)),
};
constexpr std::array kDiList{
    Indexed(Group("DI", OFF(IoBlock, DI), kDiNodes), 1, kDiCount, sizeof(DiChannel)),
};
constexpr std::array kPiList{
    Channel(Indexed(Group("PI", OFF(IoBlock, PI), kPiNodes), 1, kPiCount, sizeof(PiChannel)), OFF(PiChannel, EXP)),
};
constexpr std::array kOiList{
    Channel(Indexed(Group("OI", OFF(IoBlock, OI), kOiNodes), 1, kOiCount, sizeof(OiChannel)), OFF(OiChannel, EXP)),
};
constexpr std::array kDoList{
    Indexed(Group("DO", OFF(IoBlock, DO), kDoNodes), 1, kDoCount, sizeof(DoChannel)),
};

// The channel lists keep the IoBlock as their base; each channel element
// carries the array's offset.
constexpr std::array kIoNodes{
    Group("MODBUS_MASTER", OFF(IoBlock, MODBUS_MASTER), kSlaveNodes),
    Group("AI", 0, kAiList),
    Group("DI", 0, kDiList),
    Group("PI", 0, kPiList),
    Group("OI", 0, kOiList),
    Group("DO", 0, kDoList),
};

// ---- COM ------------------------------------------------------------------

constexpr std::array kIpAddressNodes{
    Kw("DHCP", OFF(IpAddressBlock, DHCP), kw::Dhcp),
    Txt("MY", OFF(IpAddressBlock, MY), sizeof(IpAddressBlock::MY)),
    Txt("SUBNETMASK", OFF(IpAddressBlock, SUBNETMASK), sizeof(IpAddressBlock::SUBNETMASK)),
    Txt("DEFAULT_GATEWAY", OFF(IpAddressBlock, DEFAULT_GATEWAY), sizeof(IpAddressBlock::DEFAULT_GATEWAY)),
    Txt("DNS1", OFF(IpAddressBlock, DNS1), sizeof(IpAddressBlock::DNS1)),
    Txt("DNS2", OFF(IpAddressBlock, DNS2), sizeof(IpAddressBlock::DNS2)),
};

constexpr std::array kTcpIpNodes{
    Group("IP_ADDRESS", OFF(TcpIpBlock, IP_ADDRESS), kIpAddressNodes),
};

constexpr std::array kWebNodes{
    Num("PORT", OFF(WebBlock, PORT), Store::U16, 0, 65535),
    Indexed(Group("AUTH", OFF(WebBlock, AUTH), kAccountNodes), 0, kAccountCount, sizeof(Account)),
};

constexpr std::array kFtpNodes{
    Kw("MODE", OFF(FtpBlock, MODE), kw::Switch),
    Num("PORT", OFF(FtpBlock, PORT), Store::U16, 0, 65535),
    Ascii("ID", OFF(FtpBlock, ID), sizeof(FtpBlock::ID)),
    Ascii("PASSWORD", OFF(FtpBlock, PASSWORD), sizeof(FtpBlock::PASSWORD)),
};

constexpr std::array kSntpNodes{
    Kw("MODE", OFF(SntpBlock, MODE), kw::Switch),
    Txt("SERVER", OFF(SntpBlock, SERVER), sizeof(SntpBlock::SERVER)),
};

constexpr std::array kModbusTcpNodes{
    Kw("MODE", OFF(ModbusTcpBlock, MODE), kw::Switch),
    Kw("REG", OFF(ModbusTcpBlock, REG), kw::Switch),
    Num("PORT", OFF(ModbusTcpBlock, PORT), Store::U16, 0, 65535),
    Num("RINGER_TIME", OFF(ModbusTcpBlock, RINGER_TIME), Store::I32, 0, 3000),
};

constexpr std::array kSmtpAuthNodes{
    Kw("MODE", OFF(MailAuth, MODE), kw::SmtpAuthMode),
    Ascii("ID", OFF(MailAuth, ID), sizeof(MailAuth::ID)),
    Ascii("PASSWORD", OFF(MailAuth, PASSWORD), sizeof(MailAuth::PASSWORD)),
};

constexpr std::array kPopAuthNodes{
    Kw("MODE", OFF(MailAuth, MODE), kw::Switch),
    Ascii("ID", OFF(MailAuth, ID), sizeof(MailAuth::ID)),
    Ascii("PASSWORD", OFF(MailAuth, PASSWORD), sizeof(MailAuth::PASSWORD)),
};

constexpr uint32_t kMailText = sizeof(SmtpPop3Block::MY_ADDRESS);

constexpr std::array kSmtpPop3Nodes{
    Kw("CHAR", OFF(SmtpPop3Block, CHAR), kw::MailCharset),
    Kw("SMTP_OVER_SSL", OFF(SmtpPop3Block, SMTP_OVER_SSL), kw::Switch),
    Kw("POP3_OVER_SSL", OFF(SmtpPop3Block, POP3_OVER_SSL), kw::Switch),
    Group("SMTP_AUTH", OFF(SmtpPop3Block, SMTP_AUTH), kSmtpAuthNodes),
    Group("POP_BEFORE_SMTP_AUTH", OFF(SmtpPop3Block, POP_BEFORE_SMTP_AUTH), kPopAuthNodes),
    Txt("MY_ADDRESS", OFF(SmtpPop3Block, MY_ADDRESS), kMailText),
    Txt("SMTP_SERVER", OFF(SmtpPop3Block, SMTP_SERVER), kMailText),
    Txt("POP3_SERVER", OFF(SmtpPop3Block, POP3_SERVER), kMailText),
    Txt("ACCOUNT", OFF(SmtpPop3Block, ACCOUNT), kMailText),
    Txt("NAME", OFF(SmtpPop3Block, NAME), kMailText),
    Num("SMTP_PORT", OFF(SmtpPop3Block, SMTP_PORT), Store::I32, 0, 65535),
    Num("POP3_PORT", OFF(SmtpPop3Block, POP3_PORT), Store::I32, 0, 65535),
    Indexed(Txt("MAIL_NAME", OFF(SmtpPop3Block, MAIL_NAME), kMailText), 1, kMailAddressCount, kMailText),
    Indexed(Txt("MAIL_ADDRESS", OFF(SmtpPop3Block, MAIL_ADDRESS), kMailText), 1, kMailAddressCount, kMailText),
    Kw("STARTTLS", OFF(SmtpPop3Block, STARTTLS), kw::Switch),
};

// The last five children of FTPC stand three levels deep in the document
// although they are direct children; the reader ignores indentation.
constexpr std::array kFtpcNodes{
    Kw("MODE", OFF(FtpClientBlock, MODE), kw::Switch),
    Num("PORT", OFF(FtpClientBlock, PORT), Store::U16, 0, 65535),
    Indent(Txt("FTP_SERVER", OFF(FtpClientBlock, FTP_SERVER), kMailText), 3),
    Indent(Ascii("FTP_LOGIN", OFF(FtpClientBlock, FTP_LOGIN), kMailText), 3),
    Indent(Ascii("FTP_PASSWORD", OFF(FtpClientBlock, FTP_PASSWORD), kMailText), 3),
    Indent(Txt("FTP_SUBFOLDER", OFF(FtpClientBlock, FTP_SUBFOLDER), kMailText), 3),
    Indent(Kw("PASV_ADDR", OFF(FtpClientBlock, PASV_ADDR), kw::Validity), 3),
};

constexpr std::array kComNodes{
    WithFlags(Group("TCP_IP", OFF(ComBlock, TCP_IP), kTcpIpNodes), kNotInFull),
    Group("WEB", OFF(ComBlock, WEB), kWebNodes),
    Group("FTP", OFF(ComBlock, FTP), kFtpNodes),
    Group("SNTP", OFF(ComBlock, SNTP), kSntpNodes),
    Group("MODBUS_TCP", OFF(ComBlock, MODBUS_TCP), kModbusTcpNodes),
    Group("SMTP_POP3", OFF(ComBlock, SMTP_POP3), kSmtpPop3Nodes),
    Group("FTPC", OFF(ComBlock, FTPC), kFtpcNodes),
};

// ---- DISP -----------------------------------------------------------------

constexpr std::array kPageNodes{
    Indexed(Txt("PAGE", OFF(DispBlock, PAGE), sizeof(DispBlock::PAGE[0])), 1, kPageCount,
            sizeof(DispBlock::PAGE[0])),
};

constexpr std::array kPenConfNodes{
    Kw("TYPE", OFF(PenConf, TYPE), kw::PenType),
    Num("CH", OFF(PenConf, CH), Store::I16, 1, 64),
    Kw("THICK", OFF(PenConf, THICK), kw::Validity),
};

constexpr std::array kPenDrawNodes{
    Real("HIGH", OFF(PenDraw, HIGH), Fmt::PenReal),
    Real("LOW", OFF(PenDraw, LOW), Fmt::PenReal),
};

// NAME keeps the DispBlock as its base; each PAGE carries the array offset.
constexpr std::array kDispNodes{
    Kw("TREND", OFF(DispBlock, TREND), kw::Trend),
    Group("NAME", 0, kPageNodes),
    Indexed(Group("PEN_CONF", OFF(DispBlock, PEN_CONF), kPenConfNodes), 1, kPenCount, sizeof(PenConf)),
    Indexed(Raw("PEN_COLOR", OFF(DispBlock, PEN_COLOR), Store::I32, Print::Dec), 1, kPenCount, 4),
    Indexed(Group("PEN_DRAW", OFF(DispBlock, PEN_DRAW), kPenDrawNodes), 1, kPenCount, sizeof(PenDraw)),
    Indexed(Kw("PEN_LOG", OFF(DispBlock, PEN_LOG), kw::Switch), 1, kPenCount, 4),
};

// ---- RECORD ---------------------------------------------------------------

constexpr std::array kMbNodes{
    Kw("TRANS", OFF(MemoryBlockTransfer, TRANS), kw::MbTrans),
    Num("HOUR", OFF(MemoryBlockTransfer, HOUR), Store::I32, 0, 23, Print::LowByte),
    Kw("WEEK", OFF(MemoryBlockTransfer, WEEK), kw::Weekday),
    Kw("AUTO_TRANS", OFF(MemoryBlockTransfer, AUTO_TRANS), kw::Switch),
};

constexpr std::array kRecordNodes{
    Kw("SPEED", OFF(RecordBlock, SPEED), kw::Speed),
    Kw("AUTO", OFF(RecordBlock, AUTO), kw::Switch),
    Kw("DELETE", OFF(RecordBlock, DELETE), kw::Switch),
    Kw("FORMAT", OFF(RecordBlock, FORMAT), kw::RecordFormat),
    Group("MB", OFF(RecordBlock, MB), kMbNodes),
};

// ---- MAIL_REPORT ------------------------------------------------------------

constexpr std::array kReportNodes{
    Kw("MODE", OFF(MailReport, MODE), kw::Switch),
    Indexed(Kw("DST", OFF(MailReport, DST), kw::MailDst), 1, kMailAddressCount, 4),
    Txt("TITLE", OFF(MailReport, TITLE), sizeof(MailReport::TITLE)),
    Txt("MESSAGE", OFF(MailReport, MESSAGE), sizeof(MailReport::MESSAGE)),
    Raw("AI1", OFF(MailReport, AI1)),
    Raw("AI2", OFF(MailReport, AI2)),
    Raw("DI1", OFF(MailReport, DI1)),
    Raw("DI2", OFF(MailReport, DI2)),
    Raw("PI", OFF(MailReport, PI)),
    Raw("OI", OFF(MailReport, OI)),
    Raw("DO1", OFF(MailReport, DO1)),
    Raw("DO2", OFF(MailReport, DO2)),
    Raw("DO_ON1", OFF(MailReport, DO_ON1)),
    Raw("DO_ON2", OFF(MailReport, DO_ON2)),
    Raw("DO_OFF1", OFF(MailReport, DO_OFF1)),
    Raw("DO_OFF2", OFF(MailReport, DO_OFF2)),
};

constexpr std::array kReportTimeNodes{
    Kw("MODE", OFF(ReportTime, MODE), kw::Switch),
    Num("OFFSET_MIN", OFF(ReportTime, OFFSET_MIN), Store::U8, 0, 59),
    Num("OFFSET_SEC", OFF(ReportTime, OFFSET_SEC), Store::U8, 0, 59),
};

static_assert(offsetof(TimeReport, REPORT) == 0, "the time report's record fields start the block");

constexpr std::array kTimeExtraNodes{
    Raw("WDAY", OFF(TimeReport, WDAY), Store::U8, Print::Hex2),
    Indexed(Group("REPORT_TIME", OFF(TimeReport, REPORT_TIME), kReportTimeNodes), 0, kReportTimeCount,
            sizeof(ReportTime)),
};

constexpr auto kTimeNodes = Concat(kReportNodes, kTimeExtraNodes);

constexpr std::array kMailReportNodes{
    Indexed(Group("EVENT", OFF(MailReportBlock, EVENT), kReportNodes), 1, kEventReportCount, sizeof(MailReport)),
    Group("TIME", OFF(MailReportBlock, TIME), kTimeNodes),
    Num("ERROR", OFF(MailReportBlock, ERROR), Store::I32, 0, 64),
};

// ---- Root -------------------------------------------------------------------

constexpr std::array kSectionNodes{
    WithFlags(Group("VOLMAR", OFF(SettingRecord, VOLMAR), kAccessNodes), kNotInFull),
    Group("SYSTEM", OFF(SettingRecord, SYSTEM), kSystemNodes),
    Group("IO", OFF(SettingRecord, IO), kIoNodes),
    Group("COM", OFF(SettingRecord, COM), kComNodes),
    Group("DISP", OFF(SettingRecord, DISP), kDispNodes),
    Group("RECORD", OFF(SettingRecord, RECORD), kRecordNodes),
    Group("MAIL_REPORT", OFF(SettingRecord, MAIL_REPORT), kMailReportNodes),
};

constexpr Node kRoot = Group("VOL_MAR", 0, kSectionNodes);

// Compares lengths first: a name may hold NUL bytes, and strncmp would stop
// at them and look past the end of a shorter wanted name.
bool NameIs(const char* name, size_t len, const char* want)
{
    return std::strlen(want) == len && std::memcmp(name, want, len) == 0;
}

// Whether name is node's prefix followed by an index in its range.
bool MatchIndexed(const Node& node, const char* name, size_t len, int* index)
{
    size_t plen = std::strlen(node.name);
    if (len < plen || std::memcmp(name, node.name, plen) != 0) return false;
    const char* rest = name + plen;
    size_t rlen = len - plen;
    int32_t v = static_cast<int32_t>(ParseIntegerText(rest, rlen));
    if (v < node.first || v >= node.first + node.count) return false;
    if (node.flags & kExactIndex) {
        char digits[12];
        int n = std::snprintf(digits, sizeof digits, "%d", v);
        if (static_cast<size_t>(n) != rlen || std::memcmp(digits, rest, rlen) != 0) return false;
    }
    *index = v;
    return true;
}

bool Matches(const Node& node, const char* name, size_t len, int* index)
{
    if (node.Indexed()) return MatchIndexed(node, name, len, index);
    if (!NameIs(name, len, node.name)) return false;
    *index = 0;
    return true;
}

}  // namespace

const Node& DocumentRoot() { return kRoot; }
const Node& AccessSection() { return kSectionNodes[0]; }
const Node& ComSection() { return kSectionNodes[3]; }

const Node* FindChild(const Node& group, const char* name, size_t len, int* index, uint16_t* hint)
{
    const uint16_t n = group.childCount;
    if (n == 0) return nullptr;
    // Documents usually come in the writer's order: try the hinted child
    // first, then the others.
    uint16_t start = (hint && *hint < n) ? *hint : 0;
    for (uint16_t k = 0; k < n; ++k) {
        uint16_t i = static_cast<uint16_t>((start + k) % n);
        const Node& child = group.children[i];
        // A fixed name wins over an indexed prefix that would also match it.
        if (child.Indexed()) continue;
        if (Matches(child, name, len, index)) {
            if (hint) *hint = static_cast<uint16_t>(child.Indexed() ? i : i + 1);
            return &child;
        }
    }
    for (uint16_t k = 0; k < n; ++k) {
        uint16_t i = static_cast<uint16_t>((start + k) % n);
        const Node& child = group.children[i];
        if (!child.Indexed()) continue;
        if (Matches(child, name, len, index)) {
            if (hint) *hint = i;
            return &child;
        }
    }
    return nullptr;
}

std::vector<PathStep> ResolvePath(std::string_view path)
{
    std::vector<PathStep> steps;
    const Node* group = &kRoot;
    size_t pos = 0;
    bool root = true;
    while (pos < path.size()) {
        if (path[pos] != '<') return {};
        const size_t end = path.find('>', pos);
        if (end == std::string_view::npos) return {};
        const std::string_view name = path.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        if (root) {
            root = false;
            if (name == kRoot.name) continue;
        }
        if (!group || !group->IsGroup()) return {};
        int index = 0;
        const Node* node = FindChild(*group, name.data(), name.size(), &index, nullptr);
        if (!node) return {};
        steps.push_back({node, node->Indexed() ? index : -1});
        group = node;
    }
    return steps;
}

}  // namespace volmar
