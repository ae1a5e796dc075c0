#pragma once
// What a design says about energy and wear, from the exact engine: the
// hydraulic energy the accumulator gives the circuit and takes back in a
// cycle, the heat its gas exchanges with the wall, the pump's work while it
// delivers, the power installed with the accumulator against a pump that
// alone must meet the cycle's peak flow, and the pressure swing with the
// cycles a year. Two cycles at the working temperature tc: the first, from
// full (the run the chart shows), and the steady one, which repeats cycle
// after cycle (the one the machine lives with).
//
// Energies are on gauge pressures, as a gauge reads them (what the oil
// carries into the circuit): 1 bar·dm3 is 0,1 kJ. They close: what the
// accumulator gives less what it takes back is the heat its gas takes from
// the wall less the energy it stored (its internal energy and the
// atmosphere's share of its volume).

#include <optional>

#include "engine/CircuitState.h"
#include "engine/ExactCycle.h"
#include "messages/Result.h"

namespace volvenza {

struct EnergyInputs {
    double PumpEfficiency = 0.9;  // overall, of pump and motor
    double HoursPerYear = 2000;   // 8 h a day, 250 days
    // The pressure a pump alone would have to hold while meeting the peak
    // flow [bar]; nothing for the lowest of the working band, Pm - Dp.
    std::optional<double> NeedPressure;
};

// The energy of one cycle.
struct CycleEnergy {
    double Delivered = 0;            // kJ the accumulator gives the circuit
    double Returned = 0;             // kJ the pump puts back into it
    double HeatIn = 0;               // kJ the gas takes from the wall (negative: gives it)
    double StoredChange = 0;         // kJ stored at the end less at the start
    double PumpEnergy = 0;           // kJ the pump delivers while loaded
    double Highest = 0, Lowest = 0;  // bar

    double Swing() const { return Highest - Lowest; }
};

// The energy of a cycle of the exact engine that started at `start`.
CycleEnergy EnergyOf(const CycleSummary& cycle, const CycleState& start, const GasPath& gas);

struct EnergyBalance {
    GasSettings Gas;      // the law the figures come from
    double WorkTemp = 0;  // °C
    CycleEnergy First;    // from full
    // Which cycle stands for steady operation: none when a cycle ended the
    // run (the gas emptied or left its law: the first, or a later one,
    // SteadyCycle); one that repeats the one before it; one of cycles that
    // settled into differing in turn (the pump back at Pm at other moments);
    // the last of cycles that never repeat but whose lows no longer fall;
    // or the last of a run that never settled.
    enum class Steadiness { None, EndsLater, Repeating, Alternating, Bounded, Unsettled };
    Steadiness SteadyKind = Steadiness::None;
    CycleEnergy Steady;   // the last cycle run, when there is one after the first
    int SteadyCycle = 1;  // which it is
    // The lowest pressure of all the cycles after the first [bar]: below the
    // steady cycle's own when the steady cycles differ in turn.
    double SteadyLowest = 0;
    // The largest swing of a cycle after the first, of the first alone when
    // none follows (the fatigue figure) [bar].
    double Swing = 0;
    double InstalledPower = 0;  // kW: Qp Pm / efficiency
    double PeakDemand = 0;      // dm3/min: the cycle's largest draw
    double NeedPressure = 0;    // bar
    double PumpOnlyPower = 0;   // kW: peak demand at the need pressure / efficiency
    double CyclesPerHour = 0;
    double CyclesPerYear = 0;
};

// The balance of the design of `state` at tc with its gas settings (real
// nitrogen for the classic law); the message when its data cannot be run
// (the movements a run refuses among them), or when its figures would not
// all be finite numbers.
Result<EnergyBalance> BalanceOfRun(const CircuitState& state, const EnergyInputs& in = {});

// The power [kW] that delivers `flow` dm3/min at `pressure` bar.
double HydraulicPower(double flow, double pressure, double efficiency);

}  // namespace volvenza
