#pragma once

#include <string>
#include <vector>

namespace volvenza {

// `volvenza-sim report IN.vlz OUT.pdf`: the whole printed report of a
// simulation file (initial data, movements, results table, chart) as a PDF,
// laid out without any window. Returns the exit status: 0 done, 2 an input
// that cannot be read or an output that cannot be written, 64 wrong usage or
// an output that is the input, 69 when this build has no report.
int RunReportCommand(const std::vector<std::string>& args);

inline constexpr int kExitReportUnavailable = 69;

}  // namespace volvenza
