#include "core/settings/EditorEntries.h"

#include <cstring>
#include <vector>

#include "core/settings/ChannelTypes.h"
#include "core/settings/DocumentSchema.h"
#include "core/settings/OiFunctions.h"
#include "core/settings/SlmpDeviceTables.h"
#include "core/settings/ValueText.h"

namespace volmar {
namespace entries {
namespace {
template <size_t N>
constexpr EntryList Make(const char* const (&texts)[N], int first = 0)
{
    return EntryList{texts, static_cast<int>(N), first};
}

const char* const kSwitch[] = {"Disable", "Enable"};
const char* const kLanguage[] = {"Japanese", "English"};
const char* const kWeekday[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kDstWeek[] = {"1", "2", "3", "4", "Last"};
const char* const kSlaveType[] = {"Modbus/TCP", "SLMP 16bit", "SLMP 32bit"};
const char* const kTimeType[] = {"Hour", "Minute", "Second"};
const char* const kAiDataType[] = {"% (0-10000)", "Int (integer)", "Uint (unsigned integer)"};
const char* const kFilter[] = {"None", "Moving average", "Delay buffer"};
const char* const kLogicType[] = {"X1 AND X2", "X1 OR X2", "X1 XOR X2", "NOT X1"};
const char* const kRecordAction[] = {"Disable", "Start", "Stop"};
const char* const kPiModeM[] = {"Accumulation", "Engineering unit value", "Floating point"};
const char* const kSumUnit[] = {"Minute", "Hour", "Day"};
const char* const kPiModeDi[] = {"ON", "OFF", "UP", "DOWN"};
const char* const kWordRegister[] = {"Input Register (3X)", "Holding Register (4X)"};
const char* const kBitRegister[] = {"Coil (0X)", "Input (1X)"};
const char* const kPartitions[] = {"Disable", nullptr, "2", "3", "4", "5"};
const char* const kDhcp[] = {"Manual setting", "Automatic setting (DHCP)"};
const char* const kMailCharset[] = {"UTF-8", "ISO-2022-JP"};
const char* const kSmtpAuthMode[] = {"Disable", "Auto", "CRAM-MD5", "LOGIN", "PLAIN"};
const char* const kPasvAddr[] = {"Use", "Ignore"};
const char* const kTrend[] = {"Vertical", "Horizontal"};
const char* const kPenType[] = {"None", "AI", "DI", "PI", "OI", "DO"};
const char* const kSpeed[] = {"5 milliseconds", "10 milliseconds", "50 milliseconds", "100 milliseconds",
                              "500 milliseconds", "1 second",        "2 seconds",       "5 seconds",
                              "10 seconds",       "1 minute",        "2 minutes",       "5 minutes",
                              "10 minutes",       "15 minutes",      "30 minutes",      "1 hour"};
const char* const kRecordFormat[] = {"QND", "CSV(SJIS)", "CSV(UTF-8)"};
const char* const kMbTrans[] = {"Max",     "3 minutes", "5 minutes", "10 minutes", "30 minutes", "1 hour",
                                "6 hours", "12 hours",  "1 day",     "1 week",     "1 month"};
const char* const kMailDst[] = {"None", "To", "Cc", "Bcc"};
}  // namespace

const EntryList Switch = Make(kSwitch);
const EntryList Language = Make(kLanguage);
const EntryList Weekday = Make(kWeekday);
const EntryList DstWeek = Make(kDstWeek, 1);
const EntryList SlaveType = Make(kSlaveType);
const EntryList TimeType = Make(kTimeType);
const EntryList AiDataType = Make(kAiDataType);
const EntryList Filter = Make(kFilter);
const EntryList LogicType = Make(kLogicType);
const EntryList RecordAction = Make(kRecordAction);
const EntryList PiMode = EntryList{kPiModeM, 2, 0};
const EntryList PiModeM = Make(kPiModeM);
const EntryList SumUnit = Make(kSumUnit);
const EntryList PiModeDi = Make(kPiModeDi);
const EntryList WordRegister = Make(kWordRegister, 3);
const EntryList BitRegister = Make(kBitRegister);
const EntryList Partitions = Make(kPartitions);
const EntryList Dhcp = Make(kDhcp);
const EntryList MailCharset = Make(kMailCharset);
const EntryList SmtpAuthMode = Make(kSmtpAuthMode);
const EntryList PasvAddr = Make(kPasvAddr);
const EntryList Trend = Make(kTrend);
const EntryList PenType = Make(kPenType);
const EntryList Speed = Make(kSpeed);
const EntryList RecordFormat = Make(kRecordFormat);
const EntryList MbTrans = Make(kMbTrans);
const EntryList MailDst = Make(kMailDst);
}  // namespace entries

namespace {

bool Named(const Node& node, const char* name) { return std::strcmp(node.name, name) == 0; }

// The entry of a keyword field's value (its keyword's position).
const char* KeywordEntry(const Node& leaf, int32_t value)
{
    const KeywordList* list = leaf.keywords;
    if (list == &kw::AiType) return TextOfType(AiTypeChoices(), value);
    if (list == &kw::DiType) return TextOfType(DiTypeChoices(), value);
    if (list == &kw::PiType) return TextOfType(PiTypeChoices(), value);
    if (list == &kw::DoType) return TextOfType(DoTypeChoices(), value);
    if (list == &kw::OiType) {
        const char* name = OiFunctionName(value);
        return *name ? name : nullptr;
    }
    if (Named(leaf, "PASV_ADDR")) return entries::PasvAddr.At(value);
    static const struct {
        const KeywordList* keywords;
        const EntryList* entries;
    } kLists[] = {
        {&kw::Switch, &entries::Switch},
        {&kw::Validity, &entries::Switch},
        {&kw::Language, &entries::Language},
        {&kw::Weekday, &entries::Weekday},
        {&kw::SlaveType, &entries::SlaveType},
        {&kw::TimeType, &entries::TimeType},
        {&kw::AiDataType, &entries::AiDataType},
        {&kw::Filter, &entries::Filter},
        {&kw::LogicType, &entries::LogicType},
        {&kw::RecordAction, &entries::RecordAction},
        {&kw::PiMode, &entries::PiMode},
        {&kw::PiModeM, &entries::PiModeM},
        {&kw::SumUnit, &entries::SumUnit},
        {&kw::PiModeDi, &entries::PiModeDi},
        {&kw::Dhcp, &entries::Dhcp},
        {&kw::MailCharset, &entries::MailCharset},
        {&kw::SmtpAuthMode, &entries::SmtpAuthMode},
        {&kw::Trend, &entries::Trend},
        {&kw::PenType, &entries::PenType},
        {&kw::Speed, &entries::Speed},
        {&kw::RecordFormat, &entries::RecordFormat},
        {&kw::MbTrans, &entries::MbTrans},
        {&kw::MailDst, &entries::MailDst},
    };
    for (const auto& l : kLists) {
        if (l.keywords == list) return l.entries->At(value);
    }
    return nullptr;
}

// The entry of a number the editor picks from a list; owner is the element
// the leaf belongs to (a channel's kind for the register type).
const char* NumberEntry(const Node& leaf, const Node* owner, int64_t value)
{
    if (value < INT32_MIN || value > INT32_MAX) return nullptr;
    const auto v = static_cast<int32_t>(value);
    if (Named(leaf, "WEEK1")) return entries::DstWeek.At(v);
    if (Named(leaf, "USE_AREAS")) return entries::Partitions.At(v);
    if (Named(leaf, "MOD_TYPE") && owner) {
        const bool word = Named(*owner, "AI") || Named(*owner, "PI");
        return word ? entries::WordRegister.At(v) : entries::BitRegister.At(v);
    }
    if (Named(leaf, "SLMP_DEV_CODE")) {
        if (v < 0 || v > UINT16_MAX) return nullptr;
        const SlmpDevice* device = FindSlmpDevice(static_cast<uint16_t>(v));
        return device ? device->name : nullptr;
    }
    return nullptr;
}

}  // namespace

const char* EditorEntry(std::string_view path, std::string_view value)
{
    const std::vector<PathStep> steps = ResolvePath(path);
    if (steps.empty()) return nullptr;
    const Node& leaf = *steps.back().node;
    const Node* owner = steps.size() >= 2 ? steps[steps.size() - 2].node : nullptr;
    if (leaf.fmt == Fmt::Keyword && leaf.keywords) {
        const int position = leaf.keywords->Find(value.data(), value.size());
        return position < 0 ? nullptr : KeywordEntry(leaf, position);
    }
    int64_t number = 0;
    const bool digits = value.find_first_of("0123456789") != std::string_view::npos;  // not a lone sign
    if (leaf.fmt == Fmt::Int && digits && CheckIntegerText(value, &number)) {
        return NumberEntry(leaf, owner, number);
    }
    return nullptr;
}

std::string EditorValue(std::string_view path, std::string_view value)
{
    const char* entry = EditorEntry(path, value);
    return entry ? std::string(entry) : std::string(value);
}

}  // namespace volmar
