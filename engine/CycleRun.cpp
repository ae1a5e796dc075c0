#include "engine/CycleRun.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <variant>

#include "engine/ExactRun.h"
#include "engine/GasLaws.h"
#include "engine/StepCycle.h"

namespace volvenza {
namespace {

// The first of steps 0..n whose time has reached `t`, n + 1 when none has.
// The step is positive, so the steps' times grow with j.
int FirstStepReaching(float t, int n, float timeStep) {
    int lo = 0, hi = n + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (t <= static_cast<float>(mid) * timeStep) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

// Whether every sum of the movements' flows, each taken once with either
// sign and in any order, is exact: every flow is a whole multiple of the
// smallest unit any of them uses (the lowest set bit of its significand),
// and the sum of their sizes in that unit stays below 2^53, so no sum of
// them, nor any partial sum, needs more bits than a double holds. Then the
// list order cannot change a bit of the result. Movements whose flows
// span too many binary places, or are not finite, fail.
bool SumsAreExact(const Movement* moves, int count) {
    int unit = std::numeric_limits<int>::max();  // the exponent of the smallest unit
    for (int i = 1; i <= count; ++i) {
        const double q = std::fabs(moves[i].Qm);
        if (!std::isfinite(q)) return false;
        if (q == 0) continue;
        int exponent = 0;
        const double fraction = std::frexp(q, &exponent);  // q = fraction * 2^exponent
        const auto significand = static_cast<uint64_t>(std::ldexp(fraction, 53));
        unit = std::min(unit, exponent - 53 + std::countr_zero(significand));
    }
    constexpr uint64_t kExact = uint64_t{1} << 53;
    uint64_t total = 0;  // the sizes in units, while below 2^53 (no overflow)
    for (int i = 1; i <= count; ++i) {
        const double units =
            std::ldexp(std::fabs(moves[i].Qm), -unit);  // exact: scaled by a power of two
        if (units >= static_cast<double>(kExact)) return false;
        total += static_cast<uint64_t>(units);
        if (total >= kExact) return false;
    }
    return true;
}

// The flows summed in list order at every step, for flows whose sums round.
// The sum changes only at the steps where a movement starts or ends, and
// there only from that movement on in list order: the sums before it are
// kept, and the steps between changes repeat the last sum. Quick when the
// list is in time order, as lists mostly are; a list in reverse order costs
// a pass over the movements at each change.
void SumInListOrder(const Movement* moves, int count, const std::vector<int>& starts,
                    const std::vector<int>& ends, int n, const std::function<void(int)>& stepDone,
                    std::vector<double>& qt) {
    std::vector<std::pair<int, int>> changes;  // (step, movement)
    for (int i = 1; i <= count; ++i) {
        for (int step : {starts[i], ends[i]}) {
            if (step <= n) changes.emplace_back(step, i);
        }
    }
    std::sort(changes.begin(), changes.end());
    std::vector<int> counted;       // movements started or ended, in list order
    std::vector<double> sums{0.0};  // sums[k]: the sum of counted[0..k-1]
    auto next = changes.begin();
    for (int j = 0; j <= n; ++j) {
        stepDone(j);
        size_t from = counted.size();
        for (; next != changes.end() && next->first == j; ++next) {
            const int i = next->second;
            const auto at = std::lower_bound(counted.begin(), counted.end(), i);
            const auto k = at - counted.begin();
            if (at == counted.end() || *at != i) {
                counted.insert(at, i);
                sums.insert(sums.begin() + k + 1, 0.0);
            }
            from = std::min(from, static_cast<size_t>(k));
        }
        for (size_t k = from; k < counted.size(); ++k) {
            const int i = counted[k];
            double sum = sums[k];
            if (starts[i] <= j) sum += moves[i].Qm;
            if (ends[i] <= j) sum -= moves[i].Qm;
            sums[k + 1] = sum;
        }
        qt[j] = sums.back();
    }
}

}  // namespace

CycleFlows ComputeCycleFlows(const CircuitState& state, const RunProgress& progress) {
    CycleFlows flows;
    flows.TimeStep = state.TimeStep;
    const int n = static_cast<int>(StepCount(state.Data.CycleTime, state.TimeStep));
    flows.Steps = n;
    // Validated runs have n >= 0; the bound only keeps the size sane. An
    // extra zero past step n is never read.
    flows.Qt.assign(static_cast<size_t>(std::max(n, 0)) + 1, 0.0);

    const Movement* moves = state.Movements.data();
    const int count = state.SimMovementCount;
    for (int i = 1; i <= count; ++i) {
        // An equal end time leaves the latest one as it is, strict or not.
        const bool later = ToSingle(flows.LatestEnd) < moves[i].Tf;
        if (later) flows.LatestEnd = moves[i].Tf;
    }
    // A step's flow adds and takes away, in list order, the flow of every
    // movement that has started or ended by the step's time, as the original
    // program summed it; the order fixes how the sum rounds.
    std::vector<int> starts(static_cast<size_t>(count) + 1), ends(starts.size());
    for (int i = 1; i <= count; ++i) {
        starts[i] = FirstStepReaching(moves[i].Ti, n, flows.TimeStep);
        ends[i] = FirstStepReaching(moves[i].Tf, n, flows.TimeStep);
    }
    const auto stepDone = [&progress, n](int j) {
        // A cycle of no steps has only its start.
        if (progress) progress(n == 0 ? 0.0 : 100.0 * j / n);
    };
    if (SumsAreExact(moves, count)) {
        // No sum rounds, so any order gives the list order's bits: each
        // movement's flow joins at its start and leaves at its end.
        std::vector<double> change(flows.Qt.size(), 0.0);
        for (int i = 1; i <= count; ++i) {
            if (starts[i] <= n) change[starts[i]] += moves[i].Qm;
            if (ends[i] <= n) change[ends[i]] -= moves[i].Qm;
        }
        double sum = 0;
        for (int j = 0; j <= n; ++j) {
            stepDone(j);
            sum += change[j];
            flows.Qt[j] = sum;
        }
    } else {
        SumInListOrder(moves, count, starts, ends, n, stepDone, flows.Qt);
    }
    // Where the demand is zero from here to the end of the cycle, found once
    // instead of rescanning at every full step. Only steps from 2 on are ever
    // asked about, so where the search gives up below that cannot matter.
    for (int k = n; k >= 0; --k) {
        if (flows.Qt[k] != 0) {
            flows.LastDemand = k;
            break;
        }
    }
    return flows;
}

std::vector<double> RunTemperatures(const GasSettings& gas, float workTemp) {
    const double tc = workTemp;
    const double low = gas.MinTemp.value_or(tc);
    const double high = gas.MaxTemp.value_or(tc);
    if (low == tc && high == tc) return {tc};
    return {low, tc, high};
}

CircuitData RunData(const CircuitData& data, const Arrangement& vessels) {
    if (vessels == Arrangement{}) return data;
    CircuitData d = data;
    d.V0 = static_cast<float>(vessels.Count * static_cast<double>(data.V0) + vessels.BottleVolume);
    d.Qp = static_cast<float>(data.Qp * vessels.VolumetricEfficiency);
    return d;
}

Status CheckArrangement(const Arrangement& vessels) {
    if (!(vessels.Count >= 1 && vessels.Count <= kMaxParallel)) {
        return Message(MessageId::ParallelCount, {MsgInteger(kMaxParallel)});
    }
    if (!(vessels.BottleVolume >= 0 && vessels.BottleVolume <= 1e5)) {
        return Message(MessageId::BottleVolume);
    }
    if (!(vessels.VolumetricEfficiency > 0 && vessels.VolumetricEfficiency <= 1)) {
        return Message(MessageId::VolumetricEfficiency);
    }
    return Done{};
}

Status CheckGasSettings(const CircuitData& data, const GasSettings& gas) {
    if (auto vessels = CheckArrangement(gas.Vessels); !vessels) return vessels;
    const double tc = data.Tc;
    if (!(gas.MinTemp.value_or(tc) <= tc && gas.MaxTemp.value_or(tc) >= tc)) {
        return Message(MessageId::EnvelopeAroundWork);
    }
    // The classic law takes whatever it is given, as it always did.
    if (gas.Law == GasLawKind::Classic) return Done{};
    const ExactData exact = TypedData(data, gas.Vessels);
    const std::vector<double> temps = ExactTemperatures(gas, data.Tc);
    for (size_t i = 0; i < temps.size(); ++i) {
        auto path = MakeGasPath(exact, gas, temps.at(i));
        if (path) continue;
        // A limit of the envelope is named, so that tc is not blamed for it.
        if (temps.size() == 3 && i != 1) {
            return Message(i == 0 ? MessageId::EnvelopeMinimum : MessageId::EnvelopeMaximum,
                           {MsgNested(path.Error())});
        }
        return path.Error();
    }
    return Done{};
}

TemperatureRun RunClassicAt(const CircuitData& data, const CycleFlows& flows, double workTemp,
                            CycleWorkspace& work, bool keepPressures) {
    gas::ClassicLaw law = MakeClassicLaw(data, workTemp);
    const size_t size = flows.Qt.size();
    for (auto* series : {&work.qs, &work.p, &work.v, &work.dv, &work.t}) {
        // Growing only: resizing to the size it has changes nothing.
        if (series->size() < size) series->resize(size);
    }
    const SeriesOut out{nullptr,       work.qs.data(), work.p.data(),
                        work.v.data(), work.dv.data(), work.t.data()};
    const CycleEnding ending = StepCycle(data, flows, law, out, flows.Steps + 100);
    TemperatureRun run =
        SummariseRun(workTemp, ending, work.p.data(), work.t.data(), flows.TimeStep);
    if (keepPressures) run.Pressures.assign(work.p.begin(), work.p.begin() + ending.step + 1);
    return run;
}

}  // namespace volvenza
