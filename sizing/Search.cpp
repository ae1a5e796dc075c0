#include "sizing/Search.h"

#include <algorithm>
#include <cmath>

#include "engine/CycleRun.h"
#include "gas/GasLaw.h"
#include "numbers/NumberText.h"
#include "numbers/Rounding.h"

namespace volvenza::sizing {
namespace {

// Halvings of the precharge bounds: far past double precision either way.
constexpr int kBisections = 60;  // mutants: skip
// Below a smallest passing value found by halving, the values tried in case
// what passes is not one interval, and the rounds of it.
constexpr int kLowerProbes = 8;
constexpr int kLowerRounds = 3;
// With the pump sized, the sizes are tried with a pump this much above the
// cycle's average demand when the data's pump is below it.
constexpr double kPumpHeadroom = 1.25;  // mutants: skip (only where the pump search starts)
// The shares of the progress each phase takes; any shares show progress.
constexpr double kSizesShare = 0.7;  // mutants: skip
constexpr double kPumpShare = 0.15;  // mutants: skip
// Runs a one-figure search takes, about: for the progress only.
constexpr double kSearchRuns = 20;  // mutants: skip

// A tenth worked out a hair off its exact value still rounds to it: any
// allowance far above rounding and far below a tenth gives the same tenths.
constexpr double kTenthAllowance = 1e-9;  // mutants: skip

double FloorTenth(double x) {
    const double tenths = x * 10;
    // The allowance's sign matters only within 1e-10 below a tenth: the
    // precharge bounds rounded here carry the rules' slack (1e-9 bar) above
    // their limit, and a pump rounded here only starts a search below the
    // first that passes.
    const double lifted = tenths + kTenthAllowance;  // mutants: skip
    return std::floor(lifted) / 10;
}
// The bounds it rounds come from bisections, never exactly on a tenth.
double CeilTenth(double x) {
    return std::ceil(x * 10 - kTenthAllowance) / 10;  // mutants: skip
}

// The precharge (gauge, in the data's frame) where `holds` changes: the
// largest that holds when it fails above, the smallest when it fails below.
template <class Holds>
gas::Result<double> PrechargeBound(double ceiling, bool failsAbove, Holds holds) {
    // Any start below the bound and any above it give the same bound.
    double lo = 0;  // mutants: skip
    double hi = ceiling;
    // Sixty halvings leave the bound far inside a tenth either way.
    for (int i = 0; i < kBisections; ++i) {  // mutants: skip
        const double mid = (lo + hi) / 2;
        auto ok = holds(mid);
        if (!ok) return gas::Result<double>::Fail(ok.Error());
        // Keep lo on the side that holds when failing above, on the failing one otherwise.
        ((*ok == failsAbove) ? lo : hi) = mid;
    }
    return failsAbove ? lo : hi;
}

gas::Result<double> RuleBound(const Evaluator& ev, size_t size, int rule, bool failsAbove) {
    // Any ceiling above where the rule changes gives the same bound.
    const double top = std::max(ev.Req().MinPressure, static_cast<double>(ev.Base().Pm));
    const double ceiling = top * 2 + 10;  // mutants: skip
    return PrechargeBound(ceiling, failsAbove, [&](double p0) -> gas::Result<bool> {
        auto e = ev.CheckStatic({ev.Base().V0, p0, ev.Base().Qp}, size);
        if (!e) return gas::Result<bool>::Fail(e.Error());
        return e->Rules[rule];
    });
}

// The smallest value in hundredths or tenths (`unit`) between `from` and
// where `passes` first holds, when it holds at `from` times a few doublings.
template <class Passes>
gas::Result<std::optional<double>> SmallestPassing(double from, double unit, double ceiling,
                                                   Passes passes) {
    using R = gas::Result<std::optional<double>>;
    // Where the search starts below the first passing value changes only its runs.
    long lo = static_cast<long>(std::floor(from / unit));  // mutants: skip
    // The first guess only sets where the bracket starts.
    long hi =
        std::max(lo + 1,                                                          // mutants: skip
                 static_cast<long>(std::ceil(std::max(from, unit) * 2 / unit)));  // mutants: skip
    for (;;) {
        const double top = std::min(hi * unit, ceiling);
        auto ok = passes(top);
        if (!ok) return R::Fail(ok.Error());
        if (*ok) {
            hi = static_cast<long>(std::llround(top / unit));
            break;
        }
        if (top >= ceiling) return std::optional<double>();
        lo = hi;
        // Any growth finds the same smallest passing value, in more or fewer runs.
        hi *= 2;  // mutants: skip
    }
    const long first = static_cast<long>(std::floor(from / unit));
    for (int round = 0; round < kLowerRounds; ++round) {
        while (hi - lo > 1) {
            const long mid = lo + (hi - lo) / 2;
            auto ok = passes(mid * unit);
            if (!ok) return R::Fail(ok.Error());
            (*ok ? hi : lo) = mid;
        }
        // What passes need not be one interval (with more gas, say, the pump
        // may not restart before the next draw): a few values between the
        // start and the one found are tried, and one that passes takes the
        // search below it.
        bool lower = false;
        long below = first;
        for (int k = 1; k <= kLowerProbes && !lower; ++k) {
            const long probe = first + (hi - first) * k / (kLowerProbes + 1);
            if (probe <= below || probe >= hi) continue;
            auto ok = passes(probe * unit);
            if (!ok) return R::Fail(ok.Error());
            if (*ok) {
                lo = below;
                hi = probe;
                lower = true;
            }
            below = probe;
        }
        if (!lower) break;
    }
    // Divided rather than multiplied, so that 194 tenths come out as 19.4.
    return std::optional<double>(hi / std::round(1 / unit));
}

// Movements drawing oil just before `time`: the pressure there follows from
// what they drew (at the cycle's start, those that start there).
std::vector<ActiveMovement> ActiveAt(const CircuitState& state, double time) {
    std::vector<ActiveMovement> active;
    for (int i = 1; i <= state.SimMovementCount; ++i) {
        const Movement& m = state.Movements[i];
        const double ti = Typed(m.Ti), tf = Typed(m.Tf);
        const bool drawing = time > 0 ? ti < time && time <= tf : ti <= 0 && tf > 0;
        if (drawing && m.Qm != 0) active.push_back({i, m.Kind});
    }
    return active;
}

// Oil missing to stay above p1: the gas volume reached at the lowest point
// less the one at p1 on the same polytrope, through full and lowest points.
double MissingOil(const TemperatureOutcome& o, double pm, double p1) {
    const double full = pm + gas::kAtmosphere;
    const double low = o.LowestPressure + gas::kAtmosphere;
    // Only a pressure that fell below Pm from a gas that grew has a
    // polytrope through both points; the edges of these tests never occur
    // in a run that fails rule 1.
    if (!(low < full) || !(o.LowestVolume > o.FullVolume) || low <= 0) return 0;  // mutants: skip
    const double k = std::log(full / low) / std::log(o.LowestVolume / o.FullVolume);
    const double atP1 = o.LowestVolume * std::pow(low / (p1 + gas::kAtmosphere), 1 / k);
    return std::max(0.0, o.LowestVolume - atP1);
}

Explanation Explain(const CircuitState& state, const Evaluator& ev, const Evaluation& e) {
    Explanation x;
    x.V0 = e.Proposed.V0;
    x.Size = e.Size;
    for (int r = 0; r < kRuleCount; ++r) {
        if (!e.Rules[r]) x.FailedRules.push_back(r + 1);
    }
    if (e.Temps.empty()) return x;
    const TemperatureOutcome& worst = e.Worst();
    x.WorkTemp = worst.WorkTemp;
    x.Time = worst.LowestTime;
    x.Cycle = worst.WorstCycle;
    x.LowestPressure = worst.LowestPressure;
    x.Active = ActiveAt(state, worst.LowestTime);
    x.AtLeast = worst.Warning;
    for (const TemperatureOutcome& o : e.Temps) x.OutsideGas = x.OutsideGas || o.OutsideGas;
    x.MissingOil = MissingOil(worst, ev.Base().Pm, ev.Req().MinPressure);
    const double p1 = ev.Req().MinPressure;
    // The day's drift crosses p1 exactly when the cycle that crosses it is known.
    x.Drifting = !worst.Warning && worst.LowestPressure >= p1 && worst.CyclesToP1 > 0;
    x.Drift = worst.DriftPerCycle;
    x.CyclesToP1 = worst.CyclesToP1;
    for (const TemperatureOutcome& o : e.Temps) {
        // A run that emptied is the worst one and says so; below p1 it fails there.
        if (o.Warning) continue;
        if (o.LowestPressure < p1) continue;
        if (!o.Settled) {
            x.NotSettled = true;
            x.Recharges = o.Recharges;
            x.PumpShare = o.PumpShare;
        } else if (!o.Recharged) {
            x.NotRecharged = true;
            x.PumpShare = o.PumpShare;
        }
    }
    x.Drifting = x.Drifting && x.NotSettled;
    return x;
}

// The smallest change of one figure that makes the runs pass.
Status SearchFixes(Evaluator& ev, Explanation& x, const Design& d, double p0Top,
                   const std::function<bool()>& stopped) {
    const size_t size = x.Size;
    auto runs = [&](const Design& changed) {
        return stopped() ? gas::Result<bool>::Fail(MessageId::SizingStopped)
                         : ev.PassesRuns(changed, size);
    };
    const double largest = std::max(ev.Req().Catalogue.back().V0, d.V0) * 4;
    auto v0 = SmallestPassing(d.V0, 0.01, largest, [&](double v) { return runs({v, d.P0, d.Qp}); });
    if (!v0) return v0.Error();
    x.FixV0 = *v0;
    // A higher precharge holds more oil above p1, up to what rule 2 allows.
    // At the top itself the search finds nothing above it.
    if (d.P0 < p0Top) {  // mutants: skip
        auto p0 = SmallestPassing(d.P0, 0.1, p0Top, [&](double p) {
            return runs({d.V0, p, d.Qp});
        });
        if (!p0) return p0.Error();
        x.FixP0 = *p0;
    }
    // Far more pump than any cycle asks for bounds the search.
    const double from = ev.Req().SingleCycle ? d.Qp : std::max(d.Qp, FloorTenth(ev.BalancePump()));
    auto qp = SmallestPassing(from, 0.1, std::max(from, 1.0) * 64, [&](double q) {  // mutants: skip
        return runs({d.V0, d.P0, q});
    });
    if (!qp) return qp.Error();
    x.FixQp = *qp;
    return Done{};
}

// The sentence that says no precharge passes rules 2 and 3 together, and
// what would: a piston type, a lower Pm or a higher p1.
Message NoPrechargeWindow(const Evaluator& ev, double top, double bottom, double ratio) {
    // Every figure is already a whole tenth: more decimals would show the same.
    constexpr int kTenth = 1;  // mutants: skip
    const Requirements& req = ev.Req();
    const double tol = req.PrechargeTolerance;
    const double atm = gas::kAtmosphere;
    MessagePart pm = MsgVerbatim("?"), p1 = MsgVerbatim("?");
    // Pm the top precharge allows; p1 that lets the bottom one pass rule 2.
    if (auto cold = ev.PrechargeAt(top * (1 - tol), ev.Temperatures().front())) {
        pm = MsgRounded(FloorTenth(ratio * (*cold + atm) - atm), kTenth);
    }
    if (auto warm = ev.PrechargeAt(bottom * (1 + tol), ev.Temperatures().back())) {
        p1 = MsgRounded(CeilTenth((*warm + atm) / 0.9 - atm), kTenth);
    }
    return Message(
        MessageId::NoPrechargeWindow,
        {MsgRounded(bottom, kTenth), MsgRounded(top, kTenth), std::move(pm), std::move(p1)});
}

}  // namespace

Status CheckRequirements(const CircuitState& state, const Requirements& req) {
    if (!(req.MinPressure > 0)) return Message(MessageId::MinPressurePositive);
    if (!(req.MinPressure < state.Data.Pm)) return Message(MessageId::MinBelowMax);
    if (req.Catalogue.empty()) return Message(MessageId::CatalogueEmpty);
    if (req.Catalogue.size() > kMaxCatalogueSizes) {
        return Message(MessageId::CatalogueTooLong,
                       {MsgInteger(static_cast<long long>(kMaxCatalogueSizes))});
    }
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        const CatalogueSize& s = req.Catalogue[i];
        if (!(s.V0 > 0) || (i > 0 && !(s.V0 > req.Catalogue[i - 1].V0))) {
            return Message(MessageId::CatalogueOrder);
        }
        if (!(s.MaxRatio > 1) || (s.RatedPressure && !(*s.RatedPressure > 0)) ||
            (s.MaxFlow && !(*s.MaxFlow > 0)) || (s.Tau && !(*s.Tau >= 0)) ||
            (s.RatedSwing && !(*s.RatedSwing > 0)) || (s.RatedCycles && !(*s.RatedCycles >= 1))) {
            return Message(MessageId::CatalogueLimit, {MsgRounded(s.V0, 3)});
        }
    }
    if (req.RatedPressure && !(*req.RatedPressure > 0)) {
        return Message(MessageId::RatedPressurePositive);
    }
    if (req.ReliefSetting && !(*req.ReliefSetting > 0)) {
        return Message(MessageId::ReliefPositive);
    }
    if (req.ReliefSetting && req.RatedPressure && *req.ReliefSetting > *req.RatedPressure) {
        return Message(MessageId::ReliefAboveRated,
                       {MsgRounded(*req.ReliefSetting, 2), MsgRounded(*req.RatedPressure, 2)});
    }
    if (!(req.PrechargeTolerance >= 0 && req.PrechargeTolerance < 0.5)) {
        return Message(MessageId::PrechargeTolerance);
    }
    if (!(req.WorkingHours > 0 && req.WorkingHours <= 24 * 366)) {
        return Message(MessageId::WorkingHours);
    }
    if (!(req.PumpEfficiency > 0 && req.PumpEfficiency <= 1)) {
        return Message(MessageId::PumpEfficiency);
    }
    if (!(req.HoursPerYear > 0 && req.HoursPerYear <= 8760)) {
        return Message(MessageId::HoursPerYear);
    }
    if (!(state.Data.CycleTime > 0) || state.SimMovementCount <= 0) {
        return Message(MessageId::CycleMissing);
    }
    const double restart = state.Data.Pm - state.Data.Dp;
    if (!req.SingleCycle && !(req.MinPressure < restart)) {
        return Message(MessageId::RestartNotAboveMin,
                       {MsgRounded(req.MinPressure, 2), MsgRounded(restart, 2),
                        MsgRounded(state.Data.Pm - req.MinPressure, 2)});
    }
    CircuitData probe = state.Data;
    probe.V0 = static_cast<float>(req.Catalogue.front().V0);
    // Probed as one vessel: each design brings its own arrangement.
    GasSettings one = EngineeringGas(req.Gas);
    one.Vessels.Count = 1;
    one.Vessels.BottleVolume = 0;
    return CheckGasSettings(probe, one);
}

