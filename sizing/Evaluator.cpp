#include "sizing/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "engine/GasLaws.h"
#include "engine/StepCycle.h"

namespace volvenza::sizing {
namespace {

// Room for rounding where a figure sits exactly on a rule's limit.
constexpr double kSlack = 1e-9;

// The worst of the cycles run one after another, each starting where the
// last one left the gas and the pump.
template <gas::GasLaw Law>
TemperatureOutcome RunCycles(const CircuitData& d, const CycleFlows& flows, Law& law,
                             CycleWorkspace& w, int maxCycles, double temp) {
    TemperatureOutcome o;
    o.WorkTemp = temp;
    o.FullVolume = law.Volume();
    o.LowestPressure = std::numeric_limits<double>::infinity();
    const SeriesOut out{nullptr, w.qs.data(), w.p.data(), w.v.data(), w.dv.data(), w.t.data()};
    const double* demand = flows.Qt.data();
    CycleStart start;
    double startPressure = d.Pm;
    for (int cycle = 1; cycle <= maxCycles; ++cycle) {
        const CycleEnding e = StepCycle(d, flows, law, out, flows.Steps + 100, start);
        o.Cycles = cycle;
        int lowest = 0;
        int lowestDraw = 0;
        for (int j = 1; j <= e.step; ++j) {
            if (w.p[j] < w.p[lowest]) lowest = j;
            if (w.qs[j - 1] != 0 && w.p[j] < w.p[lowestDraw]) lowestDraw = j;
        }
        if (w.p[lowest] < o.LowestPressure) {
            o.LowestPressure = w.p[lowest];
            o.LowestStep = lowest;
            o.LowestDrawStep = lowestDraw;
            o.LowestTime = static_cast<float>(lowest) * flows.TimeStep;
            o.LowestVolume = w.v[lowest];
            o.WorstCycle = cycle;
            // The pump delivers where the net flow falls short of the demand.
            bool before = start.resume && start.pumping;
            int delivering = 0;
            o.PumpStarts = 0;
            for (int j = 1; j <= e.step; ++j) {
                const bool now = w.qs[j] < demand[j];
                delivering += now ? 1 : 0;
                if (now && !before) ++o.PumpStarts;
                before = now;
            }
            o.PumpShare = e.step > 0 ? static_cast<double>(delivering) / e.step : 0;
        }
        if (e.warning) {
            o.Warning = true;
            break;
        }
        const double next = law.Pressure();
        if (std::abs(next - startPressure) < kSettledStart) break;
        startPressure = next;
        start = CycleStart{true, e.pumping};
    }
    return o;
}

}  // namespace

std::string TypeName(AccumulatorType type) {
    switch (type) {
        case AccumulatorType::Piston:
            return "a pistone";
        case AccumulatorType::Diaphragm:
            return "a membrana";
        case AccumulatorType::Bladder:
            break;
    }
    return "a sacca";
}

const TemperatureOutcome& Evaluation::Worst() const {
    return *std::min_element(Temps.begin(), Temps.end(), [](const auto& a, const auto& b) {
        return a.LowestPressure < b.LowestPressure;
    });
}

Evaluator::Evaluator(const CircuitState& state, const Requirements& req)
    : base_(state.Data),
      req_(req),
      flows_(ComputeCycleFlows(state)),
      temps_(RunTemperatures(req.Gas, state.Data.Tc)) {
    const size_t size = flows_.Qt.size();
    for (auto* series : {&work_.qs, &work_.p, &work_.v, &work_.dv, &work_.t}) {
        series->resize(size);
    }
}

double Evaluator::Atmosphere() const {
    return req_.Gas.Law == GasLawKind::Classic ? 0.0 : gas::kAtmosphere;
}

CircuitData Evaluator::DataFor(const Design& design) const {
    CircuitData d = base_;
    d.V0 = static_cast<float>(design.V0);
    d.P0 = static_cast<float>(design.P0);
    d.Qp = static_cast<float>(design.Qp);
    return d;
}

gas::Result<double> Evaluator::PrechargeAt(const Design& design, double temp) const {
    auto law = MakeGasLaw(DataFor(design), req_.Gas, temp, flows_.TimeStep);
    if (!law) return gas::Result<double>::Fail(law.Error());
    return std::visit([](const auto& l) { return l.PrechargeAtTemp(); }, *law);
}

gas::Result<Evaluation> Evaluator::CheckStatic(const Design& design) const {
    using R = gas::Result<Evaluation>;
    Evaluation e;
    e.Proposed = design;
    const auto warm = PrechargeAt(design, temps_.back());
    if (!warm) return R::Fail(warm.Error());
    const auto cold = PrechargeAt(design, temps_.front());
    if (!cold) return R::Fail(cold.Error());
    e.PrechargeWarm = *warm;
    e.PrechargeCold = *cold;

    const double atm = Atmosphere();
    const double p1 = req_.MinPressure + atm;
    const double pm = base_.Pm + atm;
    const double warmAbs = *warm + atm;
    const double coldAbs = *cold + atm;
    e.Rules[0] = true;
    if (req_.Type == AccumulatorType::Piston) {
        e.Rules[1] = warmAbs <= p1 - 5 + kSlack;
        e.Rules[2] = true;
    } else {
        e.Rules[1] = warmAbs <= 0.9 * p1 + kSlack;
        const double ratio = req_.Type == AccumulatorType::Bladder ? 4 : 8;
        e.Rules[2] = coldAbs > 0 && pm / coldAbs <= ratio + kSlack;
    }
    e.Rules[3] = (!req_.RatedPressure || base_.Pm <= *req_.RatedPressure + kSlack) &&
                 (!req_.ReliefSetting || pm <= 0.9 * (*req_.ReliefSetting + atm) + kSlack);
    return e;
}

gas::Result<TemperatureOutcome> Evaluator::RunAt(const CircuitData& data, double temp) {
    auto law = MakeGasLaw(data, req_.Gas, temp, flows_.TimeStep);
    if (!law) return gas::Result<TemperatureOutcome>::Fail(law.Error());
    const int cycles = req_.RepeatCycles ? kMaxCycles : 1;
    return std::visit([&](auto& l) { return RunCycles(data, flows_, l, work_, cycles, temp); },
                      *law);
}

gas::Result<Evaluation> Evaluator::Evaluate(const Design& design) {
    auto e = CheckStatic(design);
    if (!e) return e;
    const CircuitData data = DataFor(design);
    for (double temp : temps_) {
        auto run = RunAt(data, temp);
        if (!run) return gas::Result<Evaluation>::Fail(run.Error());
        if (run->Warning || run->LowestPressure < req_.MinPressure) e->Rules[0] = false;
        e->Temps.push_back(*run);
    }
    return e;
}

gas::Result<bool> Evaluator::PassesRuns(const Design& design) {
    const CircuitData data = DataFor(design);
    for (double temp : temps_) {
        auto run = RunAt(data, temp);
        if (!run) return gas::Result<bool>::Fail(run.Error());
        if (run->Warning || run->LowestPressure < req_.MinPressure) return false;
    }
    return true;
}

}  // namespace volvenza::sizing
