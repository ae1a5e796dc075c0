#pragma once
// A movement's cells as the cycle table shows them, which the desktop's
// table and the browser's both show: which cells are blank and how the
// others write their numbers.

#include <string>

#include "engine/CircuitState.h"

namespace volvenza {

// Whether the cycle table has a cell for `column` (PasteColumn) of a
// movement of `kind`: the sizes its kind's page shows, the load and the
// efficiency where the kind takes a load, every other column.
bool CycleCellShown(int16_t kind, int column);

// The text of `column` of `m` in full, with `decimal`, where it has the
// cell (CycleCellShown): blank for a flow over no time or not a number (0
// is shown), a load or a loss of 0, a required pressure not typed, or one worked out
// where the movement has no load; the required pressure worked out to one
// decimal. The kind's title and the emergency mark are each front end's to
// show: blank here.
std::string CycleCellText(const Movement& m, int column, char decimal);

// The value a cell keeps while its text is no number, as the cycle table's
// check names it: the number in full, a duty's as the cell shows it, "-" for
// its blank default.
std::string CycleKeptText(const Movement& m, int column, char decimal);

}  // namespace volvenza
