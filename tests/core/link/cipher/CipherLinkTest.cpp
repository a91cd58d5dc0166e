#include "core/link/cipher/CipherLink.h"

#include <gtest/gtest.h>

#include <sys/socket.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "FakeUnitModel.h"
#include "ScriptedPeer.h"
#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherPacket.h"
#include "core/link/cipher/CipherStream.h"
#include "core/link/cipher/LinkKey.h"
#include "core/link/tcp/TcpHeaders.h"
#include "core/link/tcp/TcpTransport.h"
#include "sim/cipher/CipherServer.h"
#include "sim/tcp/PlainTcpServer.h"

namespace volmar {
namespace {

std::vector<uint8_t> Pattern(size_t n)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + (i >> 9));
    return v;
}

SocketTimeouts Quick(int inactivityMs = 1500)
{
    SocketTimeouts t;
    t.inactivityMs = inactivityMs;
    return t;
}

class CipherLinkUnit : public ::testing::Test {
protected:
    void Start(sim::ServerOptions options = {})
    {
        m_server = std::make_unique<sim::CipherServer>(m_model, options);
        ASSERT_TRUE(m_server->Start());
    }
    std::unique_ptr<CCipherLink> Open(bool strict = true, int inactivityMs = 1500)
    {
        auto link = std::make_unique<CCipherLink>(m_server->Port(), Quick(inactivityMs));
        EXPECT_TRUE(link->Connect("127.0.0.1"));
        EXPECT_TRUE(link->Hello(strict, m_model.password));
        EXPECT_TRUE(link->Login(m_model.loginId, m_model.password)) << link->LastError();
        return link;
    }

    test::FakeUnitModel m_model;
    std::unique_ptr<sim::CipherServer> m_server;
};

TEST_F(CipherLinkUnit, HandshakeReportsTheUnitAndLoginSucceeds)
{
    Start();
    CCipherLink link(m_server->Port(), Quick());
    ASSERT_TRUE(link.Connect("localhost"));
    CipherHelloInfo info;
    ASSERT_TRUE(link.Hello(true, m_model.password, &info));
    EXPECT_EQ(info.deviceCode, 0x29);
    EXPECT_EQ(info.major, 1);
    EXPECT_EQ(info.minor, 2);
    EXPECT_EQ(info.build, 0x012C);
    EXPECT_EQ(info.status, 0x0B);
    EXPECT_TRUE(link.Login(m_model.loginId, m_model.password));
    EXPECT_EQ(link.LastError(), 0);
}

TEST_F(CipherLinkUnit, StrictHandshakeRefusesOtherDevices)
{
    m_model.status[0] = 0x28;
    Start();
    CCipherLink strict(m_server->Port(), Quick());
    ASSERT_TRUE(strict.Connect("127.0.0.1"));
    EXPECT_FALSE(strict.Hello(true, m_model.password));
    EXPECT_EQ(strict.LastError(), kCipherErrUnsupported);
    strict.Close();  // the unit serves one connection at a time

    CCipherLink probe(m_server->Port(), Quick());
    ASSERT_TRUE(probe.Connect("127.0.0.1"));
    CipherHelloInfo info;
    EXPECT_TRUE(probe.Hello(false, m_model.password, &info));
    EXPECT_EQ(info.deviceCode, 0x28);
}

TEST_F(CipherLinkUnit, WrongCredentialsFailTheLogin)
{
    Start();
    {
        // Another password gives another key: the unit cannot read the login
        // and refuses it under its own key, which reads as no acceptance.
        CCipherLink link(m_server->Port(), Quick());
        ASSERT_TRUE(link.Connect("127.0.0.1"));
        ASSERT_TRUE(link.Hello(true, "wrong"));
        EXPECT_FALSE(link.Login(m_model.loginId, "wrong"));
        EXPECT_EQ(link.LastError(), kCipherErrPassword);
    }
    {
        // The right password with an unknown login ID is refused in the reply.
        CCipherLink link(m_server->Port(), Quick());
        ASSERT_TRUE(link.Connect("127.0.0.1"));
        ASSERT_TRUE(link.Hello(true, m_model.password));
        EXPECT_FALSE(link.Login("nobody", m_model.password));
        EXPECT_EQ(link.LastError(), kCipherErrPassword);
    }
}

