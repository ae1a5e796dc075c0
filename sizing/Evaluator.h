#pragma once
// One design judged against the requirements: the cycle run at every
// temperature of the envelope, cycle after cycle until it repeats (or once,
// when the machine runs a single cycle), and the verdict of each rule.
//
// The rules, as accumulator makers and the usual references give them, all
// on absolute pressures and on the same nitrogen whatever law runs the cycle:
//  1. in steady operation the pressure never falls below p1, the gas never
//     expands to its precharge nor leaves its law's domain, and the cycles
//     settle within kMaxCycles; the pump delivers in a cycle at least the
//     oil the cycle draws and brings the accumulator back to Pm, and it
//     loads at most once a second on average over the cycles (after the
//     first) and never more than MaxLoads times in one;
//  2. precharge (plus its tolerance) at the warmest temperature: at most
//     0.9 p1 for bladder and diaphragm (the bladder must not close on the
//     poppet valve), at most p1 - 5 bar for a piston (the piston must not
//     strike its end cap);
//  3. compression ratio Pm / p0 with the precharge less its tolerance at the
//     coldest temperature: at most the size's ratio (wear of the elastomer);
//  4. Pm within the rated pressure PS (the size's, and the requirements'),
//     and at most 0.9 times the relief valve's setting;
//  5. the largest oil flow into or out of the accumulator within the size's
//     rating, where the catalogue gives one;
//  6. the gas never colder than the separating element stands;
//  7. the pressure swing of the steady cycle within the maker's fatigue
//     rating, where the catalogue gives one;
//  8. the emergency stroke: the marked movements complete with the pump lost,
//     each keeping its required pressure (sizing/Duties.h);
//  9. the pressure held for its time with the pump off.
// Rule 1 also asks every movement for its own required pressure while it
// runs, in steady operation (a movement without a load needs p1).
// The bottle on the machine holds any precharge within its tolerance: rules
// 1 and 5 to 9 must hold at the precharge and at both its ends, and the
// worst end is not always the lower (with less gas the pump restarts sooner).

#include <array>
#include <atomic>
#include <cstdint>
#include <future>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/CycleDemand.h"
#include "engine/EnergyBalance.h"
#include "engine/ExactCycle.h"
#include "messages/Result.h"
#include "numbers/Quantity.h"
#include "sizing/Duties.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

inline constexpr int kRuleCount = 9;
// The rules by their place in Evaluation::Rules.
enum Rule : size_t {
    kPressureRule,   // 1: the pressure above p1 in steady operation
    kPrechargeRule,  // 2: the precharge below the separator's limit
    kRatioRule,      // 3: the compression ratio
    kRatedRule,      // 4: Pm within PS and the relief valve
    kFlowRule,       // 5: the largest oil flow
    kGasTempRule,    // 6: the coldest gas
    kSwingRule,      // 7: the pressure swing
    kEmergencyRule,  // 8: the emergency stroke
    kHoldRule,       // 9: the pressure held
};

// How often the pump may load: at most once a second on average, and in no
// cycle more than twice a second (counting its whole seconds, and once more
// for where the cycle cuts them): a single cycle beyond that fails the
// design at once, so the runs stop there. Between Pm - Dp and Pm its unloading valve (or pressure
// switch) shifts twice a period, with a pressure spike each time; faster, it wears the valve, the
// pump and its drive out and outruns the valve's own shifting time, so the band the model assumes
// would not hold on the machine. More gas or a wider Dp slows it down.
int MaxLoads(double cycleTime);

// Cycles run at most before the drift of the lowest pressure is carried over
// the working day.
inline constexpr int kMaxCycles = 100;

// The runs at one working temperature.
struct TemperatureOutcome {
    double WorkTemp = 0;        // °C
    double LowestPressure = 0;  // bar as typed (gauge for the ideal and real laws)
    double LowestTime = 0;      // s within its cycle
    int WorstCycle = 1;         // 1 for the first
    int Cycles = 1;             // how many were run
    bool Warning = false;       // the gas expanded to its precharge
    bool OutsideGas = false;    // the gas left its law's domain (condensed)
    double LowestGasTemp = 0;   // °C, over every cycle run
    // The precharge the runs started from, as their law brings the one given
    // at the charging temperature to this one: what a run of the design gives
    // for tc [bar gauge]; at an end of its tolerance when PrechargeEnd says so.
    double Precharge = 0;
    // 0 for the runs at the design's precharge; -1 or +1 for those at the
    // precharge less or plus its tolerance, where these fare worse.
    int PrechargeEnd = 0;
    double LowestVolume = 0;  // gas volume at the lowest pressure [dm3]
    double FullVolume = 0;    // gas volume at Pm [dm3]
    // Share of the time the pump delivers and its starts per cycle, over
    // the cycles after the first (which starts full), or the first alone.
    double PumpShare = 0;
    double PumpStarts = 0;
    // The pump loaded more than MaxLoads times in cycle ChatterCycle, the
    // last of them at ChatterAt s. The runs stop there: the figures above
    // are of the cycles run so far.
    bool Chatters = false;
    int ChatterCycle = 0;
    double ChatterAt = 0;
    double PeakFlow = 0;  // largest oil flow in or out [dm3/min]
    // The largest pressure swing of a cycle after the first (of the first
    // when the machine runs one cycle) [bar].
    double Swing = 0;
    // Steady operation: whether the cycles repeat (one by one, or with the
    // pump bringing the accumulator back to Pm every few cycles) within the
    // cycle limit; when they do not, the fall of the lowest pressure per
    // cycle and the lowest pressure the working day would reach.
    bool Settled = true;
    // Settled without repeating: judged on the worst of the Cycles run
    // (SteadyRun::bounded).
    bool Bounded = false;
    int Recharges = 0;         // cycles after the first that came back to Pm
    double DriftPerCycle = 0;  // bar, positive when falling
    double DayLowest = 0;      // bar
    int CyclesToP1 = 0;        // when DayLowest is below p1: the cycle that crosses it
    // The steady cycles bring the accumulator back to Pm, so that the pump
    // unloads: a pump that runs the whole time has no margin left.
    bool Recharged = true;
    // The last cycle run (the steady one, when the cycles settle): its
    // energy and its highest and lowest pressure.
    CycleEnergy Energy;
    // Each movement's lowest pressure over every cycle run, when a movement
    // has a load of its own; empty otherwise.
    std::vector<MovementPressure> Movements;
};

