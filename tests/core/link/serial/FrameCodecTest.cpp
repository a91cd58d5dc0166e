#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "SerialFrames.h"
#include "core/link/serial/BlockCrc.h"
#include "core/link/serial/Frame.h"

namespace volmar {
namespace {

using test::Bytes;
using test::FrameBytes;

TEST(BlockCrc, MatchesTheGenibusCheckValueAndTheStatusRequest)
{
    const char* text = "123456789";
    EXPECT_EQ(ComputeBlockCrc(reinterpret_cast<const uint8_t*>(text), 9), 0xD64E);
    EXPECT_EQ(FrameBytes(0, 'S', {}, true), (Bytes{0x02, 0x00, 0xFF, 0x53, 0x00, 0x00, 0x17, 0xB8, 0x4C}));
}

TEST(FrameCodec, RoundTripsEmptyShortAndFullBlocks)
{
    for (size_t n : {size_t{0}, size_t{1}, size_t{8}, kMaxBlockData}) {
        const Bytes data = test::Pattern(n, static_cast<uint8_t>(n));
        for (bool last : {false, true}) {
            const Bytes frame = FrameBytes(200, 'g', data, last);
            ASSERT_EQ(frame.size(), n + 9);
            EXPECT_EQ(frame[1], 200);
            EXPECT_EQ(frame[2], 55);
            EXPECT_EQ(frame[4], n >> 8);
            EXPECT_EQ(frame[5], n & 0xFF);
            EXPECT_EQ(frame[6 + n], last ? kEtb : kEtx);
            // Decode from an exact-size heap copy so a read past the end is caught.
            auto copy = std::make_unique<uint8_t[]>(frame.size());
            std::memcpy(copy.get(), frame.data(), frame.size());
            DecodedFrame decoded;
            ASSERT_EQ(DecodeFrame(copy.get(), frame.size(), decoded), FrameStatus::Ok);
            EXPECT_EQ(decoded.header.block, 200);
            EXPECT_EQ(decoded.header.command, 'g');
            EXPECT_EQ(decoded.last, last);
            EXPECT_EQ(decoded.size, n + 9);
            EXPECT_EQ(Bytes(decoded.data, decoded.data + decoded.header.length), data);
        }
    }
}

TEST(FrameCodec, EncodeRefusesOversizeDataAndShortBuffers)
{
    Bytes data(kMaxBlockData + 1, 0x41);
    Bytes out(kMaxFrameSize + 16, 0xEE);
    EXPECT_EQ(EncodeFrame(0, 'p', data.data(), data.size(), true, out.data(), out.size()), 0u);
    EXPECT_EQ(EncodeFrame(0, 'p', data.data(), 10, true, out.data(), 18), 0u);
    EXPECT_EQ(out, Bytes(kMaxFrameSize + 16, 0xEE));  // nothing written
    EXPECT_EQ(EncodeFrame(0, 'p', data.data(), 10, true, out.data(), 19), 19u);
    EXPECT_EQ(out[19], 0xEE);
}

TEST(FrameCodec, DecodeNamesEachDefect)
{
    const Bytes good = FrameBytes(3, 'g', test::Pattern(20), false);
    DecodedFrame f;
    for (size_t len = 0; len < good.size(); ++len)
        EXPECT_EQ(DecodeFrame(good.data(), len, f), FrameStatus::Incomplete) << len;

    Bytes noStx = good;
    noStx[0] = 0x01;
    EXPECT_EQ(DecodeFrame(noStx.data(), noStx.size(), f), FrameStatus::NoStx);

    Bytes badComplement = good;
    badComplement[2] ^= 1;
    EXPECT_EQ(DecodeFrame(badComplement.data(), 3, f), FrameStatus::BadHeader);

    Bytes tooLong = good;
    tooLong[4] = 0x04;  // 1025
    tooLong[5] = 0x01;
    EXPECT_EQ(DecodeFrame(tooLong.data(), tooLong.size(), f), FrameStatus::BadHeader);

    Bytes badTerminator = good;
    badTerminator[26] = 0x04;
    EXPECT_EQ(DecodeFrame(badTerminator.data(), badTerminator.size(), f), FrameStatus::BadTerminator);

    Bytes badCheck = good;
    badCheck[10] ^= 0x80;
    EXPECT_EQ(DecodeFrame(badCheck.data(), badCheck.size(), f), FrameStatus::BadCheck);

    // A decoded frame reports its own size; bytes after it are left alone.
    const Bytes two = test::Concat(good, good);
    ASSERT_EQ(DecodeFrame(two.data(), two.size(), f), FrameStatus::Ok);
    EXPECT_EQ(f.size, good.size());
}

}  // namespace
}  // namespace volmar
