// The simulator's unit session against the tool's transactions, over an
// in-memory line on a virtual clock.
#include <gtest/gtest.h>

#include <atomic>

#include "FakeUnitModel.h"
#include "SerialFrames.h"
#include "SimulatedUnitLine.h"
#include "core/link/serial/BlockTransactions.h"

namespace volmar {
namespace {

using test::Bytes;

class SimulatedUnitTest : public ::testing::Test {
protected:
    bool Get(test::SimulatedUnitLine& u, const std::string& object, Bytes& out, size_t& received)
    {
        const Bytes name = test::TextBytes(object);
        out.assign(0x200000, 0);
        return RequestTransaction(u.line, u.clock, progress, 'G', name.data(), name.size(), 'g',
                                  out.data(), out.size(), received);
    }
    bool Put(test::SimulatedUnitLine& u, const std::string& object, const Bytes& data)
    {
        const Bytes name = test::TextBytes(object);
        return SendTransaction(u.line, u.clock, progress, name.data(), name.size(), data.data(),
                               data.size());
    }
    bool Status(test::SimulatedUnitLine& u, Bytes& out, size_t& received)
    {
        out.assign(16, 0);
        return RequestTransaction(u.line, u.clock, progress, 'S', nullptr, 0, 's', out.data(), 16,
                                  received);
    }

