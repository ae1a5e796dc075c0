#include "engine/FlowModel.h"

#include <cmath>
#include <optional>

#include "numbers/Rounding.h"

namespace volvenza {
namespace {

// The four-digit value the flow formulas have always used.
constexpr double kPi = 3.1416;
// Added to the duration so that equal times give a huge flow, not a division by zero.
constexpr double kDurationGuard = 1e-21;

double Square(double x) {
    return std::pow(x, 2.0);
}

// The flow the kind's formula gives from the sizes and times; nothing where
// neither the cylinder's nor the motor's formula applies, or for a kind with
// no formula.
std::optional<double> FormulaFlow(const Movement& m) {
    const double T = (static_cast<double>(m.Tf) - static_cast<double>(m.Ti)) + kDurationGuard;
    const double D = m.BoreDiameter;
    const double d = m.RodDiameter;
    const double L = m.Stroke;

    switch (m.Kind) {
        case MovementKind::CylinderExtending:
        case MovementKind::CylinderRetracting:
        case MovementKind::DifferentialPiston:
        case MovementKind::Motor:
        case MovementKind::DoubleRodCylinder: {
            double q = ((Square(D) - Square(d)) * kPi * L / 4000000.0) / T * 60.0;
            if (q == 0)
                q = static_cast<double>(m.Speed) * static_cast<double>(m.Displacement) / 1000.0;
            if (q == 0) return std::nullopt;
            return q;
        }
        case MovementKind::VaneActuator: {
            double q =
                (static_cast<double>(m.RotationAngle) * static_cast<double>(m.UnitDisplacement)) /
                T * 60.0;
            q = q / 1000.0;
            return q;
        }
        case MovementKind::SingleActingCylinder:
            return (Square(d / 100.0) * kPi / 4.0 * (L / 100.0)) / T * 60.0;
        default:
            return std::nullopt;
    }
}

}  // namespace

double ComputeMovementFlow(CircuitState& state, int16_t k) {
    Movement& m = state.Movements.at(k);
    if (m.Kind < MovementKind::CylinderExtending || m.Kind > MovementKind::SingleActingCylinder) {
        return 0;
    }
    // Neither formula applies: a typed or loaded flow survives.
    m.Qm = FormulaFlow(m).value_or(m.Qm);
    return RoundHalfEven(m.Qm, 3);
}

std::optional<double> FlowOfSizes(const Movement& m) {
    return FormulaFlow(m);
}

}  // namespace volvenza
