#include "sizing/Evaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <future>
#include <limits>
#include <variant>

#include "engine/GasLaws.h"
#include "engine/StepCycle.h"
#include "gas/Nitrogen.h"
#include "gas/SeparatorLimits.h"

namespace volvenza::sizing {
namespace {

// Room for rounding where a figure sits exactly on a rule's limit.
constexpr double kSlack = 1e-9;  // mutants: skip (any room far below a shown digit)
// Below this many steps in all, the temperatures run one after another: a
// thread would cost more than it saves. Only the speed depends on it.
constexpr size_t kParallelSteps = 20000;  // mutants: skip
// Two cycles repeat each other when their start pressures and lowest
// pressures differ by less than this [bar] and their gas temperatures by
// less than kSameTemperature [K]: well inside what any figure shows.
constexpr double kSamePressure = 1e-3;     // mutants: skip (a tolerance a digit either way)
constexpr double kSameTemperature = 1e-2;  // mutants: skip (a tolerance a digit either way)
// With a pump switching between Pm - Dp and Pm, the cycles need not repeat
// one by one: the accumulator comes back to Pm every few cycles, at a
// different moment each time. Once it has done so this many times after the
// first cycle (and the gas has had three thermal time constants to forget
// the start), the lowest pressure is bounded: the hysteresis has run through
// its phases.
constexpr int kRecharges = 3;

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

// What is left of a fall of `drift` per cycle shrinking by `ratio` a cycle,
// over `cycles` more cycles; a ratio of 1 or more is carried on unchanged.
double RemainingFall(double drift, double ratio, int cycles) {
    if (ratio >= 1) return drift * cycles;
    return drift * ratio * (1 - std::pow(ratio, cycles)) / (1 - ratio);
}

// A lowest pressure still moving when the cycles stop. Cycle by cycle it
// also jitters with the moment the pump switches, so the trend is read from
// the lowest of each third of the cycles run: the fall from one third to the
// next, per cycle, shrinking as it did (or carried on unchanged when it did
// not shrink), over the working day; and the cycle that would cross p1.
}  // namespace

void JudgeDrift(const std::vector<double>& lowest, int dayCycles, double p1,
                TemperatureOutcome& o) {
    o.DayLowest = o.LowestPressure;
    const int k = static_cast<int>(lowest.size());
    const int third = k / 3;
    // A run that emptied or left its gas ended there: nothing to carry over.
    if (o.Settled || o.Warning || o.OutsideGas || third < 1) return;
    auto least = [&](int from) {
        return *std::min_element(lowest.begin() + from, lowest.begin() + from + third);
    };
    const double first = least(k - 3 * third), second = least(k - 2 * third),
                 last = least(k - third);
    const double drift = (second - last) / third;
    o.DriftPerCycle = drift;
    if (!(drift > 0)) return;
    const double before = (first - second) / third;
    // Any ratio of 1 or more carries the fall on unchanged.
    double ratio = 1;      // mutants: skip
    if (before > drift) {  // mutants: skip (equal falls give a ratio of exactly 1 either way)
        ratio = std::pow(drift / before, 1.0 / third);
    }
    const int left = std::max(0, dayCycles - k);
    o.DayLowest = std::min(o.LowestPressure, last - RemainingFall(drift, ratio, left));
    if (o.DayLowest >= p1) return;
    // The cycle that crosses p1, found the same way.
    int lo = 0, hi = left;
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        (last - RemainingFall(drift, ratio, mid) < p1 ? hi : lo) = mid;
    }
    o.CyclesToP1 = k + hi;
}

