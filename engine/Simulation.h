#pragma once

#include "engine/CircuitState.h"

namespace volvenza {

enum class RunOutcome {
    Refused,           // validation failed; nothing was computed
    Completed,         // normal ending
    PrechargeTooHigh,  // the gas expanded to the precharge: partial results
    OutsideGas,        // the gas left its law's domain: the results up to there
};

// Checks the initial data and the movement times, showing its own messages.
bool ValidateSimulationData(CircuitState& state);

// Collects the initial data, validates, and simulates the cycle in TimeStep
// steps, filling the five result series.
RunOutcome RunSimulation(CircuitState& state);

}  // namespace volvenza
