// libFuzzer target: the plain TCP link's reply side and the unit's verdicts.
// The first byte picks what is asked; the rest is what a hostile unit sends
// back over a real loopback connection (acknowledgements, reply header,
// status record, object data or error text), or, for the last case, a result
// code and the unit's text as a result reply carries them. Every read must
// stay in its buffer and every result must agree with the outcome.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "core/common/UniqueFd.h"
#include "core/link/tcp/Socket.h"
#include "core/link/tcp/TcpHeaders.h"
#include "core/link/tcp/TcpTransport.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/link/transfer/UnitStatus.h"
#include "core/settings/TextConvert.h"

using namespace volmar;

namespace {

constexpr int kWaitMs = 2000;

void Check(bool ok)
{
    if (!ok) std::abort();
}

// One listening socket on loopback for the whole run.
struct Listener {
    UniqueFd fd;
    uint16_t port = 0;
    Listener()
    {
        fd.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        Check(fd && ::bind(fd.Get(), reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
              ::listen(fd.Get(), 4) == 0 && ::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&a), &len) == 0);
        port = ntohs(a.sin_port);
    }
};

// The unit: takes one connection, sends the reply bytes, ends its side and
// reads until the client closes, so that no reset cuts the client's reads.
void Serve(int listener, std::vector<uint8_t> reply)
{
    if (PollFor(listener, POLLIN, kWaitMs) != 1) return;
    UniqueFd c(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
    if (!c) return;
    for (size_t off = 0; off < reply.size();) {
        ssize_t k = ::send(c.Get(), reply.data() + off, reply.size() - off, MSG_NOSIGNAL);
        if (k <= 0) break;
        off += static_cast<size_t>(k);
    }
    ::shutdown(c.Get(), SHUT_WR);
    char sink[4096];
    while (PollFor(c.Get(), POLLIN, kWaitMs) == 1 && ::recv(c.Get(), sink, sizeof sink, 0) > 0) {
    }
}

void CheckResultMessage(int code, const char* text, size_t len)
{
    static const std::string head = "Cannot save: Unsupported setting value(s).\n";
    auto m = UnitResultMessage(code, std::string_view(text, len));
    if (!m || code != 101) return;
    // The unit's part of what is shown is valid UTF-8 of at most 4096
    // UTF-16 units: it survives a round trip through the bounded decoder.
    Check(m->text.compare(0, head.size(), head) == 0);
    const std::string unitText = m->text.substr(head.size());
    Check(WideToUtf8(Utf8ToWide(unitText)) == unitText);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const uint8_t op = data[0] % 4;
    const uint8_t* rest = data + 1;
    const size_t restSize = size - 1;

    if (restSize >= kTcpReplyHeaderSize) {
        std::array<uint8_t, kTcpReplyHeaderSize> bytes;
        std::memcpy(bytes.data(), rest, bytes.size());
        const TcpReplyHeader h = ParseTcpReplyHeader(bytes);
        // The builder forms the unit's STX; byte 3 is never read.
        auto again = BuildTcpReplyHeader(h.code, h.result, h.length);
        Check(again[0] == kTcpStx && h.stx == bytes[0]);
        again[0] = bytes[0];
        again[3] = bytes[3];
        Check(again == bytes);
    }

    if (op == 3) {
        if (restSize >= 1) CheckResultMessage(rest[0], reinterpret_cast<const char*>(rest + 1), restSize - 1);
        return 0;
    }

    static Listener listener;
    std::thread unit(Serve, listener.fd.Get(), std::vector<uint8_t>(rest, rest + restSize));
    TcpTarget target;
    target.address = "127.0.0.1";
    target.port = listener.port;
    target.loginId = "kovan";
    target.password = "kovan";
    target.timeouts = {kWaitMs, kWaitMs};
    TcpCallState state;

    if (op == 0) {
        uint8_t status[kTcpStatusCapacity];
        const int n = TcpQueryStatus(target, status, state);
        Check(n >= -1 && n <= static_cast<int>(sizeof status));
        Check((n >= 0) == (state.outcome == kTcpOk));
        if (n == static_cast<int>(std::tuple_size_v<UnitStatus>)) {
            UnitStatus s;
            std::memcpy(s.data(), status, s.size());
            if (AcceptDeviceCode(s)) Check(s[0] == kDeviceCodeSupported);
        }
    } else if (op == 1) {
        // A small buffer, so that replies longer than it are common.
        std::vector<uint8_t> buffer(64);
        const int n = TcpGetObject(target, "CONFIG_P", buffer, state);
        Check(n >= -1 && n <= 255);
        if (state.outcome == kTcpOk) Check(n >= 0 && n <= static_cast<int>(buffer.size()));
    } else {
        const uint8_t payload[16] = {'x'};
        char message[kTcpMessageCapacity];
        std::memset(message, 0x55, sizeof message);
        const int n = TcpPutObject(target, "CONFIG_P", payload, message, state);
        Check(n >= -1 && n <= 255);
        const void* nul = std::memchr(message, '\0', sizeof message);
        if (nul) CheckResultMessage(n, message, static_cast<const char*>(nul) - message);
        if (state.outcome == kTcpOk) Check(n == 0);
    }
    unit.join();
    return 0;
}
