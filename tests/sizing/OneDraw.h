#pragma once
// What the sizing's tests start from: designs and catalogues of plain
// figures, the one draw of SetUpOneDraw (as a fixture too), and a design
// judged apart from the engine, the independent reference model of the
// cycle running it cycle after cycle over the working day.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/CycleDemand.h"
#include "engine/CycleRun.h"
#include "sizing/Requirements.h"
#include "sizing/Search.h"
#include "tests/support/ReferenceCycle.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza::sizing {

inline constexpr double kAtm = 1.01325;
// The answers' words as the Italian program says them.
inline const Wording kItalian{nullptr, ','};

// A design from plain figures: V0 and bottle [dm3], P0 [bar gauge], Qp [dm3/min].
inline Design Plain(double v0, double p0, double qp, int count = 1, double bottle = 0,
                    int bottles = 0) {
    return {Dm3(v0), GaugeBar(p0), Dm3PerMin(qp), count, Dm3(bottle), bottles};
}

// Movement `i` drawing `qm` dm3/min from `ti` to `tf`; the list ends at the
// highest one placed.
inline void PlaceMovement(CircuitState& state, int i, float ti, float tf, double qm, int16_t kind) {
    state.Movements[i] = Movement{.Ti = ti, .Tf = tf, .Qm = qm, .Kind = kind};
    state.MovementCount = state.SimMovementCount =
        std::max(state.MovementCount, static_cast<int16_t>(i));
}

// The reference model's circuit and gas for a design of `state`'s cycle at
// the working temperature `temp`: the law the sizing uses (real nitrogen for
// the classic law).
inline reference::RefCircuit ReferenceCircuit(const CircuitState& state, const GasSettings& gas,
                                              const Design& d) {
    const CircuitData& data = state.Data;
    reference::RefCircuit c{d.GasVolume().value(),
                            d.P0.value(),
                            (d.Qp * gas.Vessels.VolumetricEfficiency).value(),
                            Typed(data.Pm),
                            Typed(data.Dp),
                            Typed(data.CycleTime),
                            {}};
    for (int i = 1; i <= state.SimMovementCount; ++i) {
        const Movement& m = state.Movements[i];
        c.moves.push_back({Typed(m.Ti), Typed(m.Tf), m.Qm});
    }
    return c;
}
inline reference::RefGas ReferenceGas(const GasSettings& settings, double temp) {
    const GasSettings gas = EngineeringGas(settings);
    return {gas.Law == GasLawKind::Ideal ? reference::RefLaw::Ideal : reference::RefLaw::Nitrogen,
            gas.Exponent, gas.Tau, gas.ChargeTemp, temp};
}
inline std::vector<double> ReferenceTemperatures(const CircuitState& state,
                                                 const GasSettings& gas) {
    const double tc = Typed(state.Data.Tc);
    const double low = gas.MinTemp.value_or(tc), high = gas.MaxTemp.value_or(tc);
    return low == tc && high == tc ? std::vector<double>{tc} : std::vector<double>{low, tc, high};
}

// Does the design hold p1, at every temperature, over the working day from
// full, with the pump loading at most once a second on average and never
// twice as often in a cycle? The reference model, not the engine, runs the
// cycles, until they repeat or the day is over. The loadings a cycle may
// have move by `loadSlack`: where the pump switches drifts from cycle to
// cycle, so that the engine's first cycles may count one more or one less
// than the day's.
inline bool HoldsOverTheDay(const CircuitState& state, const Requirements& req, const Design& d,
                            double loadSlack = 0) {
    const int day =
        static_cast<int>(std::ceil(req.WorkingHours * 3600 / Typed(state.Data.CycleTime)));
    for (double temp : ReferenceTemperatures(state, req.Gas)) {
        const auto all =
            reference::RunUntilRepeating(ReferenceCircuit(state, req.Gas, d),
                                         ReferenceGas(req.Gas, temp), req.SingleCycle ? 1 : day);
        if (all.back().emptied) return false;
        const double tc = Typed(state.Data.CycleTime) + loadSlack;
        const double most = 2 * (std::floor(Typed(state.Data.CycleTime)) + 1) + loadSlack;
        double loads = 0;
        for (const reference::RefCycle& c : all) {
            if (c.lowest < req.MinPressure.value() - 1e-6) return false;
            if (static_cast<double>(c.pumpOn.size()) > most) return false;
            if (&c != &all[0] || all.size() == 1) loads += static_cast<double>(c.pumpOn.size());
        }
        if (loads / std::max<double>(1, static_cast<double>(all.size()) - 1) > tc) return false;
    }
    return true;
}

// One movement drawing 1 dm3 in 1 s, pump stopped, ideal gas n = 1.4 at
// 20 °C on the adiabat through the precharge, one cycle started full: the
// closed forms hold (a single vessel needs 2,852 dm3 to stay above 99 bar).
inline void SetUpOneDraw(CircuitState& state, Requirements& req) {
    test::TypeCircuit(state, {2.5f, 85, 20, 0, 199, 10, 2},
                      {{0, 1, 60, MovementKind::CylinderExtending}});
    req.MinPressure = GaugeBar(99);
    req.Gas.Law = GasLawKind::Ideal;
    req.Gas.Start = gas::ChargeStart::Fast;
    req.ChoosePrecharge = false;
    req.SingleCycle = true;
    req.PrechargeTolerance = 0;
}

// A catalogue of these volumes, each size allowing `ratio`.
inline std::vector<CatalogueSize> Sizes(const std::vector<double>& volumes, double ratio = 4) {
    std::vector<CatalogueSize> sizes;
    for (double v : volumes) {
        sizes.emplace_back();
        sizes.back().V0 = Dm3(v);
        sizes.back().MaxRatio = ratio;
    }
    return sizes;
}

class OneDrawTest : public ::testing::Test {
  protected:
    OneDrawTest() { SetUpOneDraw(state, req); }
    SizingAnswer Size() {
        auto answer = SizeAccumulator(state, req);
        EXPECT_TRUE(answer) << answer.Error();
        return answer ? *answer : SizingAnswer{};
    }
    CircuitState state;
    Requirements req;
};

}  // namespace volvenza::sizing