TEST_F(CipherLinkUnit, UnitRefusingTheLoginGivesPasswordError)
{
    Start({sim::LinkFault::RefuseLogin});
    CCipherLink link(m_server->Port(), Quick());
    ASSERT_TRUE(link.Connect("127.0.0.1"));
    ASSERT_TRUE(link.Hello(true, m_model.password));
    EXPECT_FALSE(link.Login(m_model.loginId, m_model.password));
    EXPECT_EQ(link.LastError(), kCipherErrPassword);
}

TEST_F(CipherLinkUnit, GetMovesTwoMegabytesAndCountsTheBody)
{
    m_model.objects["CONFIG_P"] = Pattern(kMaxObjectSize);
    Start();
    auto link = Open();
    std::vector<uint8_t> out(kMaxObjectSize);
    size_t got = 0;
    ASSERT_TRUE(link->Get("CONFIG_P", out, got)) << link->LastError();
    EXPECT_EQ(got, kMaxObjectSize);
    EXPECT_EQ(out, m_model.objects["CONFIG_P"]);
    EXPECT_EQ(link->ByteCounter().load(), static_cast<int32_t>(kMaxObjectSize));
}

TEST_F(CipherLinkUnit, GetOfExactlyTheCapacitySucceedsOneByteMoreFails)
{
    m_model.objects["LOG"] = Pattern(100);
    Start();
    {
        auto link = Open();
        std::vector<uint8_t> out(100);
        size_t got = 0;
        EXPECT_TRUE(link->Get("LOG", out, got));
        EXPECT_EQ(got, 100u);
    }
    {
        auto link = Open();
        std::vector<uint8_t> out(100, 0x5A);
        size_t got = 0;
        EXPECT_FALSE(link->Get("LOG", std::span(out.data(), 99), got));
        EXPECT_EQ(link->LastError(), kCipherErrRecvSize);
        EXPECT_EQ(out, std::vector<uint8_t>(100, 0x5A));  // body not read
        EXPECT_EQ(link->ByteCounter().load(), 0);
    }
}

TEST_F(CipherLinkUnit, RefusedGetLeavesTheUnitCodeInTheFirstByte)
{
    Start();
    {
        auto link = Open();
        std::vector<uint8_t> out(8, 0xFF);
        size_t got = 0;
        EXPECT_FALSE(link->Get("NOPE", out, got));
        EXPECT_EQ(link->LastError(), kCipherErrCodeNg);
        EXPECT_EQ(out[0], 7);
    }
    m_model.getRefusal = -1;  // refused with no body
    {
        auto link = Open();
        std::vector<uint8_t> out(8, 0xFF);
        size_t got = 0;
        EXPECT_FALSE(link->Get("NOPE", out, got));
        EXPECT_EQ(out[0], 0);
    }
}

TEST_F(CipherLinkUnit, PutMovesTwoMegabytesAndCountsTheWholePacket)
{
    Start();
    auto link = Open();
    const auto data = Pattern(kMaxObjectSize);
    int code = -1;
    char message[kTcpMessageCapacity] = "untouched";
    ASSERT_TRUE(link->Put("CONFIG_P", data, code, message)) << link->LastError();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(link->ByteCounter().load(), static_cast<int32_t>(160 + 16 + kMaxObjectSize));
    EXPECT_EQ(m_model.PutName(), "CONFIG_P");
    EXPECT_EQ(m_model.PutData(), data);
    EXPECT_STREQ(message, "untouched");
}

TEST_F(CipherLinkUnit, RefusedPutGivesCodeAndTextCutToTheBuffer)
{
    m_model.putOutcome = {101, "AI3 RANGE"};
    Start();
    {
        auto link = Open();
        int code = 0;
        char message[kTcpMessageCapacity] = {};
        EXPECT_FALSE(link->Put("CONFIG_P", Pattern(40), code, message));
        EXPECT_EQ(link->LastError(), kCipherErrCodeNg);
        EXPECT_EQ(code, 101);
        EXPECT_STREQ(message, "AI3 RANGE");
    }
    m_model.putOutcome = {100, std::string(500, 'z')};
    {
        auto link = Open();
        int code = 0;
        char message[kTcpMessageCapacity + 4];
        std::memset(message, '#', sizeof message);
        EXPECT_FALSE(link->Put("CONFIG_P", Pattern(40), code,
                               std::span<char>(message, kTcpMessageCapacity)));
        EXPECT_EQ(code, 100);
        EXPECT_EQ(std::strlen(message), kTcpMessageCapacity - 1);
        EXPECT_EQ(message[kTcpMessageCapacity], '#');
    }
}

