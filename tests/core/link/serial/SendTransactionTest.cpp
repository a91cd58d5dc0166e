#include <gtest/gtest.h>

#include <atomic>

#include "MemoryStream.h"
#include "ScriptedUnit.h"
#include "SerialFrames.h"
#include "VirtualClock.h"
#include "core/link/serial/BlockTransactions.h"

namespace volmar {
namespace {

using test::Bytes;
using test::FrameBytes;

class SendTransactionTest : public ::testing::Test {
protected:
    bool Send(const Bytes& data)
    {
        const Bytes name = test::TextBytes("CONFIG_P");
        return SendTransaction(line, clock, progress, name.data(), name.size(), data.data(), data.size());
    }
    // Scripts a unit that takes every block of data with ACK (and EOT on the last).
    void AcceptAll(size_t len)
    {
        unit.ThenByte(kAck);
        for (size_t off = 0; off < len; off += kMaxBlockData)
            unit.Then(off + kMaxBlockData >= len ? Bytes{kAck, kEot} : Bytes{kAck});
    }

    test::VirtualClock clock;
    test::MemoryStream line{clock};
    test::ScriptedUnit unit{line};
    std::atomic<int32_t> progress{-1};
};

TEST_F(SendTransactionTest, SplitsIntoNumberedBlocksWithEtbOnTheLast)
{
    const Bytes exact = test::Pattern(1024);
    AcceptAll(exact.size());
    ASSERT_TRUE(Send(exact));
    ASSERT_EQ(unit.Writes().size(), 2u);
    EXPECT_EQ(unit.Writes()[0], FrameBytes(0, 'P', test::TextBytes("CONFIG_P"), false));
    EXPECT_EQ(unit.Writes()[1], FrameBytes(1, 'p', exact, true));
    EXPECT_EQ(progress, 1024);
    EXPECT_EQ(line.Purges(), 1);

    const Bytes more = test::Pattern(1025, 5);
    AcceptAll(more.size());
    ASSERT_TRUE(Send(more));
    ASSERT_EQ(unit.Writes().size(), 5u);
    EXPECT_EQ(unit.Writes()[3], FrameBytes(1, 'p', Bytes(more.begin(), more.begin() + 1024), false));
    EXPECT_EQ(unit.Writes()[4], FrameBytes(2, 'p', Bytes(more.end() - 1, more.end()), true));
    EXPECT_EQ(progress, 1025);
}

TEST_F(SendTransactionTest, EmptyObjectIsOnlyTheHeader)
{
    unit.ThenByte(kAck);
    ASSERT_TRUE(Send({}));
    EXPECT_EQ(unit.Writes().size(), 1u);
    EXPECT_EQ(progress, 0);
}

TEST_F(SendTransactionTest, BlockNumbersWrapAfter255)
{
    const Bytes big = test::Pattern(257 * 1024 + 3);
    AcceptAll(big.size());
    ASSERT_TRUE(Send(big));
    ASSERT_EQ(unit.Writes().size(), 259u);
    EXPECT_EQ(unit.Writes()[255][1], 255);
    EXPECT_EQ(unit.Writes()[256][1], 0);
    EXPECT_EQ(unit.Writes()[256][2], 0xFF);
    EXPECT_EQ(unit.Writes()[258][1], 2);
    EXPECT_EQ(progress, static_cast<int32_t>(big.size()));
}

TEST_F(SendTransactionTest, NakAndSilenceResendTheBlockUpToThreeTimes)
{
    const Bytes data = test::Pattern(2000);
    unit.ThenByte(kAck).ThenByte(kNak).ThenSilence().ThenByte(kAck).Then({kAck, kEot});
    const int64_t start = clock.NowMs();
    ASSERT_TRUE(Send(data));
    EXPECT_EQ(clock.NowMs() - start, 5000);
    ASSERT_EQ(unit.Writes().size(), 5u);
    EXPECT_EQ(unit.Writes()[1], unit.Writes()[3]);

    unit.ThenByte(kAck).ThenByte(kNak).ThenByte(kNak).ThenByte(kNak).ThenByte(kAck);
    EXPECT_FALSE(Send(data));
    EXPECT_EQ(unit.Writes().size(), 9u);
    EXPECT_EQ(progress, 0);
}

TEST_F(SendTransactionTest, LastBlockNeedsEot)
{
    const Bytes data = test::Pattern(10);
    // ACK and then something else: the last block goes out again.
    unit.ThenByte(kAck).Then({kAck, 'x'}).Then({kAck, kEot});
    ASSERT_TRUE(Send(data));
    EXPECT_EQ(unit.Writes().size(), 3u);

    // ACK and then nothing: the transaction fails at once.
    unit.ThenByte(kAck).Then({kAck});
    EXPECT_FALSE(Send(data));
    EXPECT_EQ(unit.Writes().size(), 5u);
}

TEST_F(SendTransactionTest, NakOnTheLastBlockIsNeverSuccess)
{
    const Bytes data = test::Pattern(10);
    // A refused last block is sent again, even when the unit ends with EOT.
    unit.ThenByte(kAck).Then({kNak, kEot}).Then({kAck, kEot});
    ASSERT_TRUE(Send(data));
    EXPECT_EQ(unit.Writes().size(), 3u);

    unit.ThenByte(kAck).Then({kNak, kEot}).Then({kNak, kEot}).Then({kNak, kEot});
    EXPECT_FALSE(Send(data));

    // A unit that sends nothing after its NAK costs one byte time-out.
    unit.ThenByte(kAck).Then({kNak}).Then({kAck, kEot});
    const int64_t start = clock.NowMs();
    ASSERT_TRUE(Send(data));
    EXPECT_EQ(clock.NowMs() - start, 3000);
}

TEST_F(SendTransactionTest, HeaderHandshakeAndStrayBytes)
{
    unit.ThenByte(kNak).ThenByte(kNak).ThenByte(kNak);
    EXPECT_FALSE(Send(test::Pattern(5)));
    EXPECT_EQ(unit.Writes().size(), 3u);

    unit.ThenByte(kAck).ThenByte(kEnq);
    EXPECT_FALSE(Send(test::Pattern(5)));
    EXPECT_EQ(unit.Writes().size(), 5u);

    line.Break();
    EXPECT_FALSE(Send(test::Pattern(5)));
}

}  // namespace
}  // namespace volmar
