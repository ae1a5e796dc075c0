#pragma once
// The exact engine's runs as the results are shown and kept: the solution
// sampled on the grid of 0,01 s, so the formats do
// not change, with the lowest pressure and the endings the solution's own.

#include <vector>

#include "engine/CircuitState.h"
#include "engine/ExactCycle.h"
#include "messages/Result.h"

namespace volvenza {

// What every run of one cycle shares.
struct ExactInputs {
    ExactData data;
    DemandProfile demand;
    int lastPoint = 0;       // the grid's last point N, as the classic run counts it
    double perSecond = 100;  // grid points a second
};
ExactInputs MakeExactInputs(const CircuitState& state, const Arrangement& vessels);

// The working temperatures of the exact runs: tc alone, or the lowest, tc
// and the highest when the envelope is on; the decimals typed.
std::vector<double> ExactTemperatures(const GasSettings& gas, float workTemp);

// The run at `workTemp` from full, summed up; the points it passes go to the
// sampler when there is one, its pressures into the result when asked.
Result<TemperatureRun> RunExactAt(const ExactInputs& in, const GasSettings& gas, double workTemp,
                                  Sampler* sampler, bool keepPressures = false);

// The run of `state` at tc with its gas settings, into its five series and
// its gas temperatures; the message when the law cannot be set up.
Result<TemperatureRun> RunExactIntoState(CircuitState& state);

}  // namespace volvenza
