#pragma once
// The simulator's unit session on the far end of an in-memory line with a
// virtual clock: transactions against the simulated unit without threads,
// descriptors or real time.
#include "MemoryStream.h"
#include "VirtualClock.h"
#include "sim/serial/SerialUnitSession.h"

namespace volmar::test {

struct SimulatedUnitLine {
    SimulatedUnitLine(sim::UnitModel& model, sim::SerialFaultPlan plan = {})
        : session(model, plan)
    {
        line.SetLineRate(plan.paceAtLineRate);
        line.SetFarEnd([this](const uint8_t* data, size_t len) {
            session.Receive(data, len, clock.NowMs());
            const auto out = session.TakeOutput();
            if (!out.empty()) line.Inject(out);
        });
    }
    SimulatedUnitLine(const SimulatedUnitLine&) = delete;
    SimulatedUnitLine& operator=(const SimulatedUnitLine&) = delete;

    VirtualClock clock;
    MemoryStream line{clock};
    sim::SerialUnitSession session;
};

}  // namespace volmar::test
