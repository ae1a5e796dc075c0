#pragma once
// The "Dimensionamento" page of the printed report: the answer as the sizing
// library lays it out (requirements, catalogue, recommendation, precharge
// table, candidates, the rules' legend, why the smaller sizes fail), its
// tables fitted to the page width.

#include <QString>

#include "engine/CircuitData.h"
#include "platform/PrinterSurface.h"
#include "sizing/Search.h"

namespace volvenza {

// `data` are the initial data the search started from; `stale` when the
// design has changed since, which the page says under its title as the
// window does. Breaks to a new page wherever the next line would not fit; a
// table wider than the page goes on in a further block of columns, its first
// column repeated.
void PrintSizingReport(PrinterSurface& surface, const QString& printHeader,
                       const sizing::Requirements& req, const sizing::SizingAnswer& answer,
                       const CircuitData& data, bool stale = false);

}  // namespace volvenza