TEST_F(CipherLinkUnit, UnitThatStopsAnsweringFailsTheTransfer)
{
    for (auto fault : {sim::LinkFault::Silent, sim::LinkFault::CloseAfterAck}) {
        Start({fault});
        auto link = Open(true, 250);
        std::vector<uint8_t> out(16);
        size_t got = 0;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(link->Get("MAC", out, got));
        EXPECT_EQ(link->LastError(), kCipherErrRecvHeader);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        m_server->Stop();
    }
}

TEST(CipherLinkProbe, ConnectFailureAndPlainUnitAreTold)
{
    CCipherLink nowhere(1, Quick());
    EXPECT_FALSE(nowhere.Connect("127.0.0.1"));
    EXPECT_EQ(nowhere.LastError(), kCipherErrConnect);

    // A unit that speaks the plain protocol drops the handshake.
    test::FakeUnitModel model;
    sim::PlainTcpServer plain(model);
    ASSERT_TRUE(plain.Start());
    CCipherLink link(plain.Port(), Quick());
    ASSERT_TRUE(link.Connect("127.0.0.1"));
    EXPECT_FALSE(link.Hello(false, model.password));
    EXPECT_EQ(link.LastError(), kCipherErrRecvHeader);
}

// ---- hostile units -------------------------------------------------------

const CipherBlock kChallenge{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6};
constexpr const char* kPassword = "secret";

void SendClear(int fd, uint8_t code, std::vector<uint8_t> p1, std::vector<uint8_t> p2)
{
    SendCipherPacket(fd, code, p1, p2, 0, nullptr, {}, 1000);
}

std::vector<uint8_t> StatusPart()
{
    std::vector<uint8_t> p(12, 0);
    p[0] = 0x29;
    return p;
}

// Sends a header with the given code and lengths and then exactly the given
// body bytes (a multiple of 16), encrypted as the tool expects.
void SendCrafted(int fd, uint8_t code, uint32_t len1, uint32_t len2, std::vector<uint8_t> body)
{
    const CamelliaKey key = *DeriveLinkKey(kPassword);
    CipherBlock vector = kChallenge;
    CipherBlock zero{};
    CamelliaCbcEncrypt(key, zero, vector);
    std::vector<uint8_t> bytes(kCipherHeaderSize);
    EncodeCipherHeader(code, len1, len2, 0, std::span<uint8_t, kCipherHeaderSize>(bytes.data(), kCipherHeaderSize));
    bytes.insert(bytes.end(), body.begin(), body.end());
    CamelliaCbcEncrypt(key, vector, bytes);
    SendAll(fd, bytes.data(), bytes.size(), 1000);
}

// Handshake and login as a real unit would, then the given reply to the get.
test::ScriptedPeer UnitAnsweringGet(std::function<void(int)> reply)
{
    return test::ScriptedPeer([reply](int fd) {
        test::DrainPeer(fd, kCipherHeaderSize);
        SendClear(fd, kCipherAccepted, StatusPart(), {kChallenge.begin(), kChallenge.end()});
        test::DrainPeer(fd, kCipherHeaderSize + 16 + 16);  // login "admin", "secret"
        SendCrafted(fd, kCipherAccepted, 0, 0, {});
        test::DrainPeer(fd, kCipherHeaderSize + 16);  // get "CONFIG_P"
        reply(fd);
        ::shutdown(fd, SHUT_WR);  // a short reply ends at once
        test::DrainPeer(fd, 1, 1000);  // until the tool closes
    });
}

