#include "sim/serial/SerialUnitSession.h"

#include <algorithm>

#include "core/link/serial/Frame.h"
#include "sim/unit/UnitCodes.h"

namespace volmar::sim {
namespace {

// Line noise as the unit's output stage makes it: anything but STX.
constexpr uint8_t kNoise[] = {0xFF, 0x00, 0x55, 'x', 0x06, 0xAA, 0x17, 0x15};

}  // namespace

SerialUnitSession::SerialUnitSession(UnitModel& model, SerialFaultPlan plan)
    : m_model(model), m_plan(plan), m_naksLeft(plan.nakFirstFrames)
{
}

void SerialUnitSession::Receive(const uint8_t* data, size_t len, int64_t nowMs)
{
    if (m_plan.silent) return;
    m_nowMs = nowMs;
    for (size_t i = 0; i < len; ++i) TakeByte(data[i], nowMs);
}

void SerialUnitSession::Tick(int64_t nowMs)
{
    m_nowMs = nowMs;
    if (m_state != State::Replying || nowMs - m_lastBlockMs < kResendMs) return;
    if (m_resends >= kMaxResends) {
        m_state = State::Idle;  // the tool is gone
        return;
    }
    ++m_resends;
    SendBlock();
}

std::vector<uint8_t> SerialUnitSession::TakeOutput()
{
    std::vector<uint8_t> out;
    out.swap(m_out);
    return out;
}

void SerialUnitSession::TakeByte(uint8_t b, int64_t nowMs)
{
    // A frame that stalled belongs to a transaction the tool gave up.
    if (!m_rx.empty() && nowMs - m_lastByteMs > kFrameGapMs) m_rx.clear();
    m_lastByteMs = nowMs;
    if (m_rx.empty()) {
        if (b == kStx)
            m_rx.push_back(b);
        else
            TakeControl(b);
        return;
    }
    m_rx.push_back(b);
    DecodedFrame frame;
    switch (DecodeFrame(m_rx.data(), m_rx.size(), frame)) {
    case FrameStatus::Incomplete:
        return;
    case FrameStatus::Ok: {
        const std::vector<uint8_t> bytes(std::move(m_rx));
        m_rx.clear();
        TakeFrame(frame.header.block, frame.header.command, bytes.data() + kFrameHeaderSize,
                  frame.header.length, frame.last);
        return;
    }
    case FrameStatus::BadCheck:
        m_rx.clear();
        if (m_state == State::ReceivingPut)
            RefusePutBlock();
        else
            SendControl(kNak);
        return;
    case FrameStatus::BadHeader: {
        // Not a frame after all (at most six bytes): look again past the STX.
        const std::vector<uint8_t> rest(m_rx.begin() + 1, m_rx.end());
        m_rx.clear();
        for (uint8_t r : rest) TakeByte(r, nowMs);
        return;
    }
    case FrameStatus::NoStx:
    case FrameStatus::BadTerminator:
        m_rx.clear();
        return;
    }
}

void SerialUnitSession::TakeControl(uint8_t b)
{
    switch (m_state) {
    case State::AwaitEnq:
        if (b == kEnq) {
            m_state = State::Replying;
            m_replyIndex = 0;
            m_resends = 0;
            SendBlock();
        }
        break;
    case State::Replying:
        if (b == kAck) {
            if (m_replyIndex + 1 >= m_reply.size()) {
                m_state = State::AwaitEot;
            } else {
                ++m_replyIndex;
                m_resends = 0;
                SendBlock();
            }
        } else if (b == kNak) {
            SendBlock();
        }
        break;
    case State::AwaitEot:
        if (b == kEot) m_state = State::Idle;
        break;
    case State::Idle:
    case State::ReceivingPut:
        break;
    }
}

void SerialUnitSession::TakeFrame(uint8_t block, uint8_t command, const uint8_t* data, size_t len,
                                  bool last)
{
    ++m_framesReceived;
    if (m_naksLeft > 0) {
        --m_naksLeft;
        SendControl(kNak);
        return;
    }
    const std::string param(reinterpret_cast<const char*>(data), len);
    switch (command) {
    case kCmdStatus:
    case kCmdGet:
    case kCmdResult:
        EndOpenPut();
        m_lastPutBlock = -1;
        PrepareReply(command, param);
        SendControl(kAck);
        m_state = State::AwaitEnq;
        return;
    case kCmdPut:
        EndOpenPut();
        m_putOpen = true;
        m_putObject = param;
        m_putData.clear();
        m_putExpected = 1;
        m_putNaks = 0;
        m_lastPutBlock = -1;
        SendControl(kAck);
        m_state = State::ReceivingPut;
        return;
    case kCmdPutData:
        TakePutBlock(block, data, len, last);
        return;
    default:
        SendControl(kNak);
        return;
    }
}

void SerialUnitSession::PrepareReply(uint8_t command, const std::string& param)
{
    if (command == kCmdStatus) {
        const auto status = m_model.Status();
        std::vector<uint8_t> record(status.begin(), status.end());
        record.resize(m_plan.statusLength);
        SplitReply(kCmdStatusReply, record);
    } else if (command == kCmdGet) {
        std::vector<uint8_t> object;
        int code = 0;
        if (m_model.Get(param, object, code))
            SplitReply(kCmdGetReply, object);
        else
            SplitReply(kCmdNegative, {static_cast<uint8_t>(code)});
    } else {
        const ResultReply result = m_model.QueryResult();
        std::vector<uint8_t> record{result.echo, result.status};
        if (!result.text.empty()) {
            const size_t n = std::min(result.text.size(), kMaxBlockData - 3);
            record.insert(record.end(), result.text.begin(), result.text.begin() + n);
            record.push_back(0);
        }
        SplitReply(kCmdResultReply, record);
    }
}

void SerialUnitSession::SplitReply(uint8_t code, const std::vector<uint8_t>& payload)
{
    m_reply.clear();
    m_replyIndex = 0;
    size_t offset = 0;
    uint8_t block = 0;
    do {
        const size_t n = std::min(kMaxBlockData, payload.size() - offset);
        const bool last = offset + n == payload.size();
        std::vector<uint8_t> frame(n + kFrameOverhead);
        EncodeFrame(block, code, payload.data() + offset, n, last, frame.data(), frame.size());
        m_reply.push_back(std::move(frame));
        offset += n;
        block = static_cast<uint8_t>(block + 1);
    } while (offset < payload.size());
    // The unit gives up in mid-reply: a negative answer ends it.
    const int cut = m_plan.negativeBlock;
    if (cut >= 1 && static_cast<size_t>(cut) < m_reply.size()) {
        m_reply.resize(cut);
        const uint8_t code = kResultGiveUp;
        std::vector<uint8_t> frame(1 + kFrameOverhead);
        EncodeFrame(static_cast<uint8_t>(cut), kCmdNegative, &code, 1, true, frame.data(), frame.size());
        m_reply.push_back(std::move(frame));
    }
}

void SerialUnitSession::TakePutBlock(uint8_t block, const uint8_t* data, size_t len, bool last)
{
    if (m_putOpen && block == m_putExpected) {
        if (m_putData.size() + len > kMaxPutBytes) {
            // Over what the unit takes: the put is over, whatever follows.
            SendControl(kNak);
            AbandonPut();
            return;
        }
        m_putData.insert(m_putData.end(), data, data + len);
        m_putExpected = static_cast<uint8_t>(m_putExpected + 1);
        m_putNaks = 0;
        SendControl(kAck);
        if (!last) return;
        if (m_plan.noEot) {
            AbandonPut();
            return;
        }
        SendControl(kEot);
        m_lastPutBlock = block;
        CommitPut();
        return;
    }
    if (m_putOpen && !m_putData.empty() && !last && block == static_cast<uint8_t>(m_putExpected - 1)) {
        SendControl(kAck);  // our ACK was lost; the tool sent the block again
    } else if (!m_putOpen && last && block == m_lastPutBlock) {
        SendControl(kAck);  // the tool missed the end of the put
        SendControl(kEot);
    } else if (m_putOpen) {
        RefusePutBlock();
    } else {
        SendControl(kNak);
    }
}

void SerialUnitSession::RefusePutBlock()
{
    SendControl(kNak);
    if (m_putOpen && ++m_putNaks >= kMaxPutNaks) AbandonPut();
}

void SerialUnitSession::CommitPut()
{
    m_putOpen = false;
    m_state = State::Idle;
    m_model.Put(m_putObject, m_putData);
}

// A new request while a put is open: a put without data ends here; one
// whose data stopped coming was abandoned by the tool.
void SerialUnitSession::EndOpenPut()
{
    if (!m_putOpen) return;
    if (m_putData.empty() && m_putExpected == 1)
        CommitPut();
    else
        AbandonPut();
}

void SerialUnitSession::AbandonPut()
{
    m_putOpen = false;
    m_state = State::Idle;
    m_model.Record("put", m_putObject, m_putData.size(), "abandoned");
    m_putData.clear();
    m_putData.shrink_to_fit();
}

void SerialUnitSession::SendBlock()
{
    for (size_t i = 0; i < m_plan.garbageBeforeStx; ++i) m_out.push_back(kNoise[i % sizeof kNoise]);
    const std::vector<uint8_t>& frame = m_reply[m_replyIndex];
    const size_t start = m_out.size();
    m_out.insert(m_out.end(), frame.begin(), frame.end());
    uint8_t* sent = m_out.data() + start;
    const auto from = [this](int first) { return first >= 0 && m_blocksSent >= first; };
    if (m_blocksSent == m_plan.corruptBlock) sent[frame.size() - 1] ^= 0x5A;
    if (from(m_plan.badComplementFrom)) sent[2] ^= 0x01;
    if (from(m_plan.badTerminatorFrom)) sent[frame.size() - 3] = 'x';
    if (from(m_plan.badBlockNumberFrom)) {
        sent[1] = static_cast<uint8_t>(sent[1] + 1);
        sent[2] = static_cast<uint8_t>(0xFF - sent[1]);
    }
    ++m_blocksSent;
    m_lastBlockMs = m_nowMs;
}

void SerialUnitSession::SendControl(uint8_t b)
{
    m_out.push_back(b);
}

}  // namespace volmar::sim
