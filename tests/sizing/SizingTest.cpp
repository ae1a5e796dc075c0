// The sizing assistant on cycles whose answers are known: one movement
// against the ideal gas's closed form, the rules at their limits for each
// accumulator type, the chosen precharge, repeated cycles and the pump.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/CycleRun.h"
#include "sizing/Search.h"

namespace volvenza::sizing {
namespace {

constexpr double kAtm = 1.01325;

// One movement drawing 1 dm3 in 1 s, pump stopped, ideal gas n = 1.4 at 20 °C.
class OneDrawTest : public ::testing::Test {
  protected:
    OneDrawTest() {
        InitCircuitState(state);
        state.Data = CircuitData{2.5f, 85, 20, 0, 199, 10, 2};
        Movement& m = state.Movements[1];
        m.Ti = 0;
        m.Tf = 1;
        m.Qm = 60;
        m.Kind = MovementKind::CylinderExtending;
        state.MovementCount = state.SimMovementCount = 1;
        req.MinPressure = 99;
        req.Gas.Law = GasLawKind::Ideal;
        // On the adiabat through the precharge, where the closed forms below hold.
        req.Gas.Start = gas::ChargeStart::Fast;
        req.ChoosePrecharge = false;
    }
    SizingAnswer Size() {
        auto answer = SizeAccumulator(state, req);
        EXPECT_TRUE(answer) << answer.Error();
        return answer ? *answer : SizingAnswer{};
    }
    CircuitState state;
    Requirements req;
};

TEST_F(OneDrawTest, RecommendsTheSizeAboveTheClosedForm) {
    // V0 = 1 / [(p0/p1)^(1/n) - (p0/Pm)^(1/n)], absolute pressures: 2.852 dm3.
    const double root = 1 / (std::pow((85 + kAtm) / (99 + kAtm), 1 / 1.4) -
                             std::pow((85 + kAtm) / (199 + kAtm), 1 / 1.4));
    ASSERT_NEAR(root, 2.852, 0.001);
    const SizingAnswer a = Size();
    ASSERT_TRUE(a.Recommended);
    const Evaluation& rec = *a.Recommendation();
    EXPECT_EQ(rec.Proposed, (Design{4, 85, 0}));
    EXPECT_GT(rec.Temps.at(0).LowestPressure, 99);
    // Qp = 0: the pump never delivers.
    EXPECT_EQ(rec.Temps[0].PumpStarts, 0);
    EXPECT_EQ(rec.Temps[0].PumpShare, 0);
    // Up to two sizes above the recommendation, every smaller one failing rule 1 alone.
    ASSERT_EQ(a.Candidates.size(), 11u);
    EXPECT_EQ(a.Candidates.back().Proposed.V0, 6);
    const Evaluation& below = a.Candidates[7];
    ASSERT_EQ(below.Proposed.V0, 2.5);
    EXPECT_FALSE(below.Rules[0]);
    EXPECT_TRUE(below.Rules[1] && below.Rules[2] && below.Rules[3]);

    const Explanation& x = a.Explanations.at(7);
    EXPECT_EQ(x.FailedRules, std::vector<int>{1});
    EXPECT_NEAR(x.MissingOil, 0.123, 0.005);
    EXPECT_NEAR(x.Time, 1.0, 0.011);
    ASSERT_EQ(x.Active.size(), 1u);
    EXPECT_EQ(x.Active[0].Number, 1);
    // The fixes of one figure: the closed-form volume; no precharge up to p1
    // holds 1 dm3 in 2.5 dm3 (2.5 (1 - (100/200)^(1/1.4)) = 0.976 dm3).
    ASSERT_TRUE(x.FixV0);
    EXPECT_NEAR(*x.FixV0, root, 0.011);
    EXPECT_FALSE(x.FixP0);
    EXPECT_FALSE(a.Explanations.at(0).FixV0) << "only the largest failing size is searched";

    // Precharge to set: the same gas at other charging temperatures, in kelvin.
    ASSERT_EQ(a.PrechargeTable.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.PrechargeTable[i].ChargeTemp, 10 * i);
    EXPECT_NEAR(a.PrechargeTable[2].Precharge, 85, 1e-9);
    EXPECT_NEAR(a.PrechargeTable[4].Precharge + kAtm, (85 + kAtm) * 313.15 / 293.15, 1e-9);
}

TEST_F(OneDrawTest, ExplanationNamesTheMovementsDrawingIntoTheLowestPoint) {
    // The lowest point is at 1 s; the step into it starts at point 99.
    const float start = 99 * state.TimeStep;
    const auto add = [&](int i, float ti, float tf, double qm, int16_t kind) {
        Movement& m = state.Movements[i];
        m.Ti = ti;
        m.Tf = tf;
        m.Qm = qm;
        m.Kind = kind;
    };
    add(2, 0.2f, start, 6, MovementKind::Motor);             // ends as that step starts
    add(3, start, 1.0f, 6, MovementKind::VaneActuator);      // starts with it
    add(4, 0.5f, 1.5f, 0, MovementKind::DoubleRodCylinder);  // draws nothing
    state.MovementCount = state.SimMovementCount = 4;
    req.Catalogue = {2.5};
    const SizingAnswer a = Size();
    ASSERT_EQ(a.Explanations.size(), 1u);
    const Explanation& x = a.Explanations[0];
    EXPECT_NEAR(x.Time, 1.0, 1e-6);
    ASSERT_EQ(x.Active.size(), 2u);
    EXPECT_EQ(x.Active[0].Number, 1);
    EXPECT_EQ(x.Active[1].Number, 3);
    EXPECT_EQ(MovementKindName(x.Active[1].Kind), "attuatore a palette");
}

TEST_F(OneDrawTest, SmallestChangeOfOneFigure) {
    // 3 dm3 precharged to 60 bar holds 0.82 dm3 between the two pressures.
    state.Data.P0 = 60;
    req.Catalogue = {3, 4};
    const SizingAnswer a = Size();
    ASSERT_EQ(a.Explanations.size(), 1u);
    const Explanation& x = a.Explanations[0];
    ASSERT_TRUE(x.FixV0 && x.FixP0 && x.FixQp);
    // Closed forms: V0 = 1 / 0.274 = 3.65 dm3; 1/3 dm3 needs p0 between 79 and 80 bar.
    EXPECT_NEAR(*x.FixV0, 3.655, 0.011);
    EXPECT_GT(*x.FixP0, 79);
    EXPECT_LE(*x.FixP0, 80.1);
    Evaluator ev(state, req);
    EXPECT_TRUE(*ev.PassesRuns({3, 60, *x.FixQp}));
    EXPECT_FALSE(*ev.PassesRuns({3, 60, *x.FixQp - 0.1}));
    EXPECT_FALSE(*ev.PassesRuns({3, *x.FixP0 - 0.1, 0}));
}

TEST_F(OneDrawTest, RulesAtTheirLimitsForEachType) {
    state.Data.V0 = 4;
    // p1 = 99 g: rule 2 allows 0.9 * 100.01325 abs for a bladder, p1 - 5 for a piston.
    struct Case {
        AccumulatorType type;
        double p0;
        bool rule2, rule3;
    };
    const double bladderTop = 0.9 * (99 + kAtm) - kAtm;
    const double ratio4 = (199 + kAtm) / 4 - kAtm;
    const double ratio8 = (199 + kAtm) / 8 - kAtm;
    for (const Case c : {Case{AccumulatorType::Bladder, bladderTop, true, true},
                         Case{AccumulatorType::Bladder, bladderTop + 0.01, false, true},
                         Case{AccumulatorType::Bladder, ratio4, true, true},
                         Case{AccumulatorType::Bladder, ratio4 - 0.01, true, false},
                         Case{AccumulatorType::Diaphragm, ratio4 - 0.01, true, true},
                         Case{AccumulatorType::Diaphragm, ratio8 - 0.01, true, false},
                         Case{AccumulatorType::Piston, 94, true, true},
                         Case{AccumulatorType::Piston, 94.01, false, true},
                         Case{AccumulatorType::Piston, 1, true, true}}) {
        req.Type = c.type;
        Evaluator ev(state, req);
        auto e = ev.CheckStatic({4, c.p0, 0});
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Rules[1], c.rule2) << TypeName(c.type) << ' ' << c.p0;
        EXPECT_EQ(e->Rules[2], c.rule3) << TypeName(c.type) << ' ' << c.p0;
    }
    // Rule 4: Pm against PS and 0.9 times the relief setting, absolute.
    req.RatedPressure = 199;
    req.ReliefSetting = (199 + kAtm) / 0.9 - kAtm;
    EXPECT_TRUE(Evaluator(state, req).CheckStatic({4, 85, 0})->Rules[3]);
    req.ReliefSetting = *req.ReliefSetting - 0.01;
    EXPECT_FALSE(Evaluator(state, req).CheckStatic({4, 85, 0})->Rules[3]);
    req.ReliefSetting.reset();
    req.RatedPressure = 198.99;
    EXPECT_FALSE(Evaluator(state, req).CheckStatic({4, 85, 0})->Rules[3]);
    // A design failing rule 4 whatever its size: nothing recommended, and the reason says why.
    const SizingAnswer a = Size();
    EXPECT_FALSE(a.Recommended);
    EXPECT_EQ(a.Candidates.size(), req.Catalogue.size());
    EXPECT_NE(a.Reason.find("regola 4"), std::string::npos) << a.Reason;
}

TEST_F(OneDrawTest, ChosenPrechargeIsTheHighestTheRulesAllowOverTheEnvelope) {
    req.ChoosePrecharge = true;
    req.Gas.MinTemp = -10;
    req.Gas.MaxTemp = 50;
    const SizingAnswer a = Size();
    ASSERT_TRUE(a.Recommended);
    EXPECT_EQ(a.Temperatures, (std::vector<double>{-10, 20, 50}));
    const Evaluation& rec = *a.Recommendation();
    // 0.9 p1 absolute at 50 °C, carried back to 20 °C and rounded down to a tenth.
    const double top = (0.9 * (99 + kAtm)) * 293.15 / 323.15 - kAtm;
    EXPECT_NEAR(rec.Proposed.P0, std::floor(top * 10) / 10, 1e-9);
    EXPECT_TRUE(rec.Passes());
    EXPECT_EQ(rec.Temps.size(), 3u);
    // The gas is coldest and its precharge lowest at -10 °C: the lowest pressure too.
    EXPECT_LT(rec.Temps[0].LowestPressure, rec.Temps[2].LowestPressure);
}

TEST_F(OneDrawTest, RepeatedCyclesJudgeTheWorstAndThePumpIsSized) {
    // A pump too small to refill within the cycle: each cycle starts lower.
    req.Gas.Law = GasLawKind::Classic;
    state.Data.P0 = 80;
    state.Data.CycleTime = 3;
    req.MinPressure = 90;
    req.Catalogue = {6, 10, 13, 20};
    Evaluator ev(state, req);
    const TemperatureOutcome once = ev.Evaluate({6, 80, 15})->Temps[0];
    req.RepeatCycles = true;
    Evaluator repeated(state, req);
    const TemperatureOutcome worst = repeated.Evaluate({6, 80, 15})->Temps[0];
    EXPECT_EQ(once.Cycles, 1);
    EXPECT_GT(worst.Cycles, 2);
    EXPECT_LE(worst.Cycles, kMaxCycles);
    EXPECT_GT(worst.WorstCycle, 1);
    EXPECT_LT(worst.LowestPressure, once.LowestPressure - 1);
    EXPECT_GT(worst.PumpShare, 0.9);
    EXPECT_LE(worst.PumpShare, 1);
    // A big pump refills within the cycle: one start, part of the time.
    const TemperatureOutcome big = repeated.Evaluate({6, 80, 200})->Temps[0];
    // It switches within the band while the movement draws.
    EXPECT_GT(big.PumpStarts, 1);
    EXPECT_GT(big.PumpShare, 0.05);
    EXPECT_LT(big.PumpShare, 0.5);

    req.SizePump = true;
    state.Data.Qp = 200;
    const SizingAnswer a = Size();
    ASSERT_TRUE(a.Recommended);
    const Evaluation& rec = *a.Recommendation();
    const double qp = rec.Proposed.Qp;
    EXPECT_LT(qp, 200);
    EXPECT_EQ(qp, std::round(qp * 10) / 10);
    // A tenth less fails.
    EXPECT_FALSE(*repeated.PassesRuns({rec.Proposed.V0, rec.Proposed.P0, qp - 0.1}));
    // An accumulator that holds one cycle's oil needs no pump, unless the
    // cycles repeat.
    req.Catalogue = {20};
    EXPECT_GT(Size().Recommendation()->Proposed.Qp, 10);
    req.RepeatCycles = false;
    EXPECT_EQ(Size().Recommendation()->Proposed.Qp, 0);
}

TEST_F(OneDrawTest, LongCyclesRunTheirTemperaturesSideBySide) {
    // 8001 points at three temperatures: enough for a thread per temperature.
    state.Data.CycleTime = 80;
    req.Gas.MinTemp = 0;
    req.Gas.MaxTemp = 40;
    Evaluator ev(state, req);
    const auto e = ev.Evaluate({4, 85, 0});
    ASSERT_TRUE(e);
    ASSERT_EQ(e->Temps.size(), 3u);
    CircuitData data = state.Data;
    data.V0 = 4;
    CycleWorkspace work;
    const auto flows = ComputeCycleFlows(state);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(e->Temps[i].WorkTemp, 20.0 * i);
        const auto alone = RunAtTemperature(data, req.Gas, flows, 20.0 * i, work);
        EXPECT_EQ(e->Temps[i].LowestPressure, alone->LowestPressure) << i;
    }
    EXPECT_TRUE(*ev.PassesRuns({4, 85, 0}));
    EXPECT_FALSE(*ev.PassesRuns({2.5, 85, 0}));
}

