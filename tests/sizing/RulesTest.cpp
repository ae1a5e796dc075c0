// The rules of the search, each at its limit: under every gas law, for each
// accumulator type, with the precharge's tolerance; the largest flow of a
// size; and the precharge chosen over a temperature envelope.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/sizing/OneDraw.h"

namespace volvenza::sizing {
namespace {

// The lowest pressure, the swing and the gas's coldest point of the 4 dm3
// size the one draw recommends may each equal their limit, not pass it.
TEST_F(OneDrawTest, PressureSwingAndGasTemperatureRulesAtTheirLimits) {
    const Evaluation rec = *Evaluator(state, req).Evaluate(Plain(4, 85, 0), 8);
    // Rule 1's limit: a lowest pressure of exactly p1 still passes.
    req.MinPressure = GaugeBar(rec.Temps[0].LowestPressure);
    Evaluator atLimit(state, req);
    EXPECT_TRUE(atLimit.Evaluate(rec.Proposed, 8)->Rules[kPressureRule]);
    EXPECT_TRUE(*atLimit.PassesRuns(rec.Proposed, 8));
    req.MinPressure = GaugeBar(std::nextafter(rec.Temps[0].LowestPressure, 1000.0));
    EXPECT_FALSE(Evaluator(state, req).Evaluate(rec.Proposed, 8)->Rules[kPressureRule]);
    // Judged quickly first, the run that stopped below p1 is not the one
    // shown: a second draw takes the whole run lower.
    PlaceMovement(state, 2, 1.5f, 2, 60, MovementKind::CylinderExtending);
    Evaluator quickFirst(state, req);
    state.MovementCount = state.SimMovementCount = 1;
    EXPECT_FALSE(*quickFirst.PassesRuns(rec.Proposed, 8));
    const double lowest = quickFirst.Evaluate(rec.Proposed, 8)->Temps.at(0).LowestPressure;
    EXPECT_LT(lowest, rec.Temps[0].LowestPressure - 1);
    req.MinPressure = GaugeBar(99);

    // Rule 7's limit: the steady swing (from Pm down to the lowest point)
    // may equal the maker's rating, not exceed it by a thousandth of a bar.
    EXPECT_NEAR(rec.Swing(), 199 - rec.Temps[0].LowestPressure, 1e-4);
    req.Catalogue[8].RatedSwing = BarDifference(rec.Swing());
    EXPECT_TRUE(Evaluator(state, req).Evaluate(rec.Proposed, 8)->Passes());
    req.Catalogue[8].RatedSwing = BarDifference(rec.Swing() - 1e-3);
    EXPECT_FALSE(Evaluator(state, req).Evaluate(rec.Proposed, 8)->Rules[kSwingRule]);
    EXPECT_FALSE(*Evaluator(state, req).PassesRuns(rec.Proposed, 8));
    req.Catalogue[8].RatedSwing.reset();
    // Rule 6's limit: a gas exactly as cold as the separator stands.
    req.MinGasTemp = rec.LowestGasTemp();
    EXPECT_TRUE(Evaluator(state, req).Evaluate(rec.Proposed, 8)->Rules[kGasTempRule]);
    req.MinGasTemp = rec.LowestGasTemp() + 1e-3;
    EXPECT_FALSE(*Evaluator(state, req).PassesRuns(rec.Proposed, 8));
}

TEST_F(OneDrawTest, RulesAtTheirLimitsWhateverTheLaw) {
    // p1 = 99 g: rule 2 allows 0.9 * 100.01325 abs for a bladder or a
    // diaphragm, p1 - 5 for a piston; rule 3 the size's ratio on Pm / p0.
    struct Case {
        AccumulatorType type;
        double ratio, p0;
        bool rule2, rule3;
    };
    const double top = 0.9 * (99 + kAtm) - kAtm;
    const double ratio4 = (199 + kAtm) / 4 - kAtm;
    const double ratio8 = (199 + kAtm) / 8 - kAtm;
    const double inf = std::numeric_limits<double>::infinity();
    for (GasLawKind law : {GasLawKind::Classic, GasLawKind::Ideal, GasLawKind::Nitrogen}) {
        req.Gas.Law = law;
        for (const Case c : {Case{AccumulatorType::Bladder, 4, top, true, true},
                             Case{AccumulatorType::Bladder, 4, top + 1e-6, false, true},
                             Case{AccumulatorType::Bladder, 4, ratio4, true, true},
                             Case{AccumulatorType::Bladder, 4, ratio4 - 1e-6, true, false},
                             Case{AccumulatorType::Diaphragm, 8, ratio4 - 0.01, true, true},
                             Case{AccumulatorType::Diaphragm, 8, ratio8 - 1e-6, true, false},
                             Case{AccumulatorType::Piston, inf, 94, true, true},
                             Case{AccumulatorType::Piston, inf, 94 + 1e-6, false, true},
                             Case{AccumulatorType::Piston, inf, 0.01, true, true}}) {
            req.Type = c.type;
            req.Catalogue = Sizes({4}, c.ratio);
            auto e = Evaluator(state, req).CheckStatic(Plain(4, c.p0, 0), 0);
            ASSERT_TRUE(e) << e.Error();
            EXPECT_EQ(e->Rules[kPrechargeRule], c.rule2) << static_cast<int>(law) << ' ' << c.p0;
            EXPECT_EQ(e->Rules[kRatioRule], c.rule3) << static_cast<int>(law) << ' ' << c.p0;
        }
    }
    // The tolerance: rule 2 holds at the precharge plus it, rule 3 at the precharge less it.
    req.Type = AccumulatorType::Bladder;
    req.Catalogue = Sizes({4});
    req.PrechargeTolerance = 0.02;
    Evaluator tolerant(state, req);
    const double high = (top - 0.005) / 1.02, low = (ratio4 + 0.005) / 0.98;
    EXPECT_TRUE(tolerant.CheckStatic(Plain(4, high, 0), 0)->Rules[kPrechargeRule]);
    EXPECT_FALSE(tolerant.CheckStatic(Plain(4, high + 0.01, 0), 0)->Rules[kPrechargeRule]);
    EXPECT_TRUE(tolerant.CheckStatic(Plain(4, low, 0), 0)->Rules[kRatioRule]);
    EXPECT_FALSE(tolerant.CheckStatic(Plain(4, low - 0.01, 0), 0)->Rules[kRatioRule]);
    // A tenth of a bar at -20 °C is below the atmosphere: a ratio still of
    // absolute pressures, 200,01 / (1,11325 × 253,15 / 293,15) for an ideal gas.
    req.Gas.MinTemp = -20;
    req.PrechargeTolerance = 0;
    EXPECT_NEAR(Evaluator(state, req).CheckStatic(Plain(4, 0.1, 0), 0)->Ratio, 208.05, 0.2);

    // Rule 4: Pm against PS (the size's too) and 0.9 times the relief setting, absolute.
    req.ReliefSetting = GaugeBar((199 + kAtm) / 0.9 - kAtm);
    req.RatedPressure = GaugeBar(250);
    EXPECT_TRUE(Evaluator(state, req).CheckStatic(Plain(4, 85, 0), 0)->Rules[kRatedRule]);
    req.ReliefSetting = *req.ReliefSetting - BarDifference(0.01);
    EXPECT_FALSE(Evaluator(state, req).CheckStatic(Plain(4, 85, 0), 0)->Rules[kRatedRule]);
    req.ReliefSetting.reset();
    req.RatedPressure = GaugeBar(198.99);
    EXPECT_FALSE(Evaluator(state, req).CheckStatic(Plain(4, 85, 0), 0)->Rules[kRatedRule]);
    req.RatedPressure = GaugeBar(199);
    EXPECT_TRUE(Evaluator(state, req).CheckStatic(Plain(4, 85, 0), 0)->Rules[kRatedRule]);
    req.Catalogue[0].RatedPressure = GaugeBar(198.99);
    EXPECT_FALSE(Evaluator(state, req).CheckStatic(Plain(4, 85, 0), 0)->Rules[kRatedRule]);
}

TEST_F(OneDrawTest, LargestFlowOfASizeIsRuleFive) {
    // With the pump stopped the movement draws 60 dm3/min, and a second one
    // 70 over the cycle's last step.
    PlaceMovement(state, 2, 1.99f, 2, 70, MovementKind::Motor);
    req.Catalogue = Sizes({4, 5});
    req.Catalogue[0].MaxFlow = Dm3PerMin(69.9);
    req.Catalogue[1].MaxFlow = Dm3PerMin(70);
    const SizingAnswer a = Size();
    ASSERT_EQ(a.Candidates.size(), 2u);
    EXPECT_NEAR(a.Candidates[0].PeakFlow(), 70, 1e-9);
    EXPECT_FALSE(a.Candidates[0].Rules[kFlowRule]);
    EXPECT_TRUE(a.Candidates[1].Rules[kFlowRule]);
    EXPECT_FALSE(*Evaluator(state, req).PassesRuns(a.Candidates[0].Proposed, 0));
    EXPECT_EQ(a.Recommended, 1u);
    EXPECT_EQ(a.Explanations.at(0).FailedRules, std::vector<int>{5});
    // A size that holds p1 needs no one-figure fix, whatever rule it fails.
    req.Catalogue[0].MaxFlow.reset();
    req.Catalogue[0].MaxRatio = 1.5;
    const SizingAnswer ratio = Size();
    EXPECT_EQ(ratio.Explanations.at(0).FailedRules, std::vector<int>{3});
    EXPECT_FALSE(ratio.Explanations[0].FixV0 || ratio.Explanations[0].FixQp);
    // A flow over the cycle's first step alone counts too: 60 + 75 there.
    PlaceMovement(state, 2, 0, 0.01f, 75, MovementKind::Motor);
    EXPECT_NEAR(Evaluator(state, req).Evaluate(Plain(4, 85, 0), 0)->PeakFlow(), 135, 1e-9);

    // A size that fails on its flow alone: two in parallel share it, even
    // when they hold less than a dm3 of gas (0,1 dm3 drawn at 6 dm3/min).
    state.MovementCount = state.SimMovementCount = 1;
    // A trickle peaks at what it draws and swings well under a bar, on the
    // adiabat from Pm through the gas it gave.
    PlaceMovement(state, 1, 0, 1, 0.25, MovementKind::Motor);
    const auto trickle = Evaluator(state, req).Evaluate(Plain(4, 85, 0), 0);
    EXPECT_NEAR(trickle->PeakFlow(), 0.25, 1e-9);
    const double full = 4 * std::pow((85 + kAtm) / (199 + kAtm), 1 / 1.4);
    const double drawn = (199 + kAtm) * std::pow(full / (full + 0.25 / 60), 1.4) - kAtm;
    EXPECT_NEAR(trickle->Swing(), 199 - drawn, 1e-9);
    PlaceMovement(state, 1, 0, 1, 6, MovementKind::CylinderExtending);
    req.Catalogue = Sizes({0.4});
    req.Catalogue[0].MaxFlow = Dm3PerMin(5);
    const SizingAnswer shared = Size();
    ASSERT_TRUE(shared.Recommended);
    EXPECT_EQ(shared.Recommendation()->Proposed, Plain(0.4, 85, 0, 2));
}

// The answer's figures keep their own decimals, and each reason is said

TEST_F(OneDrawTest, ChosenPrechargeIsTheHighestTheRulesAllowOverTheEnvelope) {
    req.ChoosePrecharge = true;
    req.Gas.MinTemp = -10;
    req.Gas.MaxTemp = 50;
    const SizingAnswer a = Size();
    ASSERT_TRUE(a.Recommended);
    EXPECT_EQ(a.Temperatures, (std::vector<double>{-10, 20, 50}));
    const Evaluation& rec = *a.Recommendation();
    // 0.9 p1 absolute at 50 °C carried back to 20 °C along nitrogen's
    // isochore (which falls faster than the ideal gas's kelvin ratio), and
    // rounded down to a tenth.
    const double ideal = (0.9 * (99 + kAtm)) * 293.15 / 323.15 - kAtm;
    EXPECT_LT(rec.Proposed.P0.value(), ideal - 0.5);
    EXPECT_GT(rec.Proposed.P0.value(), ideal - 2);
    EXPECT_EQ(rec.Proposed.P0.value(), std::round(rec.Proposed.P0.value() * 10) / 10);
    EXPECT_TRUE(rec.Passes());
    EXPECT_LE(rec.PrechargeHigh, rec.PrechargeLimit);
    EXPECT_GT(rec.PrechargeHigh, rec.PrechargeLimit - 0.15);
    // The gas is coldest and its precharge lowest at -10 °C: the lowest pressure too.
    ASSERT_EQ(rec.Temps.size(), 3u);
    EXPECT_LT(rec.Temps[0].LowestPressure, rec.Temps[2].LowestPressure);
    // A cycle long enough for the three runs to go side by side: each its own.
    state.Data.CycleTime = 70;
    const auto longer = Evaluator(state, req).Evaluate(rec.Proposed, rec.Size);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(longer->Temps.at(i).WorkTemp, a.Temperatures[i]);
    EXPECT_LT(longer->Temps[0].LowestPressure, longer->Temps[1].LowestPressure);
}

// A size off the table takes the limits of the nearest one, on each side of
// where a diaphragm's ratio changes; midway, the smaller's.
TEST(DefaultCatalogueTest, ASizeOffTheTableTakesTheNearestOnesLimits) {
    for (auto [v0, ratio] : {std::pair{0.875, 8.0}, {1.1, 6.0}, {2.3, 6.0}, {2.5, 4.0}}) {
        const CatalogueSize s = DefaultSize(AccumulatorType::Diaphragm, Dm3(v0));
        EXPECT_EQ(std::pair(s.V0.value(), s.MaxRatio), std::pair(v0, ratio));
    }
}

}  // namespace
}  // namespace volvenza::sizing