namespace {

// The cycles run one after another, each starting where the last one left
// the gas and the pump, until they repeat (see kRecharges).
template <gas::GasLaw Law>
TemperatureOutcome RunCycles(const CircuitData& d, const CycleFlows& flows, Law& law,
                             CycleWorkspace& w, int maxCycles, int dayCycles, double p1,
                             double memory, double temp) {
    TemperatureOutcome o;
    o.WorkTemp = temp;
    o.FullVolume = law.Volume();
    o.LowestPressure = std::numeric_limits<double>::infinity();
    o.LowestGasTemp = law.Temperature();
    const SeriesOut out{nullptr, w.qs.data(), w.p.data(), w.v.data(), w.dv.data(), w.t.data()};
    const double* demand = flows.Qt.data();
    const double cycleTime = static_cast<double>(flows.Steps) * flows.TimeStep;
    // Every cycle but a single one runs to its end: the next starts there.
    // A single one full again with nothing drawn changes no figure after.
    CycleStart start{false, false, maxCycles > 1};  // mutants: skip
    std::vector<double> lowests;
    double startPressure = d.Pm;
    double startTemperature = law.Temperature();
    int recharges = 0;
    long delivering = 0, starts = 0, steps = 0;
    o.Settled = maxCycles == 1;
    o.Recharged = maxCycles == 1;
    int end = 0;  // mutants: skip (every run takes a cycle)
    for (int cycle = 1; cycle <= maxCycles; ++cycle) {
        // The capacity only bounds the point a view would show.
        const CycleEnding e =
            StepCycle(d, flows, law, out, flows.Steps + 100, start);  // mutants: skip
        end = e.step;
        o.Cycles = cycle;
        int lowest = 0;
        int lowestDraw = 0;
        int highest = 0;
        bool full = false;
        for (int j = 1; j <= end; ++j) {
            full = full || ToSingle(w.p[j]) == d.Pm;
            if (w.p[j] < w.p[lowest]) lowest = j;
            if (w.p[j] > w.p[highest]) highest = j;  // mutants: skip (only its value is read)
            if (w.qs[j - 1] != 0 && w.p[j] < w.p[lowestDraw]) lowestDraw = j;
            o.PeakFlow = std::max(o.PeakFlow, std::abs(w.qs[j - 1]));
            o.LowestGasTemp = std::min(o.LowestGasTemp, w.t[j]);
        }
        // Every cycle after the first, which starts full once a start-up,
        // loads the shell: the cycles that come back to Pm swing the most.
        if (cycle > 1 || maxCycles == 1) o.Swing = std::max(o.Swing, w.p[highest] - w.p[lowest]);
        if (w.p[lowest] < o.LowestPressure) {
            o.LowestPressure = w.p[lowest];
            o.LowestStep = lowest;
            o.LowestDrawStep = lowestDraw;
            o.LowestTime = lowest / std::round(1 / static_cast<double>(flows.TimeStep));
            o.LowestVolume = w.v[lowest];
            o.WorstCycle = cycle;
        }
        // The pump delivers where the net flow falls short of the demand;
        // counted over the cycles after the first, which starts full.
        if (cycle == 2) delivering = starts = steps = 0;
        // With the pump off the accumulator meets the whole demand, so a
        // cycle never opens delivering after a stop: either way counts alike.
        bool before = start.resume && start.pumping;  // mutants: skip
        for (int j = 1; j <= end; ++j) {
            const bool now = w.qs[j] < demand[j];
            delivering += now ? 1 : 0;
            if (now && !before) ++starts;
            before = now;
        }
        steps += end;
        // No run ends before its first step: the law's start is checked first.
        o.PumpShare = steps > 0 ? static_cast<double>(delivering) / steps : 0;  // mutants: skip
        o.PumpStarts = static_cast<double>(starts) / (cycle == 1 ? 1 : cycle - 1);
        if (e.end != RunEnd::Normal) {
            o.Warning = e.end == RunEnd::PrechargeTooHigh;
            o.OutsideGas = e.end == RunEnd::OutsideGas;
            break;
        }
        // Below p1 it fails whatever follows; a single cycle has no next
        // (the loop ends there too).
        if (w.p[lowest] < p1 || maxCycles == 1) break;  // mutants: skip
        if (cycle > 1 && full) ++recharges;
        const double nextPressure = law.Pressure();
        const double nextTemperature = law.Temperature();
        const auto within = [](double a, double b, double tolerance) {
            const double gap = std::abs(a - b);
            // Exactly at a tolerance is as good as a hair either side of it.
            return gap <= tolerance;  // mutants: skip
        };
        const bool repeats = !lowests.empty() &&
                             within(w.p[lowest], lowests.back(), kSamePressure) &&
                             within(nextPressure, startPressure, kSamePressure) &&
                             within(nextTemperature, startTemperature, kSameTemperature);
        lowests.push_back(w.p[lowest]);
        // The memory is a whole number of cycles' time only by chance.
        if (repeats || (recharges >= kRecharges && cycle * cycleTime >= memory)) {  // mutants: skip
            o.Settled = true;
            // A cycle that repeats itself without coming back to Pm leaves
            // the pump running all the time.
            o.Recharged = !repeats || full;
            break;
        }
        startPressure = nextPressure;
        startTemperature = nextTemperature;
        start = CycleStart{true, e.pumping, true};
    }
    o.Recharges = recharges;
    o.Energy =
        EnergyOfCycle(w.p.data(), w.v.data(), demand, w.qs.data(), end, d.Qp, flows.TimeStep);
    JudgeDrift(lowests, dayCycles, p1, o);
    return o;
}

}  // namespace

