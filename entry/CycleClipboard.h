#pragma once
// Movements as tab-separated text, for the clipboard and the spreadsheets it
// reaches: one line per movement with its number and the cycle table's
// columns (kind name, times, the seven sizes, flow, then the duty: load,
// efficiency, loss, typed required pressure, emergency mark 1, the required
// pressure worked out), the language's decimal separator, and empty cells for
// the sizes a kind does not use.

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>
#include <QVariant>

#include "engine/CircuitState.h"

namespace volvenza {

// The lines of `movements`, numbered from `firstNumber`.
QString MovementsAsText(const std::vector<Movement>& movements, int firstNumber);

// A pasted cell read as a number. Text with the language's grouping
// separator ("1.500" under Italian) could be a thousand or a fraction and is
// never read.
struct PastedNumber {
    enum class Status { Read, NotANumber, Ambiguous } status = Status::NotANumber;
    double value = 0;
};
PastedNumber ReadPastedNumber(const QString& cell);

// A kind's name in either language, or its code; Empty when none.
int16_t PastedKind(const QString& cell);

// The message for a cell that is not a number or is ambiguous, naming the
// clipboard's line and the column.
QString PastedNumberError(const PastedNumber& number, const QString& cell, int line, int column);

// One value copied from one cell, for a cell of `column`: the text to store
// (a kind's code for the kind column, a check state for the emergency mark),
// or the message.
struct PastedValue {
    QVariant value;
    QString error;
};
PastedValue ValueFromText(const QString& text, int column);

// Movements read back from such text: per line the kind (after the number
// column or without it), then the times, the sizes and the flow; cells
// missing at the end are empty (a duty's default). A header line first is
// skipped and cells past the last column are ignored, each with a note; the
// worked-out required pressure is never read. A kind is its name or its
// code; an empty size is 0, an empty flow is computed from the sizes (see
// `flowGiven`). On the first line that cannot be read, `error` says which
// and why, and no movement is returned.
struct PastedMovements {
    std::vector<Movement> movements;
    std::vector<bool> flowGiven;
    QString error;
    QStringList notes;
};
PastedMovements MovementsFromText(const QString& text);

}  // namespace volvenza
