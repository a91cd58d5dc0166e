#include "sim/cipher/CipherServer.h"

#include <sys/random.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/cipher/CipherPacket.h"
#include "core/link/cipher/CipherStream.h"
#include "core/link/cipher/LinkKey.h"
#include "core/link/tcp/Socket.h"
#include "core/link/tcp/TcpHeaders.h"
#include "core/link/tcp/TcpTransport.h"

namespace volmar::sim {
namespace {

using volmar::CamelliaKey;
using volmar::CipherBlock;
using volmar::CipherPacketHeader;

// Longest login ID, password or object name the unit reads.
constexpr size_t kMaxText = 64;

CipherBlock NewChallenge()
{
    CipherBlock c{};
    if (getrandom(c.data(), c.size(), GRND_NONBLOCK) != static_cast<ssize_t>(c.size())) {
        std::random_device rd;
        for (auto& b : c) b = static_cast<uint8_t>(rd());
    }
    return c;
}

std::string TextOf(const std::vector<uint8_t>& bytes, size_t kept)
{
    std::string s(reinterpret_cast<const char*>(bytes.data()), kept);
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    return s;
}

// The session key of one connection: link key and link vector.
struct Session {
    CamelliaKey key{};
    CipherBlock vector{};
};

}  // namespace

CipherServer::CipherServer(UnitModel& model, ServerOptions options)
    : m_model(model), m_options(options)
{
}

bool CipherServer::Start(uint16_t port)
{
    return m_server.Start(port, [this](int fd) { Serve(fd); }, m_options.address);
}

// The handshake reply, in clear, or the fault that replaces it. False when
// the connection is to end.
bool CipherServer::SendHello(int fd, std::span<const uint8_t> status, const CipherBlock& challenge,
                             uint32_t nonce)
{
    const int t = m_options.inactivityMs;
    auto send = [&](uint8_t code, std::span<const uint8_t> p1, std::span<const uint8_t> p2) {
        return volmar::SendCipherPacket(fd, code, p1, p2, nonce, nullptr, {}, t) == 0;
    };
    switch (m_options.fault) {
    case LinkFault::RefuseHello:
        send(volmar::kCipherRefused, {}, {});
        return false;
    case LinkFault::BadHelloCode:
        send('x', status, challenge);
        return false;
    case LinkFault::HelloWithoutStatus:
        send(volmar::kCipherAccepted, {}, challenge);
        return false;
    case LinkFault::OddChallenge: {
        uint8_t longer[20] = {};
        std::copy(challenge.begin(), challenge.end(), longer);
        send(volmar::kCipherAccepted, status, longer);
        return false;
    }
    default:
        return send(volmar::kCipherAccepted, status, challenge);
    }
}

void CipherServer::Serve(int fd)
{
    const int t = m_options.inactivityMs;
    const LinkFault fault = m_options.fault;
    auto read = [fd, t](uint8_t* d, size_t n) { return volmar::ReadExactly(fd, d, n, t); };
    uint32_t nonce = 1;

    // Handshake, in clear.
    volmar::CipherReplyReader clear(read, nullptr, {});
    CipherPacketHeader h;
    if (clear.ReadHeader(h) != 0 || h.code != volmar::kCipherCmdHello || h.check != 0xFF - h.code)
        return;
    volmar::CipherBodySplitter none(h, {}, {});
    if (clear.ReadBody(h, none) != 0) return;
    const auto status = m_model.Status();
    uint8_t part1[12] = {};
    volmar::StoreLe32(part1, static_cast<uint32_t>(status[0]) | static_cast<uint32_t>(status[1]) << 16);
    const uint32_t build = static_cast<uint32_t>(status[3]) << 8 | status[4];
    volmar::StoreLe32(part1 + 4, static_cast<uint32_t>(status[2]) | build << 16);
    part1[8] = status[5];
    const CipherBlock challenge = NewChallenge();
    if (!SendHello(fd, part1, challenge, nonce++)) return;

    // Login: the first password whose key turns the header into a login
    // request is the one the tool used.
    std::array<uint8_t, volmar::kCipherHeaderSize> raw{};
    if (!read(raw.data(), raw.size())) return;
    std::optional<Session> session;
    std::optional<volmar::CipherReplyReader> reader;
    for (const std::string& password : m_model.LoginPasswords()) {
        const auto key = volmar::DeriveLinkKey(password);
        if (!key) continue;
        Session s{*key, challenge};
        CipherBlock zero{};
        if (!volmar::CamelliaCbcEncrypt(s.key, zero, s.vector)) continue;
        session = s;
        reader.emplace(read, &session->key, session->vector);
        auto copy = raw;
        if (reader->DecodeHeader(copy, h) == 0 && copy[0] == volmar::kCipherMagic0 &&
            copy[1] == volmar::kCipherMagic1 && h.code == volmar::kCipherCmdLogin && h.check == 0xFF - h.code)
            break;
        reader.reset();
        session.reset();
    }
    if (!session) {
        // No password of this unit opens the login: the tool's key is wrong.
        // The unit refuses under its own key, which the tool cannot read.
        const auto passwords = m_model.LoginPasswords();
        const auto key = volmar::DeriveLinkKey(passwords.empty() ? std::string() : passwords.front());
        Session own{key.value_or(CamelliaKey{}), challenge};
        CipherBlock zero{};
        volmar::CamelliaCbcEncrypt(own.key, zero, own.vector);
        m_model.Record("login", {}, 0, "refused");
        volmar::SendCipherPacket(fd, volmar::kCipherRefused, {}, {}, nonce++, &own.key, own.vector, t);
        return;
    }
    std::vector<uint8_t> id(kMaxText), pw(kMaxText);
    volmar::CipherBodySplitter login(h, id, pw);
    if (reader->ReadBody(h, login) != 0) return;
    if (fault == LinkFault::CloseInsteadOfAck) return;
    const bool ok = fault != LinkFault::RefuseLogin &&
                    m_model.Login(TextOf(id, login.Kept1()), TextOf(pw, login.Kept2()));
    auto reply = [&](uint8_t code, std::span<const uint8_t> p1 = {}, std::span<const uint8_t> p2 = {}) {
        return volmar::SendCipherPacket(fd, code, p1, p2, nonce++, &session->key, session->vector, t) == 0;
    };
    if (!ok) {
        reply(volmar::kCipherRefused);
        return;
    }
    if (!reply(volmar::kCipherAccepted)) return;

    // One get or put.
    volmar::CipherReplyReader requests(read, &session->key, session->vector);
    if (requests.ReadHeader(h) != 0 || h.check != 0xFF - h.code) return;
    if (h.code != volmar::kCipherCmdGet && h.code != volmar::kCipherCmdPut) return;
    if (volmar::CipherBodySize(h) > volmar::kCipherMaxBody) return;
    std::vector<uint8_t> name(kMaxText);
    std::vector<uint8_t> data(h.code == volmar::kCipherCmdPut ? h.part2 : 0);
    volmar::CipherBodySplitter body(h, name, data);
    if (requests.ReadBody(h, body) != 0) return;
    const std::string object(reinterpret_cast<const char*>(name.data()), body.Kept1());
    if (fault == LinkFault::Silent) m_server.HoldOpen(fd, m_options.silenceMs);
    if (fault == LinkFault::Silent || fault == LinkFault::CloseAfterAck) return;

    if (h.code == volmar::kCipherCmdGet) {
        std::vector<uint8_t> out;
        int code = 0;
        if (m_model.Get(object, out, code)) {
            if (fault == LinkFault::OversizeGet) out.resize(volmar::kMaxObjectSize + 1);
            reply(volmar::kCipherAccepted, out);
        } else {
            std::vector<uint8_t> err;
            if (code >= 0 && code <= 255) err.push_back(static_cast<uint8_t>(code));
            reply(volmar::kCipherRefused, err);
        }
        return;
    }
    const PutOutcome outcome = m_model.Put(object, data);
    if (outcome.code == 0) {
        reply(volmar::kCipherAccepted);
        return;
    }
    uint8_t code[4];
    volmar::StoreLe32(code, static_cast<uint32_t>(outcome.code));
    reply(volmar::kCipherRefused, code,
          {reinterpret_cast<const uint8_t*>(outcome.text.data()), outcome.text.size()});
}

}  // namespace volmar::sim
