#pragma once
// The printed "Dimensionamento" page as a PDF file with no window and no
// display, for the command line: volvenza-sim's sizing command reaches it
// through its own Qt-free declaration (tools/volvenza-sim/SizingPdf.h).

#include <string>

#include "engine/CircuitData.h"
#include "messages/Result.h"
#include "sizing/Search.h"

namespace volvenza {

// Lays the page out on the default printer's page set-up (A4 in most
// places), every page under the identity line of `printHeader`, the
// design's file name `design`, today and `data`, and writes it atomically.
// Without a running Qt application it starts one on the offscreen platform,
// in the language of the environment. `data` are the initial data the
// search started from. Fails with the user's message when the file cannot
// be written.
Status WriteSizingReportPdf(const std::string& path, const std::string& printHeader,
                            const std::string& design, const sizing::Requirements& req,
                            const sizing::SizingAnswer& answer, const CircuitData& data);

}  // namespace volvenza
