#include "gui/editors/io/SlaveUse.h"

#include "core/settings/EditorEntries.h"

namespace volmar::gui {
namespace {

// The channel type values of the two slave links; DO numbers SLMP 3.
constexpr int32_t kModbusType = 2;
constexpr int32_t kSlmpType = 7;
constexpr int32_t kDoSlmpType = 3;

bool Matches(int32_t type, int32_t slmpType, SlaveLink link)
{
    switch (link) {
    case SlaveLink::ModbusTcp: return type == kModbusType;
    case SlaveLink::Slmp: return type == slmpType;
    case SlaveLink::Any: return type == kModbusType || type == slmpType;
    }
    return false;
}

// Calls visit(type) for every channel that polls the slave over the link.
template <typename Io, typename Visit>
void ForEachChannel(Io& io, int slave, SlaveLink link, Visit visit)
{
    auto scan = [&](auto& channels, int32_t slmpType) {
        for (auto& ch : channels) {
            if (ch.MOD_NODE == slave && Matches(ch.TYPE, slmpType, link)) visit(ch.TYPE);
        }
    };
    scan(io.AI, kSlmpType);
    scan(io.DI, kSlmpType);
    scan(io.PI, kSlmpType);
    scan(io.DO, kDoSlmpType);
}

}  // namespace

bool SlaveInUse(const SettingRecord& record, int slave, SlaveLink link)
{
    bool found = false;
    ForEachChannel(record.IO, slave, link, [&](const int32_t&) { found = true; });
    return found;
}

void DisableSlaveChannels(SettingRecord& record, int slave)
{
    ForEachChannel(record.IO, slave, SlaveLink::Any, [](int32_t& type) { type = 0; });
}

QString SlaveTypeName(int32_t type)
{
    const char* text = entries::SlaveType.At(type);
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace volmar::gui
