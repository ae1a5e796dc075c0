#pragma once
// The exact engine: a cycle run from event to event. Between two events the
// demand and the pump's delivery are constant, so the gas volume moves at a
// constant rate and the gas law answers where the pressure goes; the events
// are the instants a movement starts or ends, the pump loads at Pm - Dp and
// unloads at Pm, the accumulator empties (its gas fills V0), the gas leaves
// the states its law describes, and the cycle ends. Nothing is sampled: each
// movement draws exactly what was typed, no flow changes no volume, and the
// lowest and highest pressures are the solution's own. Every engineering
// answer (the ideal and real laws' runs, the sizing, the energy balance, the
// pressure swing) comes from here; the classic stepping stays for
// reproducing the original program's results.

#include <atomic>
#include <optional>
#include <span>
#include <vector>

#include "engine/CycleDemand.h"
#include "engine/GasPath.h"
#include "numbers/Quantity.h"

namespace volvenza {

// How a cycle ended: through, with the gas expanded to fill V0, or with the
// gas out of the states its law describes.
enum class CycleEnd : int8_t { Normal, Emptied, OutsideGas };

// Where a cycle starts or ends.
struct CycleState {
    GasPoint gas;
    bool pumping = false;  // the pump delivering
    // With no band (Dp = 0) the pump cannot unload at Pm: the accumulator is
    // held there, the pump delivering just the demand.
    bool held = false;
};

// What one cycle did.
struct CycleSummary {
    CycleEnd end = CycleEnd::Normal;
    gas::GasDomain outside = gas::GasDomain::Gas;  // where the gas went, for OutsideGas
    double endTime = 0;  // the cycle time, or where the gas emptied or left its domain [s]
    CycleState final;
    double lowest = 0, lowestTime = 0;    // bar gauge, s
    double lowestVolume = 0;              // dm3 of gas at the lowest pressure
    double highest = 0, highestTime = 0;  // bar gauge, s
    double coldest = 0, warmest = 0;      // gas temperature, °C
    // The first instant, after the last movement's end, at which the pump
    // unloads at Pm (the accumulator is full again); negative when it is not.
    double fullAgain = -1;
    bool reachedPm = false;              // the pump unloaded at Pm within the cycle
    int returnsToPm = 0;                 // how many times the pump unloaded at Pm
    double oilOut = 0, oilIn = 0;        // dm3 the accumulator gives and takes back
    double delivered = 0, returned = 0;  // kJ on gauge pressures, the same
    double pumpEnergy = 0;               // kJ the loaded pump delivers, gauge
    double heatIn = 0;                   // kJ the gas takes from the wall
    double pumpTime = 0;                 // s the pump delivers
    int pumpStarts = 0;
    double peakFlow = 0;  // dm3/min, the largest flow into or out of the accumulator
    // Stopped by CycleOptions::maxLoads at the loading that broke it [s].
    bool chattered = false;
    double chatterAt = 0;
    bool abandoned = false;  // stopped by CycleOptions::abandon
};

// The lowest pressure of each stretch of a demand (DemandProfile::Flows[k]
// from Times[k] to Times[k + 1]) and its instant, over every cycle that
// notes into it: what the movements running in a stretch saw.
struct StretchLows {
    std::vector<double> lowest;  // bar gauge; infinity where no cycle reached it
    std::vector<double> time;    // s within its cycle
    // Where a cycle stopped before its end (emptied, out of the gas, or
    // stopped for a verdict): the stretches after it were not run through.
    std::optional<double> stoppedAt;
    // One entry per stretch of `demand`, none reached yet.
    explicit StretchLows(const DemandProfile& demand);
};

struct CycleOptions {
    Sampler* sampler = nullptr;
    // Stop once the pressure has fallen below this: for a verdict only.
    std::optional<GaugeBar> stopBelow;
    // Stop once the pump has loaded more than this many times in the
    // cycle: for a verdict only.
    std::optional<int> maxLoads;
    // Stop at the next stretch once this is set: the run is no longer wanted.
    const std::atomic<bool>* abandon = nullptr;
    // Where to note each stretch's lowest pressure; the demand's own stretches.
    StretchLows* stretches = nullptr;
};

// One cycle of `data.CycleTime` seconds from `start`.
CycleSummary RunExactCycle(const ExactData& data, const DemandProfile& demand, GasPath& gas,
                           const CycleState& start, const CycleOptions& options = {});

// Cycles that never come round within their limit but whose lows no longer
// fall run on up to this many (the sizing: or the working day's, if fewer)
// and are judged on the worst of them (SteadyOptions::boundedCycles).
inline constexpr int kBoundedCycles = 2000;

// The first cycle starts full at Pm with the pump unloaded.
CycleState FullStart(const GasPath& gas);

// Cycles run one after another until they repeat.
struct SteadyOptions {
    int maxCycles = 100;  // 1: the first cycle alone
    // How long the gas remembers where it started [s] (GasPath::Memory).
    double memory = 0;
    // Stop at the end of a cycle whose pressure fell below this: it fails
    // whatever follows.
    std::optional<GaugeBar> breakBelow;
    // Stop once the pressure has fallen below this, within a cycle: for a
    // verdict only.
    std::optional<GaugeBar> stopBelow;
    // Stop once the pump has loaded more than this many times in a cycle:
    // for a verdict only.
    std::optional<int> maxLoads;
    // A limit on the loadings per cycle on average: settled cycles go on,
    // up to maxCycles, until their average lies clearly on one side of it.
    std::optional<double> loadsPerCycle;
    // Stop at the next stretch once this is set: nothing of the run is then
    // worth reading but SteadyRun::abandoned.
    const std::atomic<bool>* abandon = nullptr;
    // Where to note each stretch's lowest pressure over every cycle run.
    StretchLows* stretches = nullptr;
    // Cycles that have not come round within maxCycles, the gas past its
    // memory, and whose lows no longer fall, go on up to this many (0: they
    // stop at maxCycles, not settled); still not falling there, they count
    // as settled on the worst of every cycle run (SteadyRun::bounded).
    int boundedCycles = 0;
};

struct SteadyRun {
    int cycles = 0;
    CycleEnd end = CycleEnd::Normal;  // of the last cycle run
    // Within the cycle limit the cycles came round, `period` of them (1: one
    // by one), or, for a gas that exchanges heat, the pump had come back to
    // Pm often enough with the lows no longer falling (`period` 0), or the
    // run is `bounded` (`period` 0).
    bool settled = false;
    int period = 0;
    bool repeating = false;  // period 1
    // Settled without coming round: the cycles ran to
    // SteadyOptions::boundedCycles with their lows no longer falling, and
    // are judged on the worst of them. A finite run: it shows no bound the
    // lows keep for ever, only that they kept one so far.
    bool bounded = false;
    // The steady cycles bring the accumulator back to Pm, so that the pump
    // unloads: a pump that runs all the time has no margin left.
    bool recharged = false;
    int recharges = 0;            // returns to Pm in the cycles after the first
    std::vector<double> lowests;  // per cycle that ended normally
    CycleSummary first, last, worst;
    double steadyLowest = 0;  // bar: the lowest of the cycles after the first
    CycleState lastStart;     // where the last cycle started
    // The first cycle whose lowest is within kSamePressure of worst's (1 for
    // the first): later cycles that only repeat it are not named.
    int worstCycle = 1;
    // Over the cycles after the first (the first alone when only one ran):
    // the largest swing.
    double swing = 0;
    // The pump's share of the time and its starts per cycle: over the cycles
    // that come round once they do, over those after the gas forgot its
    // start when bounded, else over those after the first.
    double pumpShare = 0, pumpStarts = 0;
    // Over every cycle.
    double peakFlow = 0;
    double coldest = 0;  // °C
    // Stopped where the pump loaded more often than SteadyOptions::maxLoads:
    // the cycle and the instant.
    bool chattered = false;
    int chatterCycle = 0;
    double chatterAt = 0;
    // Stopped by SteadyOptions::abandon before the run was through.
    bool abandoned = false;
};

SteadyRun RunUntilSteady(const ExactData& data, const DemandProfile& demand, GasPath& gas,
                         const SteadyOptions& options);

// Whether the lowest pressures of a run of cycles, one a cycle in bar, fell:
// the later half's mean (or, `least`, its lowest) below the earlier half's
// by more than `tolerance`. A run too short to halve still falls.
bool LowsFalling(std::span<const double> lowests, bool least, double tolerance);

// The cycle (from 1) named for the lowest pressure of `lowests`, one a cycle
// in bar: the first within kSamePressure of the lowest of all (1 for none).
int WorstCycleOf(const std::vector<double>& lowests);

}  // namespace volvenza
