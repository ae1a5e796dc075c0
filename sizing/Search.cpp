#include "sizing/Search.h"

#include <algorithm>
#include <cmath>

#include "numbers/NumberText.h"

namespace volvenza::sizing {
namespace {

// Halvings of the precharge bounds: far past double precision either way.
constexpr int kBisections = 60;  // mutants: skip
// How a search stopped from outside unwinds through the results.
constexpr const char* kStopped = "interrotto";

// The largest precharge (in the data's frame) that keeps rule `rule` true
// when `rising` says the rule fails above it, or the smallest that does
// when the rule fails below it.
gas::Result<double> PrechargeBound(const Evaluator& ev, int rule, bool failsAbove) {
    // Any start below the bound and any above it give the same bound.
    double lo = 0;  // mutants: skip
    double hi = std::max(ev.Req().MinPressure, static_cast<double>(ev.Base().Pm)) * 2 + 10;
    for (int i = 0; i < kBisections; ++i) {
        const double mid = (lo + hi) / 2;
        auto e = ev.CheckStatic({ev.Base().V0, mid, ev.Base().Qp});
        if (!e) return gas::Result<double>::Fail(e.Error());
        // Keep lo on the side that passes when failing above, on the failing one otherwise.
        ((e->Rules[rule] == failsAbove) ? lo : hi) = mid;
    }
    return failsAbove ? lo : hi;
}

// The smallest value in hundredths or tenths (`unit`) between `from` and
// where `passes` first holds, when it holds at `from` times a few doublings.
template <class Passes>
gas::Result<std::optional<double>> SmallestPassing(double from, double unit, double ceiling,
                                                   Passes passes) {
    using R = gas::Result<std::optional<double>>;
    long lo = static_cast<long>(std::floor(from / unit));
    // The first guess only sets where the bracket starts.
    long hi = std::max(lo + 1,  // mutants: skip
                       static_cast<long>(std::ceil(std::max(from, unit) * 2 / unit)));
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
        hi *= 2;
    }
    while (hi - lo > 1) {
        const long mid = lo + (hi - lo) / 2;
        auto ok = passes(mid * unit);
        if (!ok) return R::Fail(ok.Error());
        (*ok ? hi : lo) = mid;
    }
    // Divided rather than multiplied, so that 194 tenths come out as 19.4.
    return std::optional<double>(hi / std::round(1 / unit));
}

// Movements drawing oil over the step that leads to point `step`: the
// pressure there follows from the flow of the step before.
std::vector<ActiveMovement> ActiveAt(const CircuitState& state, int step) {
    const float t = static_cast<float>(std::max(step - 1, 0)) * state.TimeStep;
    std::vector<ActiveMovement> active;
    for (int i = 1; i <= state.SimMovementCount; ++i) {
        const Movement& m = state.Movements[i];
        if (m.Ti <= t && m.Tf > t && m.Qm != 0) active.push_back({i, m.Kind});
    }
    return active;
}

// Oil missing to stay above p1: the gas volume reached at the lowest point
// less the one at p1 on the same polytrope, through full and lowest points.
double MissingOil(const TemperatureOutcome& o, double pm, double p1, double atm) {
    const double full = pm + atm;
    const double low = o.LowestPressure + atm;
    // Only a pressure that fell below Pm from a gas that grew has a
    // polytrope through both points; the edges of these tests never occur
    // in a run that fails rule 1.
    if (!(low < full) || !(o.LowestVolume > o.FullVolume) || low <= 0) return 0;  // mutants: skip
    const double k = std::log(full / low) / std::log(o.LowestVolume / o.FullVolume);
    const double atP1 = o.LowestVolume * std::pow(low / (p1 + atm), 1 / k);
    return std::max(0.0, o.LowestVolume - atP1);
}

Explanation Explain(const CircuitState& state, const Evaluator& ev, const Evaluation& e) {
    Explanation x;
    x.V0 = e.Proposed.V0;
    for (int r = 0; r < kRuleCount; ++r) {
        if (!e.Rules[r]) x.FailedRules.push_back(r + 1);
    }
    const TemperatureOutcome& worst = e.Worst();
    x.WorkTemp = worst.WorkTemp;
    x.Time = static_cast<float>(worst.LowestDrawStep) * state.TimeStep;
    x.Cycle = worst.WorstCycle;
    x.LowestPressure = worst.LowestPressure;
    x.Active = ActiveAt(state, worst.LowestDrawStep);
    x.AtLeast = worst.Warning;
    x.MissingOil = MissingOil(worst, ev.Base().Pm, ev.Req().MinPressure, ev.Atmosphere());
    return x;
}

// The smallest change of one figure that makes the runs pass.
gas::Result<bool> SearchFixes(Evaluator& ev, Explanation& x, const Design& d,
                              const std::function<bool()>& stopped) {
    auto runs = [&](const Design& changed) {
        return stopped() ? gas::Result<bool>::Fail(kStopped) : ev.PassesRuns(changed);
    };
    const double largest = std::max(ev.Req().Catalogue.back(), d.V0) * 4;
    auto v0 = SmallestPassing(d.V0, 0.01, largest, [&](double v) { return runs({v, d.P0, d.Qp}); });
    if (!v0) return gas::Result<bool>::Fail(v0.Error());
    x.FixV0 = *v0;
    // A higher precharge holds more oil above p1, up to what rule 2 allows.
    auto allowed = PrechargeBound(ev, 1, true);
    if (!allowed) return gas::Result<bool>::Fail(allowed.Error());
    const double p0Top = std::floor(*allowed * 10) / 10;
    if (d.P0 < p0Top) {
        auto p0 = SmallestPassing(d.P0, 0.1, p0Top, [&](double p) {
            return runs({d.V0, p, d.Qp});
        });
        if (!p0) return gas::Result<bool>::Fail(p0.Error());
        x.FixP0 = *p0;
    }
    // Far more pump than any cycle asks for bounds the search.
    auto qp = SmallestPassing(d.Qp, 0.1, std::max(d.Qp, 1.0) * 64, [&](double q) {  // mutants: skip
        return runs({d.V0, d.P0, q});
    });
    if (!qp) return gas::Result<bool>::Fail(qp.Error());
    x.FixQp = *qp;
    return true;
}

std::string FailedRulesText(const std::vector<int>& rules) {
    std::string text;
    for (int r : rules) text += (text.empty() ? "" : ", ") + std::to_string(r);
    return text;
}

}  // namespace

