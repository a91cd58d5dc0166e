#include "editors/io/SlmpPiDevices.h"

#include <iterator>

#include "editors/io/SlaveUse.h"

namespace volmar::gui {
namespace {

constexpr SlmpDevice kTableA[] = {
    {0x62, "LZ", false},  {0x56, "LCN", false}, {0xA9, "SD", false}, {0xA8, "D", false},
    {0xB4, "W", true},    {0xC2, "TN", false},  {0xC8, "STN", false}, {0xC5, "CN", false},
    {0xB5, "SW", true},   {0xCC, "Z", false},   {0xAF, "R", false},  {0xB0, "ZR", false},
};
constexpr SlmpDevice kTableB[] = {
    {0x52, "LTN", false}, {0x5A, "LSTN", false}, {0x56, "LCN", false}, {0x62, "LZ", false},
    {0xA9, "SD", false},  {0xA8, "D", false},    {0xB4, "W", true},    {0xC2, "TN", false},
    {0xC8, "STN", false}, {0xC5, "CN", false},   {0xB5, "SW", true},   {0xCC, "Z", false},
    {0xAF, "R", false},   {0xB0, "ZR", false},   {0x2C, "RD", false},
};

}  // namespace

SlmpDeviceTable PiDeviceTable(int32_t slaveType)
{
    if (slaveType == kSlaveSlmp32) return {kTableB, static_cast<int>(std::size(kTableB))};
    return {kTableA, static_cast<int>(std::size(kTableA))};
}

}  // namespace volmar::gui
