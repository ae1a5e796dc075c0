// The report needs Qt to lay out its pages; a build without the windowed
// program has none.

#include <iostream>

#include "report/SizingPdf.h"
#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/SimText.h"

namespace volvenza {

int RunReportCommand(const std::vector<std::string>&) {
    std::cerr << (SimInEnglish() ? "The report command is not available: this volvenza-sim was "
                                   "built without Qt (VOLVENZA_GUI=OFF).\n"
                                 : "Il comando report non è disponibile: questo volvenza-sim è "
                                   "stato compilato senza Qt (VOLVENZA_GUI=OFF).\n");
    return kExitReportUnavailable;
}

std::optional<std::string> WriteSizingPdf(const std::string&, const std::string&,
                                          const std::string&, const sizing::Requirements&,
                                          const sizing::SizingAnswer&, const CircuitData&) {
    return std::string(SimInEnglish() ? kReportUnavailableEnglish : kReportUnavailable);
}

}  // namespace volvenza