std::string MovementKindName(int16_t kind) {
    switch (kind) {
        case MovementKind::CylinderExtending:
            return "cilindro in uscita";
        case MovementKind::CylinderRetracting:
            return "cilindro in rientro";
        case MovementKind::DifferentialPiston:
            return "pistone differenziale";
        case MovementKind::Motor:
            return "motore";
        case MovementKind::VaneActuator:
            return "attuatore a palette";
        case MovementKind::DoubleRodCylinder:
            return "cilindro a doppio stelo";
        case MovementKind::SingleActingCylinder:
            return "cilindro a semplice effetto";
        default:
            return "movimento";
    }
}

std::optional<std::string> CheckRequirements(const CircuitState& state, const Requirements& req) {
    if (!(req.MinPressure > 0)) return std::string("La pressione minima p1 deve essere positiva");
    if (!(req.MinPressure < state.Data.Pm)) {
        return std::string("La pressione minima p1 deve essere minore della pressione massima Pm");
    }
    if (req.Catalogue.empty()) return std::string("Il catalogo non contiene alcuna grandezza");
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        if (!(req.Catalogue[i] > 0) || (i > 0 && !(req.Catalogue[i] > req.Catalogue[i - 1]))) {
            return std::string(
                "Il catalogo deve elencare volumi positivi in ordine crescente, senza ripetizioni");
        }
    }
    if (req.RatedPressure && !(*req.RatedPressure > 0)) {
        return std::string("La pressione nominale PS deve essere positiva");
    }
    if (req.ReliefSetting && !(*req.ReliefSetting > 0)) {
        return std::string("La taratura della valvola di massima deve essere positiva");
    }
    if (!(state.Data.CycleTime > 0) || state.SimMovementCount <= 0) {
        return std::string("Mancano i dati del ciclo: tempo di ciclo e movimenti");
    }
    CircuitData probe = state.Data;
    probe.V0 = static_cast<float>(req.Catalogue.front());
    if (auto err = CheckGasSettings(probe, req.Gas, state.TimeStep)) return err;
    return std::nullopt;
}