double AsDecimal(float value) {
    char text[32];  // mutants: skip (any size that holds a float's shortest form)
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double decimal = value;
    std::from_chars(text, end, decimal);
    return decimal;
}

std::vector<CatalogueSize> DefaultCatalogue(AccumulatorType type) {
    std::vector<CatalogueSize> sizes;
    const auto add = [&sizes](double v0, double ratio) {
        CatalogueSize s;
        s.V0 = v0;
        s.MaxRatio = ratio;
        sizes.push_back(s);
    };
    if (type == AccumulatorType::Diaphragm) {
        // Diaphragms allow a higher ratio the smaller they are. The sizes
        // are a usual range the user edits; the ratios are the rule.
        for (double v : {0.075, 0.16, 0.32, 0.5, 0.75}) add(v, 8);  // mutants: skip
        for (double v : {1.0, 1.4, 2.0}) add(v, 6);                 // mutants: skip
        for (double v : {2.8, 3.5}) add(v, 4);                      // mutants: skip
        return sizes;
    }
    const double ratio =
        type == AccumulatorType::Bladder ? 4 : std::numeric_limits<double>::infinity();
    // The sizes themselves are a usual range the user edits, not a rule.
    const double range[] = {0.16, 0.32, 0.5,  0.75, 1.0,  1.4,  2.0,  2.5,  4.0,    // mutants: skip
                            5.0,  6.0,  10.0, 13.0, 20.0, 24.0, 32.0, 35.0, 50.0};  // mutants: skip
    for (double v : range) {
        add(v, ratio);
    }
    return sizes;
}

std::vector<double> DefaultBottleSizes() {
    // Water capacities of the seamless steel cylinders industrial nitrogen
    // comes in; the user edits the list to the maker's bottles.
    return {10, 20, 40, 50};  // mutants: skip
}

CatalogueSize DefaultSize(AccumulatorType type, double v0) {
    const std::vector<CatalogueSize> sizes = DefaultCatalogue(type);
    CatalogueSize size = *std::min_element(
        sizes.begin(), sizes.end(),
        [v0](const auto& a, const auto& b) { return std::abs(a.V0 - v0) < std::abs(b.V0 - v0); });
    size.V0 = v0;
    return size;
}

bool Evaluation::Passes() const {
    return std::all_of(Rules.begin(), Rules.end(), [](bool r) { return r; });
}

double Evaluation::PeakFlow() const {
    double peak = 0;
    for (const TemperatureOutcome& o : Temps) peak = std::max(peak, o.PeakFlow);
    return peak;
}

