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
    : model_(model), plan_(plan), naksLeft_(plan.nakFirstFrames)
{
}

void SerialUnitSession::Receive(const uint8_t* data, size_t len, int64_t nowMs)
{
    if (plan_.silent) return;
    nowMs_ = nowMs;
    for (size_t i = 0; i < len; ++i) TakeByte(data[i], nowMs);
}

void SerialUnitSession::Tick(int64_t nowMs)
{
    nowMs_ = nowMs;
    if (state_ != State::Replying || nowMs - lastBlockMs_ < kResendMs) return;
    if (resends_ >= kMaxResends) {
        state_ = State::Idle;  // the tool is gone
        return;
    }
    ++resends_;
    SendBlock();
}

std::vector<uint8_t> SerialUnitSession::TakeOutput()
{
    std::vector<uint8_t> out;
    out.swap(out_);
    return out;
}

void SerialUnitSession::TakeByte(uint8_t b, int64_t nowMs)
{
    // A frame that stalled belongs to a transaction the tool gave up.
    if (!rx_.empty() && nowMs - lastByteMs_ > kFrameGapMs) rx_.clear();
    lastByteMs_ = nowMs;
    if (rx_.empty()) {
        if (b == kStx)
            rx_.push_back(b);
        else
            TakeControl(b);
        return;
    }
    rx_.push_back(b);
    DecodedFrame frame;
    switch (DecodeFrame(rx_.data(), rx_.size(), frame)) {
    case FrameStatus::Incomplete:
        return;
    case FrameStatus::Ok: {
        const std::vector<uint8_t> bytes(std::move(rx_));
        rx_.clear();
        TakeFrame(frame.header.block, frame.header.command, bytes.data() + kFrameHeaderSize,
                  frame.header.length, frame.last);
        return;
    }
    case FrameStatus::BadCheck:
        rx_.clear();
        if (state_ == State::ReceivingPut)
            RefusePutBlock();
        else
            SendControl(kNak);
        return;
    case FrameStatus::BadHeader: {
        // Not a frame after all (at most six bytes): look again past the STX.
        const std::vector<uint8_t> rest(rx_.begin() + 1, rx_.end());
        rx_.clear();
        for (uint8_t r : rest) TakeByte(r, nowMs);
        return;
    }
    case FrameStatus::NoStx:
    case FrameStatus::BadTerminator:
        rx_.clear();
        return;
    }
}

void SerialUnitSession::TakeControl(uint8_t b)
{
    switch (state_) {
    case State::AwaitEnq:
        if (b == kEnq) {
            state_ = State::Replying;
            replyIndex_ = 0;
            resends_ = 0;
            SendBlock();
        }
        break;
    case State::Replying:
        if (b == kAck) {
            if (replyIndex_ + 1 >= reply_.size()) {
                state_ = State::AwaitEot;
            } else {
                ++replyIndex_;
                resends_ = 0;
                SendBlock();
            }
        } else if (b == kNak) {
            SendBlock();
        }
        break;
    case State::AwaitEot:
        if (b == kEot) state_ = State::Idle;
        break;
    case State::Idle:
    case State::ReceivingPut:
        break;
    }
}

