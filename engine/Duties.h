#pragma once
// The accumulator's duties beyond the cycle's lowest working pressure p1:
//  - the pressure each movement needs against its load (MovementDuty), kept
//    at every instant the movement runs;
//  - the emergency stroke: the pump is lost at the restart pressure Pm - Dp
//    (or full, at Pm) and the marked movements must complete on the gas
//    alone, in the cycle's order and durations, from the coldest temperature
//    of the envelope;
//  - the pressure held: the pump off, the valves leaking and the gas cooling,
//    the pressure must stay above a level for a time.
// All of them run on the exact engine under the ideal or real law; the
// classic law judges p1 only. Pressures are gauge, in bar; those of the
// interfaces say so in their type.

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/CycleDemand.h"
#include "engine/ExactCycle.h"
#include "engine/GasPath.h"
#include "messages/Result.h"
#include "numbers/Quantity.h"

namespace volvenza {

// What a movement's load is given as: a force [kN] for cylinders and
// plungers, a torque [N m] for motors and vane actuators.
enum class LoadKind : int8_t { None, Force, Torque };
LoadKind LoadKindOf(int16_t kind);

// The pressure [bar] the load of `m` needs at the accumulator: its typed
// required pressure, or the load over the area it pushes on (the bore when
// extending, the annulus when retracting and for the double rod and the
// differential piston, the plunger) or over the displacement (a motor's
// per revolution, a vane's per degree) and the efficiency, plus the loss.
// Nothing when it has neither, or its sizes give no area or displacement.
std::optional<double> LoadPressure(const Movement& m);

// What the movement must keep: its load's pressure, or p1 without one.
GaugeBar RequiredPressure(const Movement& m, GaugeBar p1);

// The first figure of a movement's duty that is out of range, in the order
// the windows show them; None when all are in range.
enum class DutyFault : int8_t {
    None,
    Load,        // below 0 or not a number
    Efficiency,  // not more than 0 and at most 1
    Loss,        // below 0 or not a number
    Required,    // not more than 0
    NoSizes,     // a load on a movement whose sizes give no area or displacement
};
DutyFault CheckDuty(const Movement& m);

// How one movement fared: the lowest pressure while it runs against what it
// needs, where that lowest is.
struct MovementPressure {
    int Movement = 0;  // from 1, as the list numbers it
    GaugeBar Required;
    GaugeBar Lowest;        // the lowest while it runs; 0 when not completed
    double Time = 0;        // s within its cycle (or the emergency stroke)
    double WorkTemp = 0;    // °C of the run where it is lowest
    bool Completed = true;  // the run reached the movement's end

