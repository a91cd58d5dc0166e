#include "editors/io/SlmpDevices.h"

#include "editors/io/SlaveUse.h"

namespace volmar::gui {
namespace {

constexpr SlmpDevice kAiDevices[] = {
    {0xA9, "SD", false}, {0xA8, "D", false}, {0xB4, "W", true},  {0xC2, "TN", false},
    {0xC8, "STN", false}, {0xC5, "CN", false}, {0xB5, "SW", true}, {0xCC, "Z", false},
    {0xAF, "R", false},  {0xB0, "ZR", false}, {0x2C, "RD", false},
};
constexpr int kTableA = 10;
constexpr int kTableB = 11;

}  // namespace

int SlmpDeviceTable::RowOf(uint16_t code) const
{
    for (int i = 0; i < count; ++i) {
        if (rows[i].code == code) return i;
    }
    return 0;
}

SlmpDeviceTable AiDeviceTable(int32_t slaveType)
{
    return {kAiDevices, slaveType == kSlaveSlmp32 ? kTableB : kTableA};
}

}  // namespace volmar::gui
