#include "sizing/Fixes.h"

#include <algorithm>
#include <cmath>

#include "engine/CycleDemand.h"
#include "gas/GasLaw.h"
#include "sizing/Beside.h"
#include "sizing/SearchSteps.h"

namespace volvenza::sizing {
namespace {

// Oil missing to stay above p1: the gas volume reached at the lowest point
// less the one at p1 on the same polytrope, through full and lowest points.
double MissingOil(const TemperatureOutcome& o, GaugeBar pm, GaugeBar p1) {
    const AbsoluteBar full = ToAbsolute(pm);
    const AbsoluteBar low = ToAbsolute(GaugeBar(o.LowestPressure));
    // Only a pressure that fell below Pm from a gas that grew has a
    // polytrope through both points; the edges of these tests never occur
    // in a run that fails rule 1.
    if (!(low < full) || !(o.LowestVolume > o.FullVolume) || low <= AbsoluteBar(0)) return 0;
    const double k = std::log(full / low) / std::log(o.LowestVolume / o.FullVolume);
    const double atP1 = o.LowestVolume * std::pow(low / ToAbsolute(p1), 1 / k);
    return std::max(0.0, o.LowestVolume - atP1);
}

}  // namespace

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

Explanation Explain(const CircuitState& state, const Evaluator& ev, const Evaluation& e) {
    Explanation x;
    x.V0 = e.Proposed.V0;
    x.Size = e.Size;
    for (int r = 0; r < kRuleCount; ++r) {
        if (!e.Rules[r]) x.FailedRules.push_back(r + 1);
    }
    for (const MovementPressure& m : e.Movements) {
        if (!m.Passes()) x.ShortMovements.push_back(m);
    }
    x.Duties = e.Duties;
    if (e.Temps.empty()) return x;
    const TemperatureOutcome& worst = e.Worst();
    x.WorkTemp = worst.WorkTemp;
    x.Time = worst.LowestTime;
    x.Cycle = worst.WorstCycle;
    x.LowestPressure = worst.LowestPressure;
    x.Active = ActiveAt(state, worst.LowestTime);
    x.AtLeast = worst.Warning;
    for (const TemperatureOutcome& o : e.Temps) x.OutsideGas = x.OutsideGas || o.OutsideGas;
    x.MissingOil = MissingOil(worst, GaugeBar(ev.Base().Pm), ev.Req().MinPressure);
    const double p1 = ev.Req().MinPressure.value();
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
    // Where the pump loads too often (the coldest such run first), the
    // other figures are of the cycles run up to there: that is what is said.
    // A run that emptied counted its loads over the part it ran, not over a
    // cycle: the emptying is what is said of it.
    for (const TemperatureOutcome& o : e.Temps) {
        const bool averageOfPart = o.Warning && !o.Chatters;
        if (x.Chatters || averageOfPart || !LoadsTooOften(o, Typed(ev.Base().CycleTime))) {
            continue;
        }
        x.Chatters = true;
        x.WorkTemp = o.WorkTemp;
        x.ChatterAt = o.ChatterAt;
        x.ChatterCycle = o.ChatterCycle;
        x.PumpStarts = o.PumpStarts;
    }
    return x;
}

// The smallest change of one figure that makes the runs pass.
Status SearchFixes(Evaluator& ev, Explanation& x, const Design& d, double p0Top,
                   const std::function<bool()>& stopped) {
    const size_t size = x.Size;
    const auto search = [&](Evaluator& on, double from, double unit, double ceiling,
                            auto with) -> Result<std::optional<double>> {
        return SmallestPassing(
            from, unit, ceiling,
            [&](double v) {
                return stopped() ? Result<bool>::Fail(MessageId::SizingStopped)
                                 : on.PassesRuns(with(v), size);
            },
            [&](double v) { on.Expect(with(v), size); });
    };
    const auto volume = [&](Evaluator& on) -> Status {
        const Dm3 largest = std::max(on.Req().Catalogue.back().V0, d.V0) * 4;
        auto v0 = search(on, d.V0.value(), 0.01, largest.value(), [&](double v) {
            return Design{Dm3(v), d.P0, d.Qp};
        });
        if (!v0) return v0.Error();
        x.FixV0 = *v0;
        return Done{};
    };
    // The precharge's and the pump's searches, one after the other.
    const auto others = [&](Evaluator& on) -> Status {
        // A higher precharge holds more oil above p1, up to what rule 2 allows.
        // At the top itself the search finds nothing above it.
        if (d.P0 < GaugeBar(p0Top)) {
            auto p0 = search(on, d.P0.value(), 0.1, p0Top, [&](double p) {
                return Design{d.V0, GaugeBar(p), d.Qp};
            });
            if (!p0) return p0.Error();
            x.FixP0 = *p0;
        }
        // Far more pump than any cycle asks for bounds the search.
        const double from = on.Req().SingleCycle
                                ? d.Qp.value()
                                : std::max(d.Qp.value(), FloorTenth(on.BalancePump()));
        auto qp = search(on, from, 0.1, std::max(from, 1.0) * 64, [&](double q) {
            return Design{d.V0, d.P0, Dm3PerMin(q)};
        });
        if (!qp) return qp.Error();
        x.FixQp = *qp;
        return Done{};
    };
    if (!ev.SideBySide()) {
        if (Status done = volume(ev); !done) return done;
        return others(ev);
    }
    // On long cycles the searches run side by side, the precharge's and the
    // pump's on a copy of the evaluator, one temperature at a time; each
    // finds what it would alone, and the first failure in their order is the one told.
    Evaluator copy = ev;
    copy.OneAtATime(true);
    auto beside = Beside([&] { return others(copy); });
    const Status first = volume(ev);
    const Status second = beside.get();
    return first ? second : first;
}

// The sentence that says no precharge passes rules 2 and 3 together, and
// what would: a piston type, a lower Pm or a higher p1.
Message NoPrechargeWindow(const Evaluator& ev, double top, double bottom, double ratio) {
    // Every figure is already a whole tenth: more decimals would show the same.
    constexpr int kTenth = 1;
    const Requirements& req = ev.Req();
    const double tol = req.PrechargeTolerance;
    MessagePart pm = MsgVerbatim("?"), p1 = MsgVerbatim("?");
    // Pm the top precharge allows; p1 that lets the bottom one pass rule 2,
    // both on absolute pressures.
    if (auto cold = ev.PrechargeAt(GaugeBar(top * (1 - tol)), ev.Temperatures().front())) {
        pm = MsgRounded(FloorTenth(ToGauge(ratio * ToAbsolute(*cold)).value()), kTenth);
    }
    if (auto warm = ev.PrechargeAt(GaugeBar(bottom * (1 + tol)), ev.Temperatures().back())) {
        p1 = MsgRounded(CeilTenth(ToGauge(ToAbsolute(*warm) / 0.9).value()), kTenth);
    }
    return Message(
        MessageId::NoPrechargeWindow,
        {MsgRounded(bottom, kTenth), MsgRounded(top, kTenth), std::move(pm), std::move(p1)});
}

}  // namespace volvenza::sizing
