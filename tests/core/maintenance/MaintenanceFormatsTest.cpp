// What the maintenance queries show and the date/time payload.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "core/maintenance/MaintenanceFormats.h"

namespace volmar {
namespace {

std::vector<uint8_t> SdReply(double bytes)
{
    std::vector<uint8_t> reply(12, 0xEE);
    uint64_t bits = 0;
    std::memcpy(&bits, &bytes, sizeof bits);
    for (int i = 0; i < 8; ++i) reply[i] = static_cast<uint8_t>(bits >> (8 * i));
    return reply;
}

DateTimeFields Fields(const char* y, const char* mo, const char* d, const char* h = "10", const char* mi = "20",
                      const char* s = "30")
{
    return {y, mo, d, h, mi, s};
}

TEST(MaintenanceFormats, MacVersionAndLog)
{
    const std::vector<uint8_t> mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    EXPECT_EQ(FormatMac(mac), "00-1A-2B-3C-4D-5E");
    EXPECT_FALSE(FormatMac(std::span(mac).first(5)));
    EXPECT_FALSE(FormatMac(std::vector<uint8_t>(7, 0)));

    EXPECT_EQ(FormatVersion({0x29, 2, 1, 0x01, 0x2C, 0}), "QN70-G-R Ver. 2.1.300");
    EXPECT_EQ(FormatVersion({0x30, 3, 0, 0xFF, 0xFF, 0}), "QN70--R Ver. 3.0.65535");

    // A full reply has no NUL: every byte received is the text, nothing past it.
    std::vector<uint8_t> full(kLogCapacity + 8, 'x');
    EXPECT_EQ(DecodeSystemLog(std::span(full).first(kLogCapacity)), std::string(kLogCapacity, 'x'));
    const std::vector<uint8_t> shortLog = {'o', 'k', 0, 'z'};
    EXPECT_EQ(DecodeSystemLog(shortLog), "ok");
    EXPECT_EQ(DecodeSystemLog({}), "");
}

TEST(MaintenanceFormats, DiskFreeInTheLargestUnitAndNothingForNonsense)
{
    EXPECT_EQ(FormatDiskFree(SdReply(0)), "0byte");
    EXPECT_EQ(FormatDiskFree(SdReply(1023)), "1023byte");
    EXPECT_EQ(FormatDiskFree(SdReply(1536)), "1.50KB (1536byte)");
    EXPECT_EQ(FormatDiskFree(SdReply(1048576)), "1.00MB (1048576byte)");
    EXPECT_EQ(FormatDiskFree(SdReply(3221225472.0)), "3.00GB (3221225472byte)");
    const auto kb = SdReply(1536);
    EXPECT_EQ(FormatDiskFree(std::span(kb).first(8)), "1.50KB (1536byte)");
    EXPECT_EQ(FormatDiskFree(std::span(kb).first(7)), "");
    EXPECT_EQ(FormatDiskFree(SdReply(std::numeric_limits<double>::quiet_NaN())), "");
    EXPECT_EQ(FormatDiskFree(SdReply(-1)), "");
    EXPECT_EQ(FormatDiskFree(SdReply(std::numeric_limits<double>::infinity())), "");
    // The byte count is printed whole, however many digits it has.
    EXPECT_EQ(FormatDiskFree(SdReply(1e47)),
              "93132257461547855645962343092653654016.00GB (100000000000000004384584304507619735463404765184byte)");
    const std::string largest = FormatDiskFree(SdReply(std::numeric_limits<double>::max()));
    EXPECT_EQ(largest.size(), 621u);
    EXPECT_EQ(largest.substr(largest.size() - 12), "4858368byte)");
}

TEST(MaintenanceFormats, DateValidationAndLittleEndianPayload)
{
    const auto payload = BuildTimePayload(Fields("2024", "02", "29", "23", "59", "58"));
    ASSERT_TRUE(payload);
    const TimePayload expected = {0xE8, 0x07, 2, 0, 29, 0, 23, 0, 59, 0, 58, 0};
    EXPECT_EQ(*payload, expected);

    for (int year = 2010; year <= 2059; ++year) {
        const std::string y = std::to_string(year);
        EXPECT_EQ(BuildTimePayload(Fields(y.c_str(), "2", "29")).has_value(), year % 4 == 0) << year;
    }
    EXPECT_TRUE(BuildTimePayload(Fields("2059", "12", "31", "0", "0", "0")));
    EXPECT_FALSE(BuildTimePayload(Fields("2009", "12", "31")));
    EXPECT_FALSE(BuildTimePayload(Fields("2060", "1", "1")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "4", "31")));
    EXPECT_TRUE(BuildTimePayload(Fields("2030", "4", "30")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "13", "1")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "0", "1")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "1", "0")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "1", "1", "24")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "1", "1", "0", "60")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "1", "1", "0", "0", "60")));
    // Lengths are refused before any range: a five-digit year, a three-digit day.
    EXPECT_FALSE(BuildTimePayload(Fields("02030", "1", "1")));
    EXPECT_FALSE(BuildTimePayload(Fields("2030", "1", "001")));

    std::tm t{};
    t.tm_year = 2031 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 8;
    t.tm_sec = 9;
    EXPECT_EQ(DateTimeFieldsOf(t), Fields("2031", "01", "05", "07", "08", "09"));
}

}  // namespace
}  // namespace volmar