double Evaluation::LowestGasTemp() const {
    double lowest = std::numeric_limits<double>::infinity();
    for (const TemperatureOutcome& o : Temps) lowest = std::min(lowest, o.LowestGasTemp);
    return lowest;
}

double AllowedGasTemperature(const Requirements& req) {
    if (req.MinGasTemp) return *req.MinGasTemp;
    // Every separator stands the same today: which one is asked changes nothing.
    return gas::MinimumGasTemperature(
        req.Type == AccumulatorType::Piston      ? gas::Separator::Piston     // mutants: skip
        : req.Type == AccumulatorType::Diaphragm ? gas::Separator::Diaphragm  // mutants: skip
                                                 : gas::Separator::Bladder);
}

int Evaluation::Cycles() const {
    int cycles = 0;  // mutants: skip (every candidate shown has run)
    for (const TemperatureOutcome& o : Temps) cycles = std::max(cycles, o.Cycles);
    return cycles;
}

double Evaluation::Swing() const {
    double swing = 0;
    for (const TemperatureOutcome& o : Temps) swing = std::max(swing, o.Swing);
    return swing;
}

const TemperatureOutcome& Evaluation::Worst() const {
    // Of two temperatures that fall exactly as low, either is the worst.
    return *std::min_element(Temps.begin(), Temps.end(), [](const auto& a, const auto& b) {
        return std::min(a.LowestPressure, a.DayLowest) <  // mutants: skip
               std::min(b.LowestPressure, b.DayLowest);
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
    // As the run integrates it: each step moves the volume by the flow of the step before.
    for (int j = 1; j <= flows_.Steps; ++j) {
        cycleOil_ += AsDecimal(flows_.TimeStep) * flows_.Qt[j - 1] / 60;
    }
}

double Evaluator::BalancePump() const {
    // A search refuses a cycle of no time first; only a direct caller meets one.
    return base_.CycleTime > 0  // mutants: skip
               ? cycleOil_ * 60 / AsDecimal(base_.CycleTime) / req_.Gas.Vessels.VolumetricEfficiency
               : 0;  // mutants: skip
}

int Evaluator::DayCycles() const {
    if (!(base_.CycleTime > 0)) return 1;  // mutants: skip (a search refuses it first)
    // Positive hours give at least one cycle.
    return std::max(
        1,  // mutants: skip
        static_cast<int>(std::ceil(req_.WorkingHours * 3600 / AsDecimal(base_.CycleTime))));
}

CircuitData Evaluator::DataFor(const Design& design) const {
    CircuitData d = base_;
    d.V0 = static_cast<float>(design.V0);
    d.P0 = static_cast<float>(design.P0);
    d.Qp = static_cast<float>(design.Qp);
    return RunData(d, GasFor(0, design).Vessels);  // mutants: skip (the vessels are any size's)
}

GasSettings Evaluator::GasFor(size_t size, const Design& design) const {
    GasSettings gas = req_.Gas;
    // Every caller passes a size of the catalogue, which is never empty.
    if (size < req_.Catalogue.size()) {  // mutants: skip
        if (const auto& tau = req_.Catalogue[size].Tau) gas.Tau = *tau;
    }
    gas.Vessels.Count = design.Count;
    gas.Vessels.BottleVolume = design.BottleVolume();
    return gas;
}

gas::Result<double> Evaluator::PrechargeAt(double p0, double temp) const {
    using R = gas::Result<double>;
    namespace n2 = gas::nitrogen;
    // At the charging temperature itself the gauge reads what was set.
    if (temp == PrechargeTemperature(req_.Gas)) return p0;
    const double charge = PrechargeTemperature(req_.Gas) + gas::kKelvin;
    const double pa = (p0 + gas::kAtmosphere) * 1e5;
    if (auto range = n2::CheckRange(charge, pa); !range) return R::Fail(range.Error());
    const auto rho = n2::DensityAt(charge, pa);
    if (!rho) return R::Fail(rho.Error());
    const double t = temp + gas::kKelvin;
    const double p = n2::PropertiesAt(t, *rho).p;
    if (auto range = n2::CheckRange(t, p); !range) return R::Fail(range.Error());
    return p / 1e5 - gas::kAtmosphere;
}

gas::Result<Evaluation> Evaluator::CheckStatic(const Design& design, size_t size) const {
    using R = gas::Result<Evaluation>;
    const CatalogueSize& s = req_.Catalogue.at(size);
    Evaluation e;
    e.Proposed = design;
    e.Size = size;
    const double tol = req_.PrechargeTolerance;
    const auto warm = PrechargeAt(design.P0, temps_.back());
    if (!warm) return R::Fail(warm.Error());
    const auto cold = PrechargeAt(design.P0, temps_.front());
    if (!cold) return R::Fail(cold.Error());
    const auto warmHigh = PrechargeAt(design.P0 * (1 + tol), temps_.back());
    if (!warmHigh) return R::Fail(warmHigh.Error());
    const auto coldLow = PrechargeAt(design.P0 * (1 - tol), temps_.front());
    if (!coldLow) return R::Fail(coldLow.Error());
    e.PrechargeWarm = *warm;
    e.PrechargeCold = *cold;

    constexpr double atm = gas::kAtmosphere;
    const double p1 = req_.MinPressure + atm;
    const double pm = base_.Pm + atm;
    const double coldAbs = *coldLow + atm;
    e.Ratio = coldAbs > 0 ? pm / coldAbs : std::numeric_limits<double>::infinity();
    e.Rules[0] = true;
    e.PrechargeHigh = *warmHigh;
    e.PrechargeLimit = (req_.Type == AccumulatorType::Piston ? p1 - 5 : 0.9 * p1) - atm;
    const double prechargeLimit = e.PrechargeLimit + kSlack;
    e.Rules[1] = e.PrechargeHigh <= prechargeLimit;  // mutants: skip (the slack decides)
    // The slack, not the comparison, decides each limit itself.
    const double ratioLimit = s.MaxRatio + kSlack;
    const bool withinRatio = e.Ratio <= ratioLimit;  // mutants: skip
    e.Rules[2] = std::isinf(s.MaxRatio) || withinRatio;
    bool rated = true;
    for (const auto& ps : {req_.RatedPressure, s.RatedPressure}) {
        if (!ps) continue;
        const double limit = *ps + kSlack;
        const bool withinPs = base_.Pm <= limit;  // mutants: skip
        if (!withinPs) rated = false;
    }
    // The slack decides the relief's limit itself; without a valve there is none.
    const double relief = req_.ReliefSetting ? 0.9 * (*req_.ReliefSetting + atm) + kSlack
                                             : std::numeric_limits<double>::infinity();
    const bool belowRelief = pm <= relief;  // mutants: skip
    e.Rules[3] = rated && belowRelief;
    e.Rules[4] = e.Rules[5] = e.Rules[6] = true;
    e.CycleOil = cycleOil_;
    e.PumpOil = PumpOil(design.Qp);
    e.PumpShort =
        !req_.SingleCycle && e.PumpOil < cycleOil_ - kSlack;  // mutants: skip (rounding room)
    return e;
}

gas::Result<TemperatureOutcome> Evaluator::RunAt(const CircuitData& data, const GasSettings& gas,
                                                 size_t index, bool stopBelow) {
    const double temp = temps_.at(index);
    auto law = MakeGasLaw(data, gas, temp, flows_.TimeStep);
    if (!law) return gas::Result<TemperatureOutcome>::Fail(law.Error());
    const int cycles = req_.SingleCycle ? 1 : kMaxCycles;
    const int day = DayCycles();
    const double p1 = req_.MinPressure;
    // How long the gas remembers where it started.
    const double cycleTime = base_.CycleTime;
    const double memory = gas.Law == GasLawKind::Nitrogen && std::isfinite(gas.Tau)
                              ? std::min(3 * gas.Tau, kMaxCycles / 2 * cycleTime)
                              : 0;
    CycleWorkspace& work = work_[index];
    return std::visit(
        [&](auto& l) {
            if (!stopBelow) {
                return RunCycles(data, flows_, l, work, cycles, day, p1, memory, temp);
            }
            StopBelow stopping(l, p1);
            return RunCycles(data, flows_, stopping, work, cycles, day, p1, memory, temp);
        },
        *law);
}

std::vector<gas::Result<TemperatureOutcome>> Evaluator::RunAll(const Design& design, size_t size,
                                                               bool stopBelow) {
    const CircuitData data = DataFor(design);
    const GasSettings gas = GasFor(size, design);
    std::vector<gas::Result<TemperatureOutcome>> runs;
    const size_t count = temps_.size();
    // Side by side or not, the runs give the same results.
    if (count == 1 || flows_.Qt.size() * count < kParallelSteps) {  // mutants: skip
        for (size_t i = 0; i < count; ++i) runs.push_back(RunAt(data, gas, i, stopBelow));
        return runs;
    }
    // Each run has its own workspace and law: nothing is shared but the flows.
    std::vector<std::future<gas::Result<TemperatureOutcome>>> others;
    for (size_t i = 1; i < count; ++i) {
        others.push_back(std::async(std::launch::async, [this, &data, &gas, i, stopBelow] {
            return RunAt(data, gas, i, stopBelow);
        }));
    }
    runs.push_back(RunAt(data, gas, 0, stopBelow));
    for (auto& other : others) runs.push_back(other.get());
    return runs;
}

void Evaluator::JudgeRun(const TemperatureOutcome& o, size_t size, int count,
                         std::array<bool, kRuleCount>& rules) const {
    // The day's lowest is never above the lowest seen.
    if (o.Warning || o.OutsideGas || !o.Settled || !o.Recharged || o.DayLowest < req_.MinPressure) {
        rules[0] = false;
    }
    // The slack, not the comparison, decides each limit itself.
    if (const auto& maxFlow = req_.Catalogue[size].MaxFlow) {
        const double limit = *maxFlow * count + kSlack;
        if (o.PeakFlow > limit) rules[4] = false;  // mutants: skip
    }
    if (o.LowestGasTemp < AllowedGasTemperature(req_)) rules[5] = false;
    if (const auto& swing = req_.Catalogue[size].RatedSwing) {
        const double limit = *swing + kSlack;
        if (o.Swing > limit) rules[6] = false;  // mutants: skip
    }
}

double Evaluator::PumpOil(double qp) const {
    return qp * req_.Gas.Vessels.VolumetricEfficiency * AsDecimal(base_.CycleTime) / 60;
}

gas::Result<Evaluation> Evaluator::Evaluate(const Design& design, size_t size) {
    auto e = CheckStatic(design, size);
    if (!e) return e;
    // A pump that cannot deliver the cycle's oil fails without a run.
    if (e->PumpShort) {
        e->Rules[0] = false;
        return e;
    }
    for (auto& run : RunAll(design, size, false)) {
        if (!run) return gas::Result<Evaluation>::Fail(run.Error());
        JudgeRun(*run, size, design.Count, e->Rules);
        e->Temps.push_back(*run);
    }
    return e;
}

gas::Result<bool> Evaluator::PassesRuns(const Design& design, size_t size) {
    // The slack is rounding room: its sign changes no verdict.
    const bool shortOfOil =
        !req_.SingleCycle && PumpOil(design.Qp) < cycleOil_ - kSlack;  // mutants: skip
    if (shortOfOil) return false;
    std::array<bool, kRuleCount> rules{};
    rules.fill(true);
    // Stopping below p1 only saves the rest of a run that fails anyway.
    for (auto& run : RunAll(design, size, true)) {  // mutants: skip
        if (!run) return gas::Result<bool>::Fail(run.Error());
        JudgeRun(*run, size, design.Count, rules);
    }
    return rules[0] && rules[4] && rules[5] && rules[6];
}

}  // namespace volvenza::sizing
