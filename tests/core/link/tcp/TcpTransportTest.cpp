#include "core/link/tcp/TcpTransport.h"

#include <gtest/gtest.h>

#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <numeric>
#include <thread>
#include <vector>

#include "FakeUnitModel.h"
#include "ScriptedPeer.h"
#include "core/link/tcp/TcpHeaders.h"
#include "sim/tcp/PlainTcpServer.h"

namespace volmar {
namespace {

std::vector<uint8_t> Pattern(size_t n)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 31 + (i >> 11));
    return v;
}

class PlainTcp : public ::testing::Test {
protected:
    void Start(sim::ServerOptions options = {})
    {
        m_server = std::make_unique<sim::PlainTcpServer>(m_model, options);
        ASSERT_TRUE(m_server->Start());
        m_target.address = "127.0.0.1";
        m_target.port = m_server->Port();
        m_target.loginId = m_model.loginId;
        m_target.password = m_model.password;
        m_target.timeouts.inactivityMs = 2000;
    }

    test::FakeUnitModel m_model;
    std::unique_ptr<sim::PlainTcpServer> m_server;
    TcpTarget m_target;
};

TEST_F(PlainTcp, StatusQueryReturnsTheSixByteRecordAndLogsIn)
{
    Start();
    uint8_t status[kTcpStatusCapacity] = {};
    TcpCallState st;
    EXPECT_EQ(TcpQueryStatus(m_target, status, st), 6);
    EXPECT_EQ(st.outcome, kTcpOk);
    EXPECT_EQ(st.loggedIn, 1);
    EXPECT_EQ(0, std::memcmp(status, m_model.status.data(), 6));

    m_target.address = "localhost";  // a host name is resolved
    TcpCallState byName;
    EXPECT_EQ(TcpQueryStatus(m_target, status, byName), 6);
}

TEST_F(PlainTcp, WrongPasswordIsRefusedAndClearsTheMark)
{
    Start();
    m_target.password = "wrong";
    uint8_t status[kTcpStatusCapacity] = {};
    TcpCallState st{kTcpOk, 1};
    EXPECT_EQ(TcpQueryStatus(m_target, status, st), -1);
    EXPECT_EQ(st.outcome, kTcpRefused);
    EXPECT_EQ(st.loggedIn, 0);

    std::vector<uint8_t> data(16);
    TcpCallState get{kTcpOk, 1};
    EXPECT_EQ(TcpGetObject(m_target, "MAC", data, get), -1);
    EXPECT_EQ(get.outcome, kTcpRefused);
}

TEST_F(PlainTcp, UnitClosingInsteadOfAcknowledgingMeansCredentialsRefused)
{
    Start({sim::LinkFault::CloseInsteadOfAck});
    uint8_t status[kTcpStatusCapacity] = {};
    TcpCallState st{kTcpOk, 1};
    EXPECT_EQ(TcpQueryStatus(m_target, status, st), -1);
    EXPECT_EQ(st.outcome, kTcpRefused);
    EXPECT_EQ(st.loggedIn, 0);
    char message[kTcpMessageCapacity] = {};
    const auto data = Pattern(100);
    TcpCallState put{kTcpOk, 1};
    EXPECT_EQ(TcpPutObject(m_target, "TIME", data, message, put), -1);
    EXPECT_EQ(put.outcome, kTcpRefused);
}

TEST_F(PlainTcp, UnitClosingAfterTheAcknowledgementFailsAndClearsTheMark)
{
    Start({sim::LinkFault::CloseAfterAck});
    uint8_t status[kTcpStatusCapacity] = {};
    TcpCallState st;
    EXPECT_EQ(TcpQueryStatus(m_target, status, st), -1);
    EXPECT_EQ(st.outcome, kTcpFailed);
    EXPECT_EQ(st.loggedIn, 0);  // no reply header came
}

TEST_F(PlainTcp, SilentUnitEndsByInactivityTimeOut)
{
    Start({sim::LinkFault::Silent});
    m_target.timeouts.inactivityMs = 200;
    std::vector<uint8_t> data(64);
    TcpCallState st;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(TcpGetObject(m_target, "LOG", data, st), -1);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(st.outcome, kTcpFailed);
    EXPECT_LT(ms, 2000);
}

TEST_F(PlainTcp, GetMovesTwoMegabytesAndCountsProgress)
{
    m_model.objects["CONFIG_P"] = Pattern(kMaxObjectSize);
    Start();
    std::vector<uint8_t> data(kMaxObjectSize);
    std::atomic<uint32_t> progress{0};
    TcpCallState st;
    st.progress = &progress;
    EXPECT_EQ(TcpGetObject(m_target, "CONFIG_P", data, st), static_cast<int>(kMaxObjectSize));
    EXPECT_EQ(st.outcome, kTcpOk);
    EXPECT_EQ(progress.load(), kMaxObjectSize);
    EXPECT_EQ(data, m_model.objects["CONFIG_P"]);
}