// Whether the run's pump loads more often than MaxLoads allows, in a cycle
// of `cycleTime` s, or than once a second on average.
bool LoadsTooOften(const TemperatureOutcome& o, double cycleTime);

// The lowest pressure over a working day of `dayCycles` when the runs stop
// with the lowest pressures `lowest` (one per cycle) still moving: the trend
// between thirds of the cycles run, carried on shrinking as it shrank (or
// unchanged), into o.DriftPerCycle, o.DayLowest and o.CyclesToP1.
void JudgeDrift(const std::vector<double>& lowest, int dayCycles, double p1, TemperatureOutcome& o);

struct Evaluation {
    Design Proposed;
    size_t Size = 0;                        // index into the catalogue
    std::vector<TemperatureOutcome> Temps;  // coldest first
    std::array<bool, kRuleCount> Rules{};   // rules 1..9 at indexes 0..8
    double PrechargeWarm = 0;               // p0 at the warmest temperature, gauge
    double PrechargeCold = 0;               // p0 at the coldest temperature, gauge
    double PrechargeHigh = 0;   // p0 plus its tolerance at the warmest temperature, gauge
    double PrechargeLimit = 0;  // the most rule 2 allows there, gauge
    double Ratio = 0;           // Pm / p0 on absolute pressures, p0 cold less its tolerance
    // The oil balance: what the pump can deliver in a cycle against what the
    // cycle draws [dm3]; nothing is run when the pump falls short.
    double PumpOil = 0;
    double CycleOil = 0;
    bool PumpShort = false;
    // Each movement at its worst temperature (empty when none has a load of
    // its own), and the duties of rules 8 and 9 (none where not asked for).
    std::vector<MovementPressure> Movements;
    DutyOutcomes Duties;
    // The runs were made at both ends of the precharge's tolerance too
    // (only a design that passes at its own precharge is): the rules hold at
    // all three, and each temperature's outcome, each movement and each duty
    // is the worst of them.
    bool AtEnds = false;
    // Of the runs at the ends, where a temperature's outcome is not theirs:
    // the largest flow and swing and the coldest gas, which rules 5 to 7 judge.
    double EndsPeakFlow = 0;
    double EndsSwing = 0;
    double EndsGasTemp = std::numeric_limits<double>::infinity();

    bool Passes() const;
    double PeakFlow() const;       // over every temperature and end [dm3/min]
    double LowestGasTemp() const;  // over every temperature and end [°C]
    int Cycles() const;            // the most cycles a temperature ran
    double Swing() const;  // the largest swing of a cycle [bar], see TemperatureOutcome; any end
    // The run with the lowest pressure.
    const TemperatureOutcome& Worst() const;
};

// The runs of one cycle, on the exact engine, reuse the movements' demand,
// worked out once. The law is the requirements' (real nitrogen where they
// ask for the classic law, which sizes nothing).
class Evaluator {
  public:
    Evaluator(const CircuitState& state, const Requirements& req);

    const CircuitData& Base() const { return base_; }
    const Requirements& Req() const { return req_; }
    // The gas law the runs follow.
    const GasSettings& Gas() const { return gas_; }
    const DemandProfile& Demand() const { return demand_; }
    const std::vector<double>& Temperatures() const { return temps_; }
    const DutyJudge& Duties() const { return duties_; }
    // The oil the cycle draws [dm3].
    double CycleOil() const { return cycleOil_; }
    // The smallest pump that delivers it within the cycle time [dm3/min].
    double BalancePump() const;
    // What a pump of `qp` delivers in a cycle [dm3].
    double PumpOil(Dm3PerMin qp) const;
    // Cycles in a working day.
    int DayCycles() const;

