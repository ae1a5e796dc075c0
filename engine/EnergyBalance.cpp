#include "engine/EnergyBalance.h"

#include <algorithm>
#include <cmath>

#include "engine/CycleRun.h"
#include "gas/GasLaw.h"
#include "gas/Nitrogen.h"

namespace volvenza {
namespace {

constexpr double kKilojoulesPerBarDm3 = 0.1;

// The gas's internal energy [J] at a point, from its mass, temperature and
// volume.
double NitrogenEnergy(double mass, double tempC, double volume) {
    return mass * gas::nitrogen::PropertiesAt(tempC + gas::kKelvin, mass / (volume / 1000)).u;
}

std::optional<double> HeatOfNitrogen(const CircuitState& s, int last, double gasWork) {
    const CircuitData d = RunData(s.Data, s.Gas.Vessels);
    const std::vector<double>& t = s.GasRun.TSeries;
    if (static_cast<int>(t.size()) <= last) return std::nullopt;
    const auto rho =
        gas::nitrogen::DensityAt(s.Gas.ChargeTemp + gas::kKelvin, (d.P0 + gas::kAtmosphere) * 1e5);
    if (!rho) return std::nullopt;
    const double mass = *rho * d.V0 / 1000;
    // First law over the run: the heat in is the energy gained plus the work
    // done; what the wall receives is its opposite. The first and the last
    // point always hold gas.
    const double gained =
        NitrogenEnergy(mass, t[last], s.VSeries[last]) - NitrogenEnergy(mass, t[0], s.VSeries[0]);
    return -(gained + gasWork) / 1000;
}

}  // namespace

double HydraulicPower(double flow, double pressure, double efficiency) {
    // dm3/min times bar: 1e-3 / 60 m3/s times 1e5 Pa, in kW.
    return flow * pressure / 600 / efficiency;
}

CycleEnergy EnergyOfCycle(const double* p, const double* v, const double* qt, const double* qs,
                          int last, double qp, double timeStep) {
    CycleEnergy e;
    e.Highest = e.Lowest = p[0];
    for (int j = 1; j <= last; ++j) {
        const double dv = v[j] - v[j - 1];
        const double mean = (p[j] + p[j - 1]) / 2;
        // A step that moves no oil adds nothing to either side.
        (dv > 0 ? e.Delivered : e.Returned) +=  // mutants: skip
            std::abs(mean * dv) * kKilojoulesPerBarDm3;
        e.GasWork += (mean + gas::kAtmosphere) * dv * 100;
        if (qs[j] < qt[j]) e.PumpEnergy += qp / 60 * timeStep * mean * kKilojoulesPerBarDm3;
        e.Highest = std::max(e.Highest, p[j]);
        e.Lowest = std::min(e.Lowest, p[j]);
    }
    return e;
}

EnergyBalance BalanceOfRun(const CircuitState& state, const EnergyInputs& in) {
    const CircuitData& d = state.Data;
    EnergyBalance b;
    const GasResults& g = state.GasRun;
    // Results read from a simulation file hold the run at tc alone, to its last point.
    int last = g.Runs.empty() ? state.LastPoint : g.Runs[static_cast<size_t>(g.MainRun)].End;
    // The series reach past a run's last step by a hundred points.
    last = std::min(last, static_cast<int>(state.PSeries.size()) - 1);  // mutants: skip
    // A run stopped before its cycle's end leaves the points after it
    // unwritten, and a file keeps them so: no gas has no volume.
    // Only a state with no results at all has no volume at point 0 either.
    while (last > 0 && state.VSeries[last] == 0) --last;  // mutants: skip
    // The pump's energy is of the flow it really delivers.
    const CycleEnergy e = EnergyOfCycle(state.PSeries.data(), state.VSeries.data(),
                                        state.QtSeries.data(), state.QsSeries.data(), last,
                                        RunData(d, state.Gas.Vessels).Qp, state.TimeStep);
    b.Delivered = e.Delivered;
    b.Returned = e.Returned;
    b.PumpEnergy = e.PumpEnergy;
    if (g.Law == GasLawKind::Nitrogen) b.HeatToWall = HeatOfNitrogen(state, last, e.GasWork);
    for (int j = 0; j <= last; ++j) b.PeakDemand = std::max(b.PeakDemand, state.QtSeries[j]);
    b.NeedPressure = in.NeedPressure.value_or(static_cast<double>(d.Pm) - d.Dp);
    b.InstalledPower = HydraulicPower(d.Qp, d.Pm, in.PumpEfficiency);
    b.PumpOnlyPower = HydraulicPower(b.PeakDemand, b.NeedPressure, in.PumpEfficiency);
    b.Swing = e.Highest - e.Lowest;
    b.CyclesPerHour = d.CycleTime > 0 ? 3600 / static_cast<double>(d.CycleTime) : 0;
    b.CyclesPerYear = b.CyclesPerHour * in.HoursPerYear;
    return b;
}

}  // namespace volvenza
