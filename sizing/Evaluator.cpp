#include "sizing/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>
#include <variant>

#include "engine/GasLaws.h"
#include "engine/StepCycle.h"

namespace volvenza::sizing {
namespace {

// Room for rounding where a figure sits exactly on a rule's limit.
constexpr double kSlack = 1e-9;
// Below this many steps in all, the temperatures run one after another: a
// thread would cost more than it saves. Only the speed depends on it.
constexpr size_t kParallelSteps = 20000;  // mutants: skip

// A law that also counts as empty once its pressure falls below a floor, so
// that the stepping loop stops there.
template <gas::GasLaw Law>
class StopBelow {
  public:
    StopBelow(Law& law, double floor) : law_(law), floor_(floor) {}
    double Step(double volume) { return law_.Step(volume); }
    double Fill() { return law_.Fill(); }
    bool Empty() const { return law_.Empty() || law_.Pressure() < floor_; }
    double Volume() const { return law_.Volume(); }
    double Pressure() const { return law_.Pressure(); }
    double Temperature() const { return law_.Temperature(); }
    double PrechargeAtTemp() const { return law_.PrechargeAtTemp(); }
    gas::GasDomain Domain() const { return law_.Domain(); }

  private:
    Law& law_;
    double floor_;
};

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
        const int end = e.step;
        o.Cycles = cycle;
        int lowest = 0;
        int lowestDraw = 0;
        for (int j = 1; j <= end; ++j) {
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
            for (int j = 1; j <= end; ++j) {
                const bool now = w.qs[j] < demand[j];
                delivering += now ? 1 : 0;
                if (now && !before) ++o.PumpStarts;
                before = now;
            }
            o.PumpShare = end > 0 ? static_cast<double>(delivering) / end : 0;
        }
        if (e.end != RunEnd::Normal) {
            o.Warning = e.end == RunEnd::PrechargeTooHigh;
            o.OutsideGas = e.end == RunEnd::OutsideGas;
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
      temps_(RunTemperatures(req.Gas, state.Data.Tc)),
      work_(temps_.size()) {
    const size_t size = flows_.Qt.size();
    for (CycleWorkspace& w : work_) {
        for (auto* series : {&w.qs, &w.p, &w.v, &w.dv, &w.t}) series->resize(size);
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

gas::Result<TemperatureOutcome> Evaluator::RunAt(const CircuitData& data, size_t index,
                                                 bool stopBelow) {
    const double temp = temps_[index];
    auto law = MakeGasLaw(data, req_.Gas, temp, flows_.TimeStep);
    if (!law) return gas::Result<TemperatureOutcome>::Fail(law.Error());
    const int cycles = req_.RepeatCycles ? kMaxCycles : 1;
    CycleWorkspace& work = work_[index];
    return std::visit(
        [&](auto& l) {
            if (!stopBelow) return RunCycles(data, flows_, l, work, cycles, temp);
            StopBelow stopping(l, req_.MinPressure);
            return RunCycles(data, flows_, stopping, work, cycles, temp);
        },
        *law);
}

std::vector<gas::Result<TemperatureOutcome>> Evaluator::RunAll(const CircuitData& data,
                                                               bool stopBelow) {
    std::vector<gas::Result<TemperatureOutcome>> runs;
    const size_t count = temps_.size();
    // Side by side or not, the runs give the same results.
    if (count == 1 || flows_.Qt.size() * count < kParallelSteps) {  // mutants: skip
        for (size_t i = 0; i < count; ++i) runs.push_back(RunAt(data, i, stopBelow));
        return runs;
    }
    // Each run has its own workspace and law: nothing is shared but the flows.
    std::vector<std::future<gas::Result<TemperatureOutcome>>> others;
    for (size_t i = 1; i < count; ++i) {
        others.push_back(std::async(
            std::launch::async, [this, &data, i, stopBelow] { return RunAt(data, i, stopBelow); }));
    }
    runs.push_back(RunAt(data, 0, stopBelow));
    for (auto& other : others) runs.push_back(other.get());
    return runs;
}

gas::Result<Evaluation> Evaluator::Evaluate(const Design& design) {
    auto e = CheckStatic(design);
    if (!e) return e;
    for (auto& run : RunAll(DataFor(design), false)) {
        if (!run) return gas::Result<Evaluation>::Fail(run.Error());
        if (run->Warning || run->OutsideGas || run->LowestPressure < req_.MinPressure)
            e->Rules[0] = false;
        e->Temps.push_back(*run);
    }
    return e;
}

gas::Result<bool> Evaluator::PassesRuns(const Design& design) {
    bool passes = true;
    // Stopping below p1 only saves the rest of a run that fails anyway.
    for (auto& run : RunAll(DataFor(design), true)) {  // mutants: skip
        if (!run) return gas::Result<bool>::Fail(run.Error());
        if (run->Warning || run->OutsideGas || run->LowestPressure < req_.MinPressure)
            passes = false;
    }
    return passes;
}

}  // namespace volvenza::sizing
