#include "engine/CycleTiming.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace volvenza {

CycleTiming ComputeCycleTiming(const CircuitState& state, int count, float cycleTime,
                               float pumpFlow) {
    CycleTiming timing;
    timing.pump = pumpFlow;
    timing.end = std::max(cycleTime, 0.0f);
    count = std::clamp(count, 0, kMaxMovements);
    // The total flow as the run sums it: a movement counts from Ti up to Tf.
    // Movements whose times are equal add and take away their flow at the
    // same instant and are left out, as are flows that are no number and
    // movements that end before they start, which the run refuses.
    std::map<double, double> changes;
    for (int k = 1; k <= count; ++k) {
        const Movement& m = state.Movements[k];
        const bool lasts = m.Ti < m.Tf;
        const bool shown = std::isfinite(m.Qm) && lasts;
        timing.bars.push_back({k, m.Kind, m.Ti, m.Tf, m.Qm, shown, lasts});
        timing.start = std::min<double>({timing.start, m.Ti, m.Tf});
        timing.end = std::max<double>({timing.end, m.Ti, m.Tf});
        if (!shown) continue;
        changes[m.Ti] += m.Qm;
        changes[m.Tf] -= m.Qm;
    }
    double flow = 0;
    for (const auto& [time, change] : changes) {
        flow += change;
        timing.steps.push_back({time, flow});
        timing.peak = std::max(timing.peak, flow);
    }
    if (!(timing.end > timing.start)) timing.end = timing.start + 1;
    for (size_t i = 0; i < timing.steps.size(); ++i) {
        if (!(timing.steps[i].flow > pumpFlow)) continue;
        const double to = i + 1 < timing.steps.size() ? timing.steps[i + 1].time : timing.end;
        if (!timing.shortfalls.empty() && timing.shortfalls.back().to == timing.steps[i].time) {
            timing.shortfalls.back().to = to;
        } else {
            timing.shortfalls.push_back({timing.steps[i].time, to});
        }
    }
    return timing;
}

double TimingFlowAt(const CycleTiming& timing, double time) {
    double flow = 0;
    for (const TimingStep& step : timing.steps) {
        if (step.time > time) break;
        flow = step.flow;
    }
    return flow;
}

}  // namespace volvenza
