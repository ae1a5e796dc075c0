#pragma once

#include <string>
#include <vector>

namespace volvenza {

// `volvenza-sim size IN --pmin P1 --type bladder|piston|diaphragm [...]`: the
// sizing assistant over the design in IN, as text or JSON. Returns the exit
// status: 0 a recommendation, 1 no catalogue size passes or the data or
// requirements cannot be searched, 2 IN unreadable, 64 wrong usage.
int RunSizeCommand(std::vector<std::string> args);

}  // namespace volvenza
