#pragma once
// A circuit typed by hand, as the windows leave it: the initial data and
// the movements, each drawing its flow from its start to its end; and a run
// made up by hand for what shows one.

#include <cstdint>
#include <initializer_list>

#include "engine/CircuitState.h"

namespace volvenza::test {

struct Draw {
    float ti, tf;  // s
    double qm;     // dm3/min
    int16_t kind = MovementKind::Motor;
};

// A fresh state holding `data` and the draws as movements 1, 2, ...
inline void TypeCircuit(CircuitState& state, const CircuitData& data,
                        std::initializer_list<Draw> draws) {
    InitCircuitState(state);
    state.Data = data;
    int16_t k = 0;
    for (const Draw& d : draws)
        state.Movements[++k] = Movement{.Ti = d.ti, .Tf = d.tf, .Qm = d.qm, .Kind = d.kind};
    state.MovementCount = state.SimMovementCount = k;
}

// A run of lastPoint + 1 points over a cycle of `cycleTime` s, its pressure
// rising evenly from `first` to `last` bar.
inline void RisingRun(CircuitState& state, int16_t lastPoint, float cycleTime, double first,
                      double last) {
    InitCircuitState(state);
    ReallocateResults(state, lastPoint + 1);
    state.LastPoint = lastPoint;
    state.Data.CycleTime = cycleTime;
    for (int i = 0; i <= lastPoint; ++i)
        state.PSeries[i] = lastPoint ? first + (last - first) * i / lastPoint : first;
}

}  // namespace volvenza::test
