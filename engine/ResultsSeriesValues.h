#pragma once
// A run's series as the results show them: the values kResultsSeries names,
// in its order, for the results table, its CSV and the browser's chart.

#include <array>
#include <cstddef>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/ResultsFormat.h"

namespace volvenza {

// The values of the series kResultsSeries[i] of `state`.
inline const std::vector<double>& ResultsSeriesValues(const CircuitState& state, size_t i) {
    constexpr std::array<std::vector<double> CircuitState::*, kResultsSeries.size()> values{
        &CircuitState::VSeries, &CircuitState::PSeries, &CircuitState::QtSeries,
        &CircuitState::QsSeries};
    return state.*values[i];
}

}  // namespace volvenza
