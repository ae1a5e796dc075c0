#pragma once

#include <cstdint>

#include "engine/CircuitState.h"

namespace volvenza {

// Derives the flow drawn by movement k from its kind, dimensions and times,
// stores it in Qm and returns it rounded to 3 decimals. Empty or unknown
// kinds return 0 and leave the slot alone.
double ComputeMovementFlow(CircuitState& state, int16_t k);

}  // namespace volvenza
