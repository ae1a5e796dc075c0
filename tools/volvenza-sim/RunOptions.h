#pragma once
// The gas-law options of `run` and `example`, and the summary line per
// working temperature that --summary prints.

#include <optional>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"
#include "messages/Result.h"

namespace volvenza {

struct RunOptions {
    GasSettings gas;
    bool summary = false;
    EnergyInputs energy;  // --pump-efficiency, --hours-per-year
    // Which of the two the options gave; the others come from a project.
    bool efficiencyGiven = false;
    bool hoursGiven = false;
};

// Takes the gas-law options out of `args`, leaving the rest; refused, naming
// the option, when one lacks its value or its value is not one it takes.
// The options given change `base` (a project's gas law), the others keep it.
Result<RunOptions> TakeRunOptions(std::vector<std::string>& args,
                                  const GasSettings& base = GasSettings{},
                                  const EnergyInputs& energy = EnergyInputs{});

// Why the energy balance cannot be worked out with a project's pump
// efficiency or hours a year (the options' own are checked as they are
// read), naming the field and its value; done when both are in range.
Status CheckEnergyInputs(const RunOptions& options);

// An output that is the input or another output would destroy what is read
// or written, and a file without a name is none: refused, saying which,
// before anything happens.
Status CheckFileNames(const std::optional<std::string>& in,
                      const std::vector<std::string>& outputs);

// One line per working temperature, coldest first, then the energy
// balance and the fatigue figures of the run at tc, a line per row of the
// window's balance.
std::string SummaryLines(const CircuitState& state, const EnergyInputs& energy);

}  // namespace volvenza
