#include "core/settings/Keywords.h"

#include <cstring>

namespace volmar {

int KeywordList::Find(const char* text, size_t len) const
{
    for (int i = 0; i < count; ++i) {
        if (std::strlen(words[i]) == len && std::memcmp(words[i], text, len) == 0) return i;
    }
    return -1;
}

namespace kw {
namespace {
template <size_t N>
constexpr KeywordList Make(const char* const (&words)[N])
{
    return KeywordList{words, static_cast<int>(N)};
}

const char* const kSwitch[] = {"NOUSE", "USE"};
const char* const kValidity[] = {"INVALID", "ACTIVE"};
const char* const kLanguage[] = {"JAPANESE", "ENGLISH"};
const char* const kWeekday[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
const char* const kSlaveType[] = {"MODBUS_TCP", "SLMP16", "SLMP32"};
const char* const kAiType[] = {"NONE", "CARD", "MODBUS_TCP", "REG", "TIME", "DEMO_SIN", "DEMO_PULSE", "SLMP"};
const char* const kTimeType[] = {"HOUR", "MIN", "SEC"};
const char* const kAiDataType[] = {"PERCENT", "INT", "UINT"};
const char* const kFilter[] = {"NONE", "AVERAGE", "SINGLE"};
const char* const kDiType[] = {"NONE", "CARD", "MODBUS_TCP", "REG", "LOGIC", "DEMO", "AI", "SLMP"};
const char* const kLogicType[] = {"AND", "OR", "XOR", "NOT"};
const char* const kRecordAction[] = {"NONE", "START", "STOP"};
const char* const kPiType[] = {"NONE", "CARD", "MODBUS_TCP", "REG", "ANALOG_SUM", "DI", "DEMO", "SLMP"};
const char* const kPiMode[] = {"SUM", "REAL"};
const char* const kPiModeM[] = {"SUM", "REAL", "FLOAT"};
const char* const kSumUnit[] = {"MIN", "HOUR", "DAY"};
const char* const kPiModeDi[] = {"ON", "OFF", "UP", "DOWN"};
const char* const kOiType[] = {"NONE", "ADD", "MUL", "DIV", "SQRT", "AVERAGE", "SINGLE", "MAX", "MIN",
                               "EXP", "LOG", "LN", "ANALOG_SUM", "POWER", "F_VALUE", "ANTILOG", "SCALE"};
const char* const kInputKind[] = {"AI", "DI", "PI", "OI"};
const char* const kDoType[] = {"NONE", "CARD", "MODBUS_TCP", "SLMP"};
const char* const kDhcp[] = {"OFF", "ON"};
const char* const kMailCharset[] = {"UTF_8", "ISO_2022_JP"};
const char* const kSmtpAuthMode[] = {"NOUSE", "AUTO", "CRAM_MD5", "LOGIN", "PLAIN"};
const char* const kTrend[] = {"VERTICAL", "HRIZONTAL"};
const char* const kPenType[] = {"NONE", "AI", "DI", "PI", "OI", "DO"};
const char* const kSpeed[] = {"5MS", "10MS", "50MS", "100MS", "500MS", "1S", "2S", "5S",
                              "10S", "1M", "2M", "5M", "10M", "15M", "30M", "1H"};
const char* const kRecordFormat[] = {"QND", "CSV_SJIS", "CSV_UTF8"};
const char* const kMbTrans[] = {"MAX", "3M", "5M", "10M", "30M", "1H", "6H", "12H", "1D", "1W", "1MON"};
const char* const kMailDst[] = {"NONE", "TO", "CC", "BCC"};
}  // namespace

const KeywordList Switch = Make(kSwitch);
const KeywordList Validity = Make(kValidity);
const KeywordList Language = Make(kLanguage);
const KeywordList Weekday = Make(kWeekday);
const KeywordList SlaveType = Make(kSlaveType);
const KeywordList AiType = Make(kAiType);
const KeywordList TimeType = Make(kTimeType);
const KeywordList AiDataType = Make(kAiDataType);
const KeywordList Filter = Make(kFilter);
const KeywordList DiType = Make(kDiType);
const KeywordList LogicType = Make(kLogicType);
const KeywordList RecordAction = Make(kRecordAction);
const KeywordList PiType = Make(kPiType);
const KeywordList PiMode = Make(kPiMode);
const KeywordList PiModeM = Make(kPiModeM);
const KeywordList SumUnit = Make(kSumUnit);
const KeywordList PiModeDi = Make(kPiModeDi);
const KeywordList OiType = Make(kOiType);
const KeywordList InputKind = Make(kInputKind);
const KeywordList DoType = Make(kDoType);
const KeywordList Dhcp = Make(kDhcp);
const KeywordList MailCharset = Make(kMailCharset);
const KeywordList SmtpAuthMode = Make(kSmtpAuthMode);
const KeywordList Trend = Make(kTrend);
const KeywordList PenType = Make(kPenType);
const KeywordList Speed = Make(kSpeed);
const KeywordList RecordFormat = Make(kRecordFormat);
const KeywordList MbTrans = Make(kMbTrans);
const KeywordList MailDst = Make(kMailDst);
}  // namespace kw

}  // namespace volmar
