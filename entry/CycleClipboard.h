#pragma once
// Movements as tab-separated text, for the clipboard and the spreadsheets it
// reaches: one line per movement with its number and the cycle table's eleven
// columns (kind name, times, the seven sizes, flow), the decimal comma, and
// empty cells for the sizes a kind does not use.

#include <vector>

#include <QString>

#include "engine/CircuitState.h"

namespace volvenza {

// The lines of `movements`, numbered from `firstNumber`.
QString MovementsAsText(const std::vector<Movement>& movements, int firstNumber);

// Movements read back from such text: lines of twelve cells, or eleven
// without the number, which is never read. A kind is its name or its code;
// an empty cell is 0. On the first line that cannot be read, `error` says
// which and why, and no movement is returned.
struct PastedMovements {
    std::vector<Movement> movements;
    QString error;
};
PastedMovements MovementsFromText(const QString& text);

}  // namespace volvenza
