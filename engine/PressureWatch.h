#pragma once
// Where a run's pressure falls below a pressure it must keep above (the p1
// of an applied sizing): the stretches of the results' 0,01 s points below
// it, and the lowest pressure with its time. The exact engine's lowest lies
// between the points too, so a dip no point shows is a stretch of its own,
// at the instant of the lowest.

#include <vector>

#include "engine/CircuitState.h"

namespace volvenza {

struct PressureStretch {
    double from = 0, to = 0;  // s
    double lowest = 0;        // bar, the lowest pressure in the stretch
};

// Empty when the run never falls below `pressure`, or there is no run.
std::vector<PressureStretch> StretchesBelow(const CircuitState& state, double pressure);

}  // namespace volvenza
