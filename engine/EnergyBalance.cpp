#include "engine/EnergyBalance.h"

#include <algorithm>
#include <cmath>

#include "engine/CycleRun.h"
#include "engine/ExactRun.h"
#include "engine/Simulation.h"

namespace volvenza {

double HydraulicPower(double flow, double pressure, double efficiency) {
    // dm3/min times bar: 1e-3 / 60 m3/s times 1e5 Pa, in kW.
    return flow * pressure / 600 / efficiency;
}

CycleEnergy EnergyOf(const CycleSummary& c, const CycleState& start, const GasPath& gas) {
    CycleEnergy e;
    e.Delivered = c.delivered;
    e.Returned = c.returned;
    e.HeatIn = c.heatIn;
    e.PumpEnergy = c.pumpEnergy;
    // J to kJ; the atmosphere's share of the volume, bar dm3 to kJ.
    e.StoredChange = (gas.Energy(c.final.gas) - gas.Energy(start.gas)) / 1000 +
                     gas::kAtmosphere * (c.final.gas.volume - start.gas.volume) / 10;
    e.Highest = c.highest;
    e.Lowest = c.lowest;
    return e;
}

namespace {

// Whether every figure the balance shows is a number: flows near the
// largest a double holds give powers that are none.
bool AllFinite(const EnergyBalance& b) {
    const CycleEnergy& f = b.First;
    const CycleEnergy& s = b.Steady;
    const double figures[] = {f.Delivered,      f.Returned,     f.HeatIn,       f.StoredChange,
                              f.PumpEnergy,     f.Highest,      f.Lowest,       s.Delivered,
                              s.Returned,       s.HeatIn,       s.StoredChange, s.PumpEnergy,
                              s.Highest,        s.Lowest,       b.SteadyLowest, b.Swing,
                              b.InstalledPower, b.PeakDemand,   b.NeedPressure, b.PumpOnlyPower,
                              b.CyclesPerHour,  b.CyclesPerYear};
    return std::all_of(std::begin(figures), std::end(figures),
                       [](double v) { return std::isfinite(v); });
}

// Why a balance is not shown, with the largest flow of the cycle (the first
// of them): the likely cause.
Message NotFinite(const CircuitState& state) {
    const auto first = state.Movements.begin() + 1;
    const auto largest =
        std::max_element(first, first + state.SimMovementCount,
                         [](const Movement& a, const Movement& b) { return a.Qm < b.Qm; });
    return Message(MessageId::EnergyNotFinite,
                   {MsgInteger(largest - state.Movements.begin()), MsgNumber(largest->Qm)});
}

}  // namespace

Result<EnergyBalance> BalanceOfRun(const CircuitState& state, const EnergyInputs& in) {
    using R = Result<EnergyBalance>;
    if (Status movements = CheckMovements(state, state.SimMovementCount); !movements) {
        return R::Fail(movements.Error());
    }
    EnergyBalance b;
    b.Gas = EngineeringGas(state.Gas);
    if (auto held = CheckGasSettings(state.Data, b.Gas); !held) return R::Fail(held.Error());
    const ExactInputs inputs = MakeExactInputs(state, b.Gas.Vessels);
    const ExactData& d = inputs.data;
    b.WorkTemp = Typed(state.Data.Tc);
    auto path = MakeGasPath(d, b.Gas, b.WorkTemp);
    if (!path) return R::Fail(path.Error());
    SteadyOptions o;
    o.memory = (*path)->Memory();
    o.boundedCycles = kBoundedCycles;
    // Time enough to forget the start, with the cycles it takes to repeat.
    if (d.CycleTime > 0) {
        o.maxCycles += static_cast<int>(std::min(std::ceil(o.memory / d.CycleTime), 1e4));
    }
    const SteadyRun run = RunUntilSteady(d, inputs.demand, **path, o);
    b.First = EnergyOf(run.first, FullStart(**path), **path);
    b.SteadyCycle = run.cycles;
    b.SteadyLowest = run.steadyLowest;
    using S = EnergyBalance::Steadiness;
    if (run.cycles > 1 && run.last.end != CycleEnd::Normal) {
        b.SteadyKind = S::EndsLater;
    } else if (run.cycles > 1) {
        b.Steady = EnergyOf(run.last, run.lastStart, **path);
        b.SteadyKind = !run.settled    ? S::Unsettled
                       : run.bounded   ? S::Bounded
                       : run.repeating ? S::Repeating
                                       : S::Alternating;
    }
    b.Swing = run.cycles > 1 ? run.swing : run.first.highest - run.first.lowest;
    b.PeakDemand = inputs.demand.Peak;
    b.NeedPressure = in.NeedPressure.value_or((d.Pm - d.Dp).value());
    // The pump installed delivers its whole Qp, losses included.
    b.InstalledPower = HydraulicPower(Typed(state.Data.Qp), d.Pm.value(), in.PumpEfficiency);
    b.PumpOnlyPower = HydraulicPower(b.PeakDemand, b.NeedPressure, in.PumpEfficiency);
    b.CyclesPerHour = d.CycleTime > 0 ? 3600 / d.CycleTime : 0;
    b.CyclesPerYear = b.CyclesPerHour * in.HoursPerYear;
    if (!AllFinite(b)) return R::Fail(NotFinite(state));
    return b;
}

}  // namespace volvenza