TEST_F(PlainTcp, RefusedGetReturnsTheUnitCodeOr255WithoutData)
{
    Start();
    std::vector<uint8_t> data(16);
    std::atomic<uint32_t> progress{0};
    TcpCallState st;
    st.progress = &progress;
    EXPECT_EQ(TcpGetObject(m_target, "NOPE", data, st), 7);
    EXPECT_EQ(st.outcome, kTcpFailed);
    EXPECT_EQ(progress.load(), 1u);  // the code byte counts as received

    m_model.getRefusal = -1;  // the unit sends '*' with no data
    TcpCallState none;
    EXPECT_EQ(TcpGetObject(m_target, "NOPE", data, none), 255);
    EXPECT_EQ(none.outcome, kTcpFailed);
}

TEST_F(PlainTcp, PutMovesTwoMegabytesIntact)
{
    Start();
    const auto data = Pattern(kMaxObjectSize);
    char message[kTcpMessageCapacity] = "untouched";
    std::atomic<uint32_t> progress{0};
    TcpCallState st;
    st.progress = &progress;
    EXPECT_EQ(TcpPutObject(m_target, "CONFIG_P", data, message, st), 0);
    EXPECT_EQ(st.outcome, kTcpOk);
    EXPECT_EQ(st.loggedIn, 1);
    EXPECT_EQ(progress.load(), kMaxObjectSize);
    EXPECT_EQ(m_model.PutName(), "CONFIG_P");
    EXPECT_EQ(m_model.PutData(), data);
    EXPECT_STREQ(message, "untouched");
}

TEST_F(PlainTcp, RefusedPutReturnsCodeAndText)
{
    m_model.putOutcome = {101, "AI3 RANGE"};
    Start();
    char message[kTcpMessageCapacity] = {};
    TcpCallState st;
    EXPECT_EQ(TcpPutObject(m_target, "CONFIG_P", Pattern(300), message, st), 101);
    EXPECT_EQ(st.outcome, kTcpFailed);
    EXPECT_STREQ(message, "AI3 RANGE");
}

TEST_F(PlainTcp, RefusedPutTextIsCutToTheBuffer)
{
    m_model.putOutcome = {3, std::string(300, 'x')};
    Start();
    char message[kTcpMessageCapacity + 8];
    std::memset(message, '#', sizeof message);
    TcpCallState st;
    EXPECT_EQ(TcpPutObject(m_target, "CONFIG_P", Pattern(10),
                           std::span<char>(message, kTcpMessageCapacity), st), 3);
    EXPECT_EQ(std::strlen(message), kTcpMessageCapacity - 1);
    EXPECT_EQ(message[kTcpMessageCapacity], '#');  // nothing written past the buffer
}

TEST_F(PlainTcp, RefusedPutWithoutTextLeavesTheMessageUntouched)
{
    m_model.putOutcome = {102, ""};
    Start();
    char message[kTcpMessageCapacity] = "before";
    TcpCallState st;
    EXPECT_EQ(TcpPutObject(m_target, "CONFIG_P", Pattern(10), message, st), 102);
    EXPECT_STREQ(message, "before");
}

TEST_F(PlainTcp, NoUnitListeningFailsAndClearsTheMark)
{
    Start();
    m_server->Stop();
    uint8_t status[kTcpStatusCapacity];
    TcpCallState st{kTcpOk, 1};
    EXPECT_EQ(TcpQueryStatus(m_target, status, st), -1);
    EXPECT_EQ(st.outcome, kTcpFailed);
    EXPECT_EQ(st.loggedIn, 0);
}

// A peer that takes a request of requestSize bytes, acknowledges it, and then
// sends the given reply header and data.
test::ScriptedPeer HostilePeer(size_t requestSize, uint8_t code, uint32_t length,
                               std::vector<uint8_t> data)
{
    return test::ScriptedPeer([=](int fd) {
        test::DrainPeer(fd, requestSize, 2000);
        const auto ack = BuildTcpReplyHeader(kTcpReplyAccepted, 0, 0);
        const auto reply = BuildTcpReplyHeader(code, 0, length);
        ::send(fd, ack.data(), ack.size(), MSG_NOSIGNAL);
        ::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
        ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    });
}