// Beyond one vessel: the arrangement of the smallest whole gas volume that
// passes, N identical accumulators in parallel of any type or one piston
// accumulator with gas bottles. Arrangements of a size that breaks a rule
// no arrangement changes (precharge, ratio, PS) are left out; so are those
// of no more gas than a single size that fell below p1, which hold the gas
// of a single vessel of their volume and so fall below it too. The
// candidates gain the arrangements tried, ending with the one that passes.
Status SearchArrangements(Evaluator& ev, SizingAnswer& answer, double p0, double qp,
                          const std::function<bool()>& stopped) {
    const Requirements& req = ev.Req();
    const double limit = answer.Recommended ? answer.Recommendation()->Proposed.GasVolume()
                                            : std::numeric_limits<double>::infinity();
    std::vector<std::pair<Design, size_t>> tries;
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        const Design one{req.Catalogue.at(i).V0, p0, qp};
        auto fixed = ev.CheckStatic(one, i);
        if (!fixed) return fixed.Error();
        // Skipping only saves runs: such an arrangement fails the same rule.
        if (!fixed->Rules[1] || !fixed->Rules[2] || !fixed->Rules[3]) continue;  // mutants: skip
        for (int n = 2; n <= kMaxParallel; ++n) tries.push_back({{one.V0, p0, qp, n}, i});
        if (req.Type != AccumulatorType::Piston) continue;
        for (double bottle : req.BottleSizes) {
            for (int k = 1; k <= kMaxBottles; ++k) {
                tries.push_back({{one.V0, p0, qp, 1, bottle, k}, i});
            }
        }
    }
    std::erase_if(tries, [&](const auto& t) { return t.first.GasVolume() >= limit; });
    // Smallest gas first; of equal gas, the fewer vessels, then the fewer
    // accumulators (a bottle costs less than a piston accumulator), then
    // the catalogue's order: the smaller accumulator with the larger bottle.
    std::stable_sort(tries.begin(), tries.end(), [](const auto& a, const auto& b) {
        const Design& x = a.first;
        const Design& y = b.first;
        if (x.GasVolume() != y.GasVolume()) {
            return x.GasVolume() < y.GasVolume();  // mutants: skip (never equal here)
        }
        const int xVessels = x.Count + x.Bottles, yVessels = y.Count + y.Bottles;
        if (xVessels != yVessels) {
            return xVessels < yVessels;  // mutants: skip (never equal here)
        }
        return x.Count < y.Count;
    });
    // Bottles the gas cannot fill at Pm are no arrangement at all.
    std::erase_if(tries, [&](const auto& t) {
        if (ev.CanFill(t.first, t.second)) return false;
        if (!answer.UnfilledBottles) answer.UnfilledBottles = t.first;
        return true;
    });
    // In order of gas, each first on quick runs that stop below p1, then
    // whole: more gas does not always hold a higher pressure (with more, the
    // pump may not restart before the next draw), so the first that passes
    // is found by walking, not by halving. Runs of equal gas are made once.
    std::vector<size_t> failing;  // the arrangements that fell short, in order
    for (size_t i = 0; i < tries.size(); ++i) {
        if (stopped()) return Message(MessageId::SizingStopped);
        const auto& [design, size] = tries[i];
        ++answer.ArrangementsTried;
        auto quick = ev.PassesRuns(design, size);
        if (!quick) return quick.Error();
        if (!*quick) {
            failing.push_back(i);
            continue;
        }
        auto e = ev.Evaluate(design, size);
        if (!e) return e.Error();
        if (!e->Passes()) {
            failing.push_back(i);
            continue;
        }
        // The last two that fell short show why the one chosen is needed.
        const size_t shown = std::min<size_t>(failing.size(), 2);
        for (size_t k = failing.size() - shown; k < failing.size(); ++k) {
            auto f = ev.Evaluate(tries[failing[k]].first, tries[failing[k]].second);
            if (!f) return f.Error();
            answer.Candidates.push_back(*f);
        }
        answer.Candidates.push_back(*e);
        answer.Recommended = answer.Candidates.size() - 1;
        return Done{};
    }
    return Done{};
}

