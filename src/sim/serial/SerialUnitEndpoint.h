#pragma once
// Serves the serial block protocol on a byte stream, normally the master of
// a pseudo-terminal whose slave the tool opens as its COM port.
#include <atomic>
#include <vector>

#include "core/link/ByteStream.h"
#include "core/link/Clock.h"
#include "sim/serial/SerialUnitSession.h"

namespace volmar::sim {

class SerialUnitEndpoint {
public:
    // Serve looks at the stop flag at least this often.
    static constexpr int kStopCheckMs = 50;

    explicit SerialUnitEndpoint(UnitModel& model, SerialFaultPlan plan = {});

    // Answers the tool until stop is set or a write to the line fails.
    void Serve(ByteStream& line, Clock& clock, const std::atomic<bool>& stop);

private:
    bool SendOut(ByteStream& line, Clock& clock, const std::vector<uint8_t>& bytes,
                 const std::atomic<bool>& stop);

    // Holds back received bytes to the line rate.
    void WaitForLine(Clock& clock, size_t bytes);

    SerialUnitSession m_session;
    bool m_paced;
    double m_receiveDueMs = 0;
};

}  // namespace volmar::sim
