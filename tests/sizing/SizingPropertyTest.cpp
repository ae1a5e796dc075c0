// Over generated cycles, the recommendation holds up when its design is run
// alone by the engine, and the catalogue size below it does not.

#include <gtest/gtest.h>

#include <random>

#include "engine/CycleRun.h"
#include "sizing/Search.h"

namespace volvenza::sizing {
namespace {

// The engine's own single run of a design at every temperature: does the
// pressure stay at p1 or above, without the warning? With `seen`, the
// assistant's lowest pressures and times must be the engine's.
bool HoldsAlone(const CircuitState& state, const GasSettings& gas, const Design& d, double p1,
                const Evaluation* seen = nullptr) {
    CircuitData data = state.Data;
    data.V0 = static_cast<float>(d.V0);
    data.P0 = static_cast<float>(d.P0);
    data.Qp = static_cast<float>(d.Qp);
    CycleWorkspace work;
    auto runs = RunTemperatureEnvelope(data, gas, ComputeCycleFlows(state), work);
    EXPECT_TRUE(runs) << runs.Error();
    if (!runs) return false;
    if (seen != nullptr) {
        EXPECT_EQ(seen->Temps.size(), runs->size());
        for (size_t i = 0; i < runs->size() && i < seen->Temps.size(); ++i) {
            EXPECT_EQ(seen->Temps[i].LowestPressure, (*runs)[i].LowestPressure);
            EXPECT_EQ(seen->Temps[i].LowestTime, (*runs)[i].LowestTime);
            EXPECT_EQ(seen->Temps[i].Warning, (*runs)[i].Warning);
        }
    }
    for (const TemperatureRun& r : *runs) {
        if (r.Warning || r.LowestPressure < p1) return false;
    }
    return true;
}

TEST(SizingPropertyTest, RecommendationHoldsAloneAndTheSizeBelowDoesNot) {
    std::mt19937 rng(20261206);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution(lo, hi)(rng);
    };
    int recommended = 0;
    for (int c = 0; c < 60; ++c) {
        CircuitState state;
        InitCircuitState(state);
        const float pm = static_cast<float>(uniform(100, 250));
        const float cycle = static_cast<float>(uniform(2, 10));
        state.Data = CircuitData{1,    50,
                                 20,   static_cast<float>(uniform(0, 40)),
                                 pm,   static_cast<float>(uniform(5, 20)),
                                 cycle};
        const int moves = std::uniform_int_distribution(1, 8)(rng);
        for (int i = 1; i <= moves; ++i) {
            Movement& m = state.Movements[i];
            m.Ti = static_cast<float>(uniform(0, cycle * 0.8));
            m.Tf = m.Ti + static_cast<float>(uniform(0.1, cycle * 0.2));
            m.Qm = uniform(5, 80);
            m.Kind = static_cast<int16_t>(1 + i % 7);
        }
        state.MovementCount = state.SimMovementCount = static_cast<int16_t>(moves);

        Requirements req;
        req.MinPressure = pm * uniform(0.4, 0.8);
        req.Type = static_cast<AccumulatorType>(c % 3);
        req.Gas.Law = c % 2 == 0 ? GasLawKind::Classic : GasLawKind::Ideal;
        if (c % 4 == 1) {
            req.Gas.MinTemp = 0;
            req.Gas.MaxTemp = 45;
        }
        req.SizePump = c % 5 == 0;
        auto answer = SizeAccumulator(state, req);
        ASSERT_TRUE(answer) << c << ": " << answer.Error();
        if (!answer->Recommended) continue;
        ++recommended;
        const Design d = answer->Recommendation()->Proposed;
        EXPECT_TRUE(HoldsAlone(state, req.Gas, d, req.MinPressure, answer->Recommendation()))
            << c << ": " << d.V0;
        const size_t i = *answer->Recommended;
        if (i == 0) continue;
        // Rules 2 to 4 do not depend on the size: the one below fails on its runs.
        const Design below{req.Catalogue[i - 1], d.P0, d.Qp};
        EXPECT_FALSE(HoldsAlone(state, req.Gas, below, req.MinPressure)) << c << ": " << below.V0;
    }
    EXPECT_GT(recommended, 30);
}

}  // namespace
}  // namespace volvenza::sizing
