#include "core/settings/SettingRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/settings/Keywords.h"

namespace volmar {
namespace {

TEST(SettingRecord, ResetFillsNumberedNamesAndZoneDefaults)
{
    auto r = std::make_unique<SettingRecord>();
    ResetSettingRecord(*r);
    EXPECT_STREQ(r->IO.AI[0].NAME, "AI1");
    EXPECT_STREQ(r->IO.DI[63].COMMENT, "DI64");
    EXPECT_STREQ(r->IO.OI[31].NAME, "OI32");
    EXPECT_STREQ(r->DISP.PAGE[29], "PAGE30");
    const Zone& z5 = r->IO.PI[3].AREA[4];
    EXPECT_EQ(z5.LEVEL_LOWER, 80.0);
    EXPECT_EQ(z5.LEVEL_UPPER, 100.0);
    EXPECT_STREQ(z5.AREA_NAME, "NAME5");
    EXPECT_STREQ(z5.UPPER.MESSAGE, "NAME5");
    EXPECT_EQ(z5.LOWER.EVENT_NO, 1);
    EXPECT_EQ(r->VOLMAR.AUTH[0].MODE, kUse);
    EXPECT_EQ(r->VOLMAR.AUTH[7].MODE, kNoUse);
    EXPECT_STREQ(r->COM.WEB.AUTH[7].PASSWORD, "kovan");
    EXPECT_EQ(r->RECORD.SPEED, kSpeed1s);
    EXPECT_EQ(r->MAIL_REPORT.TIME.WDAY, 127);
}

TEST(SettingRecord, ResetIsDeterministicIncludingPadding)
{
    auto a = std::make_unique<SettingRecord>();
    auto b = std::make_unique<SettingRecord>();
    std::memset(a.get(), 0xAB, sizeof *a);
    ResetSettingRecord(*a);
    ResetSettingRecord(*b);
    EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof *a), 0);
}

TEST(SettingRecord, StoreTextCutsOnCharacterBoundary)
{
    char field[5];
    // "aé€" is 1 + 2 + 3 bytes; four bytes of room keep "aé" only.
    const char* text = "a\xC3\xA9\xE2\x82\xAC";
    StoreText(field, sizeof field, text, std::strlen(text));
    EXPECT_STREQ(field, "a\xC3\xA9");
}

}  // namespace
}  // namespace volmar
