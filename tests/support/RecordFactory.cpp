#include "RecordFactory.h"

#include <cstring>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/rules/SettingRules.h"
#include "core/settings/DocumentSchema.h"
#include "core/settings/FieldAccess.h"
#include "core/settings/Keywords.h"
#include "core/settings/SettingPaths.h"
#include "core/settings/ValueText.h"

namespace volmar::testing {
namespace {

// Characters a text may hold: the escaped ones, spaces, and one-, two- and
// three-byte UTF-8 characters. Lone CR and LF are left out: the document
// turns every line break into CR LF.
const char* const kPieces[] = {"a", "Z", "7", " ", "&", "<", ">", "\"", "'", "#", "\r\n", "\xC3\xA9", "\xE2\x82\xAC",
                               "-", "_", "]"};

class Filler {
public:
    Filler(uint32_t seed, bool maximal) : m_rng(seed), m_maximal(maximal) {}

    void Fill(const Node& node, char* base)
    {
        int count = node.Indexed() ? node.count : 1;
        for (int k = 0; k < count; ++k) {
            char* field = base + node.offset + static_cast<size_t>(k) * node.stride;
            if (node.IsGroup()) {
                for (uint16_t i = 0; i < node.childCount; ++i) Fill(node.children[i], field);
            } else {
                Leaf(node, field);
            }
        }
    }

private:
    uint32_t Pick(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(m_rng); }

    void Leaf(const Node& n, char* field)
    {
        switch (n.fmt) {
        case Fmt::Text: Text(n, field); return;
        case Fmt::Keyword: StoreInt(field, Store::I32, Pick(static_cast<uint32_t>(n.keywords->count))); return;
        case Fmt::Int: StoreInt(field, n.store, Number(n)); return;
        case Fmt::Real:
        case Fmt::PenReal: {
            // Values the written formats carry exactly: two decimals.
            double v = (static_cast<double>(Pick(2000001)) - 1000000.0) / 100.0;
            if (Pick(4) == 0) v *= 1000.0;
            std::string s = FormatFixed(v, 2);
            StoreDouble(field, ParseDouble(s.data(), s.size()));
            return;
        }
        case Fmt::InputRef: {
            auto* ref = reinterpret_cast<OiInputRef*>(field);
            ref->KIND = static_cast<int32_t>(Pick(4));
            ref->CH = static_cast<int32_t>(1 + Pick(ref->KIND <= kInputDi ? 64 : 32));
            return;
        }
        case Fmt::Width: StoreInt(field, Store::U32, m_rng()); return;
        case Fmt::Group: return;
        }
    }

    uint32_t Number(const Node& n)
    {
        switch (n.check) {
        case Check::None: return m_rng() >> Pick(32);
        case Check::MovingAverage: return 4u << Pick(5);
        case Check::UseAreas: { uint32_t v = Pick(5); return v == 0 ? 0 : v + 1; }
        case Check::Range: {
            int64_t span = n.max - n.min + 1;
            return static_cast<uint32_t>(n.min + static_cast<int64_t>(Pick(static_cast<uint32_t>(span))));
        }
        }
        return 0;
    }

    void Text(const Node& n, char* field)
    {
        const size_t room = n.size - 1;
        size_t want = m_maximal ? room : Pick(static_cast<uint32_t>(room + 1));
        std::string s;
        while (true) {
            const char* piece = (n.flags & kAscii) ? kPieces[Pick(10)] : kPieces[Pick(std::size(kPieces))];
            if ((n.flags & kAscii) && std::strcmp(piece, "\r\n") == 0) piece = "x";
            if (s.size() + std::strlen(piece) > want) break;
            s += piece;
        }
        while (m_maximal && s.size() < want) s += (n.flags & kAscii) ? "#" : "&";
        std::memset(field, 0, n.size);
        std::memcpy(field, s.data(), s.size());
    }

