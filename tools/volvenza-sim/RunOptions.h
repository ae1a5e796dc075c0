#pragma once
// The gas-law options of `run` and `example`, and the summary line per
// working temperature that --summary prints.

#include <optional>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"

namespace volvenza {

struct RunOptions {
    GasSettings gas;
    bool summary = false;
    EnergyInputs energy;  // --pump-efficiency, --hours-per-year
};

// Takes the gas-law options out of `args`, leaving the rest; nothing when an
// option is unknown, lacks its value or its value is not a number. The
// options given change `base` (a project's gas law), the others keep it.
std::optional<RunOptions> TakeRunOptions(std::vector<std::string>& args,
                                         const GasSettings& base = GasSettings{},
                                         const EnergyInputs& energy = EnergyInputs{});

// One line per working temperature, coldest first, then the energy
// balance and the fatigue figures of the run at tc.
std::string SummaryLines(const CircuitState& state, const EnergyInputs& energy);

}  // namespace volvenza
