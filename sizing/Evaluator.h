#pragma once
// One design judged against the requirements: the cycle run at every
// temperature of the envelope (again and again when the cycles repeat), and
// the verdict of each of the four design rules.
//
// The rules, as accumulator makers and the usual references give them:
//  1. the pressure never falls below p1, the gas never expands to its
//     precharge (the run's warning) and never leaves its law's domain;
//  2. precharge at the warmest temperature: at most 0.9 p1 for bladder and
//     diaphragm (the bladder must not close on the poppet valve), at most
//     p1 - 5 bar for a piston (the piston must not strike its end cap);
//  3. compression ratio Pm / p0 at the coldest temperature: at most 4 for a
//     bladder, 8 for a diaphragm, no limit for a piston (wear of the
//     elastomer);
//  4. Pm within the rated pressure PS, and at most 0.9 times the relief
//     valve's setting.
// The ideal and real laws compare absolute pressures.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/CycleRun.h"
#include "gas/Result.h"
#include "sizing/Requirements.h"

namespace volvenza::sizing {

inline constexpr int kRuleCount = 4;
inline constexpr int kMaxCycles = 50;
inline constexpr double kSettledStart = 0.1;  // bar between two cycles' start pressures

// The run at one working temperature, for the worst of its cycles.
struct TemperatureOutcome {
    double WorkTemp = 0;        // °C
    double LowestPressure = 0;  // bar as typed (gauge for the ideal and real laws)
    double LowestTime = 0;      // s within its cycle
    int LowestStep = 0;
    // Where the pressure is lowest among the points reached by a real flow:
    // without one the volume still creeps by a hundred-thousandth of a dm3
    // a step, so the very lowest point can lie long after the movements
    // that caused it.
    int LowestDrawStep = 0;
    int WorstCycle = 1;       // 1 for the first
    int Cycles = 1;           // how many were run
    bool Warning = false;     // the gas expanded to its precharge
    bool OutsideGas = false;  // the gas left its law's domain (condensed)
    double LowestVolume = 0;  // gas volume at the lowest pressure [dm3]
    double FullVolume = 0;    // gas volume at Pm [dm3]
    double PumpShare = 0;     // share of the worst cycle's time the pump delivers
    int PumpStarts = 0;       // pump starts in the worst cycle
};

struct Evaluation {
    Design Proposed;
    std::vector<TemperatureOutcome> Temps;  // coldest first
    std::array<bool, kRuleCount> Rules{};   // rules 1..4 at indexes 0..3
    double PrechargeWarm = 0;               // p0 at the warmest temperature, as typed
    double PrechargeCold = 0;               // p0 at the coldest temperature, as typed

    bool Passes() const { return Rules[0] && Rules[1] && Rules[2] && Rules[3]; }
    // The run with the lowest pressure.
    const TemperatureOutcome& Worst() const;
};

// The runs of one cycle reuse the movements' flows, computed once.
class Evaluator {
  public:
    Evaluator(const CircuitState& state, const Requirements& req);

    const CircuitData& Base() const { return base_; }
    const Requirements& Req() const { return req_; }
    const CycleFlows& Flows() const { return flows_; }
    // The design of the data as they stand.
    Design Current() const { return {base_.V0, base_.P0, base_.Qp}; }
    // What the law adds to a pressure to make it absolute.
    double Atmosphere() const;

    // Rules 2 to 4 need no run.
    gas::Result<Evaluation> CheckStatic(const Design& design) const;
    gas::Result<Evaluation> Evaluate(const Design& design);
    // Only rule 1, the runs, for the searches that change one figure.
    gas::Result<bool> PassesRuns(const Design& design);

    // The precharge of `design` shown at `temp` (°C) in the nominal volume:
    // what a gauge reads there, the precharge to set when charging at that
    // temperature.
    gas::Result<double> PrechargeAt(const Design& design, double temp) const;

  private:
    CircuitData DataFor(const Design& design) const;
    // With `stopBelow`, a run ends as soon as the pressure falls below p1:
    // enough to know that the design fails.
    gas::Result<TemperatureOutcome> RunAt(const CircuitData& data, size_t index, bool stopBelow);
    // The runs at every temperature, side by side on long cycles.
    std::vector<gas::Result<TemperatureOutcome>> RunAll(const CircuitData& data, bool stopBelow);

    CircuitData base_;
    Requirements req_;
    CycleFlows flows_;
    std::vector<double> temps_;
    std::vector<CycleWorkspace> work_;  // one per temperature
};

}  // namespace volvenza::sizing
