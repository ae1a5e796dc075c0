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

// The first of movements 1..count that the run refuses, with the run's own
// words naming the movement, the field and its value: a flow that is no
// number, a time or flow negative or not finite, an end not after the
// start. The sizing and the energy balance refuse the same movements. (Both
// times at 0 is a question only the run asks: such a movement takes no time.)
std::optional<Message> MovementsRefused(const CircuitState& state, int count);

}  // namespace volvenza
