#pragma once
// The simulation file (".vlz"): the initial data, the movement list and the
// result series as comma-separated text lines with a decimal point.

#include <optional>
#include <string>

#include "engine/CircuitState.h"
#include "messages/Result.h"

namespace volvenza {

// The file's whole text for the current state.
std::string SimulationFileText(const CircuitState& state);

// Writes the file atomically; returns the user's message on failure.
Status SaveSimulationFile(const CircuitState& state, const std::string& path);

// Reads the whole file into a scratch copy first; only a valid file replaces
// the initial data, the first movement slots and the results. On failure the
// state is untouched and the user's message comes back.
Status LoadSimulationFile(CircuitState& state, const std::string& path);

}  // namespace volvenza
