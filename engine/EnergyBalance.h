#pragma once
// What a run says about energy and wear: the hydraulic energy the
// accumulator gives the circuit and takes back in the cycle, the heat its
// gas gives the wall (real nitrogen), the pump's work while it delivers, the
// power installed with the accumulator against a pump that alone must meet
// the cycle's peak flow, and the pressure swing with the cycles a year.
//
// Energies are on gauge pressures, as a gauge reads them (what the oil
// carries into the circuit): 1 bar·dm3 is 0,1 kJ.

#include <optional>

#include "engine/CircuitState.h"

namespace volvenza {

struct EnergyInputs {
    double PumpEfficiency = 0.9;  // overall, of pump and motor
    double HoursPerYear = 2000;   // 8 h a day, 250 days
    // The pressure a pump alone would have to hold while meeting the peak
    // flow [bar]; nothing for the lowest of the working band, Pm - Dp.
    std::optional<double> NeedPressure;
};

struct EnergyBalance {
    double Delivered = 0;              // kJ the accumulator gives the circuit
    double Returned = 0;               // kJ the pump puts back into it
    std::optional<double> HeatToWall;  // kJ the gas gives the wall (real nitrogen)
    double PumpEnergy = 0;             // kJ the pump delivers while loaded
    double InstalledPower = 0;         // kW: Qp Pm / efficiency
    double PeakDemand = 0;             // dm3/min: the cycle's largest draw
    double NeedPressure = 0;           // bar
    double PumpOnlyPower = 0;          // kW: peak demand at the need pressure / efficiency
    double Swing = 0;                  // bar: highest less lowest pressure in the cycle
    double CyclesPerHour = 0;
    double CyclesPerYear = 0;
};

// One cycle's energy over its points 0..last: p and v the pressure [bar]
// and gas volume [dm3], qt the demand and qs the accumulator's flow
// [dm3/min] at each point (the pump delivers where qs falls short of qt).
struct CycleEnergy {
    double Delivered = 0;            // kJ
    double Returned = 0;             // kJ
    double PumpEnergy = 0;           // kJ
    double GasWork = 0;              // J the gas does, on absolute pressures
    double Highest = 0, Lowest = 0;  // bar
};
CycleEnergy EnergyOfCycle(const double* p, const double* v, const double* qt, const double* qs,
                          int last, double qp, double timeStep);

// The balance of the last run of `state` at its working temperature, over
// the points it computed.
EnergyBalance BalanceOfRun(const CircuitState& state, const EnergyInputs& in = {});

// The power [kW] that delivers `flow` dm3/min at `pressure` bar.
double HydraulicPower(double flow, double pressure, double efficiency);

}  // namespace volvenza
