#pragma once

#include <cstdint>
#include <optional>

#include "engine/CircuitState.h"

namespace volvenza {

// Derives the flow drawn by movement k from its kind, dimensions and times,
// stores it in Qm and returns it rounded to 3 decimals. Empty or unknown
// kinds return 0 and leave the slot alone.
double ComputeMovementFlow(CircuitState& state, int16_t k);

// The flow the sizes and times of `m` give, unrounded; nothing where the
// kind has no formula or a cylinder's and a motor's both give 0 (the flow
// is then the one typed).
std::optional<double> FlowOfSizes(const Movement& m);

}  // namespace volvenza
