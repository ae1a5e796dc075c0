#include "sizing/Search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>

#include "engine/CycleRun.h"
#include "engine/Simulation.h"
#include "gas/GasLaw.h"
#include "sizing/Arrangements.h"
#include "sizing/Beside.h"
#include "sizing/Fixes.h"
#include "sizing/RequirementForm.h"
#include "sizing/SearchSteps.h"

namespace volvenza::sizing {
namespace {

// With the pump sized, the sizes are tried with a pump this much above the
// cycle's average demand when the data's pump is below it.
constexpr double kPumpHeadroom = 1.25;
// Runs a one-figure search takes, about, and the sizes tried from the first
// that passes on: for the progress only, which counts runs, the phases' own
// and those still expected of the phases after them.
constexpr double kSearchRuns = 20;
constexpr double kSizesPast = 3;

}  // namespace

Status CheckRequirements(const CircuitState& state, const Requirements& req) {
    if (Status p1 = CheckRequirementFigure(RequirementBox::MinPressure, req.MinPressure.value());
        !p1) {
        return p1;
    }
    if (!(req.MinPressure < GaugeBar(state.Data.Pm))) return Message(MessageId::MinBelowMax);
    if (req.Catalogue.empty()) return Message(MessageId::CatalogueEmpty);
    if (req.Catalogue.size() > kMaxCatalogueSizes) {
        return Message(MessageId::CatalogueTooLong,
                       {MsgInteger(static_cast<long long>(kMaxCatalogueSizes))});
    }
    for (size_t i = 0; i < req.Catalogue.size(); ++i) {
        const CatalogueSize& s = req.Catalogue[i];
        if (!(s.V0 > Dm3(0)) || (i > 0 && !(s.V0 > req.Catalogue[i - 1].V0))) {
            return Message(MessageId::CatalogueOrder);
        }
        if (!(s.MaxRatio > 1) || (s.RatedPressure && !(*s.RatedPressure > GaugeBar(0))) ||
            (s.MaxFlow && !(*s.MaxFlow > Dm3PerMin(0))) || (s.Tau && !(*s.Tau >= 0)) ||
            (s.RatedSwing && !(*s.RatedSwing > BarDifference(0))) ||
            (s.RatedCycles && !(*s.RatedCycles >= 1))) {
            return Message(MessageId::CatalogueLimit, {MsgRounded(s.V0.value(), 3)});
        }
    }
    // The figures of one box each, in the form's order (a requirement not
    // given has none); the relief setting must protect the accumulator.
    for (const RequirementBox box :
         {RequirementBox::RatedPressure, RequirementBox::ReliefSetting, RequirementBox::Tolerance,
          RequirementBox::WorkingHours, RequirementBox::PumpEfficiency,
          RequirementBox::HoursPerYear}) {
        for (const double figure : RequirementFigures(req, box)) {
            if (Status fits = CheckRequirementFigure(box, figure); !fits) return fits;
        }
        if (box == RequirementBox::ReliefSetting && req.ReliefSetting && req.RatedPressure &&
            *req.ReliefSetting > *req.RatedPressure) {
            return Message(MessageId::ReliefAboveRated,
                           {MsgRounded(req.ReliefSetting->value(), 2),
                            MsgRounded(req.RatedPressure->value(), 2)});
        }
    }
    if (!(state.Data.CycleTime > 0) || state.SimMovementCount <= 0) {
        return Message(MessageId::CycleMissing);
    }
    if (Status movements = CheckMovements(state, state.SimMovementCount); !movements) {
        return movements;
    }
    const double restart = state.Data.Pm - state.Data.Dp;
    if (!req.SingleCycle && !(req.MinPressure < GaugeBar(restart))) {
        return Message(MessageId::RestartNotAboveMin,
                       {MsgRounded(req.MinPressure.value(), 2), MsgRounded(restart, 2),
                        MsgRounded(state.Data.Pm - req.MinPressure.value(), 2)});
    }
    if (req.Duties.Hold) {
        if (Status hold = CheckHold(*req.Duties.Hold, state.Data, EngineeringGas(req.Gas).Law);
            !hold) {
            return hold;
        }
    }
    CircuitData probe = state.Data;
    probe.V0 = static_cast<float>(req.Catalogue.front().V0.value());
    // Probed as one vessel: each design brings its own arrangement.
    GasSettings one = EngineeringGas(req.Gas);
    one.Vessels.Count = 1;
    one.Vessels.BottleVolume = 0;
    return CheckGasSettings(probe, one);
}

namespace {

// A search's phases, in the order they run, over one evaluator and one answer.
class SearchRun {
  public:
    SearchRun(const CircuitState& state, const Requirements& req, const SizingProgress& progress)
        : state_(state), req_(req), progress_(progress), ev_(state, req) {}

