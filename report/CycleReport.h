#pragma once
// The cycle window's report: the movement table, its columns fitted to the
// page's width, then the timing diagram on a page of its own, as large as
// the page. Laid out from the movement list and the cycle's timing alone.

#include <QImage>
#include <QSize>
#include <QString>

#include "engine/CircuitState.h"
#include "engine/CycleTiming.h"
#include "platform/PrinterSurface.h"

namespace volvenza {

void PrintCycleReport(PrinterSurface& surface, const CircuitState& state,
                      const QString& printHeader);

// The timing diagram for paper: a lane per movement with its bar, the total
// flow Qt(t) against Qp below, one time axis; `size` in pixels at 96 per inch.
QImage CycleTimingPicture(const CycleTiming& timing, QSize size);

}  // namespace volvenza
