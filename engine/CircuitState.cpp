#include "engine/CircuitState.h"

#include <cassert>
#include <cmath>

namespace volvenza {
namespace {

void ReallocateSeries(CircuitState& state, int32_t capacity) {
    const size_t size = static_cast<size_t>(capacity) + 1;
    for (auto* series :
         {&state.QtSeries, &state.QsSeries, &state.PSeries, &state.VSeries, &state.DVSeries}) {
        series->assign(size, 0.0);
    }
    state.GasRun = GasResults{};
}

}  // namespace

void ReallocateResults(CircuitState& state, int32_t capacity) {
    state.PointCapacity = capacity;
    ReallocateSeries(state, capacity);
}

double StepCount(float cycleTime, float timeStep) {
    return std::floor(static_cast<double>(cycleTime) / static_cast<double>(timeStep));
}

void InitCircuitState(CircuitState& state) {
    state.CurrentMovement = 0;
    state.MovementCount = 0;
    state.LastPoint = 0;
    state.ChartMinPressure.reset();
    state.TimeStep = 0.01f;
    ReallocateResults(state, 1);
}

void ResetCircuit(CircuitState& state) {
    state.SimMovementCount = 0;
    state.Data = CircuitData{};
    for (int k = 1; k <= kMaxMovements; ++k) state.Movements[k] = Movement{};
    ReallocateSeries(state, state.PointCapacity);
    state.PrechargeAtTemp = 0;
    InitCircuitState(state);
}

void LoadExampleCircuit(CircuitState& state) {
    state.Data = CircuitData{10, 60, 45, 30, 80, 13, 4.7f};
    state.SimMovementCount = 5;

    // Only the fields the example names are written; the others keep their values.
    auto timed = [&state](int k, int16_t kind, float ti, float tf, double qm) -> Movement& {
        Movement& m = state.Movements[k];
        m.Kind = kind;
        m.Ti = ti;
        m.Tf = tf;
        m.Qm = qm;
        // Loads are not among the old fields: the example has none.
        m.Duty = MovementDuty{};
        return m;
    };
    Movement& m1 = timed(1, MovementKind::CylinderExtending, 0, 0.3f, 58.905);
    m1.BoreDiameter = 50;
    m1.Stroke = 150;
    Movement& m2 = timed(2, MovementKind::CylinderRetracting, 0.2f, 0.8f, 32.39775);
    m2.BoreDiameter = 40;
    m2.RodDiameter = 15;
    m2.Stroke = 300;
    Movement& m3 = timed(3, MovementKind::CylinderExtending, 1.0f, 1.4f, 46.75879);
    m3.BoreDiameter = 63;
    m3.Stroke = 100;
    Movement& m4 = timed(4, MovementKind::Motor, 0, 2.5f, 12.0);
    m4.Displacement = 100;
    m4.Speed = 120;
    Movement& m5 = timed(5, MovementKind::CylinderRetracting, 1.0f, 1.3f, 49.48021);
    m5.BoreDiameter = 50;
    m5.RodDiameter = 20;
    m5.Stroke = 150;

    state.MovementCount = state.SimMovementCount;
}

void ClearMovement(CircuitState& state, int16_t k) {
    state.Movements.at(k) = Movement{};
}

bool RemoveMovement(CircuitState& state, int16_t k) {
    // Outside the list the shift would clear a slot other than k.
    const bool inList = k >= 1 && k <= state.MovementCount;
    assert(inList && "RemoveMovement: slot outside the list");
    if (!inList) return false;
    for (int i = k; i < state.MovementCount; ++i) state.Movements.at(i) = state.Movements.at(i + 1);
    ClearMovement(state, state.MovementCount);
    return true;
}

}  // namespace volvenza
