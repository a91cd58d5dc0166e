#include "core/settings/Gzlib.h"

#include <gtest/gtest.h>

#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

TEST(Gzlib, SettingDocumentRoundTrip)
{
    std::string doc = WriteSettingDocument(*testing::MakeDefaultRecord());
    CGzlib zip;
    Message m;
    ASSERT_TRUE(PackSettingDocument(doc, zip, &m));
    ASSERT_GE(zip.CompressedLength(), 2u);
    EXPECT_EQ(zip.Compressed()[0], 0x78);
    EXPECT_EQ(zip.Compressed()[1], 0x9C);
    CGzlib back;
    ASSERT_TRUE(UnpackSettingPayload(zip.Compressed(), zip.CompressedLength(), back, &m));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.Decompressed()), back.DecompressedLength()), doc);
    EXPECT_EQ(back.Decompressed()[back.DecompressedLength()], 0) << "the result is followed by a NUL";
}

TEST(Gzlib, BrokenPayloadsFail)
{
    std::string doc = WriteSettingDocument(*testing::MakeDefaultRecord());
    CGzlib zip;
    ASSERT_TRUE(zip.Compress(doc.data(), doc.size()));
    std::string good(reinterpret_cast<const char*>(zip.Compressed()), zip.CompressedLength());
    std::string badTrailer = good;
    badTrailer.back() ^= 0x01;
    CGzlib out;
    for (const std::string& bad : {std::string(), good.substr(0, good.size() / 2), badTrailer}) {
        Message m;
        EXPECT_FALSE(UnpackSettingPayload(bad.data(), bad.size(), out, &m));
        EXPECT_EQ(m.text, "Failed to decompress setting data");
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
}

TEST(Gzlib, CapacityLimits)
{
    EXPECT_TRUE(SettingDocumentFits(2097136));
    EXPECT_FALSE(SettingDocumentFits(2097137));
    CGzlib zip;
    Message m;
    EXPECT_FALSE(PackSettingDocument(std::string(2097137, 'x'), zip, &m));
    EXPECT_EQ(m.text, "Setting data size is over capacity.");

    // More than 4 MiB of output is a decompression failure.
    std::string big(kGzlibBufferSize + 1, 'z');
    ASSERT_TRUE(zip.Compress(big.data(), big.size()));
    CGzlib out;
    EXPECT_FALSE(out.Decompress(zip.Compressed(), zip.CompressedLength()));
    std::string exact(kGzlibBufferSize, 'z');
    ASSERT_TRUE(zip.Compress(exact.data(), exact.size()));
    EXPECT_TRUE(out.Decompress(zip.Compressed(), zip.CompressedLength()));
    EXPECT_EQ(out.DecompressedLength(), kGzlibBufferSize);
}

}  // namespace
}  // namespace volmar