TEST(PlainTcpHostile, RepliesLongerThanTheBufferFailWithoutWritingPastIt)
{
    struct Case {
        uint8_t code;
        uint32_t length;
    };
    for (const Case c : {Case{kTcpReplyStatus, 17}, Case{kTcpReplyObject, 65},
                         Case{kTcpReplyRefused, 65}, Case{kTcpReplyObject, 0xFFFFFFFFu}}) {
        SCOPED_TRACE(c.code);
        const bool status = c.code == kTcpReplyStatus;
        auto peer = HostilePeer(kTcpRequestHeaderSize + (status ? 0 : 3), c.code, c.length,
                                std::vector<uint8_t>(100, 0xEE));
        ASSERT_TRUE(peer.Started());
        TcpTarget target{"127.0.0.1", peer.Port(), "a", "b", {}};
        target.timeouts.inactivityMs = 1000;
        std::vector<uint8_t> buf(80, 0x11);
        TcpCallState st;
        const int r = status
                          ? TcpQueryStatus(target, std::span(buf.data(), kTcpStatusCapacity), st)
                          : TcpGetObject(target, "LOG", std::span(buf.data(), 64), st);
        EXPECT_EQ(r, -1);
        EXPECT_EQ(st.outcome, kTcpFailed);
        EXPECT_EQ(st.loggedIn, 1);  // the acknowledgement was good
        for (uint8_t b : buf) ASSERT_EQ(b, 0x11);
    }
}

TEST(PlainTcpHostile, ShortReplyBodyFails)
{
    auto peer = HostilePeer(kTcpRequestHeaderSize + 3, kTcpReplyObject, 50,
                            std::vector<uint8_t>(20, 1));
    ASSERT_TRUE(peer.Started());
    TcpTarget target{"127.0.0.1", peer.Port(), "a", "b", {}};
    std::vector<uint8_t> buf(64);
    TcpCallState st;
    EXPECT_EQ(TcpGetObject(target, "LOG", buf, st), -1);
    EXPECT_EQ(st.outcome, kTcpFailed);
}

// A get over a link that keeps delivering, but slowly, succeeds however long
// it takes in total; only a pause longer than the time-out ends it.
TEST(PlainTcpSlowLink, SlowButSteadyReplyIsReceivedWhole)
{
    constexpr size_t kSize = 2048;
    test::ScriptedPeer peer([](int fd) {
        test::DrainPeer(fd, kTcpRequestHeaderSize + 3, 2000);
        const auto ack = BuildTcpReplyHeader(kTcpReplyAccepted, 0, 0);
        const auto reply = BuildTcpReplyHeader(kTcpReplyObject, 0, kSize);
        SendAll(fd, ack.data(), ack.size(), 1000);
        SendAll(fd, reply.data(), reply.size(), 1000);
        const auto data = Pattern(kSize);
        for (size_t i = 0; i < kSize; i += 128) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            SendAll(fd, data.data() + i, 128, 1000);
        }
    });
    ASSERT_TRUE(peer.Started());
    TcpTarget target{"127.0.0.1", peer.Port(), "a", "b", {}};
    target.timeouts.inactivityMs = 200;  // the whole reply takes four times as long
    std::vector<uint8_t> buf(kMaxObjectSize);
    std::atomic<uint32_t> progress{0};
    TcpCallState st;
    st.progress = &progress;
    EXPECT_EQ(TcpGetObject(target, "LOG", buf, st), static_cast<int>(kSize));
    EXPECT_EQ(st.outcome, kTcpOk);
    EXPECT_EQ(progress.load(), kSize);
    EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + kSize, Pattern(kSize).begin()));
}

TEST(PlainTcpHostile, OperationsLeakNoDescriptors)
{
    const int before = test::OpenDescriptorCount();
    {
        test::FakeUnitModel model;
        model.objects["MAC"] = {1, 2, 3, 4, 5, 6};
        for (auto fault : {sim::LinkFault::None, sim::LinkFault::RefuseLogin,
                           sim::LinkFault::CloseInsteadOfAck, sim::LinkFault::CloseAfterAck}) {
            sim::PlainTcpServer server(model, {fault});
            ASSERT_TRUE(server.Start());
            TcpTarget target{"127.0.0.1", server.Port(), model.loginId, model.password, {}};
            uint8_t status[kTcpStatusCapacity];
            std::vector<uint8_t> data(64);
            char message[kTcpMessageCapacity];
            TcpCallState st;
            TcpQueryStatus(target, status, st);
            TcpGetObject(target, "MAC", data, st);
            TcpPutObject(target, "TIME", data, message, st);
        }
        TcpTarget nobody{"127.0.0.1", 1, "a", "b", {}};
        uint8_t status[kTcpStatusCapacity];
        TcpCallState st;
        TcpQueryStatus(nobody, status, st);
    }
    EXPECT_EQ(test::OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace volmar