    Result<SizingAnswer> Run();

  private:
    // What the cycle asks before any design is run.
    void Demand();
    // With the precharge chosen: the highest that rule 2 allows, rounded
    // down to a tenth; per size, the lowest its compression ratio allows.
    Status PrechargeWindow();
    // Whether the pump can deliver the cycle's oil at all; the pump the sizes run with.
    bool PumpFor();
    // The sizes in order, up to two above the first that passes.
    Status TrySizes();
    // The smallest pump the recommendation passes with.
    Status SizePump();
    // Why each failing candidate fails (no run needed); the candidate whose
    // fixes are searched, the largest that falls below p1, if any.
    const Evaluation* Explain();
    // The fixes of that candidate, on `ev`.
    Status Fixes(const Evaluation& failing, Evaluator& ev);
    // The pump's search and the fixes, side by side on long cycles.
    Status PumpAndFixes();
    // The precharge to set at 0 to 40 °C.
    Status PrechargeTable();

    bool Stopped() { return progress_ && !progress_(share_); }
    // Before a run, with `left` runs still expected, this one included: the
    // share done moves on (never back) and the caller may stop the search.
    bool Next(double left);
    // Runs the pump's search and the fixes are expected to make, as far as
    // the sizes tried so far tell.
    double LaterRuns() const;
    GaugeBar Precharge() const { return GaugeBar(req_.ChoosePrecharge ? top_ : state_.Data.P0); }

