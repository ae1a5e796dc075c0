#pragma once
// A design judged by the engine alone: the cycle copied end to end into one
// long run, as many times as the engine's longest cycle holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/CycleRun.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

// Movement `i` drawing `qm` dm3/min from `ti` to `tf`; the list ends at the
// highest one placed.
inline void PlaceMovement(CircuitState& state, int i, float ti, float tf, double qm, int16_t kind) {
    Movement& m = state.Movements[i];
    m.Ti = ti;
    m.Tf = tf;
    m.Qm = qm;
    m.Kind = kind;
    state.MovementCount = state.SimMovementCount =
        std::max(state.MovementCount, static_cast<int16_t>(i));
}

// The engine's own run of `cycles` copies of the cycle end to end (as many
// as its longest cycle holds): the lowest pressure at each temperature.
inline std::vector<TemperatureRun> RunEndToEnd(const CircuitState& state, const GasSettings& gas,
                                               const Design& d, int* cycles) {
    CircuitState longRun;
    InitCircuitState(longRun);
    longRun.Data = state.Data;
    longRun.Data.V0 = static_cast<float>(d.V0);
    longRun.Data.P0 = static_cast<float>(d.P0);
    longRun.Data.Qp = static_cast<float>(d.Qp);
    const float t = state.Data.CycleTime;
    const int n = std::min(static_cast<int>(327.67f / t), kMaxMovements / state.SimMovementCount);
    int k = 0;
    for (int c = 0; c < n; ++c) {
        for (int i = 1; i <= state.SimMovementCount; ++i) {
            Movement m = state.Movements[i];
            m.Ti += static_cast<float>(c) * t;
            m.Tf += static_cast<float>(c) * t;
            longRun.Movements[++k] = m;
        }
    }
    longRun.MovementCount = longRun.SimMovementCount = static_cast<int16_t>(k);
    longRun.Data.CycleTime = static_cast<float>(n) * t;
    *cycles = n;
    CycleWorkspace work;
    auto runs = RunTemperatureEnvelope(longRun.Data, gas, ComputeCycleFlows(longRun), work);
    EXPECT_TRUE(runs) << runs.Error();
    return runs ? *runs : std::vector<TemperatureRun>{};
}

// One movement drawing 1 dm3 in 1 s, pump stopped, ideal gas n = 1.4 at
// 20 °C on the adiabat through the precharge, one cycle started full: the
// closed forms hold (a single vessel needs 2,852 dm3 to stay above 99 bar).
inline void SetUpOneDraw(CircuitState& state, Requirements& req) {
    InitCircuitState(state);
    state.Data = CircuitData{2.5f, 85, 20, 0, 199, 10, 2};
    PlaceMovement(state, 1, 0, 1, 60, MovementKind::CylinderExtending);
    req.MinPressure = 99;
    req.Gas.Law = GasLawKind::Ideal;
    req.Gas.Start = gas::ChargeStart::Fast;
    req.ChoosePrecharge = false;
    req.SingleCycle = true;
    req.PrechargeTolerance = 0;
}

inline bool HoldsEndToEnd(const CircuitState& state, const Requirements& req, const Design& d) {
    int cycles = 0;
    const auto runs = RunEndToEnd(state, req.Gas, d, &cycles);
    EXPECT_GE(cycles, 30);
    return !runs.empty() && std::all_of(runs.begin(), runs.end(), [&](const TemperatureRun& r) {
        return !r.Warning && r.LowestPressure >= req.MinPressure;
    });
}

}  // namespace volvenza::sizing