    // Rules 2 to 4 need no run.
    Result<Evaluation> CheckStatic(const Design& design, size_t size) const;
    Result<Evaluation> Evaluate(const Design& design, size_t size);
    // Only the rules that need runs (1 and 5 to 9), for the searches that
    // change one figure; the cycles stop once the pressure is below p1, which
    // fails any movement, and judge each movement on what they ran. Like
    // Evaluate, at the precharge and then at both ends of its tolerance.
    Result<bool> PassesRuns(const Design& design, size_t size);

    // The design the next quick verdict will most likely ask for, should the
    // one asked now fail: on long cycles its first run is made beside the
    // one asked now. Only the speed depends on it.
    void Expect(const Design& design, size_t size);

    // Whether the temperatures run side by side (long cycles, in a build with
    // threads) or one after another.
    bool SideBySide() const;
    // Quick verdicts one temperature at a time, with nothing run ahead: for
    // an evaluator whose searches run beside another's.
    void OneAtATime(bool alone) { alone_ = alone; }

    // Whether the gas of the design, full at Pm, fills its bottles at every
    // temperature (with less, the oil would fill the accumulators first).
    bool CanFill(const Design& design, size_t size) const;

    // The precharge `p0` given at the data's charging temperature, as a
    // gauge reads it at `temp` (°C): the same nitrogen at the same density.
    Result<GaugeBar> PrechargeAt(GaugeBar p0, double temp) const;

  private:
    // The runs' cache key: the gas, precharge and pump, the time constant,
    // and whether the runs stopped below p1.
    using RunKey = std::tuple<double, double, double, double, bool>;
    static RunKey KeyOf(const ExactData& data, const GasSettings& gas, bool quick);

    ExactData DataFor(const Design& design) const;
    // The design with its precharge less (`end` -1) or plus (+1) its tolerance.
    Design AtEnd(const Design& design, int end) const;
    // The runs and duties of a design that passes at its precharge, at both
    // ends of its tolerance, into `e`.
    Status JudgeEnds(const Design& design, size_t size, Evaluation& e);
    Result<bool> PassesRunsAt(const Design& design, size_t size);
    GasSettings GasFor(size_t size, const Design& design) const;
    // Rules 8 and 9 of a design into `rules`; the outcomes into `out`.
    Status JudgeDuties(const Design& design, size_t size, std::array<bool, kRuleCount>& rules,
                       DutyOutcomes* out = nullptr) const;
    Result<TemperatureOutcome> RunAt(const ExactData& data, const GasSettings& gas,
                                     size_t index) const;
    // The runs at temperature `index` on `path`, stopping below p1 when
    // asked; nothing when abandoned on the way.
    std::optional<TemperatureOutcome> Follow(const ExactData& data, GasPath& path, size_t index,
                                             bool stopBelow,
                                             const std::atomic<bool>* abandon) const;
    // The whole runs at every temperature; kept.
    std::vector<Result<TemperatureOutcome>> RunAll(const Design& design, size_t size);
    // The verdict of the quick runs, which stop once one temperature fails.
    Result<bool> Verdict(const ExactData& data, const GasSettings& gas, size_t size, int count);
    // The temperatures' order for a verdict: the one that failed last first.
    std::vector<size_t> SuspectFirst() const;
    // Starts the first run of the design the search expects next beside
    // this verdict's, on `besidePath`, unless it is known or the runs go
    // one at a time; nothing to wait for then.
    std::future<void> StartExpected(const RunKey& key, size_t first,
                                    const std::atomic<bool>& failed,
                                    std::unique_ptr<GasPath>& besidePath);
    // The verdict of the quick runs `done`, keeping them, or that the
    // design failed with some unrun.
    Result<bool> Keep(const ExactData& data, const GasSettings& gas, const RunKey& key, size_t size,
                      int count, std::vector<std::optional<TemperatureOutcome>>& done,
                      const std::atomic<bool>& failed);
    // Whether rules 1, 5, 6 and 7 hold: those of the cycles' runs.
    static bool RunsPass(const std::array<bool, kRuleCount>& rules);
    // Clears the rules the run at one temperature breaks (1, 5 and 6); the
    // largest flow is shared by the accumulators in parallel.
    void JudgeRun(const TemperatureOutcome& o, size_t size, int count,
                  std::array<bool, kRuleCount>& rules) const;

    CircuitData base_;
    ExactData typed_;  // the base data as typed
    Requirements req_;
    GasSettings gas_;
    DutyJudge duties_;
    DemandProfile demand_;
    std::vector<double> temps_;
    double cycleOil_ = 0;
    std::map<RunKey, std::vector<Result<TemperatureOutcome>>> runs_;
    // Quick verdicts that failed with some temperatures left unrun, by
    // their runs' key, the size and the vessels in parallel.
    std::set<std::tuple<RunKey, size_t, int>> failing_;
    // The temperature whose quick run failed last: the next verdict starts there.
    size_t suspect_ = 0;
    bool alone_ = false;
    std::optional<std::pair<Design, size_t>> expected_;
    // Quick runs made ahead of their verdict, by the runs' key: the temperature and its outcome.
    std::map<RunKey, std::vector<std::pair<size_t, TemperatureOutcome>>> ahead_;
};

}  // namespace volvenza::sizing
