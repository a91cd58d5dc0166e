#include "core/settings/ChannelKinds.h"

namespace volmar {
namespace {

template <typename Ch>
const char* NameIfEnabled(const Ch& ch)
{
    return ch.TYPE != 0 ? ch.NAME : nullptr;
}

}  // namespace

int ChannelCount(int32_t kind)
{
    switch (kind) {
    case kKindAi: return kAiCount;
    case kKindDi: return kDiCount;
    case kKindPi: return kPiCount;
    case kKindOi: return kOiCount;
    default: return 0;
    }
}

const char* KindName(int32_t kind)
{
    static const char* const kNames[] = {"AI", "DI", "PI", "OI"};
    return kind >= kKindAi && kind <= kKindOi ? kNames[kind] : "";
}

const char* EnabledChannelName(const SettingRecord& record, int32_t kind, int index)
{
    if (index < 0 || index >= ChannelCount(kind)) return nullptr;
    const IoBlock& io = record.IO;
    switch (kind) {
    case kKindAi: return NameIfEnabled(io.AI[index]);
    case kKindDi: return NameIfEnabled(io.DI[index]);
    case kKindPi: return NameIfEnabled(io.PI[index]);
    default: return NameIfEnabled(io.OI[index]);
    }
}

}  // namespace volmar
