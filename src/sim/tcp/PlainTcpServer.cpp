#include "sim/tcp/PlainTcpServer.h"

#include <string>
#include <vector>

#include "core/link/tcp/Socket.h"
#include "core/link/tcp/TcpHeaders.h"
#include "core/link/tcp/TcpTransport.h"
#include "sim/UnitModel.h"

namespace volmar::sim {
namespace {

// Largest block the unit takes after a header: an object and then some.
constexpr uint32_t kMaxBlock = kMaxPutObject + 4096;

struct Request {
    volmar::TcpRequest header;
    std::vector<uint8_t> block;
};

bool ReadRequest(int fd, int inactivityMs, Request& req)
{
    std::array<uint8_t, volmar::kTcpRequestHeaderSize> raw{};
    if (!volmar::ReadExactly(fd, raw.data(), raw.size(), inactivityMs)) return false;
    req.header = volmar::ParseTcpRequestHeader(raw);
    if (req.header.stx != volmar::kTcpStx || req.header.length > kMaxBlock) return false;
    req.block.resize(req.header.length);
    return volmar::ReadExactly(fd, req.block.data(), req.block.size(), inactivityMs);
}

bool SendReply(int fd, int inactivityMs, uint8_t code, uint8_t result,
               const std::vector<uint8_t>& data = {})
{
    const auto header = volmar::BuildTcpReplyHeader(code, result, static_cast<uint32_t>(data.size()));
    return volmar::SendAll(fd, header.data(), header.size(), inactivityMs) &&
           volmar::SendAll(fd, data.data(), data.size(), inactivityMs);
}

}  // namespace

PlainTcpServer::PlainTcpServer(UnitModel& model, ServerOptions options)
    : m_model(model), m_options(options)
{
}

bool PlainTcpServer::Start(uint16_t port)
{
    return m_server.Start(port, [this](int fd) { Serve(fd); }, m_options.address);
}

void PlainTcpServer::Serve(int fd)
{
    const int t = m_options.inactivityMs;
    const LinkFault fault = m_options.fault;

    // Checks the credentials of a request and acknowledges it. False when the
    // connection is to end.
    auto acknowledge = [&](const Request& req) {
        if (fault == LinkFault::CloseInsteadOfAck) return false;
        const bool ok = fault != LinkFault::RefuseLogin &&
                        m_model.Login(req.header.loginId, req.header.password);
        if (!ok) {
            SendReply(fd, t, volmar::kTcpReplyRefused, 0);
            return false;
        }
        return SendReply(fd, t, volmar::kTcpReplyAccepted, 0);
    };
    // After the last acknowledgement: the faults that replace the reply.
    auto replyWithheld = [&] {
        if (fault == LinkFault::Silent) m_server.HoldOpen(fd, m_options.silenceMs);
        return fault == LinkFault::Silent || fault == LinkFault::CloseAfterAck;
    };

    Request req;
    if (!ReadRequest(fd, t, req)) return;
    const std::string name(req.block.begin(), req.block.end());
    switch (req.header.command) {
    case volmar::kTcpCmdStatus: {
        if (!acknowledge(req) || replyWithheld()) return;
        const auto status = m_model.Status();
        std::vector<uint8_t> record(status.begin(), status.end());
        record.resize(m_options.statusLength);
        SendReply(fd, t, volmar::kTcpReplyStatus, 0, record);
        return;
    }
    case volmar::kTcpCmdGet: {
        if (!acknowledge(req) || replyWithheld()) return;
        std::vector<uint8_t> data;
        int code = 0;
        if (m_model.Get(name, data, code)) {
            if (fault == LinkFault::ShortReply) {
                // Half the object, then the connection ends.
                const auto header = volmar::BuildTcpReplyHeader(volmar::kTcpReplyObject, 0,
                                                                static_cast<uint32_t>(data.size()));
                if (volmar::SendAll(fd, header.data(), header.size(), t))
                    volmar::SendAll(fd, data.data(), data.size() / 2, t);
                return;
            }
            SendReply(fd, t, volmar::kTcpReplyObject, 0, data);
        } else {
            // A code the byte cannot hold goes without data (the tool shows 255).
            std::vector<uint8_t> err;
            if (code >= 0 && code <= 255) err.push_back(static_cast<uint8_t>(code));
            SendReply(fd, t, volmar::kTcpReplyRefused, 0, err);
        }
        return;
    }
    case volmar::kTcpCmdPutName: {
        if (!acknowledge(req)) return;
        Request dataReq;
        if (!ReadRequest(fd, t, dataReq) || dataReq.header.command != volmar::kTcpCmdPutData) return;
        if (!acknowledge(dataReq) || replyWithheld()) return;
        const PutOutcome outcome = m_model.Put(name, dataReq.block);
        if (outcome.code == 0) {
            SendReply(fd, t, volmar::kTcpReplyPutDone, 0);
        } else {
            SendReply(fd, t, volmar::kTcpReplyRefused, static_cast<uint8_t>(outcome.code),
                      {outcome.text.begin(), outcome.text.end()});
        }
        return;
    }
    default:
        return;
    }
}

}  // namespace volmar::sim
