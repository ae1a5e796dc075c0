#pragma once
// Edits of the movement list by blocks of slots: inserting movements at a
// place, removing a run of them, moving a run one place up or down, and
// changing a movement's kind. Each keeps MovementCount in step; removing
// clears the freed slots at the end as the editor's deletion does. The
// current movement of the editor is left to the editor. No windows here.

#include <cstdint>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Result.h"

namespace volvenza {

// Inserts `movements` before slot `at` (1..MovementCount + 1). False, and
// nothing changed, when `at` lies outside that or the list would pass 1000.
bool InsertMovements(CircuitState& state, int at, const std::vector<Movement>& movements);

// Refused when `count` more movements would pass the list's 1000.
Status RoomForMovements(const CircuitState& state, int count);

// Removes slots first..first + count - 1, which must lie in the list.
bool RemoveMovements(CircuitState& state, int first, int count);

// Moves slots first..last one place up (delta -1) or down (+1); the movement
// passed over goes to the other end of the run.
bool MoveMovements(CircuitState& state, int first, int last, int delta);

// `m` as a movement of `kind`: the sizes that kind's page does not show are
// cleared, so that none of them enters its flow unseen.
Movement WithKind(Movement m, int16_t kind);

// `m` with the flow the movement editor gives it after an edit of a time or
// a size: ComputeMovementFlow on the slot's values, kept as the flow box
// shows it. The state is left as it was.
Movement WithComputedFlow(CircuitState& state, int slot, const Movement& m);

}  // namespace volvenza
