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

class RequestTransactionTest : public ::testing::Test {
protected:
    bool Get(size_t capacity = 4096)
    {
        out.assign(capacity, 0);
        const Bytes name = test::TextBytes("CONFIG_P");
        return RequestTransaction(line, clock, progress, 'G', name.data(), name.size(), 'g', out.data(),
                                  capacity, received);
    }
    // The tool's writes after the request frame(s), as one byte each.
    Bytes ControlBytesFrom(size_t first) const
    {
        Bytes bytes;
        for (size_t i = first; i < unit.Writes().size(); ++i)
            if (unit.Writes()[i].size() == 1) bytes.push_back(unit.Writes()[i][0]);
        return bytes;
    }
    size_t NakCount() const
    {
        size_t n = 0;
        for (const auto& w : unit.Writes()) n += w == Bytes{kNak};
        return n;
    }

    test::VirtualClock clock;
    test::MemoryStream line{clock};
    test::ScriptedUnit unit{line};
    std::atomic<int32_t> progress{-1};
    Bytes out;
    size_t received = 99;
};

TEST_F(RequestTransactionTest, StatusRequestRunsTheWholeHandshake)
{
    line.Inject({0x55, 0x66});  // left over from an earlier exchange: purged
    const Bytes status{0x29, 1, 0, 0, 0x1B, 0x09};
    unit.ThenByte(kAck).Then(FrameBytes(0, 's', status, true)).ThenSilence();
    out.assign(16, 0);
    ASSERT_TRUE(RequestTransaction(line, clock, progress, 'S', nullptr, 0, 's', out.data(), 16, received));
    EXPECT_EQ(received, 6u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), status);
    EXPECT_EQ(progress, 6);
    EXPECT_EQ(line.Purges(), 1);
    ASSERT_EQ(unit.Writes().size(), 4u);
    EXPECT_EQ(unit.Writes()[0], (Bytes{0x02, 0x00, 0xFF, 0x53, 0x00, 0x00, 0x17, 0xB8, 0x4C}));
    EXPECT_EQ(ControlBytesFrom(1), (Bytes{kEnq, kAck, kEot}));
    EXPECT_EQ(line.Unread(), 0u);
}

TEST_F(RequestTransactionTest, ReceivesManyBlocksWithWrappingNumbers)
{
    // 257 blocks: numbers 0..255 and then 0 again.
    Bytes expected;
    unit.ThenByte(kAck);
    for (int i = 0; i < 257; ++i) {
        const Bytes data = test::Pattern(3, static_cast<uint8_t>(i));
        expected = test::Concat(expected, data);
        unit.Then(FrameBytes(static_cast<uint8_t>(i), 'g', data, i == 256));
    }
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, expected.size());
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), expected);
    EXPECT_EQ(progress, static_cast<int32_t>(expected.size()));
}

TEST_F(RequestTransactionTest, NegativeAnswerEndsWithLengthZero)
{
    unit.ThenByte(kAck).Then(FrameBytes(0, '*', {}, true));
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 0u);

    // Its data is stored but not reported; its block number is not checked.
    unit.ThenByte(kAck).Then(FrameBytes(9, '*', {0x65}, true));
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(out[0], 0x65);
}

TEST_F(RequestTransactionTest, OverflowIsAcknowledgedButNotPassedOnAsComplete)
{
    // 1024 + 1024 + 10 into 1100: the second block does not fit, and the
    // third, which would, must not be glued on behind the gap.
    const Bytes a = test::Pattern(1024, 1), b = test::Pattern(1024, 2), c = test::Pattern(10, 3);
    unit.ThenByte(kAck)
        .Then(FrameBytes(0, 'g', a, false))
        .Then(FrameBytes(1, 'g', b, false))
        .Then(FrameBytes(2, 'g', c, true));
    EXPECT_FALSE(Get(1100));
    EXPECT_EQ(received, 1024u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 1024), a);
    EXPECT_EQ(out[1024], 0);
    EXPECT_EQ(ControlBytesFrom(1), (Bytes{kEnq, kAck, kAck, kAck, kEot}));
}

TEST_F(RequestTransactionTest, RequestFrameHandshakeRetriesAndGivesUp)
{
    {  // NAK three times: three frames, no ENQ.
        unit.ThenByte(kNak).ThenByte(kNak).ThenByte(kNak);
        EXPECT_FALSE(Get());
        EXPECT_EQ(unit.Writes().size(), 3u);
    }
    {  // Silence three times: 3 x (3 s + 2 s).
        test::VirtualClock c;
        test::MemoryStream l{c};
        test::ScriptedUnit silent{l};
        const int64_t start = c.NowMs();
        EXPECT_FALSE(RequestTransaction(l, c, progress, 'S', nullptr, 0, 's', nullptr, 0, received));
        EXPECT_EQ(c.NowMs() - start, 15000);
        EXPECT_EQ(silent.Writes().size(), 3u);
    }
}

TEST_F(RequestTransactionTest, NakAndSilenceAreRetriedThenTheReplyIsTaken)
{
    unit.ThenByte(kNak).ThenSilence().ThenByte(kAck).Then(FrameBytes(0, 'g', {7, 8}, true));
    const int64_t start = clock.NowMs();
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 2u);
    EXPECT_EQ(clock.NowMs() - start, 5000);
}

