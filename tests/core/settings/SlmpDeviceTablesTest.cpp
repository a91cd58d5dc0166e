#include "core/settings/SlmpDeviceTables.h"

#include <gtest/gtest.h>

#include <cstring>

namespace volmar {
namespace {

// The report names a stored device by its code alone: every row of every
// list must name its code the way the lookup does, and the tables keep the
// sizes the editors' lists have.
TEST(SlmpDeviceTables, EveryRowIsFoundByItsCode)
{
    int rows = 0;
    for (int32_t slave : {0, 1, 2}) {
        for (const SlmpDeviceTable& table : {AiDeviceTable(slave), PiDeviceTable(slave), BitDeviceTable(slave)}) {
            for (int i = 0; i < table.count; ++i, ++rows) {
                const SlmpDevice* found = FindSlmpDevice(table.rows[i].code);
                ASSERT_NE(found, nullptr) << table.rows[i].name;
                EXPECT_STREQ(found->name, table.rows[i].name);
                EXPECT_EQ(found->hex, table.rows[i].hex) << found->name;
                EXPECT_EQ(table.RowOf(table.rows[i].code), i) << found->name;
            }
        }
    }
    EXPECT_EQ(rows, 2 * (10 + 12 + 18) + (11 + 15 + 21));
    EXPECT_EQ(FindSlmpDevice(0x01), nullptr);
    EXPECT_EQ(BitDeviceTable(0).RowOf(0x51), 0);  // LTS is only in the long list
}

}  // namespace
}  // namespace volmar