    const CircuitState& state_;
    const Requirements& req_;
    const SizingProgress& progress_;
    std::mutex progressLock_;  // the searches side by side report in turn
    Evaluator ev_;
    SizingAnswer answer_;
    double share_ = 0;
    double runs_ = 0;
    double allowed_ = 0;          // the highest precharge rule 2 allows, to a tenth
    double top_ = 0;              // the precharge the sizes start from
    std::vector<double> bottom_;  // per size, the lowest precharge rule 3 allows
    double qp_ = 0;               // the pump the sizes run with
};

void SearchRun::Demand() {
    answer_.Temperatures = ev_.Temperatures();
    answer_.CycleOil = ev_.CycleOil();
    answer_.BalancePump = ev_.BalancePump();
    answer_.AverageDemand = answer_.BalancePump * req_.Gas.Vessels.VolumetricEfficiency;
    answer_.PeakDemand = ev_.Demand().Peak;
    answer_.DayCycles = req_.SingleCycle ? 1 : ev_.DayCycles();
}

Status SearchRun::PrechargeWindow() {
    // The highest precharge rule 2 allows bounds the fixes too.
    auto high = RuleBound(ev_, 0, kPrechargeRule, true);
    if (!high) return high.Error();
    allowed_ = FloorTenth(*high);
    top_ = state_.Data.P0;
    const size_t count = req_.Catalogue.size();
    bottom_.assign(count, top_);
    if (!req_.ChoosePrecharge) return Done{};
    top_ = allowed_;
    bool window = false;
    for (size_t i = 0; i < count; ++i) {
        // Rule 3 depends on a size's ratio alone: sizes of equal ratio
        // share their bound.
        const auto same = std::find_if(
            req_.Catalogue.begin(), req_.Catalogue.begin() + i,
            [&](const CatalogueSize& s) { return s.MaxRatio == req_.Catalogue[i].MaxRatio; });
        if (same != req_.Catalogue.begin() + i) {
            bottom_[i] = bottom_[static_cast<size_t>(same - req_.Catalogue.begin())];
            continue;
        }
        auto low = RuleBound(ev_, i, kRatioRule, false);
        if (!low) return low.Error();
        // A floor keeps the precharge above zero; only a piston with p1
        // of a few bar ever meets it.
        bottom_[i] = std::max(CeilTenth(*low), 0.1);
        window = window || bottom_[i] <= top_;
    }
    if (window) return Done{};
    // Sizes of equal ratio have equal bounds: any of them will do.
    const auto byRatio = [](const auto& a, const auto& b) { return a.MaxRatio < b.MaxRatio; };
    const auto widest = std::max_element(req_.Catalogue.begin(), req_.Catalogue.end(), byRatio);
    const size_t at = static_cast<size_t>(widest - req_.Catalogue.begin());
    return NoPrechargeWindow(ev_, top_, bottom_[at], widest->MaxRatio);
}

bool SearchRun::PumpFor() {
    qp_ = state_.Data.Qp;
    answer_.PumpOil = ev_.PumpOil(Dm3PerMin(qp_));
    if (!req_.SingleCycle && req_.SizePump) {
        qp_ = std::max(qp_, CeilTenth(ev_.BalancePump() * kPumpHeadroom));
        return true;
    }
    // No size can make up for a pump that falls short of the cycle's oil.
    const bool shortOfOil = answer_.PumpOil < answer_.CycleOil - 1e-9;
    answer_.PumpShort = !req_.SingleCycle && shortOfOil;
    return !answer_.PumpShort;
}

bool SearchRun::Next(double left) {
    const std::lock_guard<std::mutex> lock(progressLock_);
    share_ = std::max(share_, runs_ / (runs_ + std::max(left, 1.0)));
    ++runs_;
    return Stopped();
}

double SearchRun::LaterRuns() const {
    const bool failed = std::any_of(answer_.Candidates.begin(), answer_.Candidates.end(),
                                    [](const Evaluation& e) { return !e.Passes(); });
    return (req_.SizePump ? kSearchRuns : 0) + (failed ? 3 * kSearchRuns : 0);
}

Status SearchRun::TrySizes() {
    const size_t count = req_.Catalogue.size();
    // On long cycles the lower precharge's quick runs of one size run
    // beside the next size's runs, on a copy of the evaluator, one
    // temperature at a time; the next size is run ahead only when the
    // search goes on to it whatever the lower precharge gives.
    Evaluator lowerEv = ev_;
    lowerEv.OneAtATime(true);
    std::optional<Result<Evaluation>> ahead;
    for (size_t i = 0; i < count; ++i) {
        // Up to two sizes past the first that passes, or three more when none has yet.
        const double last = answer_.Recommended ? static_cast<double>(*answer_.Recommended) + 2
                                                : static_cast<double>(i) + kSizesPast - 1;
        const double sizes = std::min(last, static_cast<double>(count) - 1) - i + 1;
        if (Next(sizes + LaterRuns())) return Message(MessageId::SizingStopped);
        const Dm3 v0 = req_.Catalogue[i].V0;
        auto e = ahead ? std::move(*ahead) : ev_.Evaluate({v0, Precharge(), Dm3PerMin(qp_)}, i);
        ahead.reset();
        if (!e) return e.Error();
        const bool goesOn =
            i + 1 < count && !(answer_.Recommended && i >= *answer_.Recommended + 2);
        // At the top itself the lower precharge is the same one.
        const bool lower = bottom_[i] < top_;
        if (!e->Passes() && req_.ChoosePrecharge && lower) {
            // Seldom of use (a lower polytrope falls lower), so first the
            // quick runs that stop below p1.
            const Design low{v0, GaugeBar(bottom_[i]), Dm3PerMin(qp_)};
            Result<bool> holds = false;
            if (goesOn && ev_.SideBySide()) {
                auto quick = Beside([&] { return lowerEv.PassesRuns(low, i); });
                ahead =
                    ev_.Evaluate({req_.Catalogue[i + 1].V0, Precharge(), Dm3PerMin(qp_)}, i + 1);
                holds = quick.get();
            } else {
                holds = ev_.PassesRuns(low, i);
            }
            if (!holds) return holds.Error();
            if (*holds) {
                auto whole = ev_.Evaluate(low, i);
                if (!whole) return whole.Error();
                if (whole->Passes()) e = whole;
            }
        }
        answer_.Candidates.push_back(*e);
        if (e->Passes() && !answer_.Recommended) {
            answer_.Recommended = answer_.Candidates.size() - 1;
        }
        if (answer_.Recommended && i >= *answer_.Recommended + 2) break;
    }
    return Done{};
}

Status SearchRun::SizePump() {
    if (!answer_.Recommended || !req_.SizePump) return Done{};
    Evaluation& chosen = answer_.Candidates[*answer_.Recommended];
    const Design d = chosen.Proposed;
    int tried = 0;
    // In steady operation never below the cycle's average demand; a single
    // cycle may need no pump at all. Any start below the smallest passing
    // pump gives the same pump.
    const double from = req_.SingleCycle ? -0.1 : FloorTenth(ev_.BalancePump()) - 0.1;
    const double fixes = LaterRuns() - kSearchRuns;
    const auto withPump = [&](double q) {
        Design pumped = d;
        pumped.Qp = Dm3PerMin(q);
        return pumped;
    };
    auto least = SmallestPassing(
        from, 0.1, d.Qp.value(),
        [&](double q) {
            return Next(kSearchRuns - tried++ + fixes)
                       ? Result<bool>::Fail(MessageId::SizingStopped)
                       : ev_.PassesRuns(withPump(q), chosen.Size);
        },
        [&](double q) { ev_.Expect(withPump(q), chosen.Size); });
    if (!least) return least.Error();
    Design pumped = d;
    pumped.Qp = Dm3PerMin(least->value_or(d.Qp.value()));
    auto e = ev_.Evaluate(pumped, chosen.Size);
    // Near a pump that starts at another moment each cycle, a run that
    // watches for p1 can part from the whole run by a rounding and end
    // otherwise: the pump recommended is one whose whole runs pass, and the
    // data's pump did.
    for (long tenths = std::lround(pumped.Qp.value() * 10);
         e && !e->Passes() && pumped.Qp < d.Qp;) {
        if (Next(fixes)) return Message(MessageId::SizingStopped);
        pumped.Qp = std::min(Dm3PerMin(static_cast<double>(++tenths) / 10), d.Qp);
        e = ev_.Evaluate(pumped, chosen.Size);
    }
    if (!e) return e.Error();
    chosen = *e;
    answer_.PumpSized = true;
    // A pump above what the oil needs may be the swing's doing: a tenth less
    // that fails on rule 7 alone says so. Without a rating rule 7 cannot
    // fail alone; the recommended pump passes, so a passing one is always found.
    if (!req_.Catalogue[chosen.Size].RatedSwing || !least->has_value()) {
        return Done{};
    }
    Design less = pumped;
    less.Qp = pumped.Qp - Dm3PerMin(0.1);
    auto smaller = ev_.Evaluate(less, chosen.Size);
    if (!smaller) return smaller.Error();
    std::array<bool, kRuleCount> onlySwing{};
    onlySwing.fill(true);
    onlySwing[kSwingRule] = false;
    if (smaller->Rules == onlySwing) answer_.SwingPump = {less.Qp.value(), smaller->Swing()};
    return Done{};
}

const Evaluation* SearchRun::Explain() {
    const Evaluation* lastFailing = nullptr;
    for (const Evaluation& e : answer_.Candidates) {
        // An arrangement that fails is one of several tried; the sizes say why.
        if (e.Passes() || !e.Proposed.Single()) continue;
        answer_.Explanations.push_back(sizing::Explain(state_, ev_, e));
        const bool duty =
            !e.Rules[kPressureRule] || !e.Rules[kEmergencyRule] || !e.Rules[kHoldRule];
        if (duty && !e.Temps.empty() &&
            (!answer_.Recommended || e.Proposed.V0 < answer_.Recommendation()->Proposed.V0)) {
            lastFailing = &e;
        }
    }
    return lastFailing;
}

Status SearchRun::Fixes(const Evaluation& failing, Evaluator& ev) {
    std::atomic<int> tried = 0;
    const auto counting = [&] { return Next(3 * kSearchRuns - tried++); };
    for (Explanation& x : answer_.Explanations) {
        if (x.V0 != failing.Proposed.V0) continue;
        if (Status done = SearchFixes(ev, x, failing.Proposed, allowed_, counting); !done) {
            return done;
        }
    }
    return Done{};
}

Status SearchRun::PumpAndFixes() {
    // The pump's search changes only the recommendation, which passes and
    // is never explained: the explanations come first, and the fixes need
    // nothing of the pump's search.
    const Evaluation* failing = Explain();
    const bool pump = answer_.Recommended && req_.SizePump;
    if (failing == nullptr || !pump || !ev_.SideBySide()) {
        if (Status s = SizePump(); !s) return s;
        return failing != nullptr ? Fixes(*failing, ev_) : Done{};
    }
    // On long cycles side by side, the fixes on a copy of the evaluator and
    // the pump's search one temperature at a time: each finds what it would
    // alone, and the pump's failure, which came first, is the one told.
    Evaluator fixer = ev_;
    auto fixes = Beside([&] { return Fixes(*failing, fixer); });
    ev_.OneAtATime(true);
    const Status pumped = SizePump();
    ev_.OneAtATime(false);
    const Status fixed = fixes.get();
    return pumped ? fixed : pumped;
}

Status SearchRun::PrechargeTable() {
    const Evaluation* rec = answer_.Recommendation();
    if (rec == nullptr) return Done{};
    for (double t : {0.0, 10.0, 20.0, 30.0, 40.0}) {
        auto p = ev_.PrechargeAt(rec->Proposed.P0, t);
        if (!p) return p.Error();
        answer_.PrechargeTable.push_back({t, p->value()});
    }
    answer_.PumpOil = ev_.PumpOil(rec->Proposed.Qp);
    return Done{};
}

Result<SizingAnswer> SearchRun::Run() {
    using R = Result<SizingAnswer>;
    // A stop asked for leaves nothing of the search behind.
    const auto failed = [](const Message& m) {
        if (m.id != MessageId::SizingStopped) return R::Fail(m);
        SizingAnswer cancelled;
        cancelled.Cancelled = true;
        return R(cancelled);
    };
    Demand();
    if (Status s = PrechargeWindow(); !s) return R::Fail(s.Error());
    if (!PumpFor()) {
        if (progress_) progress_(1.0);
        return answer_;
    }
    if (Status s = TrySizes(); !s) return failed(s.Error());
    if (req_.Arrangements || !answer_.Recommended) {
        if (Status s = SearchArrangements(ev_, answer_, Precharge(), Dm3PerMin(qp_),
                                          [&] { return Stopped(); });
            !s) {
            return failed(s.Error());
        }
    }
    if (Status s = PumpAndFixes(); !s) return failed(s.Error());
    if (Status s = PrechargeTable(); !s) return R::Fail(s.Error());
    if (progress_) progress_(1.0);
    return answer_;
}

}  // namespace

Result<SizingAnswer> SizeAccumulator(const CircuitState& state, const Requirements& req,
                                     const SizingProgress& progress) {
    if (auto ok = CheckRequirements(state, req); !ok) {
        return Result<SizingAnswer>::Fail(ok.Error());
    }
    return SearchRun(state, req, progress).Run();
}

}  // namespace volvenza::sizing
