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

// The cycle window's timing diagram for paper, every lane shown; `size` in
// pixels at 96 per inch.
QImage CycleTimingPicture(const CycleTiming& timing, float cycleTime, QSize size);

}  // namespace volvenza
