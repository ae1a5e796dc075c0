#pragma once
// Movements as tab-separated text, for the clipboard and the spreadsheets it
// reaches: one line per movement with its number and the cycle table's
// columns (kind name, times, the seven sizes, flow, then the duty: load,
// efficiency, loss, typed required pressure, emergency mark 1, the required
// pressure worked out), the language's decimal separator, and empty cells for
// the sizes a kind does not use.

#include <vector>

#include <QString>
#include <QStringList>
#include <QVariant>

#include "documents/PastedMovements.h"
#include "engine/CircuitState.h"

namespace volvenza {

// The lines of `movements`, numbered from `firstNumber`.
QString MovementsAsText(const std::vector<Movement>& movements, int firstNumber);

// The desktop's words for the reader of pasted movements
// (documents/PastedMovements.h): the catalogue's texts, the table's headers,
// the kinds' names in the current language and in Italian, the language's
// decimal separator.
PasteWording UiPasteWording();

// One value copied from one cell, for a cell of `column`: the text to store
// (a kind's code for the kind column, a check state for the emergency mark),
// or the message.
struct PastedValue {
    QVariant value;
    QString error;
};
PastedValue ValueFromText(const QString& text, int column);

}  // namespace volvenza
