// The plain TCP request header byte for byte, against bytes spelled out here
// rather than taken from the codec: the tool and the simulator share the
// codec, so a wrong offset would otherwise pass every round trip.
//
//   0     0x02
//   1     command: 'S' 0x53 status, 'G' 0x47 get, 'P' 0x50 put name, 'p' 0x70 put data
//   2-3   zero
//   4-55  login ID, NUL-terminated, zero-filled
//   56-107 password, NUL-terminated, zero-filled
//   108-111 length of the following block, little-endian
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "FakeUnitModel.h"
#include "ScriptedPeer.h"
#include "core/link/tcp/Socket.h"
#include "core/link/tcp/TcpTransport.h"
#include "sim/tcp/PlainTcpServer.h"

namespace volmar {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr char kId[] = "unit-admin";
constexpr char kPassword[] = "p\xC3\xA4ssw\xC3\xB6rd";  // "pässwörd" in UTF-8

// The 112 header bytes of a request, laid out by hand.
Bytes Header(uint8_t command, const char* id, const char* password, std::array<uint8_t, 4> length)
{
    Bytes h(112, 0x00);
    h[0] = 0x02;
    h[1] = command;
    std::memcpy(h.data() + 4, id, std::strlen(id));
    std::memcpy(h.data() + 56, password, std::strlen(password));
    std::memcpy(h.data() + 108, length.data(), 4);
    return h;
}

std::string Hex(const Bytes& bytes)
{
    std::string s;
    char b[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(b, sizeof b, "%02x%c", bytes[i], (i + 1) % 16 ? ' ' : '\n');
        s += b;
    }
    return s;
}

// A peer that plays the unit for one connection: reads each request (header
// and block) in turn, keeps the bytes, and answers with the given replies.
class RecordingPeer {
public:
    // blockSizes: the block that follows each expected request header.
    RecordingPeer(std::vector<size_t> blockSizes, std::vector<Bytes> finalReply)
        : m_peer([this, blockSizes, finalReply](int fd) {
              const uint8_t ack[8] = {0x02, 'l', 0, 0, 0, 0, 0, 0};
              for (size_t block : blockSizes) {
                  Bytes request(112 + block);
                  if (!ReadExactly(fd, request.data(), request.size(), 2000)) return;
                  {
                      std::lock_guard lock(m_mutex);
                      m_requests.push_back(std::move(request));
                  }
                  if (!SendAll(fd, ack, sizeof ack, 2000)) return;
              }
              for (const Bytes& part : finalReply)
                  if (!SendAll(fd, part.data(), part.size(), 2000)) return;
          })
    {
    }
    bool Started() const { return m_peer.Started(); }
    uint16_t Port() const { return m_peer.Port(); }
    std::vector<Bytes> Requests()
    {
        m_peer.Stop();
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    std::mutex m_mutex;
    std::vector<Bytes> m_requests;
    test::ScriptedPeer m_peer;
};

TcpTarget Target(uint16_t port)
{
    TcpTarget t{"127.0.0.1", port, kId, kPassword, {}};
    t.timeouts.inactivityMs = 2000;
    return t;
}

TEST(TcpHeaderBytes, EveryRequestTheToolSendsHasTheHeaderByteForByte)
{
    {
        SCOPED_TRACE("status");
        RecordingPeer unit({0}, {{0x02, 's', 0, 0, 6, 0, 0, 0}, {1, 2, 3, 4, 5, 6}});
        ASSERT_TRUE(unit.Started());
        uint8_t status[kTcpStatusCapacity];
        TcpCallState st;
        EXPECT_EQ(TcpQueryStatus(Target(unit.Port()), status, st), 6);
        const auto requests = unit.Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(Hex(requests[0]), Hex(Header(0x53, kId, kPassword, {0, 0, 0, 0})));
    }
    {
        SCOPED_TRACE("get");
        RecordingPeer unit({3}, {{0x02, 'g', 0, 0, 1, 0, 0, 0}, {9}});
        ASSERT_TRUE(unit.Started());
        Bytes data(16);
        TcpCallState st;
        EXPECT_EQ(TcpGetObject(Target(unit.Port()), "LOG", data, st), 1);
        const auto requests = unit.Requests();
        ASSERT_EQ(requests.size(), 1u);
        Bytes expected = Header(0x47, kId, kPassword, {3, 0, 0, 0});
        expected.insert(expected.end(), {'L', 'O', 'G'});  // the name, no NUL
        EXPECT_EQ(Hex(requests[0]), Hex(expected));
    }
    {
        SCOPED_TRACE("put");
        const Bytes data(0x010203, 0x5A);
        RecordingPeer unit({7, data.size()}, {{0x02, 'd', 0, 0, 0, 0, 0, 0}});
        ASSERT_TRUE(unit.Started());
        char message[kTcpMessageCapacity] = {};
        TcpCallState st;
        EXPECT_EQ(TcpPutObject(Target(unit.Port()), "SETTING", data, message, st), 0);
        const auto requests = unit.Requests();
        ASSERT_EQ(requests.size(), 2u);
        Bytes name = Header(0x50, kId, kPassword, {7, 0, 0, 0});
        name.insert(name.end(), {'S', 'E', 'T', 'T', 'I', 'N', 'G'});
        EXPECT_EQ(Hex(requests[0]), Hex(name));
        EXPECT_EQ(Hex(Bytes(requests[1].begin(), requests[1].begin() + 112)),
                  Hex(Header(0x70, kId, kPassword, {0x03, 0x02, 0x01, 0x00})));
        EXPECT_EQ(Bytes(requests[1].begin() + 112, requests[1].end()), data);
    }
}

// Sends hand-made bytes to the simulator and returns what it answers (up to
// want bytes).
Bytes Exchange(uint16_t port, const Bytes& request, size_t want)
{
    SocketTimeouts timeouts;
    timeouts.inactivityMs = 2000;
    UniqueFd fd = ConnectTcp("127.0.0.1", port, timeouts);
    if (!fd.Valid() || !SendAll(fd.Get(), request.data(), request.size(), 2000)) return {};
    Bytes answer(want);
    size_t got = 0;
    while (got < want && ReadExactly(fd.Get(), answer.data() + got, 1, 2000)) ++got;
    answer.resize(got);
    return answer;
}

TEST(TcpHeaderBytes, SimulatorReadsHandMadeHeaders)
{
    test::FakeUnitModel model;
    model.loginId = kId;
    model.password = kPassword;
    model.objects["MAC"] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    sim::PlainTcpServer server(model, {});
    ASSERT_TRUE(server.Start());

    Bytes get = Header(0x47, kId, kPassword, {3, 0, 0, 0});
    get.insert(get.end(), {'M', 'A', 'C'});
    EXPECT_EQ(Hex(Exchange(server.Port(), get, 22)),
              Hex({0x02, 'l', 0, 0, 0, 0, 0, 0,                //
                   0x02, 'g', 0, 0, 6, 0, 0, 0,                //
                   0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));

    // The password moved one byte along is a wrong password.
    Bytes shifted = Header(0x53, kId, "", {0, 0, 0, 0});
    std::memcpy(shifted.data() + 57, kPassword, std::strlen(kPassword));
    const Bytes refused = Exchange(server.Port(), shifted, 8);
    ASSERT_EQ(refused.size(), 8u);
    EXPECT_NE(refused[1], 'l');
}

}  // namespace
}  // namespace volmar
