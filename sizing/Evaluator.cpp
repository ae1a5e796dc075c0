#include "sizing/Evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "engine/CycleRun.h"
#include "engine/SeparatorLimits.h"
#include "gas/Nitrogen.h"

namespace volvenza::sizing {
namespace {

// Room for rounding where a figure sits exactly on a rule's limit.
constexpr double kSlack = 1e-9;

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
    if (o.Warning || o.OutsideGas || third < 1) return;
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
    double ratio = 1;
    if (before > drift) {
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

std::vector<CatalogueSize> DefaultCatalogue(AccumulatorType type) {
    std::vector<CatalogueSize> sizes;
    const auto add = [&sizes](double v0, double ratio) {
        CatalogueSize s;
        s.V0 = Dm3(v0);
        s.MaxRatio = ratio;
        sizes.push_back(s);
    };
    if (type == AccumulatorType::Diaphragm) {
        // Diaphragms allow a higher ratio the smaller they are. The sizes
        // are a usual range the user edits; the ratios are the rule.
        for (double v : {0.075, 0.16, 0.32, 0.5, 0.75}) add(v, 8);
        for (double v : {1.0, 1.4, 2.0}) add(v, 6);
        for (double v : {2.8, 3.5}) add(v, 4);
        return sizes;
    }
    const double ratio =
        type == AccumulatorType::Bladder ? 4 : std::numeric_limits<double>::infinity();
    // The sizes themselves are a usual range the user edits, not a rule.
    const double range[] = {0.16, 0.32, 0.5,  0.75, 1.0,  1.4,  2.0,  2.5,  4.0,
                            5.0,  6.0,  10.0, 13.0, 20.0, 24.0, 32.0, 35.0, 50.0};
    for (double v : range) {
        add(v, ratio);
    }
    return sizes;
}

std::vector<double> DefaultBottleSizes() {
    // Water capacities of the seamless steel cylinders industrial nitrogen
    // comes in; the user edits the list to the maker's bottles.
    return {10, 20, 40, 50};
}

CatalogueSize DefaultSize(AccumulatorType type, Dm3 v0) {
    const std::vector<CatalogueSize> sizes = DefaultCatalogue(type);
    CatalogueSize size =
        *std::min_element(sizes.begin(), sizes.end(), [v0](const auto& a, const auto& b) {
            return std::abs((a.V0 - v0).value()) < std::abs((b.V0 - v0).value());
        });
    size.V0 = v0;
    return size;
}

int MaxLoads(double cycleTime) {
    // Far above any count a run can reach, so that the sum stays an int.
    return 2 * (static_cast<int>(std::min(std::floor(cycleTime), 1e9)) + 1);
}

bool LoadsTooOften(const TemperatureOutcome& o, double cycleTime) {
    // An average of whole counts against a time typed in single precision:
    // no rounding stands between them.
    return o.Chatters || o.PumpStarts > cycleTime;
}

bool Evaluation::Passes() const {
    return std::all_of(Rules.begin(), Rules.end(), [](bool r) { return r; });
}

double Evaluation::PeakFlow() const {
    double peak = EndsPeakFlow;
    for (const TemperatureOutcome& o : Temps) peak = std::max(peak, o.PeakFlow);
    return peak;
}

double Evaluation::LowestGasTemp() const {
    double lowest = EndsGasTemp;
    for (const TemperatureOutcome& o : Temps) lowest = std::min(lowest, o.LowestGasTemp);
    return lowest;
}

double AllowedGasTemperature(const Requirements& req) {
    if (req.MinGasTemp) return *req.MinGasTemp;
    return kSeparatorMinimumGasTemperature;
}

int Evaluation::Cycles() const {
    int cycles = 0;
    for (const TemperatureOutcome& o : Temps) cycles = std::max(cycles, o.Cycles);
    return cycles;
}

double Evaluation::Swing() const {
    double swing = EndsSwing;
    for (const TemperatureOutcome& o : Temps) swing = std::max(swing, o.Swing);
    return swing;
}

const TemperatureOutcome& Evaluation::Worst() const {
    // Of two temperatures that fall exactly as low, either is the worst.
    return *std::min_element(Temps.begin(), Temps.end(), [](const auto& a, const auto& b) {
        return std::min(a.LowestPressure, a.DayLowest) < std::min(b.LowestPressure, b.DayLowest);
    });
}

Evaluator::Evaluator(const CircuitState& state, const Requirements& req)
    : base_(state.Data),
      typed_(TypedData(state.Data)),
      req_(req),
      gas_(EngineeringGas(req.Gas)),
      duties_(state, req),
      // Movements judged one by one run over whole stretches.
      demand_(MakeDemand(state.Movements, state.SimMovementCount, state.Data.CycleTime,
                         duties_.Loads())),
      cycleOil_(demand_.Oil) {
    const double tc = typed_.Tc;
    const double low = gas_.MinTemp.value_or(tc), high = gas_.MaxTemp.value_or(tc);
    temps_ = low == tc && high == tc ? std::vector<double>{tc} : std::vector<double>{low, tc, high};
}

double Evaluator::BalancePump() const {
    // A search refuses a cycle of no time first; only a direct caller meets one.
    return typed_.CycleTime > 0
               ? cycleOil_ * 60 / typed_.CycleTime / gas_.Vessels.VolumetricEfficiency
               : 0;
}

int Evaluator::DayCycles() const {
    if (!(typed_.CycleTime > 0)) return 1;
    // Positive hours give at least one cycle.
    return std::max(1, static_cast<int>(std::ceil(req_.WorkingHours * 3600 / typed_.CycleTime)));
}

ExactData Evaluator::DataFor(const Design& design) const {
    ExactData d = typed_;
    d.V0 = design.GasVolume();
    d.P0 = design.P0;
    d.Qp = design.Qp * gas_.Vessels.VolumetricEfficiency;
    return d;
}

GasSettings Evaluator::GasFor(size_t size, const Design& design) const {
    GasSettings gas = gas_;
    if (size < req_.Catalogue.size()) {
        if (const auto& tau = req_.Catalogue[size].Tau) gas.Tau = *tau;
    }
    gas.Vessels.Count = design.Count;
    gas.Vessels.BottleVolume = design.BottleVolume().value();
    return gas;
}

Result<GaugeBar> Evaluator::PrechargeAt(GaugeBar p0, double temp) const {
    using R = Result<GaugeBar>;
    namespace n2 = gas::nitrogen;
    // At the charging temperature itself the gauge reads what was set.
    if (temp == gas_.ChargeTemp) return p0;
    const double charge = gas_.ChargeTemp + gas::kKelvin;
    const double pa = ToAbsolute(p0).value() * 1e5;
    if (auto range = n2::CheckRange(charge, pa); !range) return R::Fail(range.Error());
    const auto rho = n2::DensityAt(charge, pa);
    if (!rho) return R::Fail(rho.Error());
    const double t = temp + gas::kKelvin;
    const double p = n2::PropertiesAt(t, *rho).p;
    if (auto range = n2::CheckRange(t, p); !range) return R::Fail(range.Error());
    return ToGauge(AbsoluteBar(p / 1e5));
}

Result<Evaluation> Evaluator::CheckStatic(const Design& design, size_t size) const {
    using R = Result<Evaluation>;
    const CatalogueSize& s = req_.Catalogue.at(size);
    Evaluation e;
    e.Proposed = design;
    e.Size = size;
    const double tol = req_.PrechargeTolerance;
    const GaugeBar p0(design.P0);
    const auto warm = PrechargeAt(p0, temps_.back());
    if (!warm) return R::Fail(warm.Error());
    const auto cold = PrechargeAt(p0, temps_.front());
    if (!cold) return R::Fail(cold.Error());
    const auto warmHigh = PrechargeAt(p0 * (1 + tol), temps_.back());
    if (!warmHigh) return R::Fail(warmHigh.Error());
    const auto coldLow = PrechargeAt(p0 * (1 - tol), temps_.front());
    if (!coldLow) return R::Fail(coldLow.Error());
    e.PrechargeWarm = warm->value();
    e.PrechargeCold = cold->value();

    // The rules take their ratios and shares on absolute pressures.
    const AbsoluteBar p1 = ToAbsolute(req_.MinPressure);
    const AbsoluteBar pm = ToAbsolute(GaugeBar(base_.Pm));
    const AbsoluteBar coldAbs = ToAbsolute(*coldLow);
    e.Ratio = coldAbs > AbsoluteBar(0) ? pm / coldAbs : std::numeric_limits<double>::infinity();
    e.Rules[kPressureRule] = true;
    e.PrechargeHigh = warmHigh->value();
    e.PrechargeLimit =
        ToGauge(req_.Type == AccumulatorType::Piston ? p1 - BarDifference(5) : 0.9 * p1).value();
    const double prechargeLimit = e.PrechargeLimit + kSlack;
    e.Rules[kPrechargeRule] = e.PrechargeHigh <= prechargeLimit;
    // The slack, not the comparison, decides each limit itself.
    const double ratioLimit = s.MaxRatio + kSlack;
    const bool withinRatio = e.Ratio <= ratioLimit;
    e.Rules[kRatioRule] = std::isinf(s.MaxRatio) || withinRatio;
    bool rated = true;
    for (const auto& ps : {req_.RatedPressure, s.RatedPressure}) {
        if (!ps) continue;
        const GaugeBar limit = *ps + BarDifference(kSlack);
        const bool withinPs = GaugeBar(base_.Pm) <= limit;
        if (!withinPs) rated = false;
    }
    // The slack decides the relief's limit itself; without a valve there is none.
    const AbsoluteBar relief = req_.ReliefSetting
                                   ? 0.9 * ToAbsolute(*req_.ReliefSetting) + BarDifference(kSlack)
                                   : AbsoluteBar(std::numeric_limits<double>::infinity());
    const bool belowRelief = pm <= relief;
    e.Rules[kRatedRule] = rated && belowRelief;
    e.Rules[kFlowRule] = e.Rules[kGasTempRule] = e.Rules[kSwingRule] = true;
    e.Rules[kEmergencyRule] = e.Rules[kHoldRule] = true;
    e.CycleOil = cycleOil_;
    e.PumpOil = PumpOil(design.Qp);
    e.PumpShort = !req_.SingleCycle && e.PumpOil < cycleOil_ - kSlack;
    return e;
}

void Evaluator::JudgeRun(const TemperatureOutcome& o, size_t size, int count,
                         std::array<bool, kRuleCount>& rules) const {
    // The day's lowest is never above the lowest seen.
    if (o.Warning || o.OutsideGas || LoadsTooOften(o, typed_.CycleTime) || !o.Settled ||
        !o.Recharged || GaugeBar(o.DayLowest) < req_.MinPressure) {
        rules[kPressureRule] = false;
    }
    for (const MovementPressure& m : o.Movements) {
        if (!m.Passes()) rules[kPressureRule] = false;
    }
    // The slack, not the comparison, decides each limit itself.
    if (const auto& maxFlow = req_.Catalogue[size].MaxFlow) {
        const Dm3PerMin limit = *maxFlow * count + Dm3PerMin(kSlack);
        if (Dm3PerMin(o.PeakFlow) > limit) rules[kFlowRule] = false;
    }
    if (o.LowestGasTemp < AllowedGasTemperature(req_)) rules[kGasTempRule] = false;
    if (const auto& swing = req_.Catalogue[size].RatedSwing) {
        const BarDifference limit = *swing + BarDifference(kSlack);
        if (BarDifference(o.Swing) > limit) rules[kSwingRule] = false;
    }
}

bool Evaluator::CanFill(const Design& design, size_t size) const {
    if (design.Bottles == 0) return true;
    const ExactData data = DataFor(design);
    const GasSettings gas = GasFor(size, design);
    for (double temp : temps_) {
        auto path = MakeGasPath(data, gas, temp);
        if (!path && path.Error().id == MessageId::BottlesTooLarge) return false;
    }
    return true;
}

Status Evaluator::JudgeDuties(const Design& design, size_t size,
                              std::array<bool, kRuleCount>& rules, DutyOutcomes* out) const {
    auto duties = duties_.Judge(DataFor(design), GasFor(size, design), temps_.front(), typed_.Tc);
    if (!duties) return duties.Error();
    rules[kEmergencyRule] = duties->EmergencyPasses();
    rules[kHoldRule] = duties->HoldPasses();
    if (out != nullptr) *out = *duties;
    return Done{};
}

double Evaluator::PumpOil(Dm3PerMin qp) const {
    return qp.value() * gas_.Vessels.VolumetricEfficiency * typed_.CycleTime / 60;
}

Result<Evaluation> Evaluator::Evaluate(const Design& design, size_t size) {
    auto e = CheckStatic(design, size);
    if (!e) return e;
    // A pump that cannot deliver the cycle's oil fails without a run.
    if (e->PumpShort) {
        e->Rules[kPressureRule] = false;
        return e;
    }
    for (auto& run : RunAll(design, size)) {
        if (!run) return Result<Evaluation>::Fail(run.Error());
        JudgeRun(*run, size, design.Count, e->Rules);
        KeepWorst(e->Movements, run->Movements);
        e->Temps.push_back(*run);
    }
    if (Status duties = JudgeDuties(design, size, e->Rules, &e->Duties); !duties) {
        return Result<Evaluation>::Fail(duties.Error());
    }
    // Most designs fail at their precharge already: only the others are run
    // at the ends of its tolerance.
    if (e->Passes() && req_.PrechargeTolerance > 0) {
        if (Status ends = JudgeEnds(design, size, *e); !ends) {
            return Result<Evaluation>::Fail(ends.Error());
        }
    }
    return e;
}

Design Evaluator::AtEnd(const Design& design, int end) const {
    Design d = design;
    d.P0 = design.P0 * (1 + end * req_.PrechargeTolerance);
    return d;
}

namespace {

// Keeps in `shown` the worse of two outcomes of one duty: the failing one, or
// of two alike the one lower in `figure`.
template <typename Outcome, typename Figure>
void KeepWorse(std::optional<Outcome>& shown, const std::optional<Outcome>& other,
               Figure Outcome::*figure) {
    if (other && shown &&
        (other->Passes == shown->Passes ? (*other).*figure < (*shown).*figure : !other->Passes)) {
        shown = other;
    }
}

}  // namespace

Status Evaluator::JudgeEnds(const Design& design, size_t size, Evaluation& e) {
    e.AtEnds = true;
    // A run that breaks a rule is worse than one that keeps them all; of
    // two alike, the lower.
    const auto fails = [&](const TemperatureOutcome& o) {
        std::array<bool, kRuleCount> rules{};
        rules.fill(true);
        JudgeRun(o, size, design.Count, rules);
        return !RunsPass(rules);
    };
    const auto lowest = [](const TemperatureOutcome& o) {
        return std::min(o.LowestPressure, o.DayLowest);
    };
    for (const int end : {-1, 1}) {
        const Design d = AtEnd(design, end);
        const auto runs = RunAll(d, size);
        for (size_t i = 0; i < runs.size(); ++i) {
            if (!runs[i]) return runs[i].Error();
            TemperatureOutcome o = *runs[i];
            o.PrechargeEnd = end;
            JudgeRun(o, size, d.Count, e.Rules);
            KeepWorst(e.Movements, o.Movements);
            e.EndsPeakFlow = std::max(e.EndsPeakFlow, o.PeakFlow);
            e.EndsSwing = std::max(e.EndsSwing, o.Swing);
            e.EndsGasTemp = std::min(e.EndsGasTemp, o.LowestGasTemp);
            const TemperatureOutcome& shown = e.Temps[i];
            const bool worse = fails(o) == fails(shown) ? lowest(o) < lowest(shown) : fails(o);
            if (worse) e.Temps[i] = std::move(o);
        }
        std::array<bool, kRuleCount> rules{};
        rules.fill(true);
        DutyOutcomes duties;
        if (Status s = JudgeDuties(d, size, rules, &duties); !s) return s;
        e.Rules[kEmergencyRule] = e.Rules[kEmergencyRule] && rules[kEmergencyRule];
        e.Rules[kHoldRule] = e.Rules[kHoldRule] && rules[kHoldRule];
        // Each duty as the worse of the two has it: failing, or of the
        // smaller margin, or of the lower pressure held.
        KeepWorse(e.Duties.Emergency, duties.Emergency, &EmergencyOutcome::Margin);
        KeepWorse(e.Duties.Hold, duties.Hold, &HoldOutcome::Lowest);
    }
    return Done{};
}

Result<bool> Evaluator::PassesRuns(const Design& design, size_t size) {
    auto passes = PassesRunsAt(design, size);
    // As Evaluate: the ends only for a design that passes at its precharge.
    for (const int end : {-1, 1}) {
        if (!passes || !*passes || !(req_.PrechargeTolerance > 0)) break;
        passes = PassesRunsAt(AtEnd(design, end), size);
    }
    return passes;
}

Result<bool> Evaluator::PassesRunsAt(const Design& design, size_t size) {
    // The slack is rounding room: its sign changes no verdict.
    const bool shortOfOil = !req_.SingleCycle && PumpOil(design.Qp) < cycleOil_ - kSlack;
    if (shortOfOil) return false;
    // The emergency stroke and the hold run on their own, apart from the
    // cycles: a design that fails either needs no cycle run.
    std::array<bool, kRuleCount> rules{};
    rules.fill(true);
    if (Status duties = JudgeDuties(design, size, rules); !duties) {
        return Result<bool>::Fail(duties.Error());
    }
    if (!rules[kEmergencyRule] || !rules[kHoldRule]) return false;
    const ExactData data = DataFor(design);
    const GasSettings gas = GasFor(size, design);
    // A whole run also answers a quick one.
    auto kept = runs_.find(KeyOf(data, gas, false));
    if (kept == runs_.end()) kept = runs_.find(KeyOf(data, gas, true));
    if (kept == runs_.end()) {
        if (failing_.contains({KeyOf(data, gas, true), size, design.Count})) return false;
        return Verdict(data, gas, size, design.Count);
    }
    for (auto& run : kept->second) {
        if (!run) return Result<bool>::Fail(run.Error());
        JudgeRun(*run, size, design.Count, rules);
    }
    return RunsPass(rules);
}

bool Evaluator::RunsPass(const std::array<bool, kRuleCount>& rules) {
    return rules[kPressureRule] && rules[kFlowRule] && rules[kGasTempRule] && rules[kSwingRule];
}

}  // namespace volvenza::sizing
