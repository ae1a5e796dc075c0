#pragma once
// Every edit of the cycle table as a command on the model's undo stack, so
// that Ctrl+Z and Ctrl+Y take it back and do it again: a typed cell, a
// changed kind, movements inserted (added, duplicated, pasted), removed or
// moved. Slots are 1-based, as in the movement table.

#include <cstdint>
#include <vector>

#include <QString>

#include "engine/CircuitState.h"

namespace volvenza {

class CycleTableModel;

// The text typed into a time, size, flow or duty cell of `slot`. A time or a size
// recomputes the flow as the movement editor does; text that is not a
// number stays in the cell, marked, and changes nothing. False when nothing
// was stored.
bool EditCell(CycleTableModel& model, int slot, int column, const QString& text);

// Marks `slot` for the emergency stroke, or clears the mark. False when it
// was so already.
bool MarkEmergency(CycleTableModel& model, int slot, bool marked);

// `slot` becomes a movement of `kind`; the sizes that kind does not use are
// cleared and the flow recomputed. False when the kind is the same.
bool ChangeKind(CycleTableModel& model, int slot, int16_t kind);

// Inserts `movements` before slot `at` as one step of the undo stack.
void InsertRows(CycleTableModel& model, int at, const std::vector<Movement>& movements,
                const QString& what);

// Removes the listed slots (any order) as one step.
void RemoveRows(CycleTableModel& model, std::vector<int> chosen);

// Moves slots first..last one place up (-1) or down (+1) as one step.
void MoveRows(CycleTableModel& model, int first, int last, int delta);

}  // namespace volvenza