    test::FakeUnitModel model;
    std::atomic<int32_t> progress{0};
    Bytes out;
    size_t received = 0;
};

TEST_F(SimulatedUnitTest, ServesStatusGetPutAndResult)
{
    test::SimulatedUnitLine u(model);
    ASSERT_TRUE(Status(u, out, received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), (Bytes(model.status.begin(), model.status.end())));

    const Bytes config = test::Pattern(5000, 9);
    model.SetObject("CONFIG_P", config);
    ASSERT_TRUE(Get(u, "CONFIG_P", out, received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), config);

    const Bytes upload = test::Pattern(2049, 4);
    ASSERT_TRUE(Put(u, "CONFIG_P", upload));
    ASSERT_EQ(model.Puts().size(), 1u);
    EXPECT_EQ(model.Puts()[0].first, "CONFIG_P");
    EXPECT_EQ(model.Puts()[0].second, upload);

    model.QueueResult({2, 101, "AI3 RANGE"});
    out.assign(1024, 0);
    ASSERT_TRUE(RequestTransaction(u.line, u.clock, progress, 'A', nullptr, 0, 'a', out.data(), 1024,
                                   received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received),
              test::Concat({2, 101}, test::Concat(test::TextBytes("AI3 RANGE"), {0})));
    EXPECT_EQ(u.line.Unread(), 0u);
}

TEST_F(SimulatedUnitTest, RefusedGetIsANegativeAnswerAndEmptyPutCommitsAtTheNextRequest)
{
    test::SimulatedUnitLine u(model);
    model.RefuseGet("LOG", 7);
    ASSERT_TRUE(Get(u, "LOG", out, received));
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(out[0], 7);

    ASSERT_TRUE(Put(u, "DEL", {}));
    ASSERT_TRUE(Status(u, out, received));
    ASSERT_EQ(model.Puts().size(), 1u);
    EXPECT_EQ(model.Puts()[0].first, "DEL");
    EXPECT_TRUE(model.Puts()[0].second.empty());
}

TEST_F(SimulatedUnitTest, NakFaultIsRetriedUntilTheThirdTime)
{
    {
        test::SimulatedUnitLine u(model, {.nakFirstFrames = 2});
        EXPECT_TRUE(Status(u, out, received));
        EXPECT_EQ(received, 6u);
    }
    {
        test::SimulatedUnitLine u(model, {.nakFirstFrames = 3});
        EXPECT_FALSE(Status(u, out, received));
        EXPECT_EQ(u.session.FramesReceived(), 3);
    }
    {   // A put whose header is refused twice still goes through.
        test::SimulatedUnitLine u(model, {.nakFirstFrames = 2});
        const Bytes data = test::Pattern(3000);
        ASSERT_TRUE(Put(u, "UDAT_P", data));
        ASSERT_EQ(model.Puts().size(), 1u);
        EXPECT_EQ(model.Puts()[0].second, data);
    }
}

TEST_F(SimulatedUnitTest, PutBlocksDamagedOrRepeatedGetTheAnswerTheToolExpects)
{
    test::SimulatedUnitLine u(model);
    auto send = [&](const Bytes& frame) {
        u.line.Write(frame.data(), frame.size());
        Bytes answer(u.line.Queued());
        u.line.Read(answer.data(), answer.size());
        return answer;
    };
    const Bytes a = test::Pattern(1024, 1), b = test::Pattern(7, 2);
    Bytes damaged = test::FrameBytes(1, 'p', a, false);
    damaged[100] ^= 1;
    EXPECT_EQ(send(test::FrameBytes(0, 'P', test::TextBytes("UDIR_P"), false)), Bytes{kAck});
    EXPECT_EQ(send(damaged), Bytes{kNak});
    EXPECT_EQ(send(test::FrameBytes(1, 'p', a, false)), Bytes{kAck});
    EXPECT_EQ(send(test::FrameBytes(1, 'p', a, false)), Bytes{kAck});  // our ACK was lost
    EXPECT_EQ(send(test::FrameBytes(3, 'p', b, true)), Bytes{kNak});   // out of order
    EXPECT_EQ(send(test::FrameBytes(2, 'p', b, true)), (Bytes{kAck, kEot}));
    EXPECT_EQ(send(test::FrameBytes(2, 'p', b, true)), (Bytes{kAck, kEot}));  // EOT was lost
    ASSERT_EQ(model.Puts().size(), 1u);
    EXPECT_EQ(model.Puts()[0].second, test::Concat(a, b));
    EXPECT_EQ(send(test::FrameBytes(1, 'p', a, false)), Bytes{kNak});  // no put open
}

TEST_F(SimulatedUnitTest, AbandonedPutIsDroppedNeverCommitted)
{
    test::SimulatedUnitLine u(model);
    auto send = [&](const Bytes& frame) {
        u.line.Write(frame.data(), frame.size());
        Bytes answer(u.line.Queued());
        u.line.Read(answer.data(), answer.size());
        return answer;
    };
    const Bytes a = test::Pattern(1024, 1);
    const Bytes header = test::FrameBytes(0, 'P', test::TextBytes("CONFIG_P"), false);
    // A new request instead of the next block.
    EXPECT_EQ(send(header), Bytes{kAck});
    EXPECT_EQ(send(test::FrameBytes(1, 'p', a, false)), Bytes{kAck});
    ASSERT_TRUE(Status(u, out, received));
    // Three refusals of a block: the tool has given up, the next try is late.
    Bytes damaged = test::FrameBytes(1, 'p', a, true);
    damaged[60] ^= 1;
    EXPECT_EQ(send(header), Bytes{kAck});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(send(damaged), Bytes{kNak});
    EXPECT_EQ(send(test::FrameBytes(1, 'p', a, true)), Bytes{kNak});
    // A put over the cap, and one whose end the unit never confirms.
    EXPECT_FALSE(Put(u, "CONFIG_P", Bytes(sim::SerialUnitSession::kMaxPutBytes + 1, 7)));
    test::SimulatedUnitLine noEot(model, {.noEot = true});
    EXPECT_FALSE(Put(noEot, "CONFIG_P", a));
    ASSERT_TRUE(Status(noEot, out, received));
    EXPECT_TRUE(model.Puts().empty());
}

TEST_F(SimulatedUnitTest, CorruptBlockAndGarbageAreRecoveredWithoutDamage)
{
    const Bytes config = test::Pattern(4000, 3);
    model.SetObject("CONFIG_P", config);
    test::SimulatedUnitLine u(model, {.corruptBlock = 2, .garbageBeforeStx = 5});
    ASSERT_TRUE(Get(u, "CONFIG_P", out, received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), config);
    EXPECT_EQ(u.session.BlocksSent(), 5);  // four blocks, one sent twice
    size_t naks = 0;
    for (uint8_t b : u.line.Written()) naks += b == kNak;  // only control bytes and one frame
    EXPECT_EQ(naks, 1u);
}

TEST_F(SimulatedUnitTest, SilentUnitFailsAfterThreeTimesFiveSeconds)
{
    test::SimulatedUnitLine u(model, {.silent = true});
    EXPECT_FALSE(Status(u, out, received));
    EXPECT_EQ(u.clock.NowMs(), 15000);
}

TEST_F(SimulatedUnitTest, PacedReplyTakesTheLineTime)
{
    const Bytes config = test::Pattern(3840 - 4 * 9 - 1);  // four blocks, 3840 bytes with ACK
    model.SetObject("CONFIG_P", config);
    test::SimulatedUnitLine u(model, {.paceAtLineRate = true});
    ASSERT_TRUE(Get(u, "CONFIG_P", out, received));
    EXPECT_EQ(received, config.size());
    EXPECT_NEAR(static_cast<double>(u.clock.NowMs()), 1000.0, 5.0);
}

TEST_F(SimulatedUnitTest, StalledFrameIsDroppedAndTheNextOneServed)
{
    test::SimulatedUnitLine u(model);
    const Bytes half = Bytes{kStx, 0x00, 0xFF, 'G', 0x00};
    u.line.Write(half.data(), half.size());
    u.clock.SleepMs(600);
    ASSERT_TRUE(Status(u, out, received));
    EXPECT_EQ(received, 6u);
}

}  // namespace
}  // namespace volmar
