#include "engine/CircuitState.h"

#include <cmath>

namespace volvenza {
namespace {

void ReallocateSeries(CircuitState& state, int32_t capacity) {
    const size_t size = static_cast<size_t>(capacity) + 1;
    for (auto* series :
         {&state.QtSeries, &state.QsSeries, &state.PSeries, &state.VSeries, &state.DVSeries}) {
        series->assign(size, 0.0);
    }
}

}  // namespace

void ReallocateResults(CircuitState& state, int32_t capacity) {
    state.PointCapacity = capacity;
    ReallocateSeries(state, capacity);
}

void WriteInitialDataBoxes(CircuitState& state) {
    state.Ui().WriteInitialDataBoxes(state.Data);
}

double StepCount(float cycleTime, float timeStep) {
    return std::floor(static_cast<double>(cycleTime) / static_cast<double>(timeStep));
}

void InitCircuitState(CircuitState& state) {
    state.CurrentMovement = 0;
    state.MovementCount = 0;
    state.LastPoint = 0;
    state.CollimatorOn = kFalse;
    state.ZoomRectOn = kFalse;
    state.DifferenceOn = kFalse;
    state.ChartOffsetX = 10;
    state.ChartOffsetY = 10;
    state.ChartExtentX = 100;
    state.ChartExtentY = 100;
    state.ChartScaleX = 1;
    state.ChartScaleY = 1;
    state.ShowPrechargeLine = kFalse;
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

    auto& m = state.Movements;
    m[1].Kind = MovementKind::CylinderExtending;
    m[1].Ti = 0;
    m[1].Tf = 0.3f;
    m[1].BoreDiameter = 50;
    m[1].Stroke = 150;
    m[1].Qm = 58.905;

    m[2].Kind = MovementKind::CylinderRetracting;
    m[2].Ti = 0.2f;
    m[2].Tf = 0.8f;
    m[2].BoreDiameter = 40;
    m[2].RodDiameter = 15;
    m[2].Stroke = 300;
    m[2].Qm = 32.39775;

    m[3].Kind = MovementKind::CylinderExtending;
    m[3].Ti = 1.0f;
    m[3].Tf = 1.4f;
    m[3].BoreDiameter = 63;
    m[3].Stroke = 100;
    m[3].Qm = 46.75879;

    m[4].Kind = MovementKind::Motor;
    m[4].Ti = 0;
    m[4].Tf = 2.5f;
    m[4].Displacement = 100;
    m[4].Speed = 120;
    m[4].Qm = 12.0;

    m[5].Kind = MovementKind::CylinderRetracting;
    m[5].Ti = 1.0f;
    m[5].Tf = 1.3f;
    m[5].BoreDiameter = 50;
    m[5].RodDiameter = 20;
    m[5].Stroke = 150;
    m[5].Qm = 49.48021;

    WriteInitialDataBoxes(state);
    state.MovementCount = state.SimMovementCount;
    state.Ui().UpdateCommandState(2);
}

void CollectInitialData(CircuitState& state) {
    state.Ui().ReadInitialDataBoxes(state.Data);
    state.SimMovementCount = state.MovementCount;
}

void ClearMovement(CircuitState& state, int16_t k) {
    state.Movements.at(k) = Movement{};
}

void RemoveMovement(CircuitState& state, int16_t k) {
    for (int i = k; i < state.MovementCount; ++i) state.Movements.at(i) = state.Movements.at(i + 1);
    ClearMovement(state, state.MovementCount);
}

}  // namespace volvenza
