#pragma once
// What is wrong with a movement as the cycle table marks its row, from the
// movement alone: times that cannot run, a flow that is no flow, a movement
// past the cycle, and what is only said (a load without sizes, a flow typed
// over the sizes' one). The desktop's table and the browser's share it; each
// words the reasons, typed messages, in its language.

#include <optional>
#include <vector>

#include "engine/CircuitState.h"
#include "messages/Message.h"

namespace volvenza {

struct MovementCheck {
    // A run refuses an error and asks about (or cuts) a warning.
    enum class Severity { None, Warning, Error } severity = Severity::None;
    std::vector<Message> reasons;
};

// With a cycle time of 0 (not given yet) only negative times are marked.
MovementCheck CheckMovement(const Movement& m, float cycleTime);

// The flow the sizes and times give when the one stored is another: typed
// by hand.
std::optional<double> OtherFlowOfSizes(Movement m);

}  // namespace volvenza
