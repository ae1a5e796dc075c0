#pragma once
// The gas-law options of `run` and `example`, and the summary line per
// working temperature that --summary prints.

#include <optional>
#include <string>
#include <vector>

#include "engine/CircuitState.h"

namespace volvenza {

struct RunOptions {
    GasSettings gas;
    bool summary = false;
};

// Takes the gas-law options out of `args`, leaving the rest; nothing when an
// option is unknown, lacks its value or its value is not a number. The
// options given change `base` (a project's gas law), the others keep it.
std::optional<RunOptions> TakeRunOptions(std::vector<std::string>& args,
                                         const GasSettings& base = GasSettings{});

// One line per working temperature, coldest first.
std::string SummaryLines(const CircuitState& state);

}  // namespace volvenza