    BarDifference Margin() const { return Lowest - Required; }
    bool Passes() const { return Completed && Lowest >= Required; }
};

// What one movement must keep, and when it runs.
struct MovementNeed {
    int Movement = 0;  // from 1
    GaugeBar Required;
    double From = 0, To = 0;  // s
};
// Each movement of 1..count that runs inside a cycle of `cycleTime` s and
// needs a pressure: one without a load only when p1 is set (above 0).
std::vector<MovementNeed> MovementNeeds(const MovementTable& movements, int count, GaugeBar p1,
                                        double cycleTime);

// Each movement, from the lowest pressures a run noted into `lows` over
// `demand`, which must have been made with every edge (MakeDemand's
// `everyEdge`).
std::vector<MovementPressure> JudgeNeeds(const std::vector<MovementNeed>& needs,
                                         const DemandProfile& demand, const StretchLows& lows,
                                         double workTemp);
// Keeps in `worst` the lower of each movement's two judgements.
void KeepWorst(std::vector<MovementPressure>& worst, const std::vector<MovementPressure>& more);

// Whether any movement among 1..count has a load or a typed required pressure.
bool HasLoads(const MovementTable& movements, int count);
// The movements marked for the emergency stroke, numbered from 1.
std::vector<int> EmergencyMovements(const MovementTable& movements, int count);

// Every movement of `state` judged over its exact runs (the first cycle from
// full at every working temperature of its gas law): the worst of each.
// Nothing for the classic law; the law's message when it cannot be set up.
Result<std::vector<MovementPressure>> JudgeRunMovements(const CircuitState& state, GaugeBar p1);

struct EmergencyOutcome {
    std::vector<int> Movements;  // marked, from 1
    double WorkTemp = 0;         // °C, the coldest of the envelope
    GaugeBar StartPressure;      // Pm - Dp, or Pm from full
    GaugeBar Lowest;             // over the stroke
    // The smallest of the marked movements' margins; the one it is.
    BarDifference Margin;
    int Tightest = 0;
    Dm3 OilLeft;  // in the accumulators at the stroke's end
    // The first marked movement the oil did not last through (0 when it
    // lasted) and what it needs; Lowest is then 0, the pressure lost.
    int OilOutAt = 0;
    GaugeBar OilOutRequired;
    std::vector<MovementPressure> Each;
    bool Passes = false;
};

// The emergency stroke of the movements marked in `state`, under `gas` (the
// ideal or real law; its start is always the slow one: the gas has come to
// its temperature), required pressures from the loads or p1. Nothing is run
// without marks (no movements, passing).
Result<EmergencyOutcome> JudgeEmergency(const CircuitState& state, const GasSettings& gas,
                                        GaugeBar p1, bool fromFull);

// The marked movements as one stroke, made once for many designs.
struct EmergencyStroke {
    std::vector<MovementNeed> needs;  // times from the first marked start
    DemandProfile demand;
};
EmergencyStroke MakeEmergencyStroke(const MovementTable& movements, int count, GaugeBar p1);
// The stroke for the initial values `data` (the vessels in them), from the
// restart or from full, at `coldest` °C.
Result<EmergencyOutcome> JudgeEmergency(const ExactData& data, const EmergencyStroke& stroke,
                                        const GasSettings& gas, double coldest, bool fromFull);

// The pressure held with the pump off.
struct HoldDuty {
    GaugeBar Pressure;    // the least the circuit must keep
    double Time = 0;      // s
    Dm3PerMin Leakage;    // what the valves let through
    double Cooling = 0;   // K the gas cools over the hold time, linearly
    bool FromPm = false;  // start full at Pm instead of at the restart Pm - Dp

    bool operator==(const HoldDuty&) const = default;
};

// Whether `hold` can be judged on `data` under `law` (Classic for its
// engineering stand-in, real nitrogen): its pressure at most the hold's start
// (Pm - Dp, or Pm), and the gas cooled from the working temperature still
// above the lowest temperature its law models (0 K, or nitrogen's triple point).
Status CheckHold(const HoldDuty& hold, const CircuitData& data, GasLawKind law);

struct HoldOutcome {
    GaugeBar StartPressure;
    GaugeBar Lowest;  // at the end of the hold time (or where the oil ran out)
    // Where the oil ran out within the hold time [s]: the pressure is lost
    // there, and Lowest is the last the gas gave.
    std::optional<double> OilOutAt;
    // How long the pressure stays at or above the hold pressure [s]; infinity
    // when it never falls below it.
    double TimeHeld = std::numeric_limits<double>::infinity();
    bool Passes = false;
};

// The gas at the working temperature tc from its start, isothermal with its
// temperature falling linearly by the cooling over the hold time and then
// staying there; the oil leaking out until the accumulator is empty, when
// the pressure is lost.
Result<HoldOutcome> JudgeHold(const CircuitState& state, const GasSettings& gas,
                              const HoldDuty& hold);
// The same for the initial values `data` at the working temperature `workTemp`.
Result<HoldOutcome> JudgeHold(const ExactData& data, const GasSettings& gas, double workTemp,
                              const HoldDuty& hold);

// The project's choices for the duties that are not per movement.
struct DutyPlan {
    bool EmergencyFromFull = false;
    std::optional<HoldDuty> Hold;

    bool operator==(const DutyPlan&) const = default;
};

}  // namespace volvenza
