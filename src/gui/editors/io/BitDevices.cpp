#include "editors/io/BitDevices.h"

#include "editors/io/SlaveUse.h"

namespace volmar::gui {
namespace {

constexpr SlmpDevice kTableA[] = {
    {0x91, "SM", false}, {0x9C, "X", true},   {0x9D, "Y", true},   {0x90, "M", false},  {0x92, "L", false},
    {0x93, "F", false},  {0x94, "V", false},  {0xA0, "B", true},   {0x98, "S", false},  {0xC1, "TS", false},
    {0xC0, "TC", false}, {0xC7, "STS", false}, {0xC6, "STC", false}, {0xC4, "CS", false}, {0xC3, "CC", false},
    {0xA1, "SB", true},  {0x55, "LCS", false}, {0x54, "LCC", false},
};

constexpr SlmpDevice kTableB[] = {
    {0x91, "SM", false},  {0x9C, "X", true},    {0x9D, "Y", true},    {0x90, "M", false},   {0x92, "L", false},
    {0x93, "F", false},   {0x94, "V", false},   {0xA0, "B", true},    {0xC1, "TS", false},  {0xC0, "TC", false},
    {0x51, "LTS", false}, {0x50, "LTC", false}, {0xC7, "STS", false}, {0xC6, "STC", false}, {0x59, "LSTS", false},
    {0x58, "LSTC", false}, {0xC4, "CS", false}, {0xC3, "CC", false},  {0xA1, "SB", true},   {0x55, "LCS", false},
    {0x54, "LCC", false},
};

static_assert(sizeof kTableA / sizeof kTableA[0] == 18);
static_assert(sizeof kTableB / sizeof kTableB[0] == 21);

}  // namespace

SlmpDeviceTable BitDeviceTable(int32_t slaveType)
{
    if (slaveType == kSlaveSlmp32) return {kTableB, static_cast<int>(sizeof kTableB / sizeof kTableB[0])};
    return {kTableA, static_cast<int>(sizeof kTableA / sizeof kTableA[0])};
}

}  // namespace volmar::gui