void SerialUnitSession::TakeFrame(uint8_t block, uint8_t command, const uint8_t* data, size_t len,
                                  bool last)
{
    ++framesReceived_;
    if (naksLeft_ > 0) {
        --naksLeft_;
        SendControl(kNak);
        return;
    }
    const std::string param(reinterpret_cast<const char*>(data), len);
    switch (command) {
    case kCmdStatus:
    case kCmdGet:
    case kCmdResult:
        EndOpenPut();
        lastPutBlock_ = -1;
        PrepareReply(command, param);
        SendControl(kAck);
        state_ = State::AwaitEnq;
        return;
    case kCmdPut:
        EndOpenPut();
        putOpen_ = true;
        putObject_ = param;
        putData_.clear();
        putExpected_ = 1;
        putNaks_ = 0;
        lastPutBlock_ = -1;
        SendControl(kAck);
        state_ = State::ReceivingPut;
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
        const auto status = model_.Status();
        std::vector<uint8_t> record(status.begin(), status.end());
        record.resize(plan_.statusLength);
        SplitReply(kCmdStatusReply, record);
    } else if (command == kCmdGet) {
        std::vector<uint8_t> object;
        int code = 0;
        if (model_.Get(param, object, code))
            SplitReply(kCmdGetReply, object);
        else
            SplitReply(kCmdNegative, {static_cast<uint8_t>(code)});
    } else {
        const ResultReply result = model_.QueryResult();
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
    reply_.clear();
    replyIndex_ = 0;
    size_t offset = 0;
    uint8_t block = 0;
    do {
        const size_t n = std::min(kMaxBlockData, payload.size() - offset);
        const bool last = offset + n == payload.size();
        std::vector<uint8_t> frame(n + kFrameOverhead);
        EncodeFrame(block, code, payload.data() + offset, n, last, frame.data(), frame.size());
        reply_.push_back(std::move(frame));
        offset += n;
        block = static_cast<uint8_t>(block + 1);
    } while (offset < payload.size());
    // The unit gives up in mid-reply: a negative answer ends it.
    const int cut = plan_.negativeBlock;
    if (cut >= 1 && static_cast<size_t>(cut) < reply_.size()) {
        reply_.resize(cut);
        const uint8_t code = kResultGiveUp;
        std::vector<uint8_t> frame(1 + kFrameOverhead);
        EncodeFrame(static_cast<uint8_t>(cut), kCmdNegative, &code, 1, true, frame.data(), frame.size());
        reply_.push_back(std::move(frame));
    }
}

void SerialUnitSession::TakePutBlock(uint8_t block, const uint8_t* data, size_t len, bool last)
{
    if (putOpen_ && block == putExpected_) {
        if (putData_.size() + len > kMaxPutBytes) {
            // Over what the unit takes: the put is over, whatever follows.
            SendControl(kNak);
            AbandonPut();
            return;
        }
        putData_.insert(putData_.end(), data, data + len);
        putExpected_ = static_cast<uint8_t>(putExpected_ + 1);
        putNaks_ = 0;
        SendControl(kAck);
        if (!last) return;
        if (plan_.noEot) {
            AbandonPut();
            return;
        }
        SendControl(kEot);
        lastPutBlock_ = block;
        CommitPut();
        return;
    }
    if (putOpen_ && !putData_.empty() && !last && block == static_cast<uint8_t>(putExpected_ - 1)) {
        SendControl(kAck);  // our ACK was lost; the tool sent the block again
    } else if (!putOpen_ && last && block == lastPutBlock_) {
        SendControl(kAck);  // the tool missed the end of the put
        SendControl(kEot);
    } else if (putOpen_) {
        RefusePutBlock();
    } else {
        SendControl(kNak);
    }
}

void SerialUnitSession::RefusePutBlock()
{
    SendControl(kNak);
    if (putOpen_ && ++putNaks_ >= kMaxPutNaks) AbandonPut();
}

void SerialUnitSession::CommitPut()
{
    putOpen_ = false;
    state_ = State::Idle;
    model_.Put(putObject_, putData_);
}

// A new request while a put is open: a put without data ends here; one
// whose data stopped coming was abandoned by the tool.
void SerialUnitSession::EndOpenPut()
{
    if (!putOpen_) return;
    if (putData_.empty() && putExpected_ == 1)
        CommitPut();
    else
        AbandonPut();
}

void SerialUnitSession::AbandonPut()
{
    putOpen_ = false;
    state_ = State::Idle;
    model_.Record("put", putObject_, putData_.size(), "abandoned");
    putData_.clear();
    putData_.shrink_to_fit();
}

void SerialUnitSession::SendBlock()
{
    for (size_t i = 0; i < plan_.garbageBeforeStx; ++i) out_.push_back(kNoise[i % sizeof kNoise]);
    const std::vector<uint8_t>& frame = reply_[replyIndex_];
    const size_t start = out_.size();
    out_.insert(out_.end(), frame.begin(), frame.end());
    uint8_t* sent = out_.data() + start;
    const auto from = [this](int first) { return first >= 0 && blocksSent_ >= first; };
    if (blocksSent_ == plan_.corruptBlock) sent[frame.size() - 1] ^= 0x5A;
    if (from(plan_.badComplementFrom)) sent[2] ^= 0x01;
    if (from(plan_.badTerminatorFrom)) sent[frame.size() - 3] = 'x';
    if (from(plan_.badBlockNumberFrom)) {
        sent[1] = static_cast<uint8_t>(sent[1] + 1);
        sent[2] = static_cast<uint8_t>(0xFF - sent[1]);
    }
    ++blocksSent_;
    lastBlockMs_ = nowMs_;
}

void SerialUnitSession::SendControl(uint8_t b)
{
    out_.push_back(b);
}

}  // namespace volmar::sim
