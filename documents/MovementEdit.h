#pragma once
// What one edit did to the movement list, told with the project's change
// to whoever shows the list: `count` slots from `first` on were edited in
// place, inserted at `first` (the later movements moved down), or removed
// from `first` (the later ones moved up).

#include <cstdint>

namespace volvenza {

struct MovementEdit {
    enum class Change { Edited, Inserted, Removed };
    Change change = Change::Edited;
    int16_t first = 0;
    int16_t count = 1;
    // Typing goes on in the same box: the history keeps it as one step.
    bool continues = false;
};

}  // namespace volvenza
