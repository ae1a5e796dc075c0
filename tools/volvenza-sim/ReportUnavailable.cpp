// The report needs Qt to lay out its pages; a build without the windowed
// program has none.

#include <iostream>

#include "tools/volvenza-sim/ReportCommand.h"
#include "tools/volvenza-sim/SimText.h"
#include "tools/volvenza-sim/SizingPdf.h"

namespace volvenza {

int RunReportCommand(const std::vector<std::string>&) {
    std::cerr << SimMessage(Message(MessageId::ReportCommandUnavailable)) << '\n';
    return kExitReportUnavailable;
}

Status WriteSizingPdf(const std::string&, const std::string&, const std::string&,
                      const sizing::Requirements&, const sizing::SizingAnswer&,
                      const CircuitData&) {
    return Message(MessageId::ReportUnavailable);
}

}  // namespace volvenza
