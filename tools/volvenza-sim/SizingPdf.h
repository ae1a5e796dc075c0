#pragma once
// The sizing command's PDF of the printed "Dimensionamento" page. Declared
// here, free of Qt, for the commands; its code comes with the program: with
// Qt the report library lays the page out (ReportCommand.cpp), without it
// ReportUnavailable.cpp refuses with MessageId::ReportUnavailable.

#include <string>

#include "engine/CircuitData.h"
#include "messages/Result.h"
#include "sizing/Search.h"

namespace volvenza {

// The page under the identity line of `printHeader`, the design's file name
// `design`, today and `data` (the initial data the search started from),
// written atomically to `path`; or the message saying why not.
Status WriteSizingPdf(const std::string& path, const std::string& printHeader,
                      const std::string& design, const sizing::Requirements& req,
                      const sizing::SizingAnswer& answer, const CircuitData& data);

}  // namespace volvenza
