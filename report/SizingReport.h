#pragma once
// The "Dimensionamento" page of the printed report: the requirements, the
// recommendation with the precharge to set, the candidates and the rules.

#include <QString>

#include "platform/PrinterSurface.h"
#include "sizing/Search.h"

namespace volvenza {

// Breaks to a new page wherever the next line would not fit.
void PrintSizingReport(PrinterSurface& surface, const QString& printHeader,
                       const sizing::Requirements& req, const sizing::SizingAnswer& answer);

}  // namespace volvenza
