// The runs of a design at the envelope's temperatures: whole, kept for the
// designs that come back, and the quick verdicts, which stop at the first
// temperature that fails.

#include "sizing/Evaluator.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "sizing/Beside.h"

namespace volvenza::sizing {
namespace {

// Below this many stretches of demand in all, the temperatures run one after
// another: a thread would cost more than it saves. Only the speed depends on it.
constexpr size_t kParallelStretches = 400;
// Runs kept for designs that come back (the arrangements of equal gas, the
// searches of one figure): far more than a search makes.
constexpr size_t kRunsKept = 4096;

}  // namespace

Result<TemperatureOutcome> Evaluator::RunAt(const ExactData& data, const GasSettings& gas,
                                            size_t index) const {
    auto path = MakeGasPath(data, gas, temps_.at(index));
    if (!path) return Result<TemperatureOutcome>::Fail(path.Error());
    return *Follow(data, **path, index, false, nullptr);
}

std::optional<TemperatureOutcome> Evaluator::Follow(const ExactData& data, GasPath& path,
                                                    size_t index, bool stopBelow,
                                                    const std::atomic<bool>* abandon) const {
    const double temp = temps_.at(index);
    const double p1 = req_.MinPressure.value();
    SteadyOptions options;
    options.maxCycles = req_.SingleCycle ? 1 : kMaxCycles;
    options.boundedCycles = std::min(kBoundedCycles, DayCycles());
    // How long the gas remembers where it started, within half the cycles
    // a run may take.
    const double memory = path.Memory();
    options.memory = std::min(memory, kMaxCycles / 2 * data.CycleTime);
    // Below p1 it fails whatever follows; the quick verdicts stop right there.
    options.breakBelow = GaugeBar(p1);
    if (stopBelow) options.stopBelow = GaugeBar(p1);
    // A pump that loads too often fails whatever follows.
    options.maxLoads = MaxLoads(data.CycleTime);
    options.loadsPerCycle = data.CycleTime;
    options.abandon = abandon;
    // Each movement's lowest, quick runs too: one that falls below what a
    // movement requires fails it, wherever that lies above p1.
    StretchLows lows(demand_);
    if (duties_.Loads()) options.stretches = &lows;
    const SteadyRun run = RunUntilSteady(data, demand_, path, options);
    if (run.abandoned) return std::nullopt;
    TemperatureOutcome o;
    o.WorkTemp = temp;
    o.LowestPressure = run.worst.lowest;
    o.LowestTime = run.worst.lowestTime;
    o.WorstCycle = run.worstCycle;
    o.Cycles = run.cycles;
    o.Warning = run.end == CycleEnd::Emptied;
    o.OutsideGas = run.end == CycleEnd::OutsideGas;
    o.LowestGasTemp = run.coldest;
    o.Precharge = path.PrechargeAtTemp();
    o.LowestVolume = run.worst.lowestVolume;
    o.FullVolume = path.Full().volume;
    o.PumpShare = run.pumpShare;
    o.PumpStarts = run.pumpStarts;
    o.Chatters = run.chattered;
    o.ChatterCycle = run.chatterCycle;
    o.ChatterAt = run.chatterAt;
    o.PeakFlow = run.peakFlow;
    o.Swing = run.swing;
    o.Settled = run.settled;
    o.Bounded = run.bounded;
    o.Recharged = run.recharged;
    o.Recharges = run.recharges;
    o.Energy = EnergyOf(run.last, run.lastStart, path);
    if (duties_.Loads()) o.Movements = JudgeNeeds(duties_.Needs(), demand_, lows, temp);
    o.DayLowest = o.LowestPressure;
    // A run that settled before its gas could forget the start may still
    // carry some of it, and one judged on its worst cycles may still hold a
    // trend too slow to tell: what is left of it is carried over the day.
    if (!run.chattered && run.period == 0 &&
        (!run.settled || run.bounded || options.memory < memory)) {
        JudgeDrift(run.lowests, DayCycles(), p1, o);
    }
    return o;
}

Evaluator::RunKey Evaluator::KeyOf(const ExactData& data, const GasSettings& gas, bool quick) {
    // Designs of the same gas, precharge and pump run alike, whatever their
    // vessels (their sharing of the flow is judged apart).
    return {data.V0.value(), data.P0.value(), data.Qp.value(), gas.Tau, quick};
}

std::vector<Result<TemperatureOutcome>> Evaluator::RunAll(const Design& design, size_t size) {
    const ExactData data = DataFor(design);
    const GasSettings gas = GasFor(size, design);
    const RunKey key = KeyOf(data, gas, false);
    if (auto whole = runs_.find(key); whole != runs_.end()) return whole->second;
    std::vector<Result<TemperatureOutcome>> runs;
    const size_t count = temps_.size();
    // Side by side or not, the runs give the same results.
    if (!SideBySide()) {
        for (size_t i = 0; i < count; ++i) runs.push_back(RunAt(data, gas, i));
    } else {
        // Each run has its own gas path: nothing is shared but the demand.
        std::vector<std::future<Result<TemperatureOutcome>>> others;
        for (size_t i = 1; i < count; ++i) {
            others.push_back(Beside([this, &data, &gas, i] { return RunAt(data, gas, i); }));
        }
        runs.push_back(RunAt(data, gas, 0));
        for (auto& other : others) runs.push_back(other.get());
    }
    if (runs_.size() < kRunsKept) runs_.emplace(key, runs);
    return runs;
}

bool Evaluator::SideBySide() const {
    return kThreads && temps_.size() > 1 &&
           demand_.Flows.size() * temps_.size() >= kParallelStretches;
}

std::vector<size_t> Evaluator::SuspectFirst() const {
    std::vector<size_t> order{suspect_};
    for (size_t i = 0; i < temps_.size(); ++i) {
        if (i != suspect_) order.push_back(i);
    }
    return order;
}

std::future<void> Evaluator::StartExpected(const RunKey& key, size_t first,
                                           const std::atomic<bool>& failed,
                                           std::unique_ptr<GasPath>& besidePath) {
    // The search may say which design it asks next if this one fails: its
    // first temperature runs beside this one's, in place of this one's second.
    const std::optional<std::pair<Design, size_t>> expected = std::exchange(expected_, {});
    std::future<void> beside;
    if (expected && !failed.load() && SideBySide() && !alone_) {
        // value(), not *: never a read of a design that is not there.
        const auto& [next, nextSize] = expected.value();
        const ExactData nextData = DataFor(next);
        const GasSettings nextGas = GasFor(nextSize, next);
        const RunKey nextKey = KeyOf(nextData, nextGas, true);
        const bool known = runs_.contains(KeyOf(nextData, nextGas, false)) ||
                           runs_.contains(nextKey) || ahead_.contains(nextKey) || nextKey == key;
        auto path = MakeGasPath(nextData, nextGas, temps_[first]);
        if (!known && path) {
            besidePath = std::move(*path);
            beside = Beside([this, nextData, nextKey, first, &besidePath] {
                auto o = Follow(nextData, *besidePath, first, true, nullptr);
                // Only this thread writes it until the future is waited for.
                ahead_[nextKey].emplace_back(first, std::move(*o));
            });
        }
    }
    return beside;
}

Result<bool> Evaluator::Keep(const ExactData& data, const GasSettings& gas, const RunKey& key,
                             size_t size, int count,
                             std::vector<std::optional<TemperatureOutcome>>& done,
                             const std::atomic<bool>& failed) {
    const bool all =
        std::all_of(done.begin(), done.end(), [](const auto& o) { return o.has_value(); });
    if (!all) {
        if (failing_.size() < kRunsKept) failing_.insert({key, size, count});
        return false;
    }
    std::vector<Result<TemperatureOutcome>> runs;
    for (auto& o : done) runs.push_back(std::move(*o));
    // A quick run that never fell below p1 never stopped: it is the whole run.
    const bool whole = std::all_of(runs.begin(), runs.end(), [&](const auto& o) {
        return GaugeBar(o->LowestPressure) >= req_.MinPressure;
    });
    if (runs_.size() < kRunsKept) runs_.emplace(KeyOf(data, gas, !whole), runs);
    return !failed.load();
}

Result<bool> Evaluator::Verdict(const ExactData& data, const GasSettings& gas, size_t size,
                                int count) {
    using R = Result<bool>;
    const size_t n = temps_.size();
    // Every path first: a law that cannot hold the data at one temperature
    // is the answer, whatever the runs at the others would say.
    std::vector<std::unique_ptr<GasPath>> paths;
    for (size_t i = 0; i < n; ++i) {
        auto path = MakeGasPath(data, gas, temps_[i]);
        if (!path) return R::Fail(path.Error());
        paths.push_back(std::move(*path));
    }
    // The temperature that failed last goes first; once one fails, the
    // others are abandoned where they are and not started.
    const std::vector<size_t> order = SuspectFirst();
    const RunKey key = KeyOf(data, gas, true);
    std::vector<std::optional<TemperatureOutcome>> done(n);
    std::vector<char> fails(n, 0);
    std::atomic<bool> failed{false};
    const auto judge = [&](size_t i) {
        std::array<bool, kRuleCount> rules{};
        rules.fill(true);
        JudgeRun(*done[i], size, count, rules);
        fails[i] = !RunsPass(rules);
        if (fails[i]) failed = true;
    };
    // Runs made ahead, while the design before was being judged.
    if (auto ahead = ahead_.find(key); ahead != ahead_.end()) {
        for (auto& [i, o] : ahead->second) {
            done[i] = std::move(o);
            judge(i);
        }
        ahead_.erase(ahead);
    }
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t k = next++; k < n && !failed.load(); k = next++) {
            const size_t i = order[k];
            if (done[i]) continue;
            done[i] = Follow(data, *paths[i], i, true, &failed);
            if (!done[i]) return;
            judge(i);
        }
    };
    std::unique_ptr<GasPath> besidePath;
    std::future<void> beside = StartExpected(key, order.front(), failed, besidePath);
    if (beside.valid()) {
        work();
        beside.get();
    } else if (SideBySide() && !alone_) {
        // Two at a time: a third would only share the same two cores.
        auto other = Beside(work);
        work();
        other.get();
    } else {
        work();
    }
    for (size_t i : order) {
        if (fails[i]) {
            suspect_ = i;
            break;
        }
    }
    return Keep(data, gas, key, size, count, done, failed);
}

void Evaluator::Expect(const Design& design, size_t size) {
    expected_ = {design, size};
}

}  // namespace volvenza::sizing
