#include "core/link/tcp/Socket.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <chrono>
#include <thread>
#include <vector>

#include "ScriptedPeer.h"

namespace volmar {
namespace {

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since)
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

TEST(Socket, DottedAddressAndHostNameResolveToIpv4)
{
    in_addr a{};
    ASSERT_TRUE(ResolveIpv4("127.0.0.1", a));
    EXPECT_EQ(ntohl(a.s_addr), 0x7F000001u);
    in_addr b{};
    ASSERT_TRUE(ResolveIpv4("localhost", b));  // from /etc/hosts, no DNS traffic
    EXPECT_EQ(ntohl(b.s_addr) >> 24, 127u);
    EXPECT_FALSE(ResolveIpv4("", b));
}

TEST(Socket, ConnectToClosedPortFailsPromptly)
{
    uint16_t port;
    {
        test::ScriptedPeer peer([](int) {});
        ASSERT_TRUE(peer.Started());
        port = peer.Port();
    }  // stopped: nobody listens on the port any more
    const auto start = Clock::now();
    UniqueFd fd = ConnectTcp("127.0.0.1", port, {});
    EXPECT_FALSE(fd.Valid());
    EXPECT_LT(ElapsedMs(start), 2000);
}

TEST(Socket, ConnectSetsKeepAliveValues)
{
    test::ScriptedPeer peer([](int fd) { test::DrainPeer(fd, 1, 500); });
    ASSERT_TRUE(peer.Started());
    UniqueFd fd = ConnectTcp("127.0.0.1", peer.Port(), {});
    ASSERT_TRUE(fd.Valid());
    int on = 0, idle = 0, interval = 0;
    socklen_t len = sizeof on;
    getsockopt(fd.Get(), SOL_SOCKET, SO_KEEPALIVE, &on, &len);
    getsockopt(fd.Get(), IPPROTO_TCP, TCP_KEEPIDLE, &idle, &len);
    getsockopt(fd.Get(), IPPROTO_TCP, TCP_KEEPINTVL, &interval, &len);
    EXPECT_NE(on, 0);
    EXPECT_EQ(idle, 180);
    EXPECT_EQ(interval, 1);
}

// The read budget is an inactivity time-out: a peer that keeps sending, even
// slowly and for far longer than the time-out in total, is read to the end.
TEST(Socket, SlowSteadyPeerIsReadToTheEnd)
{
    constexpr int kBytes = 16;
    test::ScriptedPeer peer([](int fd) {
        for (int i = 0; i < kBytes; ++i) {
            const uint8_t b = static_cast<uint8_t>(i);
            ::send(fd, &b, 1, MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
    });
    ASSERT_TRUE(peer.Started());
    UniqueFd fd = ConnectTcp("127.0.0.1", peer.Port(), {});
    ASSERT_TRUE(fd.Valid());
    std::vector<uint8_t> got(kBytes);
    size_t counted = 0;
    const auto start = Clock::now();
    ASSERT_TRUE(ReadExactly(fd.Get(), got.data(), got.size(), 200, [&](size_t n) { counted += n; }));
    EXPECT_GT(ElapsedMs(start), 3 * 200);  // well past the time-out in total
    EXPECT_EQ(counted, got.size());
    for (int i = 0; i < kBytes; ++i) EXPECT_EQ(got[i], i);
}

TEST(Socket, PauseLongerThanTimeOutFailsTheRead)
{
    test::ScriptedPeer peer([](int fd) {
        const uint8_t b[2] = {1, 2};
        ::send(fd, b, 2, MSG_NOSIGNAL);
        test::DrainPeer(fd, 1, 2000);  // then silence until the tool closes
    });
    ASSERT_TRUE(peer.Started());
    UniqueFd fd = ConnectTcp("127.0.0.1", peer.Port(), {});
    ASSERT_TRUE(fd.Valid());
    uint8_t got[4];
    const auto start = Clock::now();
    EXPECT_FALSE(ReadExactly(fd.Get(), got, sizeof got, 150));
    const long ms = ElapsedMs(start);
    EXPECT_GE(ms, 140);
    EXPECT_LT(ms, 1500);
}

TEST(Socket, PeerClosingFailsTheReadAtOnce)
{
    test::ScriptedPeer peer([](int fd) {
        const uint8_t b = 9;
        ::send(fd, &b, 1, MSG_NOSIGNAL);
    });
    ASSERT_TRUE(peer.Started());
    UniqueFd fd = ConnectTcp("127.0.0.1", peer.Port(), {});
    ASSERT_TRUE(fd.Valid());
    uint8_t got[4];
    const auto start = Clock::now();
    EXPECT_FALSE(ReadExactly(fd.Get(), got, sizeof got, 3000));
    EXPECT_LT(ElapsedMs(start), 1500);
}

TEST(Socket, SendToPeerThatStopsReadingTimesOutWithoutSignal)
{
    // The peer takes nothing for a while, so the tool's send buffers fill up.
    test::ScriptedPeer peer([](int) { std::this_thread::sleep_for(std::chrono::milliseconds(400)); });
    ASSERT_TRUE(peer.Started());
    UniqueFd fd = ConnectTcp("127.0.0.1", peer.Port(), {});
    ASSERT_TRUE(fd.Valid());
    std::vector<uint8_t> big(64u << 20);  // far more than the socket buffers hold
    const auto start = Clock::now();
    EXPECT_FALSE(SendAll(fd.Get(), big.data(), big.size(), 150));
    EXPECT_LT(ElapsedMs(start), 1000);
}

}  // namespace
}  // namespace volmar
