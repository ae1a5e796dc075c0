// The run of cycles until they are steady: cycle after cycle from a full
// accumulator until the ends come round, and what the steady cycles did.

#include "engine/ExactCycle.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numeric>
#include <span>
#include <vector>

namespace volvenza {
namespace {

// Two cycles repeat each other when their start pressures and lowest
// pressures differ by less than this [bar] and their gas temperatures by
// less than kSameTemperature [K]: well inside what any figure shows.
constexpr double kSamePressure = 1e-3;
constexpr double kSameTemperature = 1e-2;
// The cycles are steady once they come round: a cycle ends where the cycle
// a period before it ended, and that one where the cycle a period before it
// ended. With a pump switching between Pm - Dp and Pm the period need not be
// one cycle (the pump may start more often in one cycle than in the next).
// Twice, so that one cycle passing near an earlier end by chance is not taken
// for a period. A pump whose starts never fall into step with the cycle can
// still pass twice within the tolerances: its lows then differ from a longer
// run's by little (hundredths of a bar at most, in the cases checked). And
// such a pump's cycles may never come round at all: see kStillFalling.
constexpr int kRoundsSeen = 2;
// Cycles that have not come round by the cycle limit, their gas past its
// memory, go on to SteadyOptions::boundedCycles unless their lows fall: the
// mean low of the later half of the cycles since is below the earlier half's
// by more than kFallingMean [bar]. Only a first sieve, to spare the longer
// run to cycles plainly drifting: the lowest of fifty cycles of a pump out of
// step with the cycle still wanders by a tenth of a bar or two as the orbit
// is explored, and even their mean by up to a sixth of a bar in the cases
// checked; the judgement at the bound below decides.
constexpr double kFallingMean = 0.5;
// At that bound they are judged on the worst of all the cycles run unless
// the lowest of the later half is below the earlier half's by more than
// kStillFalling [bar]. A finite run: the worst of a longer one may lie a
// little lower, and the caller chooses the bound for that.
constexpr double kStillFalling = 1e-2;
// A gas that exchanges heat with the wall comes round only as its temperature
// settles, which may take longer than the cycles a run may take. It counts
// as steady also once the pump has come back to Pm this many times after
// the first cycle and the gas has forgotten its start (what is left of the
// trend is then the caller's to judge)...
constexpr int kRecharges = 3;
// ...and this many cycles in a row went no lower nor colder than every
// cycle before them.
constexpr int kQuietCycles = 4;

// What a cycle run adds to the run of cycles: the cycles so far, its
// first, last and worst, its swing and chattering, and its lowest.
void Record(SteadyRun& run, const CycleSummary& c, const CycleState& start, int cycle,
            int maxCycles, std::vector<double>& everyLowest) {
    run.cycles = cycle;
    if (cycle == 1) run.first = c;
    run.last = c;
    run.lastStart = start;
    run.end = c.end;
    run.peakFlow = std::max(run.peakFlow, c.peakFlow);
    run.coldest = std::min(run.coldest, c.coldest);
    if (c.chattered) {
        run.chattered = true;
        run.chatterCycle = cycle;
        run.chatterAt = c.chatterAt;
    }
    // Every cycle after the first, which starts full once a start-up,
    // loads the shell: the cycles that come back to Pm swing the most.
    if (cycle > 1 || maxCycles == 1) run.swing = std::max(run.swing, c.highest - c.lowest);
    if (cycle == 2 || (cycle > 2 && c.lowest < run.steadyLowest)) run.steadyLowest = c.lowest;
    if (c.lowest < run.worst.lowest) run.worst = c;
    everyLowest.push_back(c.lowest);
}

// Whether two cycles end in the same state, so that what follows each is the
// same.
bool SameEnd(const CycleState& a, const CycleState& b) {
    return std::abs(a.gas.pressure - b.gas.pressure) <= kSamePressure &&
           std::abs(a.gas.temperature - b.gas.temperature) <= kSameTemperature &&
           a.pumping == b.pumping && a.held == b.held;
}

// The fewest cycles after which `ends` (where each cycle ended, the first
// entry where the first began) came round kRoundsSeen times; 0 for none.
size_t PeriodOf(const std::vector<CycleState>& ends) {
    const size_t last = ends.size() - 1;
    for (size_t k = 1; k * kRoundsSeen <= last; ++k) {
        bool round = true;
        for (int r = 0; r < kRoundsSeen && round; ++r) {
            round = SameEnd(ends[last - k * r], ends[last - k * (r + 1)]);
        }
        if (round) return k;
    }
    return 0;
}

// The pump's share of the time and its starts per cycle over `cycles`.
void PumpOver(SteadyRun& run, std::span<const CycleSummary> cycles) {
    double pumpTime = 0, time = 0;
    int starts = 0;
    for (const CycleSummary& c : cycles) {
        pumpTime += c.pumpTime;
        time += c.endTime;
        starts += c.pumpStarts;
    }
    run.pumpShare = time > 0 ? pumpTime / time : 0;
    run.pumpStarts =
        cycles.empty() ? 0 : static_cast<double>(starts) / static_cast<double>(cycles.size());
}

// The first cycle after the gas forgot where it started (from 0), at least
// the second, which follows the start full.
size_t ForgottenFrom(double memory, double cycleTime) {
    const double cycles = cycleTime > 0 ? std::ceil(memory / cycleTime) : 0;
    return cycles > 1 ? static_cast<size_t>(cycles) : 1;
}

// Cycles that never came round but no longer fall: judged on the worst of
// them all (SteadyRun::worst, over every cycle), their pump over those after
// the gas forgot its start, recharged when the later half came back to Pm.
void SettleBounded(SteadyRun& run, std::span<const CycleSummary> cycles, size_t from) {
    run.settled = run.bounded = true;
    const auto later = cycles.last((cycles.size() - from) / 2);
    run.recharged =
        std::any_of(later.begin(), later.end(), [](const CycleSummary& p) { return p.reachedPm; });
    PumpOver(run, cycles.subspan(from));
}

}  // namespace

SteadyRun RunUntilSteady(const ExactData& d, const DemandProfile& demand, GasPath& gas,
                         const SteadyOptions& o) {
    SteadyRun run;
    const int maxCycles = std::max(o.maxCycles, 1);
    CycleState start = FullStart(gas);
    run.settled = run.recharged = maxCycles == 1;
    run.coldest = std::numeric_limits<double>::infinity();
    run.worst.lowest = std::numeric_limits<double>::infinity();
    std::vector<double> everyLowest;
    // Where each cycle ended (the first entry: where the first began) and
    // what each did.
    std::vector<CycleState> ends{start};
    std::vector<CycleSummary> cycles;
    int lastLower = 1, limit = maxCycles;
    const size_t from = ForgottenFrom(o.memory, d.CycleTime);
    for (int cycle = 1; cycle <= limit; ++cycle) {
        const CycleSummary c = RunExactCycle(
            d, demand, gas, start, {nullptr, o.stopBelow, o.maxLoads, o.abandon, o.stretches});
        if (c.abandoned) {
            run.abandoned = true;
            break;
        }
        // A cycle that goes lower, or colder, than every one before it is
        // still drifting, however often the pump came back to Pm.
        if (c.lowest < run.worst.lowest - kSamePressure ||
            c.coldest < run.coldest - kSameTemperature) {
            lastLower = cycle;
        }
        Record(run, c, start, cycle, maxCycles, everyLowest);
        cycles.push_back(c);
        // The pump's share, over the cycles after the first, which starts full.
        PumpOver(run, std::span(cycles).subspan(cycles.size() > 1 ? 1 : 0));
        if (c.end != CycleEnd::Normal || c.chattered) break;
        // Below the floor it fails whatever follows; a single cycle has no next.
        const std::optional<GaugeBar> floor = o.stopBelow ? o.stopBelow : o.breakBelow;
        if ((floor && GaugeBar(c.lowest) < *floor) || maxCycles == 1) break;
        if (cycle > 1) run.recharges += c.returnsToPm;
        run.lowests.push_back(c.lowest);
        ends.push_back(c.final);
        start = c.final;
        if (cycle * d.CycleTime < o.memory) continue;
        if (const size_t period = PeriodOf(ends); period > 0) {
            // The last `period` cycles come round for ever: their pump is
            // the day's. Steady cycles that never come back to Pm leave the
            // pump running all the time.
            const auto steady = std::span(cycles).last(period);
            run.settled = true;
            run.period = static_cast<int>(period);
            run.repeating = period == 1;
            run.recharged = std::any_of(steady.begin(), steady.end(),
                                        [](const CycleSummary& p) { return p.reachedPm; });
            PumpOver(run, steady);
            break;
        }
        if (!run.settled && gas.ExchangesHeat() && run.recharges >= kRecharges &&
            cycle - lastLower >= kQuietCycles) {
            run.settled = run.recharged = true;
        }
        // Settled without coming round, each cycle counts its loadings whole,
        // one more or less than its share of a rate that drifts from cycle to
        // cycle: over k cycles the average is within 2 / k of the day's.
        // Close to a limit, more cycles decide.
        const bool undecided = o.loadsPerCycle && std::abs(run.pumpStarts - *o.loadsPerCycle) <
                                                      2.0 / std::max(cycle - 1, 1);
        if (run.settled && !undecided) break;
        // At the limit, cycles that never came round but no longer fall go
        // on to the longer bound, and are judged on their worst there.
        if (cycle < limit || run.settled || o.boundedCycles == 0) continue;
        const auto since = std::span(run.lowests).subspan(std::min(from, run.lowests.size()));
        if (cycle < o.boundedCycles) {
            if (LowsFalling(since, false, kFallingMean)) break;
            limit = o.boundedCycles;
        } else if (!LowsFalling(since, true, kStillFalling)) {
            SettleBounded(run, cycles, from);
        }
    }
    run.worstCycle = WorstCycleOf(everyLowest);
    return run;
}

bool LowsFalling(std::span<const double> lowests, bool least, double tolerance) {
    if (lowests.size() < 2) return true;
    const auto half = lowests.size() / 2;
    const auto of = [least](std::span<const double> part) {
        return least ? *std::min_element(part.begin(), part.end())
                     : std::accumulate(part.begin(), part.end(), 0.0) /
                           static_cast<double>(part.size());
    };
    return of(lowests.subspan(half)) < of(lowests.first(half)) - tolerance;
}

int WorstCycleOf(const std::vector<double>& lowests) {
    // A later cycle lower by less than kSamePressure only repeats the one
    // named, whichever of them falls lowest.
    if (lowests.empty()) return 1;
    const double worst = *std::min_element(lowests.begin(), lowests.end());
    size_t i = 0;
    while (lowests[i] - worst > kSamePressure) ++i;
    return static_cast<int>(i) + 1;
}
}  // namespace volvenza
