#pragma once
// The results as a text table: one line every tenth of a second with time,
// V(t), P(t), Qt(t) and Qs(t), decimal comma.

#include <optional>
#include <string>

#include "engine/CircuitState.h"
#include "messages/Result.h"

namespace volvenza {

std::string ResultsText(const CircuitState& state);

// Writes the table atomically; returns the user's message on failure.
Status ExportResultsText(const CircuitState& state, const std::string& path);

}  // namespace volvenza
