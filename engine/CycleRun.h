#pragma once
// Running a cycle apart from the state's series: the flows of the
// movements, computed once, and runs of the same cycle at several working
// temperatures with the same charge (the temperature envelope). A designer
// trying many accumulators reuses the flows, which do not depend on the
// accumulator, and one workspace.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/GasSettings.h"
#include "messages/Result.h"

namespace volvenza {

// What the movements draw at each step of the cycle.
struct CycleFlows {
    int Steps = 0;  // N: points 0..N
    float TimeStep = 0.01f;
    std::vector<double> Qt;  // 0..N
    double LatestEnd = 0;    // the latest end time of all movements
    int LastDemand = -1;     // the last step with a flow, -1 when none
};

// Where a run reports how far it has gone, in per cent; it may be empty.
using RunProgress = std::function<void(double percent)>;

// The flows of movements 1..SimMovementCount over a cycle of
// Data.CycleTime; `progress` follows the steps.
CycleFlows ComputeCycleFlows(const CircuitState& state, const RunProgress& progress = {});

// Scratch series reused from run to run.
struct CycleWorkspace {
    std::vector<double> qs, p, v, dv, t;
};

// The working temperatures a run covers: tc alone, or the lowest, tc and the
// highest when the envelope is on.
std::vector<double> RunTemperatures(const GasSettings& gas, float workTemp);

// The data a run works on: V0 the gas volume of every accumulator and
// bottle together, Qp what the pump delivers. The data themselves with one
// accumulator, no bottle and a pump that delivers its Qp.
CircuitData RunData(const CircuitData& data, const Arrangement& vessels);

// Why the arrangement cannot be run, or nothing.
Status CheckArrangement(const Arrangement& vessels);

// Why the settings cannot be run with these data (a limit on the wrong side
// of tc, a law that cannot hold the charge or the maximum pressure), or
// nothing; the vessels are the settings'.
Status CheckGasSettings(const CircuitData& data, const GasSettings& gas);

// One run of the classic law's cycle at `workTemp`; the pressures are kept
// in the result when asked.
TemperatureRun RunClassicAt(const CircuitData& data, const CycleFlows& flows, double workTemp,
                            CycleWorkspace& work, bool keepPressures = false);

}  // namespace volvenza
