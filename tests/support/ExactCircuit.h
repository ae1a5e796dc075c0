#pragma once
// A circuit typed into a state for the exact engine's tests, and the runs
// they ask of it: the gas laws by their settings, cycles one after another.

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/ExactCycle.h"
#include "engine/ExactRun.h"
#include "tests/support/ReferenceCycle.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza::test {

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// A circuit with its movements typed into a state, as the windows leave it.
struct Circuit {
    CircuitState state;
    Circuit(CircuitData data, std::initializer_list<Draw> draws) {
        TypeCircuit(state, data, draws);
    }
    DemandProfile Demand() const {
        return MakeDemand(state.Movements, state.SimMovementCount, state.Data.CycleTime);
    }
    ExactData Data() const { return TypedData(state.Data); }
    reference::RefCircuit Reference() const {
        const ExactData d = Data();
        reference::RefCircuit c{
            d.V0.value(), d.P0.value(), d.Qp.value(), d.Pm.value(), d.Dp.value(), d.CycleTime, {}};
        for (int i = 1; i <= state.SimMovementCount; ++i) {
            const Movement& m = state.Movements[i];
            c.moves.push_back({Typed(m.Ti), Typed(m.Tf), m.Qm});
        }
        return c;
    }
};

inline GasSettings Ideal(double n) {
    return {.Law = GasLawKind::Ideal, .Exponent = n, .MinTemp = {}, .MaxTemp = {}};
}
inline GasSettings Nitrogen(double tau) {
    return {.Law = GasLawKind::Nitrogen, .Tau = tau, .MinTemp = {}, .MaxTemp = {}};
}

inline std::vector<CycleSummary> Cycles(const Circuit& c, const GasSettings& gas, int count,
                                        double tolerance = kEntropyTolerance) {
    const ExactData d = c.Data();
    const DemandProfile demand = c.Demand();
    auto path = MakeGasPath(d, gas, d.Tc, tolerance);
    EXPECT_TRUE(path) << path.Error();
    std::vector<CycleSummary> out;
    CycleState start = FullStart(**path);
    for (int i = 0; i < count; ++i) {
        out.push_back(RunExactCycle(d, demand, **path, start));
        start = out.back().final;
    }
    return out;
}

}  // namespace volvenza::test
