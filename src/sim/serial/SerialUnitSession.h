#pragma once
// The unit's side of the serial block protocol as a state machine: fed with
// the bytes the tool sends, it answers through the unit model and leaves the
// bytes to send in its output. It does no I/O and keeps no clock of its own,
// so it runs on a pseudo-terminal (SerialUnitEndpoint) and on in-memory
// streams in tests alike.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/UnitModel.h"
#include "sim/serial/SerialFaultPlan.h"

namespace volmar::sim {

class SerialUnitSession {
public:
    // The largest object the unit takes in one put.
    static constexpr size_t kMaxPutBytes = kMaxPutObject;
    // A frame that stops arriving for this long is dropped.
    static constexpr int kFrameGapMs = 500;
    // A reply block the tool neither acknowledges nor refuses for this long
    // is sent again, at most kMaxResends times.
    static constexpr int kResendMs = 1500;
    static constexpr int kMaxResends = 3;
    // A put block refused this many times in a row ends the put: the tool
    // has given up.
    static constexpr int kMaxPutNaks = 3;

    explicit SerialUnitSession(UnitModel& model, SerialFaultPlan plan = {});

    // Takes bytes received at nowMs.
    void Receive(const uint8_t* data, size_t len, int64_t nowMs);
    // Lets time pass without input: resends an unanswered reply block.
    void Tick(int64_t nowMs);
    // Hands over the bytes to send and clears them.
    std::vector<uint8_t> TakeOutput();

    // Good frames received from the tool, and blocks sent (with resends).
    int FramesReceived() const { return m_framesReceived; }
    int BlocksSent() const { return m_blocksSent; }

private:
    enum class State { Idle, AwaitEnq, Replying, AwaitEot, ReceivingPut };

    void TakeByte(uint8_t b, int64_t nowMs);
    void TakeControl(uint8_t b);
    void TakeFrame(uint8_t block, uint8_t command, const uint8_t* data, size_t len, bool last);
    void PrepareReply(uint8_t command, const std::string& param);
    void SplitReply(uint8_t code, const std::vector<uint8_t>& payload);
    void TakePutBlock(uint8_t block, const uint8_t* data, size_t len, bool last);
    void CommitPut();
    void EndOpenPut();
    void AbandonPut();
    void RefusePutBlock();
    void SendBlock();
    void SendControl(uint8_t b);

    UnitModel& m_model;
    SerialFaultPlan m_plan;
    State m_state = State::Idle;
    std::vector<uint8_t> m_rx;
    int64_t m_lastByteMs = 0;
    int64_t m_nowMs = 0;
    int64_t m_lastBlockMs = 0;
    int m_resends = 0;
    std::vector<uint8_t> m_out;

    std::vector<std::vector<uint8_t>> m_reply;  // encoded reply frames
    size_t m_replyIndex = 0;

    bool m_putOpen = false;
    std::string m_putObject;
    std::vector<uint8_t> m_putData;
    uint8_t m_putExpected = 1;
    int m_lastPutBlock = -1;  // number of the last block of the committed put
    int m_putNaks = 0;        // put blocks refused in a row

    int m_naksLeft = 0;
    int m_framesReceived = 0;
    int m_blocksSent = 0;
};

}  // namespace volmar::sim