gas::Result<SizingAnswer> SizeAccumulator(const CircuitState& state, const Requirements& req,
                                          const SizingProgress& progress) {
    using R = gas::Result<SizingAnswer>;
    if (auto err = CheckRequirements(state, req)) return R::Fail(*err);
    Evaluator ev(state, req);
    SizingAnswer answer;
    // The share told to the progress: the sizes tried, then the searches of
    // one figure in the last tenth.
    double share = 0;
    const auto stopped = [&] { return progress && !progress(share); };
    answer.Temperatures = RunTemperatures(req.Gas, state.Data.Tc);

    // With the precharge chosen: the highest that rule 2 allows, rounded down
    // to a tenth; the lowest rule 3 allows is tried when that one fails.
    double top = state.Data.P0;
    double bottom = top;
    if (req.ChoosePrecharge) {
        auto high = PrechargeBound(ev, 1, true);
        if (!high) return R::Fail(high.Error());
        auto low = PrechargeBound(ev, 2, false);
        if (!low) return R::Fail(low.Error());
        top = std::floor(*high * 10) / 10;
        bottom = std::max(std::ceil(*low * 10) / 10, 0.1);
    }
    const double qp = state.Data.Qp;
    const size_t count = req.Catalogue.size();
    for (size_t i = 0; i < count; ++i) {
        share = 0.9 * static_cast<double>(i) / count;
        if (stopped()) {
            answer.Cancelled = true;
            return answer;
        }
        auto e = ev.Evaluate({req.Catalogue[i], top, qp});
        if (!e) return R::Fail(e.Error());
        const bool onlyRuns = !e->Rules[0] && e->Rules[1] && e->Rules[2] && e->Rules[3];
        if (onlyRuns && bottom < top) {
            // Seldom of use (a lower polytrope falls lower), so first the
            // quick runs that stop below p1.
            auto holds = ev.PassesRuns({req.Catalogue[i], bottom, qp});
            if (!holds) return R::Fail(holds.Error());
            if (*holds) {
                auto lower = ev.Evaluate({req.Catalogue[i], bottom, qp});
                if (!lower) return R::Fail(lower.Error());
                if (lower->Passes()) e = lower;
            }
        }
        answer.Candidates.push_back(*e);
        if (e->Passes() && !answer.Recommended) answer.Recommended = i;
        if (answer.Recommended && i >= *answer.Recommended + 2) break;
    }

    share = 0.9;
    if (answer.Recommended && req.SizePump) {
        Evaluation& chosen = answer.Candidates[*answer.Recommended];
        const Design d = chosen.Proposed;
        // From a tenth below zero, so that no pump at all is tried too.
        auto least = SmallestPassing(-0.1, 0.1, d.Qp, [&](double q) {
            return stopped() ? gas::Result<bool>::Fail(kStopped) : ev.PassesRuns({d.V0, d.P0, q});
        });
        if (!least && least.Error() == kStopped) {
            answer.Cancelled = true;
            return answer;
        }
        if (!least) return R::Fail(least.Error());
        const double pump = least->value_or(d.Qp);
        auto e = ev.Evaluate({d.V0, d.P0, pump});
        if (!e) return R::Fail(e.Error());
        chosen = *e;
    }

    // Why each failing candidate fails; the fixes for the largest of them.
    const Evaluation* lastFailing = nullptr;
    for (const Evaluation& e : answer.Candidates) {
        if (e.Passes()) continue;
        answer.Explanations.push_back(Explain(state, ev, e));
        if (!e.Rules[0] &&
            (!answer.Recommended || e.Proposed.V0 < answer.Recommendation()->Proposed.V0)) {
            lastFailing = &e;
        }
    }
    if (lastFailing != nullptr) {
        for (Explanation& x : answer.Explanations) {
            if (x.V0 != lastFailing->Proposed.V0) continue;
            auto done = SearchFixes(ev, x, lastFailing->Proposed, stopped);
            if (!done && done.Error() == kStopped) {
                answer.Cancelled = true;
                return answer;
            }
            if (!done) return R::Fail(done.Error());
        }
    }

    if (const Evaluation* rec = answer.Recommendation()) {
        for (double t : {0.0, 10.0, 20.0, 30.0, 40.0}) {
            auto p = ev.PrechargeAt(rec->Proposed, t);
            if (!p) return R::Fail(p.Error());
            answer.PrechargeTable.push_back({t, *p});
        }
    } else {
        const Evaluation& largest = answer.Candidates.back();
        answer.Reason = "Nessuna grandezza del catalogo rispetta tutte le regole: la più grande (" +
                        FormatNumber(largest.Proposed.V0) + " dm3) non rispetta la regola " +
                        FailedRulesText(answer.Explanations.back().FailedRules) + ".";
    }
    if (progress) progress(1.0);
    return answer;
}

}  // namespace volvenza::sizing