TEST(CipherLinkHostile, BadHandshakeRepliesFailWithTheirErrors)
{
    const std::vector<uint8_t> c16(kChallenge.begin(), kChallenge.end());
    struct Case {
        const char* what;
        std::function<void(int)> reply;
        int error;
    };
    const Case cases[] = {
        {"challenge of 20 bytes", [&](int fd) { SendClear(fd, 'o', StatusPart(), std::vector<uint8_t>(20, 1)); }, kCipherErrEncryption},
        {"challenge of 32 bytes", [&](int fd) { SendClear(fd, 'o', StatusPart(), std::vector<uint8_t>(32, 1)); }, kCipherErrEncryption},
        {"no part 1", [&](int fd) { SendClear(fd, 'o', {}, c16); }, kCipherErrStatus},
        {"no part 2", [&](int fd) { SendClear(fd, 'o', StatusPart(), {}); }, kCipherErrConnect},
        {"refused", [&](int fd) { SendClear(fd, 'n', {}, {}); }, kCipherErrCodeNg},
        {"other code", [&](int fd) { SendClear(fd, 'x', {}, {}); }, kCipherErrHeader},
        {"short header", [&](int fd) { std::vector<uint8_t> b(100, 0); SendAll(fd, b.data(), b.size(), 1000); }, kCipherErrRecvHeader},
        {"short body", [&](int fd) {
             std::vector<uint8_t> h(kCipherHeaderSize);
             EncodeCipherHeader('o', 12, 16, 0, std::span<uint8_t, kCipherHeaderSize>(h.data(), kCipherHeaderSize));
             h.resize(h.size() + 16);  // part 1 only, part 2 never comes
             SendAll(fd, h.data(), h.size(), 1000);
         }, kCipherErrRecv},
        {"oversized body", [&](int fd) {
             std::vector<uint8_t> h(kCipherHeaderSize);
             EncodeCipherHeader('o', 12, 0xFFFFFFF0u, 0, std::span<uint8_t, kCipherHeaderSize>(h.data(), kCipherHeaderSize));
             SendAll(fd, h.data(), h.size(), 1000);
         }, kCipherErrHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto reply = c.reply;
        test::ScriptedPeer peer([reply](int fd) {
            test::DrainPeer(fd, kCipherHeaderSize);
            reply(fd);
            ::shutdown(fd, SHUT_WR);
            test::DrainPeer(fd, 1, 1000);
        });
        ASSERT_TRUE(peer.Started());
        CCipherLink link(peer.Port(), Quick());
        ASSERT_TRUE(link.Connect("127.0.0.1"));
        EXPECT_FALSE(link.Hello(false, kPassword));
        EXPECT_EQ(link.LastError(), c.error);
    }
}

TEST(CipherLinkHostile, BadGetRepliesNeverWritePastTheBuffer)
{
    struct Case {
        const char* what;
        std::function<void(int)> reply;
        int error;
    };
    const Case cases[] = {
        {"part 1 larger than capacity", [](int fd) { SendCrafted(fd, 'o', 65, 0, std::vector<uint8_t>(80, 1)); }, kCipherErrRecvSize},
        {"body cut short, no padding", [](int fd) { SendCrafted(fd, 'o', 20, 0, std::vector<uint8_t>(16, 1)); }, kCipherErrRecv},
        {"huge part 2", [](int fd) { SendCrafted(fd, 'o', 16, 0x7FFFFFF0u, std::vector<uint8_t>(16, 1)); }, kCipherErrHeader},
        {"refused, part 1 too large", [](int fd) { SendCrafted(fd, 'n', 65, 0, std::vector<uint8_t>(80, 1)); }, kCipherErrCodeNg},
        {"garbled code", [](int fd) { SendCrafted(fd, 'o' + 1, 0, 0, {}); }, kCipherErrHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto peer = UnitAnsweringGet(c.reply);
        ASSERT_TRUE(peer.Started());
        CCipherLink link(peer.Port(), Quick());
        ASSERT_TRUE(link.Connect("127.0.0.1"));
        ASSERT_TRUE(link.Hello(true, kPassword));
        ASSERT_TRUE(link.Login("admin", kPassword)) << link.LastError();
        std::vector<uint8_t> out(80, 0x33);
        size_t got = 99;
        EXPECT_FALSE(link.Get("CONFIG_P", std::span(out.data(), 64), got));
        EXPECT_EQ(link.LastError(), c.error);
        EXPECT_EQ(got, 0u);
        for (size_t i = 64; i < out.size(); ++i) ASSERT_EQ(out[i], 0x33) << i;
    }
}

TEST(CipherLinkHostile, LinksLeakNoDescriptors)
{
    const int before = test::OpenDescriptorCount();
    {
        test::FakeUnitModel model;
        model.objects["MAC"] = {1, 2, 3, 4, 5, 6};
        for (auto fault : {sim::LinkFault::None, sim::LinkFault::RefuseLogin,
                           sim::LinkFault::CloseInsteadOfAck, sim::LinkFault::CloseAfterAck}) {
            sim::CipherServer server(model, {fault});
            ASSERT_TRUE(server.Start());
            for (const char* pw : {"secret", "wrong"}) {
                CCipherLink link(server.Port(), Quick());
                if (!link.Connect("127.0.0.1") || !link.Hello(true, pw) || !link.Login("admin", pw))
                    continue;
                std::vector<uint8_t> out(16);
                size_t got;
                link.Get("MAC", out, got);
            }
        }
        CCipherLink nowhere(1, Quick());
        nowhere.Connect("127.0.0.1");
    }
    EXPECT_EQ(test::OpenDescriptorCount(), before);
}

}  // namespace
}  // namespace volmar
