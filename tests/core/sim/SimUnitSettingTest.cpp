// The simulated unit's setting: what a download returns and what an upload
// of a full or partial document changes, with the real document code.
#include <gtest/gtest.h>

#include <cstring>

#include "Process.h"
#include "RecordFactory.h"
#include "SimUnitSupport.h"
#include "core/settings/DocumentWriter.h"
#include "sim/unit/SettingFile.h"
#include "sim/unit/UnitCodes.h"

namespace volmar {
namespace {

using test::Bytes;
using test::Compress;
using test::Download;
using test::RecordOf;
using test::SameRecord;
using testing::ReplaceFirst;

TEST(SimUnitSetting, DownloadCarriesTheWholeRecordAccessAndAddressesIncluded)
{
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        auto r = testing::MakeRandomRecord(seed);
        sim::SimUnit unit({}, r.get());
        Bytes payload;
        int code = 0;
        ASSERT_TRUE(unit.Get("CONFIG_P", payload, code));
        ASSERT_GE(payload.size(), 2u);
        EXPECT_EQ(payload[0], 0x78);
        EXPECT_EQ(payload[1], 0x9C);
        auto back = Download(unit);
        ASSERT_NE(back, nullptr) << "seed " << seed;
        EXPECT_TRUE(SameRecord(*back, *r)) << "seed " << seed;
        // Saved as a settings file, it is the plain full document.
        EXPECT_EQ(WriteSettingDocument(*back), WriteSettingDocument(*r));
    }
    sim::SimUnit fresh;
    auto back = Download(fresh);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(SameRecord(*back, *testing::MakeDefaultRecord()));
}

TEST(SimUnitSetting, FullUploadReplacesTheSettingOnEveryLink)
{
    sim::SimUnit unit;
    auto r = testing::MakeRandomRecord(7);
    std::string doc = WriteSettingDocument(*r), access;
    WriteAccessDocument(*r, access);
    EXPECT_EQ(unit.Link(sim::UnitLink::Serial).Put("CONFIG_P", Compress(doc)).code, 0);
    EXPECT_EQ(unit.Link(sim::UnitLink::Tcp).Put("CONFIG_P", Compress(access)).code, 0);
    auto back = Download(unit.Link(sim::UnitLink::Cipher));
    ASSERT_NE(back, nullptr);
    // The full document leaves the addresses alone: they stay the unit's own.
    auto expected = testing::MakeRandomRecord(7);
    std::memcpy(&expected->COM.TCP_IP, &testing::MakeDefaultRecord()->COM.TCP_IP, sizeof expected->COM.TCP_IP);
    EXPECT_TRUE(SameRecord(*back, *expected));
}

TEST(SimUnitSetting, PartialDocumentsChangeOnlyWhatTheyCarry)
{
    auto start = testing::MakeRandomRecord(3);
    sim::SimUnit unit({}, start.get());

    auto edited = testing::MakeRandomRecord(9);
    StoreText(edited->COM.TCP_IP.IP_ADDRESS.MY, sizeof edited->COM.TCP_IP.IP_ADDRESS.MY, "10.1.2.3", 8);
    std::string network;
    WriteNetworkDocument(network, *edited);
    ASSERT_EQ(unit.Put("CONFIG_P", Compress(network)).code, 0);
    auto expected = testing::MakeRandomRecord(3);
    expected->COM.TCP_IP.IP_ADDRESS = edited->COM.TCP_IP.IP_ADDRESS;
    EXPECT_TRUE(SameRecord(*RecordOf(unit), *expected));

    // The access document changes the accounts the unit accepts.
    auto accounts = testing::MakeDefaultRecord();
    StoreText(accounts->VOLMAR.AUTH[3].LOGIN, sizeof accounts->VOLMAR.AUTH[3].LOGIN, "field", 5);
    StoreText(accounts->VOLMAR.AUTH[3].PASSWORD, sizeof accounts->VOLMAR.AUTH[3].PASSWORD, "pw#3", 4);
    accounts->VOLMAR.AUTH[3].MODE = kUse;
    accounts->VOLMAR.AUTH[0].MODE = kNoUse;
    std::string access;
    WriteAccessDocument(*accounts, access);
    ASSERT_EQ(unit.Put("CONFIG_P", Compress(access)).code, 0);
    expected->VOLMAR = accounts->VOLMAR;
    EXPECT_TRUE(SameRecord(*RecordOf(unit), *expected));
    EXPECT_TRUE(unit.Login("field", "pw#3"));
    EXPECT_FALSE(unit.Login("kovan", "kovan"));
    EXPECT_EQ(unit.LoginPasswords(), std::vector<std::string>{"pw#3"});
}

TEST(SimUnitSetting, RefusedUploadsLeaveTheSettingAlone)
{
    auto start = testing::MakeRandomRecord(5);
    sim::SimUnit unit({}, start.get());
    const std::string doc = WriteSettingDocument(*testing::MakeDefaultRecord());

    EXPECT_EQ(unit.Put("CONFIG_P", {}).code, sim::kResultCorrupt);
    EXPECT_EQ(unit.Put("CONFIG_P", Bytes(doc.begin(), doc.end())).code, sim::kResultCorrupt) << "not compressed";
    Bytes truncated = Compress(doc);
    truncated.resize(truncated.size() - 4);
    EXPECT_EQ(unit.Put("CONFIG_P", truncated).code, sim::kResultCorrupt);
    EXPECT_EQ(unit.Put("CONFIG_P", Compress(ReplaceFirst(doc, "</VOL_MAR>", ""))).code, sim::kResultCorrupt);

    const sim::PutOutcome unsupported =
        unit.Put("CONFIG_P", Compress(ReplaceFirst(doc, "<CARD_NO>1</CARD_NO>", "<CARD_NO>17</CARD_NO>")));
    EXPECT_EQ(unsupported.code, sim::kResultUnsupported);
    EXPECT_EQ(unsupported.text, "<VOL_MAR><IO><AI><AI1><CARD_NO>");
    EXPECT_TRUE(SameRecord(*RecordOf(unit), *start));

    // An element the unit does not know is passed over; the rest is taken.
    EXPECT_EQ(unit.Put("CONFIG_P", Compress(ReplaceFirst(doc, "<AI1>", "<AI65></AI65><AI1>"))).code, 0);
    auto expected = testing::MakeDefaultRecord();
    expected->VOLMAR = start->VOLMAR;
    expected->COM.TCP_IP = start->COM.TCP_IP;
    EXPECT_TRUE(SameRecord(*RecordOf(unit), *expected));
}

TEST(SimUnitSetting, WhileLoggingTheRecordSettingsAreLocked)
{
    sim::SimUnitOptions options;
    options.flags |= sim::kFlagLogging;
    sim::SimUnit unit(options);
    auto r = testing::MakeDefaultRecord();
    r->RECORD.DELETE = r->RECORD.DELETE == kUse ? kNoUse : kUse;
    EXPECT_EQ(unit.Put("CONFIG_P", Compress(WriteSettingDocument(*r))).code, sim::kResultLogging);
    EXPECT_TRUE(SameRecord(*RecordOf(unit), *testing::MakeDefaultRecord()));

    auto named = testing::MakeDefaultRecord();
    std::strcpy(named->SYSTEM.NAME1, "Pump station");
    EXPECT_EQ(unit.Put("CONFIG_P", Compress(WriteSettingDocument(*named))).code, 0);
    EXPECT_STREQ(RecordOf(unit)->SYSTEM.NAME1, "Pump station");

    unit.SetFlags(sim::kFlagSdCard);
    EXPECT_EQ(unit.Put("CONFIG_P", Compress(WriteSettingDocument(*r))).code, 0) << "logging stopped";
}

TEST(SimUnitSetting, StartsFromASettingsFileOnlyWhenItIsUsable)
{
    testing::TempDir dir;
    auto r = testing::MakeRandomRecord(11);
    const std::string doc = WriteSettingDocument(*r);
    auto loaded = std::make_unique<SettingRecord>();

    testing::WriteFile(dir.File("good.xml"), doc);
    sim::SettingFileResult good = sim::LoadSettingFile(dir.File("good.xml"), *loaded);
    EXPECT_TRUE(good.ok);
    EXPECT_EQ(good.message, "");
    EXPECT_EQ(WriteSettingDocument(*loaded), doc);

    testing::WriteFile(dir.File("info.xml"), ReplaceFirst(doc, "<AI1>", "<AI65></AI65><AI1>"));
    sim::SettingFileResult info = sim::LoadSettingFile(dir.File("info.xml"), *loaded);
    EXPECT_TRUE(info.ok);
    EXPECT_NE(info.message.find("unsupported information. <VOL_MAR><IO><AI><AI65>"), std::string::npos)
        << info.message;

    testing::WriteFile(dir.File("bad.xml"), ReplaceFirst(doc, "</VOL_MAR>", ""));
    sim::SettingFileResult bad = sim::LoadSettingFile(dir.File("bad.xml"), *loaded);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, dir.File("bad.xml") + ": Failed to convert into setting data.");

    sim::SettingFileResult missing = sim::LoadSettingFile(dir.File("none.xml"), *loaded);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("none.xml"), std::string::npos);
    EXPECT_FALSE(sim::LoadSettingFile(dir.path(), *loaded).ok);
}

}  // namespace
}  // namespace volmar