TEST_F(RequestTransactionTest, ReplyByteTimingFollowsTheThreeSecondRule)
{
    unit.ThenByte(kAck, 2990).Then(FrameBytes(0, 'g', {1}, true));
    EXPECT_TRUE(Get());

    // An ACK 3.01 s late counts as silence: after the 2 s pause the frame
    // goes out again and the ACK, queued meanwhile, answers it.
    test::VirtualClock c;
    test::MemoryStream l{c};
    test::ScriptedUnit late{l};
    late.ThenByte(kAck, 3010).ThenSilence().Then(FrameBytes(0, 's', {1}, true));
    out.assign(16, 0);
    EXPECT_TRUE(RequestTransaction(l, c, progress, 'S', nullptr, 0, 's', out.data(), 16, received));
    ASSERT_GE(late.Writes().size(), 3u);
    EXPECT_EQ(late.Writes()[1], late.Writes()[0]);
    EXPECT_EQ(late.Writes()[2], Bytes{kEnq});
    EXPECT_EQ(c.NowMs(), 5000);
}

TEST_F(RequestTransactionTest, UnexpectedBytesEndTheTransactionAtOnce)
{
    unit.ThenByte('x');
    EXPECT_FALSE(Get());
    EXPECT_EQ(unit.Writes().size(), 1u);

    // A reply block with another command than the one expected.
    test::VirtualClock c;
    test::MemoryStream l{c};
    test::ScriptedUnit wrong{l};
    wrong.ThenByte(kAck).Then(FrameBytes(0, 'a', {1, 2}, true));
    out.assign(16, 0);
    EXPECT_FALSE(RequestTransaction(l, c, progress, 'S', nullptr, 0, 's', out.data(), 16, received));
    EXPECT_EQ(wrong.Writes().size(), 2u);  // frame, ENQ; no ACK
}

TEST_F(RequestTransactionTest, GarbageBeforeStxIsSkipped)
{
    unit.ThenByte(kAck).Then(test::Concat({0x00, 0xFF, 0x06, 0x17}, FrameBytes(0, 'g', {4, 5, 6}, true)));
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 3u);
    EXPECT_EQ(out[0], 4);
}

TEST_F(RequestTransactionTest, BadHeaderIsDrainedAndWaitedForAgainWithoutNak)
{
    const Bytes good = FrameBytes(0, 'g', {1, 2, 3}, true);
    Bytes badComplement = good;
    badComplement[2] ^= 0x10;
    Bytes wrongNumber = FrameBytes(1, 'g', {1, 2, 3}, true);
    Bytes tooLong = good;
    tooLong[4] = 0x04;
    tooLong[5] = 0x01;
    // Each bad block is followed by the next one a second later, after the
    // tool has drained the line.
    unit.ThenByte(kAck).Then(badComplement).And(wrongNumber, 1000).And(good, 2000);
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 3u);
    EXPECT_EQ(NakCount(), 0u);
    EXPECT_EQ(ControlBytesFrom(1), (Bytes{kEnq, kAck, kEot}));

    unit.ThenByte(kAck).Then(badComplement).And(wrongNumber, 1000).And(tooLong, 2000).And(good, 3000);
    EXPECT_FALSE(Get());
    EXPECT_EQ(NakCount(), 0u);
}

TEST_F(RequestTransactionTest, BadCheckValueGetsNakAndIsRetriedThreeTimes)
{
    const Bytes good = FrameBytes(0, 'g', {9, 9}, true);
    Bytes bad = good;
    bad.back() ^= 1;
    unit.ThenByte(kAck).Then(bad).Then(bad).Then(good);  // ENQ, NAK, NAK
    ASSERT_TRUE(Get());
    EXPECT_EQ(ControlBytesFrom(1), (Bytes{kEnq, kNak, kNak, kAck, kEot}));

    unit.ThenByte(kAck).Then(bad).Then(bad).Then(bad).Then(good);
    EXPECT_FALSE(Get());
    EXPECT_EQ(ControlBytesFrom(6), (Bytes{kEnq, kNak, kNak, kNak}));
}

TEST_F(RequestTransactionTest, BadTerminatorAndShortBlockCountAnAttemptWithoutNak)
{
    const Bytes good = FrameBytes(0, 'g', {1, 2, 3, 4}, true);
    Bytes badTerminator = good;
    badTerminator[10] = 0x04;
    const Bytes shortBlock(good.begin(), good.begin() + 8);  // stops inside the data
    unit.ThenByte(kAck).Then(badTerminator).And(shortBlock, 100).And(good, 3500);
    ASSERT_TRUE(Get());
    EXPECT_EQ(received, 4u);
    EXPECT_EQ(NakCount(), 0u);
}

TEST_F(RequestTransactionTest, NoStxWithinTwelveSecondsFails)
{
    unit.ThenByte(kAck).Then({0x00, 0x01}, 100);
    const int64_t start = clock.NowMs();
    EXPECT_FALSE(Get());
    EXPECT_EQ(clock.NowMs() - start, 12000);

    unit.ThenByte(kAck).Then(FrameBytes(0, 'g', {1}, true), 11990);
    EXPECT_TRUE(Get());
}

TEST_F(RequestTransactionTest, RefusesBadArgumentsAndABrokenLine)
{
    const Bytes tooLong(kMaxBlockData + 1, 'x');
    EXPECT_FALSE(RequestTransaction(line, clock, progress, 'G', tooLong.data(), tooLong.size(), 'g',
                                    nullptr, 0, received));
    EXPECT_FALSE(RequestTransaction(line, clock, progress, 'S', nullptr, 0, 's', nullptr, 16, received));
    EXPECT_TRUE(unit.Writes().empty());

    line.Break();
    const int64_t start = clock.NowMs();
    EXPECT_FALSE(Get());
    EXPECT_EQ(clock.NowMs(), start);
}

}  // namespace
}  // namespace volmar
