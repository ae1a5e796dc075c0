#pragma once
// What the movements draw over a cycle, as they were typed: each movement
// draws its Qm from its Ti to its Tf, so the total demand is constant between
// the instants where a movement starts or ends. The exact engine goes from one
// such instant to the next; nothing is sampled, so every movement draws
// exactly Qm (Tf - Ti) / 60.

#include <vector>

#include "engine/CircuitState.h"

namespace volvenza {

// The decimal a single-precision figure was typed as: 0.4f is 0.4, not
// 0.4000000059604645.
double Typed(float value);

struct DemandProfile {
    double CycleTime = 0;  // s
    // 0 = Times[0] < Times[1] < ... < Times.back() = CycleTime; Flows[k] is
    // the demand [dm3/min] from Times[k] up to Times[k + 1].
    std::vector<double> Times;
    std::vector<double> Flows;
    double Oil = 0;        // dm3 the movements draw in a cycle
    double Peak = 0;       // dm3/min, the largest demand
    double LatestEnd = 0;  // s, the latest end of a movement inside the cycle
};

// The demand of movements 1..count over a cycle of `cycleTime` seconds; a
// movement counts only within the cycle, and one that ends where it starts
// draws nothing. With `everyEdge`, every start and end of a movement inside
// the cycle (one that draws nothing too) bounds a stretch, so that each
// movement runs over whole stretches: what judging each movement needs.
DemandProfile MakeDemand(const MovementTable& movements, int count, float cycleTime,
                         bool everyEdge = false);

// One movement's draw: `flow` [dm3/min] from `from` to `to` [s]; `order` is
// its place in the list, the order flows are added in.
struct DemandSpan {
    double from = 0, to = 0, flow = 0;
    int order = 0;
};
// The demand of spans over a cycle of `cycleTime` seconds, as MakeDemand.
DemandProfile DemandOf(const std::vector<DemandSpan>& spans, double cycleTime, bool everyEdge);

}  // namespace volvenza
