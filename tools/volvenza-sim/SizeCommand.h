#pragma once

#include <string>
#include <vector>

namespace volvenza {

// `volvenza-sim size IN --pmin P1 --type bladder|piston|diaphragm [...]`: the
// sizing assistant over the design in IN, as text or JSON. Returns the exit
// status: 0 a recommendation, 1 no catalogue size passes, 3 the data or
// requirements cannot be searched, 2 IN unreadable or the PDF unwritable, 64
// an argument refused or an output that is the input (said on stderr), 69
// the PDF in a build without Qt, or kSizeUsage when the files given are not
// one.
inline constexpr int kSizeUsage = -1;
int RunSizeCommand(std::vector<std::string> args);

}  // namespace volvenza
