#pragma once
// The cycle's timing as numbers, for the diagram on screen, its text for a
// screen reader and the printed page alike: a bar per listed movement from
// Ti to Tf with its flow, and the total flow Qt(t) as steps against the pump
// delivery Qp, with the stretches where the movements draw more than Qp.

#include <cstdint>
#include <vector>

#include "engine/CircuitState.h"

namespace volvenza {

struct TimingBar {
    int number = 0;  // the movement's place in the list
    int16_t kind = MovementKind::Empty;
    double start = 0, end = 0;
    double flow = 0;
    // A flow over no time, or no finite number, is not a flow to show.
    bool flowShown = true;
    // Tf after Ti: a movement that ends before it starts, or when it starts,
    // has no bar and adds nothing to the total flow.
    bool lasts = true;
};

// The total flow from `time` on, up to the next step.
struct TimingStep {
    double time = 0;
    double flow = 0;
};

struct TimingStretch {
    double from = 0, to = 0;
};

struct CycleTiming {
    std::vector<TimingBar> bars;
    std::vector<TimingStep> steps;
    // Where Qt exceeds the pump delivery.
    std::vector<TimingStretch> shortfalls;
    // The time range every bar and the cycle fit in.
    double start = 0, end = 1;
    double pump = 0;
    double peak = 0;  // the largest total flow
};

// Over movements 1..count; cycleTime 0 when not given.
CycleTiming ComputeCycleTiming(const CircuitState& state, int count, float cycleTime,
                               float pumpFlow);

// The total flow at `time`.
double TimingFlowAt(const CycleTiming& timing, double time);

}  // namespace volvenza
