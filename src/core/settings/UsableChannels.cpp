#include "core/settings/UsableChannels.h"

#include <cstddef>

#include "core/settings/Keywords.h"

namespace volmar {
namespace {

template <typename Item, size_t N>
bool AnyInUseFrom(const Item (&items)[N], int first)
{
    for (size_t i = static_cast<size_t>(first < 0 ? 0 : first); i < N; ++i)
        if (items[i].TYPE != 0) return true;
    return false;
}

template <typename Item, size_t N>
void ClearFrom(Item (&items)[N], int first)
{
    for (size_t i = static_cast<size_t>(first < 0 ? 0 : first); i < N; ++i) items[i].TYPE = 0;
}

}  // namespace

UsableCounts UsableAt(int32_t speed)
{
    if (speed >= kSpeed5ms && speed <= kSpeed50ms) return {16, 16, 32, 16, 16, 32};
    if (speed >= kSpeed100ms && speed <= kSpeed10s) return {32, 32, 64, 32, 32, 64};
    if (speed >= kSpeed1m && speed <= kSpeed1h) return {120, 64, 64, 32, 32, 64};
    return {0, 0, 0, 0, 0, 0};
}

int UsableOfPenType(const UsableCounts& counts, int32_t penType)
{
    switch (penType) {
    case kPenAi: return counts.ai;
    case kPenDi: return counts.di;
    case kPenPi: return counts.pi;
    case kPenOi: return counts.oi;
    case kPenDo: return counts.dout;
    default: return 0;
    }
}

bool HasUnusable(const SettingRecord& r, int32_t speed)
{
    const UsableCounts n = UsableAt(speed);
    return AnyInUseFrom(r.DISP.PEN_CONF, n.pens) || AnyInUseFrom(r.IO.AI, n.ai) || AnyInUseFrom(r.IO.DI, n.di) ||
           AnyInUseFrom(r.IO.PI, n.pi) || AnyInUseFrom(r.IO.OI, n.oi) || AnyInUseFrom(r.IO.DO, n.dout);
}

void DisableUnusable(SettingRecord& r, int32_t speed)
{
    const UsableCounts n = UsableAt(speed);
    ClearFrom(r.DISP.PEN_CONF, n.pens);
    ClearFrom(r.IO.AI, n.ai);
    ClearFrom(r.IO.DI, n.di);
    ClearFrom(r.IO.PI, n.pi);
    ClearFrom(r.IO.OI, n.oi);
    ClearFrom(r.IO.DO, n.dout);
}

}  // namespace volmar
