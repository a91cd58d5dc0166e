#include "core/settings/DocumentReader.h"
#include "core/settings/Keywords.h"
#include "core/settings/UsableChannels.h"

namespace volmar {
namespace {

// How many channels and pens the recording speed allows.
struct ChannelLimits {
    int ai, di, pi, oi, pens;
};

ChannelLimits LimitsFor(int32_t speed)
{
    // Rates the unit does not know are checked as the nearest known one.
    const UsableCounts n = UsableAt(speed < kSpeed5ms ? kSpeed5ms : speed > kSpeed1h ? kSpeed1h : speed);
    return {n.ai, n.di, n.pi, n.oi, n.pens};
}

template <typename Channel, size_t N>
bool NoneAbove(const Channel (&channels)[N], int limit)
{
    for (size_t i = static_cast<size_t>(limit); i < N; ++i) {
        if (channels[i].TYPE != 0) return false;
    }
    return true;
}

// Zones 1..n in use: each zone starts at or above the end of the one below,
// and the inner zones have their lower bound below their upper bound.
bool ZonesOrdered(const Zone (&zones)[kZoneCount], int n)
{
    if (n > kZoneCount) n = kZoneCount;
    for (int k = 2; k <= n; ++k) {
        if (zones[k - 1].LEVEL_LOWER < zones[k - 2].LEVEL_UPPER) return false;
    }
    for (int k = 2; k <= n - 1; ++k) {
        if (!(zones[k - 1].LEVEL_LOWER < zones[k - 1].LEVEL_UPPER)) return false;
    }
    return true;
}

bool PenChannelValid(const PenConf& pen)
{
    switch (pen.TYPE) {
    case kPenAi:
    case kPenDi:
    case kPenDo: return pen.CH >= 1 && pen.CH <= 64;
    case kPenPi:
    case kPenOi: return pen.CH >= 1 && pen.CH <= 32;
    default: return true;
    }
}

}  // namespace

bool CheckSettingConsistency(const SettingRecord& r)
{
    const ChannelLimits lim = LimitsFor(r.RECORD.SPEED);
    if (!NoneAbove(r.DISP.PEN_CONF, lim.pens) || !NoneAbove(r.IO.AI, lim.ai) || !NoneAbove(r.IO.DI, lim.di) ||
        !NoneAbove(r.IO.PI, lim.pi) || !NoneAbove(r.IO.OI, lim.oi)) {
        return false;
    }
    for (const PenConf& pen : r.DISP.PEN_CONF) {
        if (!PenChannelValid(pen)) return false;
    }
    for (const AiChannel& c : r.IO.AI) {
        if (c.TYPE != kAiNone && !ZonesOrdered(c.AREA, c.USE_AREAS)) return false;
    }
    for (const PiChannel& c : r.IO.PI) {
        if (c.TYPE != kPiNone && !ZonesOrdered(c.AREA, c.USE_AREAS)) return false;
    }
    for (const OiChannel& c : r.IO.OI) {
        if (c.TYPE != 0 && !ZonesOrdered(c.AREA, c.USE_AREAS)) return false;
    }
    for (const PiChannel& c : r.IO.PI) {
        bool counted = (c.TYPE == kPiModbusTcp || c.TYPE == kPiSlmp) && c.MODE_M == kPiModeMSum;
        if (counted && !(c.WIDTH.LOW < c.WIDTH.HIGH)) return false;
    }
    for (const AiChannel& c : r.IO.AI) {
        bool integer = c.AI_DATA_TYPE == kAiInt || c.AI_DATA_TYPE == kAiUint;
        if (c.TYPE != kAiNone && integer && c.SCALE == 0.0) return false;
    }
    for (const PiChannel& c : r.IO.PI) {
        if (c.TYPE != kPiNone && c.SCALE == 0.0) return false;
    }
    return true;
}

}  // namespace volmar
