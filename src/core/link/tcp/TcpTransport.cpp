#include "core/link/tcp/TcpTransport.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/link/tcp/TcpHeaders.h"

namespace volmar {
namespace {

// One connection of one operation. Closes its socket on every path.
class Session {
public:
    Session(const TcpTarget& target, TcpCallState& state) : m_target(target), m_state(state)
    {
        m_state.outcome = kTcpFailed;
    }

    bool Connect()
    {
        m_fd = ConnectTcp(m_target.address, m_target.port, m_target.timeouts);
        return Check(m_fd.Valid());
    }

    // Sends a request header and its block.
    bool SendRequest(uint8_t command, std::span<const uint8_t> block, bool countBlock = false)
    {
        const auto header = BuildTcpRequestHeader(command, m_target.loginId, m_target.password,
                                                  static_cast<uint32_t>(block.size()));
        if (!Check(SendAll(m_fd.Get(), header.data(), header.size(), Inactivity(), {}, Stop()))) return false;
        ByteCountFn count;
        if (countBlock) count = Counter();
        return Check(SendAll(m_fd.Get(), block.data(), block.size(), Inactivity(), count, Stop()));
    }

    // Reads the acknowledgement; anything but 02 'l' (or nothing at all) is
    // the unit refusing the credentials.
    bool Acknowledged()
    {
        uint8_t ack[kTcpReplyHeaderSize] = {};
        const bool got = ReadExactly(m_fd.Get(), ack, sizeof ack, Inactivity(), {}, Stop());
        if (got && ack[0] == kTcpStx && ack[1] == kTcpReplyAccepted) {
            m_state.loggedIn = 1;
            return true;
        }
        m_state.loggedIn = 0;
        m_state.outcome = kTcpRefused;
        return false;
    }

    bool ReadReplyHeader(TcpReplyHeader& reply)
    {
        std::array<uint8_t, kTcpReplyHeaderSize> bytes{};
        if (!Check(ReadExactly(m_fd.Get(), bytes.data(), bytes.size(), Inactivity(), {}, Stop()))) return false;
        reply = ParseTcpReplyHeader(bytes);
        return true;
    }

    bool Read(uint8_t* data, size_t len, bool counted = false)
    {
        ByteCountFn count;
        if (counted) count = Counter();
        return ReadExactly(m_fd.Get(), data, len, Inactivity(), count, Stop());
    }

private:
    ByteCountFn Counter() const
    {
        std::atomic<uint32_t>* progress = m_state.progress;
        if (!progress) return {};
        return [progress](size_t n) { *progress += static_cast<uint32_t>(n); };
    }

    int Inactivity() const { return m_target.timeouts.inactivityMs; }
    const SocketStop* Stop() const { return m_target.timeouts.stop; }

    // A failure before any reply header arrived clears the logged-in mark.
    bool Check(bool ok)
    {
        if (!ok) m_state.loggedIn = 0;
        return ok;
    }

    const TcpTarget& m_target;
    TcpCallState& m_state;
    UniqueFd m_fd;
};

std::span<const uint8_t> NameBytes(std::string_view object)
{
    return {reinterpret_cast<const uint8_t*>(object.data()), object.size()};
}

}  // namespace

int TcpQueryStatus(const TcpTarget& target, std::span<uint8_t> status, TcpCallState& state)
{
    Session s(target, state);
    if (!s.Connect() || !s.SendRequest(kTcpCmdStatus, {})) return -1;
    if (!s.Acknowledged()) return -1;
    TcpReplyHeader reply;
    if (!s.ReadReplyHeader(reply)) return -1;
    if (reply.stx != kTcpStx || reply.code != kTcpReplyStatus) return -1;
    if (reply.length > status.size()) return -1;  // never written past the buffer
    if (!s.Read(status.data(), reply.length)) return -1;
    state.outcome = kTcpOk;
    return static_cast<int>(reply.length);
}

int TcpGetObject(const TcpTarget& target, std::string_view object, std::span<uint8_t> data,
                 TcpCallState& state)
{
    if (state.progress) *state.progress = 0;
    Session s(target, state);
    if (!s.Connect() || !s.SendRequest(kTcpCmdGet, NameBytes(object))) return -1;
    if (!s.Acknowledged()) return -1;
    TcpReplyHeader reply;
    if (!s.ReadReplyHeader(reply)) return -1;
    if (reply.code == kTcpReplyObject) {
        if (reply.length > data.size()) return -1;
        if (!s.Read(data.data(), reply.length, true)) return -1;
        state.outcome = kTcpOk;
        return static_cast<int>(reply.length);
    }
    if (reply.code == kTcpReplyRefused) {
        if (reply.length == 0) return 255;
        if (reply.length > data.size()) return -1;
        if (!s.Read(data.data(), reply.length, true)) return -1;
        return data[0];
    }
    return -1;
}

int TcpPutObject(const TcpTarget& target, std::string_view object,
                 std::span<const uint8_t> data, std::span<char> message, TcpCallState& state)
{
    if (state.progress) *state.progress = 0;
    if (data.size() > UINT32_MAX) return -1;
    Session s(target, state);
    if (!s.Connect() || !s.SendRequest(kTcpCmdPutName, NameBytes(object))) return -1;
    if (!s.Acknowledged()) return -1;
    if (!s.SendRequest(kTcpCmdPutData, data, true)) return -1;
    if (!s.Acknowledged()) return -1;
    TcpReplyHeader reply;
    if (!s.ReadReplyHeader(reply)) return -1;
    if (reply.code == kTcpReplyPutDone) {
        state.outcome = kTcpOk;
        return 0;
    }
    if (reply.code != kTcpReplyRefused) return -1;
    if (reply.length != 0 && !message.empty()) {
        // Only what fits is read: the text is cut to the buffer less its NUL.
        const size_t keep = std::min<size_t>(reply.length, message.size() - 1);
        std::string text(keep, '\0');
        if (!s.Read(reinterpret_cast<uint8_t*>(text.data()), keep)) return -1;
        std::memcpy(message.data(), text.data(), keep);
        message[keep] = '\0';
    }
    return reply.result;
}

}  // namespace volmar
