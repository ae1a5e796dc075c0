#pragma once
// The longest cycle the model holds, with 1000 overlapping motors spread over
// it and a pump strong enough to keep the accumulator from emptying: the
// engine's and the sizing assistant's benchmarks run the same cycle.

#include "engine/CircuitState.h"

namespace volvenza::bench {

inline void LoadLongestCycle(CircuitState& state) {
    InitCircuitState(state);
    state.Data = CircuitData{100, 50, 40, 400, 200, 30, 327.67f};
    for (int i = 1; i <= kMaxMovements; ++i) {
        Movement& m = state.Movements[i];
        m = Movement{};
        m.Kind = MovementKind::Motor;
        m.Ti = static_cast<float>(i) * 0.32f;
        m.Tf = m.Ti + 0.9f;
        m.Qm = 20.0 + (i % 7) * 11.5;
    }
    state.MovementCount = state.SimMovementCount = kMaxMovements;
}

}  // namespace volvenza::bench