    std::mt19937 m_rng;
    bool m_maximal;
};

// Brings a random record within the invariants the reader checks.
void MakeConsistent(SettingRecord& r)
{
    r.RECORD.SPEED = kSpeed1m;
    auto orderZones = [](Zone (&zones)[kZoneCount]) {
        for (int k = 0; k < kZoneCount; ++k) {
            zones[k].LEVEL_LOWER = 100.0 * k;
            zones[k].LEVEL_UPPER = 100.0 * k + 50.25;
        }
    };
    for (AiChannel& c : r.IO.AI) {
        orderZones(c.AREA);
        if (c.SCALE == 0.0) c.SCALE = 1.5;
    }
    for (PiChannel& c : r.IO.PI) {
        orderZones(c.AREA);
        if (c.SCALE == 0.0) c.SCALE = 1.5;
        if (c.WIDTH.LOW >= c.WIDTH.HIGH) {
            c.WIDTH.LOW = 1;
            c.WIDTH.HIGH = 1000;
        }
    }
    for (OiChannel& c : r.IO.OI) orderZones(c.AREA);
    for (PenConf& p : r.DISP.PEN_CONF) {
        if ((p.TYPE == kPenPi || p.TYPE == kPenOi) && p.CH > 32) p.CH = 32;
    }
}

}  // namespace

std::unique_ptr<SettingRecord> MakeDefaultRecord()
{
    auto r = std::make_unique<SettingRecord>();
    ResetSettingRecord(*r);
    return r;
}

std::unique_ptr<SettingRecord> MakeRandomRecord(uint32_t seed)
{
    auto r = MakeDefaultRecord();
    Filler(seed, false).Fill(DocumentRoot(), reinterpret_cast<char*>(r.get()));
    MakeConsistent(*r);
    return r;
}

std::unique_ptr<SettingRecord> MakeMaximalRecord()
{
    auto r = MakeDefaultRecord();
    Filler(1, true).Fill(DocumentRoot(), reinterpret_cast<char*>(r.get()));
    MakeConsistent(*r);
    for (AiChannel& c : r->IO.AI) { c.TYPE = kAiCard; c.USE_AREAS = 5; c.AI_DATA_TYPE = kAiInt; }
    for (DiChannel& c : r->IO.DI) c.TYPE = 1;
    for (PiChannel& c : r->IO.PI) { c.TYPE = kPiCard; c.USE_AREAS = 5; }
    for (OiChannel& c : r->IO.OI) { c.TYPE = 1; c.USE_AREAS = 5; }
    for (DoChannel& c : r->IO.DO) c.TYPE = 1;
    for (int i = 0; i < kPenCount; ++i) {
        r->DISP.PEN_CONF[i].TYPE = kPenAi;
        r->DISP.PEN_CONF[i].CH = static_cast<int16_t>(1 + i % kAiCount);
    }
    for (MailReport& m : r->MAIL_REPORT.EVENT) m.MODE = kUse;
    r->MAIL_REPORT.TIME.REPORT.MODE = kUse;
    return r;
}

namespace {

// The bytes of the outermost indexed element on a verdict's path (a channel,
// a slave) as offset and length; a leaf's own when there is none.
std::pair<size_t, size_t> VerdictBytes(const std::string& path, bool wholeItem)
{
    const std::vector<PathStep> steps = ResolvePath("<VOL_MAR>" + ElementPath(path));
    size_t offset = 0, item = 0, itemSize = 0;
    for (const PathStep& step : steps) {
        offset += step.node->offset;
        if (step.node->Indexed()) {
            offset += static_cast<size_t>(step.index - step.node->first) * step.node->stride;
            if (!itemSize) {
                item = offset;
                itemSize = step.node->stride;
            }
        }
    }
    if (wholeItem && itemSize) return {item, itemSize};
    return {offset, FieldWidth(*steps.back().node)};
}

void ResetSection(SettingRecord& record, const SettingRecord& defaults, const std::string& name)
{
    if (name == "SYSTEM") record.SYSTEM = defaults.SYSTEM;
    if (name == "IO") record.IO = defaults.IO;
    if (name == "COM") record.COM = defaults.COM;
    if (name == "DISP") record.DISP = defaults.DISP;
    if (name == "RECORD") record.RECORD = defaults.RECORD;
    if (name == "MAIL_REPORT") record.MAIL_REPORT = defaults.MAIL_REPORT;
}

}  // namespace

void KeepWithinRules(SettingRecord& record)
{
    // The field a rule names is set back; an editor names one fault of a
    // group at a time (the first bad zone), so this takes rounds. A
    // cross-field rule that still fails then takes its whole channel or slave
    // back, and at last its whole section (a pen's limits follow its scale).
    const auto defaults = MakeDefaultRecord();
    constexpr int kLeafRounds = 40, kItemRounds = 42, kRounds = 44;
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<RuleVerdict> verdicts = CheckSettingRules(record);
        if (verdicts.empty()) return;
        for (const RuleVerdict& v : verdicts) {
            if (round >= kItemRounds) {
                ResetSection(record, *defaults, v.path.substr(0, v.path.find('/')));
                continue;
            }
            const auto [offset, size] = VerdictBytes(v.path, round >= kLeafRounds);
            std::memcpy(reinterpret_cast<char*>(&record) + offset, reinterpret_cast<const char*>(defaults.get()) + offset,
                        size);
        }
    }
    throw std::runtime_error("the record breaks a rule its default values do not mend: " +
                             CheckSettingRules(record).front().path);
}

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    if (at == std::string::npos) throw std::runtime_error("not in the document: " + from);
    return text.replace(at, from.size(), to);
}

}  // namespace volmar::testing
