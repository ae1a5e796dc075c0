#pragma once
// The one record holding everything a simulation is made of: the seven
// initial values, the movement table, the counters and the result series.
// The program holds one for its project; the sizing window's search and
// checks, the project's snapshots and each volvenza-sim command make their
// own. It is large (a thousand movement slots and the series), so it is
// never copied.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/CircuitData.h"
#include "engine/GasSettings.h"

namespace volvenza {

inline constexpr int kMaxMovements = 1000;
inline constexpr int kMaxSteps = 32767;

namespace MovementKind {
inline constexpr int16_t Empty = 0;
inline constexpr int16_t CylinderExtending = 1;
inline constexpr int16_t CylinderRetracting = 2;
inline constexpr int16_t DifferentialPiston = 3;
inline constexpr int16_t Motor = 4;
inline constexpr int16_t VaneActuator = 5;
inline constexpr int16_t DoubleRodCylinder = 6;
inline constexpr int16_t SingleActingCylinder = 7;
}  // namespace MovementKind

// What a movement must do against its load, besides drawing its flow: kept
// by the project file only (a simulation file's record has no room for it),
// judged by the exact engine and the sizing (engine/Duties.h).
struct MovementDuty {
    // The load: a force [kN] for cylinders and plungers, a torque [N m] for
    // motors and vane actuators; 0 for none.
    double Load = 0;
    double Efficiency = 0.95;  // hydromechanical, more than 0 and at most 1
    double Loss = 0;           // bar lost between accumulator and actuator
    // A required pressure typed as such [bar]: it stands in for the load's.
    std::optional<double> Required;
    // The movement must complete with the pump lost (the emergency stroke).
    bool Emergency = false;

    bool operator==(const MovementDuty&) const = default;
};

// One slot of the movement table; field order up to Kind is the record
// order of the simulation file.
struct Movement {
    float Ti = 0;
    float Tf = 0;
    float Ti2 = 0;
    float Tf2 = 0;
    float BoreDiameter = 0;
    float Stroke = 0;
    float RodDiameter = 0;
    float RodDiameter2 = 0;
    float Stroke1 = 0;
    float Stroke2 = 0;
    float Displacement = 0;
    float Speed = 0;
    float UnitDisplacement = 0;
    float RotationAngle = 0;
    double Qm = 0;
    int16_t Kind = 0;
    MovementDuty Duty{};

    bool operator==(const Movement&) const = default;
};

// Slots 0..1000; movements live in 1..MovementCount and slot 0 is never used.
using MovementTable = std::array<Movement, kMaxMovements + 1>;

struct CircuitState {
    CircuitState() = default;
    CircuitState(const CircuitState&) = delete;
    CircuitState& operator=(const CircuitState&) = delete;

    CircuitData Data;
    MovementTable Movements{};

    int16_t MovementCount = 0;
    int16_t SimMovementCount = 0;
    int16_t CurrentMovement = 0;
    float TimeStep = 0.01f;
    int32_t PointCapacity = 1;
    int16_t LastPoint = 0;
    double PrechargeAtTemp = 0;

    // Result series, indexes 0..PointCapacity.
    std::vector<double> QtSeries = std::vector<double>(2, 0.0);
    std::vector<double> QsSeries = std::vector<double>(2, 0.0);
    std::vector<double> PSeries = std::vector<double>(2, 0.0);
    std::vector<double> VSeries = std::vector<double>(2, 0.0);
    std::vector<double> DVSeries = std::vector<double>(2, 0.0);

    // The gas law the next run follows, and what the last run left beside
    // the series (cleared with them).
    GasSettings Gas;
    GasResults GasRun;

    // The lowest working pressure p1 of the last sizing applied, marked on
    // the chart; none until then.
    std::optional<double> ChartMinPressure;
};

// Start values of the counters and a two-point series; no sizing's p1.
void InitCircuitState(CircuitState& state);
// Empties the whole model: initial data, every slot, the results.
void ResetCircuit(CircuitState& state);
// Loads the built-in five-movement example.
void LoadExampleCircuit(CircuitState& state);
// Sets all fields of slot k to zero (the empty-slot code).
void ClearMovement(CircuitState& state, int16_t k);
// Moves slots k+1..MovementCount down by one and clears the last; the caller
// decrements MovementCount. k must lie in 1..MovementCount: a debug build
// stops on any other k, a release build refuses it (false, nothing changed).
bool RemoveMovement(CircuitState& state, int16_t k);

// Number of steps of a cycle, floor(CycleTime / TimeStep) in double precision
// on the single-precision values.
double StepCount(float cycleTime, float timeStep);

}  // namespace volvenza

namespace volvenza {

// Sets PointCapacity and reallocates the five series with indexes
// 0..capacity, all zero.
void ReallocateResults(CircuitState& state, int32_t capacity);
}  // namespace volvenza
