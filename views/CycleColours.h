#pragma once
// The colours of the cycle window: one per kind of movement, shared by the
// table's kind column and the diagram's bars (light enough for black text on
// them), and the two colours of the rows' checks.

#include <cstdint>

#include <QColor>

#include "engine/CircuitState.h"

namespace volvenza {

// A run refuses a row marked as an error and asks about, or cuts, a row
// marked with a warning.
inline constexpr QColor kCheckErrorColour(255, 200, 200);
inline constexpr QColor kCheckWarningColour(255, 238, 170);

inline QColor KindColour(int16_t kind) {
    switch (kind) {
        case MovementKind::CylinderExtending:
            return {244, 177, 64};
        case MovementKind::CylinderRetracting:
            return {120, 190, 235};
        case MovementKind::DifferentialPiston:
            return {214, 150, 190};
        case MovementKind::Motor:
            return {96, 196, 150};
        case MovementKind::VaneActuator:
            return {236, 224, 90};
        case MovementKind::DoubleRodCylinder:
            return {160, 168, 236};
        case MovementKind::SingleActingCylinder:
            return {206, 176, 136};
        default:
            return {190, 190, 190};
    }
}

}  // namespace volvenza
