// The report needs Qt to lay out its pages; a build without the windowed
// program has none.

#include <iostream>

#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SizingPdf.h"

namespace volvenza {

int RunReportCommand(const std::vector<std::string>&) {
    std::cerr << (SimInEnglish() ? "The report command is not available: this volvenza-sim was "
                                   "built without Qt (VOLVENZA_GUI=OFF).\n"
                                 : "Il comando report non è disponibile: questo volvenza-sim è "
                                   "stato compilato senza Qt (VOLVENZA_GUI=OFF).\n");
    return kExitReportUnavailable;
}

Status WriteSizingPdf(const std::string&, const std::string&, const std::string&,
                      const sizing::Requirements&, const sizing::SizingAnswer&,
                      const CircuitData&) {
    return Message(MessageId::ReportUnavailable);
}

}  // namespace volvenza
