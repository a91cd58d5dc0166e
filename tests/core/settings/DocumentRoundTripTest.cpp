// Round trips over random valid records, and hostile documents that must end
// in a verdict without reading or writing past a buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "RecordFactory.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

using testing::MakeDefaultRecord;

int ReadInto(SettingRecord& r, const std::string& doc)
{
    ResetSettingRecord(r);
    return ReadSettingDocument(r, doc.data(), doc.size());
}

TEST(DocumentRoundTrip, DefaultRecordReadsBackByteForByte)
{
    auto r = MakeDefaultRecord();
    auto back = std::make_unique<SettingRecord>();
    EXPECT_EQ(ReadInto(*back, WriteSettingDocument(*r)), 0);
    EXPECT_EQ(std::memcmp(r.get(), back.get(), sizeof *r), 0);
}

TEST(DocumentRoundTrip, RandomRecordsSurviveWriteAndRead)
{
    auto back = std::make_unique<SettingRecord>();
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        auto r = testing::MakeRandomRecord(seed);
        // The full document leaves out the access block and the addresses:
        // read them back from the partial documents.
        std::string doc = WriteSettingDocument(*r), access, network;
        WriteAccessDocument(*r, access);
        WriteNetworkDocument(network, *r);
        ASSERT_EQ(ReadInto(*back, doc), 0) << "seed " << seed;
        ASSERT_EQ(ReadSettingDocument(*back, access.data(), access.size()), 0);
        ASSERT_EQ(ReadSettingDocument(*back, network.data(), network.size()), 0);
        ASSERT_EQ(std::memcmp(r.get(), back.get(), sizeof *r), 0) << "seed " << seed;
        EXPECT_EQ(WriteSettingDocument(*back), doc) << "seed " << seed;
    }
}

TEST(DocumentRoundTrip, MaximalRecordFitsAndSurvives)
{
    auto r = testing::MakeMaximalRecord();
    std::string doc = WriteSettingDocument(*r);
    EXPECT_TRUE(doc.size() + 16 <= kSettingBufferSize) << doc.size();
    auto back = std::make_unique<SettingRecord>();
    ASSERT_EQ(ReadInto(*back, doc), 0);
    EXPECT_EQ(WriteSettingDocument(*back), doc);
}

TEST(DocumentRoundTrip, HostileDocumentsEndInAVerdict)
{
    auto r = MakeDefaultRecord();
    std::string doc = WriteSettingDocument(*r);
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><VOL_MAR><SYSTEM>";
    const std::string tail = "</SYSTEM></VOL_MAR>";

    // Truncated at many places: never a crash, never success beyond the root.
    for (size_t cut = 0; cut < doc.size(); cut += 9973) {
        EXPECT_EQ(ReadInto(*r, doc.substr(0, cut)) & kReadFailed, kReadFailed) << cut;
    }
    EXPECT_EQ(ReadInto(*r, "") & kReadFailed, kReadFailed);
    EXPECT_EQ(ReadInto(*r, "<VOLMAR></VOLMAR>"), kReadFailed) << "wrong root";

    // Ten levels are allowed, eleven are not.
    std::string ten = "<VOL_MAR>", eleven;
    for (int i = 0; i < 9; ++i) ten += "<E>";
    for (int i = 0; i < 9; ++i) ten += "</E>";
    ten += "</VOL_MAR>";
    EXPECT_EQ(ReadInto(*r, ten), kReadUnsupportedInfo);
    std::string deep = "<VOL_MAR>";
    for (int i = 0; i < 100000; ++i) deep += "<E>";
    EXPECT_EQ(ReadInto(*r, deep) & kReadFailed, kReadFailed);

    EXPECT_EQ(ReadInto(*r, head + "<" + std::string(31, 'N') + ">1</" + std::string(31, 'N') + ">" + tail),
              kReadUnsupportedInfo);
    EXPECT_EQ(ReadInto(*r, head + "<" + std::string(32, 'N') + ">1</" + std::string(32, 'N') + ">" + tail) &
                  kReadFailed,
              kReadFailed);

    // Character-data chunks: entity references split a value. 101 chunks
    // since the last tag are read, the next one stops the parse.
    std::string refs;
    for (int i = 0; i < 50; ++i) refs += "a&amp;";
    EXPECT_EQ(ReadInto(*r, head + "<NAME1>" + refs + "</NAME1>" + tail), 0);
    EXPECT_STREQ(r->SYSTEM.NAME1, "&") << "each chunk replaces the one before";
    EXPECT_EQ(ReadInto(*r, head + "<NAME1>" + refs + "b&amp;</NAME1>" + tail), kReadFailed);

    // A huge text is cut to the field; the buffers are never overrun.
    std::string huge(3u << 20, 'h');
    EXPECT_EQ(ReadInto(*r, head + "<NAME1>" + huge + "</NAME1>" + tail), 0);
    EXPECT_EQ(std::strlen(r->SYSTEM.NAME1), 96u);

    // Encodings the parser does not know are refused; bad bytes fail.
    EXPECT_EQ(ReadInto(*r, "<?xml version=\"1.0\" encoding=\"X-UNKNOWN\"?><VOL_MAR></VOL_MAR>"), kReadFailed);
    EXPECT_EQ(ReadInto(*r, head + "<NAME1>\xFF\xFE</NAME1>" + tail), kReadFailed);
    EXPECT_EQ(ReadInto(*r, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><VOL_MAR><SYSTEM><NAME1>\xE9</NAME1>" + tail),
              0);
    EXPECT_STREQ(r->SYSTEM.NAME1, "\xC3\xA9");

    // Text outside any known element and stray attributes are harmless.
    EXPECT_EQ(ReadInto(*r, "<VOL_MAR x=\"1\">text<SYSTEM a=\"b\">more</SYSTEM></VOL_MAR>"), 0);
}

}  // namespace
}  // namespace volmar