TEST_F(OneDrawTest, RefusesRequirementsItCannotSearch) {
    req.MinPressure = 199;
    EXPECT_FALSE(SizeAccumulator(state, req));
    req.MinPressure = 99;
    for (const auto& sizes : {std::vector<double>{1, 1}, std::vector<double>{0, 1}}) {
        req.Catalogue = sizes;
        EXPECT_FALSE(SizeAccumulator(state, req));
    }
    req.Catalogue = {1, 2};
    req.RatedPressure = 0;
    EXPECT_FALSE(SizeAccumulator(state, req));
    req.RatedPressure = 250;
    req.ReliefSetting = 0;
    EXPECT_FALSE(SizeAccumulator(state, req));
    req.ReliefSetting = 250;
    EXPECT_TRUE(SizeAccumulator(state, req));
    state.SimMovementCount = 0;
    EXPECT_FALSE(SizeAccumulator(state, req));
}

TEST_F(OneDrawTest, StopsWhenTheProgressSaysSo) {
    std::vector<double> shares;
    auto a = SizeAccumulator(state, req, [&](double share) {
        shares.push_back(share);
        return shares.size() < 3;
    });
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->Cancelled);
    EXPECT_EQ(a->Candidates.size(), 2u);
    EXPECT_EQ(shares.front(), 0);
    shares.clear();
    ASSERT_TRUE(SizeAccumulator(state, req, [&](double share) {
        shares.push_back(share);
        return true;
    }));
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1);
    EXPECT_LT(*std::max_element(shares.begin(), shares.end() - 1), 1);
    // Stopped while it looks for the fixes of the size below.
    auto late = SizeAccumulator(state, req, [](double share) { return share < 0.9; });
    ASSERT_TRUE(late) << late.Error();
    EXPECT_TRUE(late->Cancelled);
}

}  // namespace
}  // namespace volvenza::sizing
