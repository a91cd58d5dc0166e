#include "core/settings/SlmpDeviceTables.h"

#include <iterator>

namespace volmar {
namespace {

constexpr int32_t kSlmp32 = 2;

// Table A of the AI channel is this list without RD.
constexpr SlmpDevice kAiDevices[] = {
    {0xA9, "SD", false}, {0xA8, "D", false}, {0xB4, "W", true},  {0xC2, "TN", false},
    {0xC8, "STN", false}, {0xC5, "CN", false}, {0xB5, "SW", true}, {0xCC, "Z", false},
    {0xAF, "R", false},  {0xB0, "ZR", false}, {0x2C, "RD", false},
};

constexpr SlmpDevice kPiTableA[] = {
    {0x62, "LZ", false},  {0x56, "LCN", false}, {0xA9, "SD", false}, {0xA8, "D", false},
    {0xB4, "W", true},    {0xC2, "TN", false},  {0xC8, "STN", false}, {0xC5, "CN", false},
    {0xB5, "SW", true},   {0xCC, "Z", false},   {0xAF, "R", false},  {0xB0, "ZR", false},
};
constexpr SlmpDevice kPiTableB[] = {
    {0x52, "LTN", false}, {0x5A, "LSTN", false}, {0x56, "LCN", false}, {0x62, "LZ", false},
    {0xA9, "SD", false},  {0xA8, "D", false},    {0xB4, "W", true},    {0xC2, "TN", false},
    {0xC8, "STN", false}, {0xC5, "CN", false},   {0xB5, "SW", true},   {0xCC, "Z", false},
    {0xAF, "R", false},   {0xB0, "ZR", false},   {0x2C, "RD", false},
};

constexpr SlmpDevice kBitTableA[] = {
    {0x91, "SM", false}, {0x9C, "X", true},   {0x9D, "Y", true},   {0x90, "M", false},  {0x92, "L", false},
    {0x93, "F", false},  {0x94, "V", false},  {0xA0, "B", true},   {0x98, "S", false},  {0xC1, "TS", false},
    {0xC0, "TC", false}, {0xC7, "STS", false}, {0xC6, "STC", false}, {0xC4, "CS", false}, {0xC3, "CC", false},
    {0xA1, "SB", true},  {0x55, "LCS", false}, {0x54, "LCC", false},
};
constexpr SlmpDevice kBitTableB[] = {
    {0x91, "SM", false},  {0x9C, "X", true},    {0x9D, "Y", true},    {0x90, "M", false},   {0x92, "L", false},
    {0x93, "F", false},   {0x94, "V", false},   {0xA0, "B", true},    {0xC1, "TS", false},  {0xC0, "TC", false},
    {0x51, "LTS", false}, {0x50, "LTC", false}, {0xC7, "STS", false}, {0xC6, "STC", false}, {0x59, "LSTS", false},
    {0x58, "LSTC", false}, {0xC4, "CS", false}, {0xC3, "CC", false},  {0xA1, "SB", true},   {0x55, "LCS", false},
    {0x54, "LCC", false},
};

static_assert(std::size(kBitTableA) == 18 && std::size(kBitTableB) == 21);

template <size_t N>
constexpr SlmpDeviceTable Whole(const SlmpDevice (&rows)[N])
{
    return {rows, static_cast<int>(N)};
}

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
    const SlmpDeviceTable all = Whole(kAiDevices);
    return slaveType == kSlmp32 ? all : SlmpDeviceTable{all.rows, all.count - 1};
}

SlmpDeviceTable PiDeviceTable(int32_t slaveType)
{
    return slaveType == kSlmp32 ? Whole(kPiTableB) : Whole(kPiTableA);
}

SlmpDeviceTable BitDeviceTable(int32_t slaveType)
{
    return slaveType == kSlmp32 ? Whole(kBitTableB) : Whole(kBitTableA);
}

const SlmpDevice* FindSlmpDevice(uint16_t code)
{
    for (const SlmpDeviceTable& table : {Whole(kAiDevices), Whole(kPiTableB), Whole(kBitTableB), Whole(kBitTableA)}) {
        for (int i = 0; i < table.count; ++i) {
            if (table.rows[i].code == code) return &table.rows[i];
        }
    }
    return nullptr;
}

}  // namespace volmar
