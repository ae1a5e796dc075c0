#include "entry/CycleEdits.h"

#include <algorithm>

#include "engine/FlowModel.h"
#include "entry/ActuatorPages.h"
#include "numbers/NumberText.h"

namespace volvenza {

bool InsertMovements(CircuitState& state, int at, const std::vector<Movement>& movements) {
    const int count = state.MovementCount;
    const int added = static_cast<int>(movements.size());
    if (at < 1 || at > count + 1 || added > kMaxMovements - count) return false;
    auto& slots = state.Movements;
    std::copy_backward(slots.begin() + at, slots.begin() + count + 1,
                       slots.begin() + count + 1 + added);
    std::copy(movements.begin(), movements.end(), slots.begin() + at);
    state.MovementCount = static_cast<int16_t>(count + added);
    return true;
}

Status RoomForMovements(const CircuitState& state, int count) {
    if (state.MovementCount + count <= kMaxMovements) return Done{};
    return Message(MessageId::MovementListFull);
}

bool RemoveMovements(CircuitState& state, int first, int count) {
    const int listed = state.MovementCount;
    if (first < 1 || count < 1 || count > listed - first + 1) return false;
    auto& slots = state.Movements;
    std::copy(slots.begin() + first + count, slots.begin() + listed + 1, slots.begin() + first);
    std::fill(slots.begin() + listed - count + 1, slots.begin() + listed + 1, Movement{});
    state.MovementCount = static_cast<int16_t>(listed - count);
    return true;
}

bool MoveMovements(CircuitState& state, int first, int last, int delta) {
    if ((delta != -1 && delta != 1) || first < 1 || last < first || last > state.MovementCount ||
        first + delta < 1 || last + delta > state.MovementCount) {
        return false;
    }
    auto& slots = state.Movements;
    if (delta < 0) {
        std::rotate(slots.begin() + first - 1, slots.begin() + first, slots.begin() + last + 1);
    } else {
        std::rotate(slots.begin() + first, slots.begin() + last + 1, slots.begin() + last + 2);
    }
    return true;
}

Movement WithKind(Movement m, int16_t kind) {
    m.Kind = kind;
    // Only a file holds differential pistons, with sizes no page shows.
    if (kind == MovementKind::DifferentialPiston) return m;
    for (float Movement::*size :
         {&Movement::BoreDiameter, &Movement::Stroke, &Movement::RodDiameter,
          &Movement::RodDiameter2, &Movement::Stroke1, &Movement::Stroke2, &Movement::Displacement,
          &Movement::Speed, &Movement::UnitDisplacement, &Movement::RotationAngle}) {
        if (!PageShows(kind, size)) m.*size = 0;
    }
    // The second pair of times belongs to the differential piston alone.
    if (kind != MovementKind::DifferentialPiston) m.Ti2 = m.Tf2 = 0;
    return m;
}

Movement WithComputedFlow(CircuitState& state, int slot, const Movement& m) {
    if (PageForKind(m.Kind) == nullptr) return m;
    Movement& target = state.Movements.at(slot);
    const Movement kept = target;
    target = m;
    const double flow = ComputeMovementFlow(state, static_cast<int16_t>(slot));
    Movement out = target;
    target = kept;
    // The editor stores the flow back from the text of its flow box.
    out.Qm = ParseNumber<double>(FormatNumber(flow, ',')).value_or(flow);
    return out;
}

}  // namespace volvenza
