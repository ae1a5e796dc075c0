#pragma once

#include <string>
#include <vector>

namespace volvenza {

// `volvenza-sim gas T_C P_BAR_ABS`: nitrogen's density, compressibility
// factor, heat capacities and speed of sound at that state. Returns the exit
// status: 0 done, 1 a state outside the equation's range, 64 wrong usage.
int RunGasCommand(const std::vector<std::string>& args);

}  // namespace volvenza