gas::Result<SizingAnswer> SizeAccumulator(const CircuitState& state, const Requirements& req,
                                          const SizingProgress& progress) {
    using R = gas::Result<SizingAnswer>;
    if (auto ok = CheckRequirements(state, req); !ok) return R::Fail(ok.Error());
    Evaluator ev(state, req);
    SizingAnswer answer;
    double share = 0;  // mutants: skip (set before anything reads it)
    const auto stopped = [&] { return progress && !progress(share); };
    const auto cancelled = [&answer] {
        SizingAnswer empty;
        empty.Cancelled = true;
        answer = empty;
        return answer;
    };
    answer.Temperatures = ev.Temperatures();
    answer.CycleOil = ev.CycleOil();
    answer.BalancePump = ev.BalancePump();
    answer.AverageDemand = answer.BalancePump * req.Gas.Vessels.VolumetricEfficiency;
    answer.PeakDemand = ev.Demand().Peak;
    answer.DayCycles = req.SingleCycle ? 1 : ev.DayCycles();
    const size_t count = req.Catalogue.size();

    // With the precharge chosen: the highest that rule 2 allows, rounded down
    // to a tenth; per size, the lowest its compression ratio allows.
    // The highest precharge rule 2 allows bounds the fixes too.
    auto high = RuleBound(ev, 0, 1, true);
    if (!high) return R::Fail(high.Error());
    const double allowed = FloorTenth(*high);
    double top = state.Data.P0;
    std::vector<double> bottom(count, top);
    if (req.ChoosePrecharge) {
        top = allowed;
        bool window = false;
        for (size_t i = 0; i < count; ++i) {
            // Rule 3 depends on a size's ratio alone: sizes of equal ratio
            // share their bound.
            const auto same = std::find_if(
                req.Catalogue.begin(), req.Catalogue.begin() + i,
                [&](const CatalogueSize& s) { return s.MaxRatio == req.Catalogue[i].MaxRatio; });
            if (same != req.Catalogue.begin() + i) {
                bottom[i] = bottom[static_cast<size_t>(same - req.Catalogue.begin())];
                continue;
            }
            auto low = RuleBound(ev, i, 2, false);
            if (!low) return R::Fail(low.Error());
            // A floor keeps the precharge above zero; only a piston with p1
            // of a few bar ever meets it.
            bottom[i] = std::max(CeilTenth(*low), 0.1);  // mutants: skip
            window = window || bottom[i] <= top;
        }
        if (!window) {
            // Sizes of equal ratio have equal bounds: any of them will do.
            const auto byRatio = [](const auto& a, const auto& b) {
                return a.MaxRatio < b.MaxRatio;  // mutants: skip
            };
            const auto widest =
                std::max_element(req.Catalogue.begin(), req.Catalogue.end(), byRatio);
            const size_t at = static_cast<size_t>(widest - req.Catalogue.begin());
            return R::Fail(NoPrechargeWindow(ev, top, bottom[at], widest->MaxRatio));
        }
    }

    double qp = state.Data.Qp;
    answer.PumpOil = ev.PumpOil(qp);
    if (!req.SingleCycle && req.SizePump) {
        qp = std::max(qp, CeilTenth(ev.BalancePump() * kPumpHeadroom));
    } else if (!req.SingleCycle &&
               answer.PumpOil < answer.CycleOil - 1e-9) {  // mutants: skip (rounding room)
        // No size can make up for a pump that falls short of the cycle's oil.
        answer.PumpShort = true;
        if (progress) progress(1.0);
        return answer;
    }

    for (size_t i = 0; i < count; ++i) {
        share = kSizesShare * static_cast<double>(i) / count;
        if (stopped()) return cancelled();
        const double v0 = req.Catalogue[i].V0;
        // A size whose ratio leaves no precharge below rule 2's top keeps the top.
        const double p0 = req.ChoosePrecharge ? top : state.Data.P0;
        auto e = ev.Evaluate({v0, p0, qp}, i);
        if (!e) return R::Fail(e.Error());
        // At the top itself the lower precharge is the same one.
        const bool lower = bottom[i] < top;  // mutants: skip
        if (!e->Passes() && req.ChoosePrecharge && lower) {
            // Seldom of use (a lower polytrope falls lower), so first the
            // quick runs that stop below p1.
            auto holds = ev.PassesRuns({v0, bottom[i], qp}, i);
            if (!holds) return R::Fail(holds.Error());
            if (*holds) {
                auto lower = ev.Evaluate({v0, bottom[i], qp}, i);
                if (!lower) return R::Fail(lower.Error());
                if (lower->Passes()) e = lower;
            }
        }
        answer.Candidates.push_back(*e);
        if (e->Passes() && !answer.Recommended) answer.Recommended = answer.Candidates.size() - 1;
        if (answer.Recommended && i >= *answer.Recommended + 2) break;
    }

    if (req.Arrangements || !answer.Recommended) {
        const double p0 = req.ChoosePrecharge ? top : state.Data.P0;
        auto found = SearchArrangements(ev, answer, p0, qp, stopped);
        if (!found) {
            if (found.Error().id == MessageId::SizingStopped) return cancelled();
            return R::Fail(found.Error());
        }
    }

    share = kSizesShare;
    if (answer.Recommended && req.SizePump) {
        Evaluation& chosen = answer.Candidates[*answer.Recommended];
        const Design d = chosen.Proposed;
        int tried = 0;  // mutants: skip (progress only)
        // In steady operation never below the cycle's average demand; a
        // single cycle may need no pump at all.
        // Any start below the smallest passing pump gives the same pump.
        const double from =
            req.SingleCycle ? -0.1 : FloorTenth(ev.BalancePump()) - 0.1;  // mutants: skip
        auto least = SmallestPassing(from, 0.1, d.Qp, [&](double q) {
            share =
                kSizesShare + kPumpShare * std::min(1.0, ++tried / kSearchRuns);  // mutants: skip
            Design pumped = d;
            pumped.Qp = q;
            return stopped() ? gas::Result<bool>::Fail(MessageId::SizingStopped)
                             : ev.PassesRuns(pumped, chosen.Size);
        });
        if (!least) {
            if (least.Error().id == MessageId::SizingStopped) return cancelled();
            return R::Fail(least.Error());
        }
        Design pumped = d;
        pumped.Qp = least->value_or(d.Qp);
        auto e = ev.Evaluate(pumped, chosen.Size);
        if (!e) return R::Fail(e.Error());
        chosen = *e;
        answer.PumpSized = true;
        // A pump above what the oil needs may be the swing's doing: a tenth
        // less that fails on rule 7 alone says so.
        // Without a rating rule 7 cannot fail alone; the recommended pump
        // passes, so a passing one is always found.
        if (req.Catalogue[chosen.Size].RatedSwing && least->has_value()) {  // mutants: skip
            Design less = pumped;
            less.Qp = pumped.Qp - 0.1;
            auto smaller = ev.Evaluate(less, chosen.Size);
            if (!smaller) return R::Fail(smaller.Error());
            std::array<bool, kRuleCount> onlySwing{};
            onlySwing.fill(true);
            onlySwing[6] = false;
            if (smaller->Rules == onlySwing) answer.SwingPump = {less.Qp, smaller->Swing()};
        }
    }

    // Why each failing candidate fails; the fixes for the largest of them.
    const Evaluation* lastFailing = nullptr;
    for (const Evaluation& e : answer.Candidates) {
        // An arrangement that fails is one of several tried; the sizes say why.
        if (e.Passes() || !e.Proposed.Single()) continue;
        answer.Explanations.push_back(Explain(state, ev, e));
        if (!e.Rules[0] && !e.Temps.empty() &&
            (!answer.Recommended || e.Proposed.V0 < answer.Recommendation()->Proposed.V0)) {
            lastFailing = &e;
        }
    }
    if (lastFailing != nullptr) {
        int tried = 0;  // mutants: skip (progress only)
        const auto counting = [&] {
            share = kSizesShare + kPumpShare +
                    (1 - kSizesShare - kPumpShare) *
                        std::min(1.0, ++tried / (3 * kSearchRuns));  // mutants: skip
            return stopped();
        };
        for (Explanation& x : answer.Explanations) {
            if (x.V0 != lastFailing->Proposed.V0) continue;
            auto done = SearchFixes(ev, x, lastFailing->Proposed, allowed, counting);
            if (!done) {
                if (done.Error().id == MessageId::SizingStopped) return cancelled();
                return R::Fail(done.Error());
            }
        }
    }

    if (const Evaluation* rec = answer.Recommendation()) {
        for (double t : {0.0, 10.0, 20.0, 30.0, 40.0}) {
            auto p = ev.PrechargeAt(rec->Proposed.P0, t);
            if (!p) return R::Fail(p.Error());
            answer.PrechargeTable.push_back({t, *p});
        }
        answer.PumpOil = ev.PumpOil(rec->Proposed.Qp);
    }
    if (progress) progress(1.0);
    return answer;
}

}  // namespace volvenza::sizing
