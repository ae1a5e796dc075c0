// The sizing assistant on cycles whose answers are known: one movement
// against the ideal gas's closed form, the rules at their limits for each
// accumulator type, the chosen precharge, steady operation and the pump.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>

#include "engine/CycleRun.h"
#include "engine/EnergyBalance.h"
#include "sizing/AnswerText.h"
#include "sizing/Fixes.h"
#include "sizing/RequirementForm.h"
#include "sizing/Search.h"
#include "sizing/SearchSteps.h"
#include "tests/sizing/EndToEnd.h"

namespace volvenza::sizing {
namespace {

constexpr double kAtm = 1.01325;

std::vector<CatalogueSize> Sizes(const std::vector<double>& volumes, double ratio = 4) {
    std::vector<CatalogueSize> sizes;
    for (double v : volumes) {
        CatalogueSize s;
        s.V0 = Dm3(v);
        s.MaxRatio = ratio;
        sizes.push_back(s);
    }
    return sizes;
}

// The catalogue as {1, 2.12345}; its second size.
CatalogueSize& SecondSize(Requirements& q) {
    q.Catalogue = Sizes({1, 2.12345});
    return q.Catalogue[1];
}

// The longest catalogue a search takes, in rising volumes.
std::vector<CatalogueSize>& Longest(Requirements& q) {
    q.Catalogue.assign(kMaxCatalogueSizes, Sizes({1})[0]);
    for (size_t i = 0; i < kMaxCatalogueSizes; ++i) q.Catalogue[i].V0 += Dm3(0.01 * double(i));
    return q.Catalogue;
}

// Each text in `shown` somewhere in `all`.
void ExpectShown(const std::string& all, std::initializer_list<const char*> shown) {
    for (const char* s : shown) EXPECT_NE(all.find(s), std::string::npos) << s << " in\n" << all;
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

TEST_F(OneDrawTest, RecommendsTheSizeAboveTheClosedForm) {
    // V0 = 1 / [(p0/p1)^(1/n) - (p0/Pm)^(1/n)], absolute pressures: 2.852 dm3.
    const double root = 1 / (std::pow((85 + kAtm) / (99 + kAtm), 1 / 1.4) -
                             std::pow((85 + kAtm) / (199 + kAtm), 1 / 1.4));
    ASSERT_NEAR(root, 2.852, 0.001);
    const SizingAnswer a = Size();
    ASSERT_TRUE(a.Recommended);
    const Evaluation& rec = *a.Recommendation();
    EXPECT_EQ(rec.Proposed, Plain(4, 85, 0));
    EXPECT_GT(rec.Temps.at(0).LowestPressure, 99);
    EXPECT_EQ(std::pair(rec.Temps[0].PumpStarts, rec.Temps[0].PumpShare), std::pair(0.0, 0.0));
    EXPECT_EQ(a.DayCycles, 1);
    // Up to two sizes above the recommendation, every smaller one failing rule 1 alone.
    ASSERT_EQ(a.Candidates.size(), 11u);
    EXPECT_EQ(a.Candidates.back().Proposed.V0.value(), 6);
    const Evaluation& below = a.Candidates[7];
    ASSERT_EQ(below.Proposed.V0.value(), 2.5);
    EXPECT_EQ(below.Rules, (std::array<bool, kRuleCount>{false, true, true, true, true, true, true,
                                                         true, true}));

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
    req.MinGasTemp.reset();

    const Explanation& x = a.Explanations.at(7);
    EXPECT_EQ(x.FailedRules, std::vector<int>{1});
    EXPECT_FALSE(x.Drifting);
    EXPECT_NEAR(x.MissingOil, 0.123, 0.005);
    EXPECT_NEAR(x.Time, 1.0, 0.011);
    ASSERT_EQ(x.Active.size(), 1u);
    EXPECT_EQ(x.Active[0].Number, 1);
    // Emptied, not drifting: the gas reached its precharge.
    EXPECT_TRUE(a.Explanations.at(0).AtLeast);
    EXPECT_FALSE(a.Explanations.at(0).Drifting);
    // The fixes of one figure: the closed-form volume; no precharge up to p1
    // holds 1 dm3 in 2.5 dm3 (2.5 (1 - (100/200)^(1/1.4)) = 0.976 dm3).
    ASSERT_TRUE(x.FixV0);
    EXPECT_NEAR(*x.FixV0, root, 0.011);
    EXPECT_FALSE(x.FixP0);
    EXPECT_FALSE(a.Explanations.at(0).FixV0) << "only the largest failing size is searched";

    // Precharge to set: the same nitrogen at other charging temperatures.
    // Below its Boyle temperature nitrogen's second virial coefficient grows
    // with the temperature, so at 86 bar the gauge rises about a bar more
    // from 20 to 40 °C than the ideal gas's kelvin ratio says.
    ASSERT_EQ(a.PrechargeTable.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.PrechargeTable[i].ChargeTemp, 10 * i);
    EXPECT_EQ(a.PrechargeTable[2].Precharge, 85);
    const double ideal = (85 + kAtm) * 313.15 / 293.15 - kAtm;
    EXPECT_GT(a.PrechargeTable[4].Precharge, ideal + 0.5);
    EXPECT_LT(a.PrechargeTable[4].Precharge, ideal + 1.5);

    // A volume is searched up to four times the largest size: with 0,6 dm3
    // (5 in parallel recommended) none for 0,55 dm3, with 0,75 (4 of them) one.
    for (double largest : {0.6, 0.75}) {
        req.Catalogue = Sizes({0.55, largest});
        const SizingAnswer small = Size();
        EXPECT_EQ(small.Explanations.at(0).FixV0.has_value(), largest == 0.75);
        EXPECT_EQ(small.Recommendation()->Proposed.Count, largest == 0.75 ? 4 : 5);
    }
}

TEST_F(OneDrawTest, ExplanationNamesTheMovementsDrawingIntoTheLowestPoint) {
    // The lowest point is at 1 s; the step into it starts at point 99.
    const float start = 99 * state.TimeStep;
    PlaceMovement(state, 2, 0.2f, start, 6, MovementKind::Motor);             // ends as it starts
    PlaceMovement(state, 3, start, 1.0f, 6, MovementKind::VaneActuator);      // starts with it
    PlaceMovement(state, 4, 0.5f, 1.5f, 0, MovementKind::DoubleRodCylinder);  // draws nothing
    req.Catalogue = Sizes({2.5});
    const SizingAnswer a = Size();
    ASSERT_EQ(a.Explanations.size(), 1u);
    const Explanation& x = a.Explanations[0];
    ASSERT_EQ(x.Active.size(), 2u);
    EXPECT_EQ(x.Active[1].Number, 3);
    // All of the draw in the first step, into point 1.
    PlaceMovement(state, 1, 0, state.TimeStep, 6000, MovementKind::Motor);
    state.MovementCount = state.SimMovementCount = 1;
    EXPECT_EQ(Size().Explanations.at(0).Active.size(), 1u);
    // At the cycle's start only what starts there draws: 1, not 2 nor 3.
    state.MovementCount = state.SimMovementCount = 4;
    EXPECT_EQ(ActiveAt(state, 0).size(), 1u);
}

TEST_F(OneDrawTest, SmallestChangeOfOneFigure) {
    // 3 dm3 precharged to 60 bar holds 0.82 dm3 between the two pressures.
    state.Data.P0 = 60;
    req.Catalogue = Sizes({3, 4});
    const SizingAnswer a = Size();
    ASSERT_EQ(a.Explanations.size(), 1u);
    const Explanation& x = a.Explanations[0];
    ASSERT_TRUE(x.FixV0 && x.FixP0 && x.FixQp);
    // Closed forms: V0 = 1 / 0.274 = 3.65 dm3; 1/3 dm3 needs p0 between 79 and 80 bar.
    EXPECT_NEAR(*x.FixV0, 3.655, 0.011);
    EXPECT_GT(*x.FixP0, 79);
    EXPECT_LE(*x.FixP0, 80.1);
    Evaluator ev(state, req);
    EXPECT_TRUE(*ev.PassesRuns(Plain(3, 60, *x.FixQp), 0));
    EXPECT_FALSE(*ev.PassesRuns(Plain(3, 60, *x.FixQp - 0.1), 0));
    EXPECT_FALSE(*ev.PassesRuns(Plain(3, *x.FixP0 - 0.1, 0), 0));
    // The smallest in tenths, odd ones too: 79,1 bar for p1 a twentieth lower.
    req.MinPressure = GaugeBar(98.95);
    const std::optional<double> lower = Size().Explanations.at(0).FixP0;
    ASSERT_TRUE(lower);
    EXPECT_FALSE(*Evaluator(state, req).PassesRuns(Plain(3, *lower - 0.1, 0), 0));
}

// What passes need not be one interval: from 1, values 5 and 8 on pass,
// 6 and 7 do not; bisection alone would stop at 8.
TEST(SmallestPassingTest, FindsALowerIntervalBelowTheFirstFound) {
    std::vector<double> tried;
    const auto found = SmallestPassing(1, 1, 1000, [&](double x) {
        tried.push_back(x);
        return Result<bool>((x >= 5 && x < 6) || x >= 8);
    });
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, std::optional<double>(5));
    EXPECT_LT(tried.size(), 20u);
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
// where it applies: rule 4 once, rule 6 with the separator's limit.
TEST_F(OneDrawTest, AnswerShowsEachFigureToItsDecimals) {
    req.Gas.Exponent = 1.3456;
    req.MinPressure = GaugeBar(99.125);
    req.MinGasTemp = 20.25;  // the small sizes expand to the precharge, at 20 °C
    req.Catalogue = Sizes({1, 2, 20});
    req.Catalogue[0].RatedPressure = req.Catalogue[1].RatedPressure =
        GaugeBar(150);  // below Pm: rule 4
    req.Catalogue[2].MaxFlow = Dm3PerMin(240.25);
    req.Catalogue[2].MaxRatio = 4.125;
    req.Type = AccumulatorType::Diaphragm;
    SizingAnswer answer = Size();
    // A drift said to its ten-thousandth of a bar.
    answer.Explanations.at(1).Drifting = true;
    answer.Explanations[1].Drift = 0.012345;
    const AnswerLayout out = LayOutAnswer(answer, req, state.Data, Wording{nullptr, ','});
    std::string all;
    for (const auto& [label, value] : out.Requirements) all += label + ": " + value + "\n";
    for (const auto& row : out.Catalogue.Rows) {
        for (const std::string& cell : row) all += cell + "|";
    }
    for (const std::string& line : out.Explanations) all += line + "\n";
    ExpectShown(all, {"p1: 99,12 bar\n", "n = 1,346\n", "|240,2|", "|4,12|", "almeno 20,2.\n",
                      "accumulatore: a membrana\n", "scende di 0,0123 bar"});
    const size_t rule4 = all.find("Pm 199 bar supera PS");
    EXPECT_NE(rule4, std::string::npos) << all;
    EXPECT_EQ(all.find("Pm 199 bar supera PS", rule4 + 1), std::string::npos) << all;
    EXPECT_EQ(out.Recommendation.at(0).find("bombole"), std::string::npos) << "one vessel";
}

// Every figure of a hand-made answer to its own decimals, each with a
// third decimal that would show if it had one more.
TEST(AnswerLayoutTest, FiguresOfARecommendationAndAnUnrechargedSize) {
    Requirements req;
    req.MinPressure = GaugeBar(60.125);
    req.RatedPressure = GaugeBar(250.125);
    req.PrechargeTolerance = 0.021255;
    req.WorkingHours = 7.125;
    req.PumpEfficiency = 0.8125;
    req.HoursPerYear = 2000.25;
    req.Gas.Law = GasLawKind::Ideal;
    req.Gas.ChargeTemp = 20.125;
    req.Catalogue = {DefaultSize(req.Type, Dm3(6)), DefaultSize(req.Type, Dm3(10))};
    req.Catalogue[1].RatedSwing = BarDifference(20.12345);
    req.Catalogue[0].MaxRatio = 4.0625;
    req.Catalogue[0].V0 = Dm3(6.12345);
    req.Catalogue[0].MaxFlow = Dm3PerMin(100.25);
    req.Catalogue[0].RatedPressure = GaugeBar(210.125);
    req.Catalogue[0].RatedSwing = BarDifference(12.125);
    req.Catalogue[1].Tau = 30.125;
    req.Catalogue[1].RatedCycles = 1000.5;  // 1 000 cycles of 4 s
    const CircuitData data{10, 50, 20, 30, 80.375f, 13, 4};
    TemperatureOutcome o;
    o.WorkTemp = 45.125;
    o.LowestPressure = 63.3125;
    o.DayLowest = 62.125;
    o.PumpShare = 0.72125;
    o.PumpStarts = 1;
    o.Energy.Delivered = 9.3845;
    o.Swing = 14.8875;
    o.PeakFlow = 108.25;
    o.LowestGasTemp = -30.25;
    Evaluation fails, passes;
    fails.Proposed = Plain(6.12345, 50, 30);
    fails.Rules.fill(false);
    fails.Ratio = 4.5625;
    fails.PrechargeHigh = 55.125;
    fails.PrechargeLimit = 54.125;
    fails.Temps = {o};
    passes.Proposed = Plain(10.12345, 50.25, 30.25, 1, 20.54321, 1);
    passes.Size = 1;
    passes.Rules.fill(true);
    passes.Temps = {o};
    Evaluation unrun = fails;  // a pump short of the cycle's oil runs nothing
    unrun.Temps.clear();
    unrun.Proposed = Plain(4.12345, 50, 30, 3);
    unrun.PumpShort = true;
    unrun.Rules[kFlowRule] = true;  // its flow is within the size's
    unrun.PumpOil = 1.23456;
    unrun.CycleOil = 1.5625;
    SizingAnswer a;
    a.Candidates = {unrun, fails, passes};
    a.Recommended = 2;
    a.Temperatures = {45.125};
    a.DayCycles = 5457;
    a.PeakDemand = 108.25;
    a.PrechargeTable = {{12.5, 50.25}};
    a.SwingPump = {29.125, 16.50234};
    Explanation x;
    x.V0 = Dm3(6.12345);
    x.FailedRules = {1};
    x.NotRecharged = true;
    x.LowestPressure = 61;
    x.PumpShare = 0.99875;
    Explanation shortPump;
    shortPump.V0 = Dm3(4.12345);
    shortPump.FailedRules = {1};
    a.Explanations = {x, shortPump};
    const AnswerLayout out = LayOutAnswer(a, req, data, Wording{nullptr, ','});
    std::string all;
    for (const auto& [label, value] : out.Requirements) all += value + "\n";
    for (const std::string& line : out.Recommendation) all += line + "\n";
    for (const std::string& line : out.Explanations) all += line + "\n";
    for (const auto& row : out.Candidates.Rows)
        all += row[0] + "|" + row[1] + "|" + row[2] + "|" + row[3] + "\n";
    for (const auto& row : out.Precharge.Rows) all += row[0] + "|" + row[1] + "\n";
    for (const std::string& heading : out.Candidates.Headings) all += heading + "\n";
    for (const auto& row : out.Catalogue.Rows)
        all += row[0] + "|" + row[2] + "|" + row[4] + "|" + row[5] + "|" + row[6] + "\n";
    all += "\n";
    // clang-format off
    ExpectShown(all, {"3 × 4,123|50|30|-\n", "\n6,123|50|30|63,31\n",
        "\n10,123 + 1 × 20,543|50,2|30,2|63,31\n", "\n12|50,2\n", "\nPmin a 45,12 °C [bar]\n",
        "con 29,1 dm3/min l'escursione sarebbe 16,502 bar, oltre i 20,123 ammessi.",
        "Ogni bombola (PS 250,1 bar, V 20,543 L)", "\n20,12 °C\n", "\n250,12 bar\n",
        "Rapporto di compressione 4,56; questa grandezza ne ammette al più 4,06.",
        "tolleranza: 55,12 bar; la regola 2 ne ammette al più 54,12.", "Pm 80,38 bar supera PS",
        "\n6,123|210,12|-|12,12|-\n", "\n10|-|30,12|20,12|1000\n",
        "La pompa può fornire 1,235 dm3 per ciclo, il ciclo ne preleva 1,562.",
        "(azoto, gas del gruppo 2; PS 250,1 bar, V 10,123 L)",
        "Escursione di pressione 14,89 bar per ciclo; questa grandezza ne ammette 12,12.",
        "6,123 dm3: non rispetta", "giornata di lavoro 62,12 bar", "60,12 bar\n",
        "80,38 bar; 67,38 bar\n", "\n45,12 °C\n", "\n0,812; 2000,2 h\n", "± 2,13 %\n",
        "giornata di 7,12 h (5457 cicli)",
        "pressione minima 63,31 bar a 45,12 °C nel ciclo 1, 3,19 bar sopra p1",
        "eroga per il 72,1 % del ciclo",
        "nel ciclo a regime a 45,12 °C (la temperatura peggiore): 9,38 kJ.",
        "picco di 108,2 dm3/min", "escursione di pressione 14,89 bar",
        "eroga per il 99,9 % del tempo, senza margine."});
    // clang-format on
    ExpectShown(
        all,
        {"Portata d'olio fino a 108,2 dm3/min; questa grandezza ne ammette 100,2.\n   Il gas "
         "scende a -30,2 °C;",
         "Raccomandato: 10,123 dm3 con bombole 1 × 20,543 dm3 (gas 30,667 dm3), precarica 50,2 bar "
         "a 20,12 °C, pompa 30,2 dm3/min.",
         "ammette 20,12 bar (regola 7). La grandezza è data per 1000 cicli: circa 1,1 ore di "
         "lavoro."});
    EXPECT_EQ(all.find("Portata d'olio", all.find("Portata d'olio") + 1), std::string::npos);
    // In parallel, not settled, rated for a year exactly; real nitrogen; a
    // size that empties with no movement drawing at its lowest point.
    a.Candidates[2].Proposed = Plain(10.12345, 50, 30, 2);
    a.Explanations[0].NotRecharged = false;
    a.Explanations[0].NotSettled = true;
    a.Explanations[0].Recharges = 2;
    a.Candidates[0].PumpShort = false;
    // Not recharged at another temperature; at this one below p1.
    std::tie(a.Explanations[1].NotRecharged, a.Explanations[1].LowestPressure,
             a.Explanations[1].WorkTemp, a.Explanations[1].MissingOil) =
        std::tuple{true, 59.125, 45.125, 1.23456};
    req.Catalogue[1].RatedCycles = 3600 / 4 * 2000 + 0.5;
    req.HoursPerYear = 2000;
    req.Gas.Law = GasLawKind::Nitrogen;
    req.Gas.Tau = 30.125;
    req.SingleCycle = true;
    a.PeakDemand = 20;  // a pump alone would need less than the one installed
    all.clear();
    const AnswerLayout again = LayOutAnswer(a, req, data, Wording{nullptr, ','});
    for (const auto& [label, value] : again.Requirements) all += value + "\n";
    for (const std::string& line : again.Recommendation) all += line + "\n";
    for (const std::string& line : again.Explanations) all += line + "\n";
    // A rated swing alone still shows the rating's columns.
    req.Catalogue[1].RatedCycles.reset();
    req.Catalogue[1].RatedSwing.reset();
    EXPECT_EQ(LayOutAnswer(a, req, data, Wording{nullptr, ','}).Catalogue.Headings.size(), 7u);
    // Without any rating, the plain columns, PS among them.
    for (CatalogueSize& s : req.Catalogue) {
        s.RatedSwing.reset();
        s.RatedCycles.reset();
    }
    EXPECT_EQ(LayOutAnswer(a, req, data, Wording{nullptr, ','}).Catalogue.Headings,
              (std::vector<std::string>{"V0 [dm3]", "Rapporto max", "PS [bar]",
                                        "Portata max [dm3/min]", "τ [s]"}));
    ExpectShown(all, {"Raccomandato: 2 accumulatori da 10,123 dm3", "cicli: circa 1 anni.",
                      "primo ciclo: 2; la pompa eroga per il 99,9 % del tempo.",
                      "data per 1800000 cicli: circa 1 anni.", "azoto reale, τ = 30,12 s",
                      "La pressione scende a 59,12 bar a 45,12 °C verso 0 s del ciclo 1; "
                      "movimenti attivi: nessuno.\n   Mancano 1,235 dm3 di olio per restare",
                      "Un solo ciclo, partendo carico: pressione minima 63,31 bar a "
                      "45,12 °C, 3,19 bar sopra p1.",
                      "Potenza installata 4,95 kW (Qp a Pm); una pompa sola che desse il picco "
                      "di 20 dm3/min a p1 ne vorrebbe 2,47 kW, 2,48 kW meno della potenza "
                      "installata."});
    // A pump alone at p1 needing just the power installed: nothing saved, nothing more.
    req.MinPressure = GaugeBar(data.Pm);
    a.PeakDemand = a.Recommendation()->Proposed.Qp.value();
    all.clear();
    for (const std::string& line : LayOutAnswer(a, req, data, Wording{nullptr, ','}).Recommendation)
        all += line + "\n";
    ExpectShown(all, {"ne vorrebbe 4,95 kW: l'accumulatore fa risparmiare 0 kW."});
    // A long cycle's many movements under way: the first five, then a count.
    for (int number = 1; number <= 7; ++number)
        a.Explanations[1].Active.push_back({number, MovementKind::Motor});
    all.clear();
    for (const std::string& line : LayOutAnswer(a, req, data, Wording{nullptr, ','}).Explanations)
        all += line + "\n";
    ExpectShown(all, {"movimenti attivi: 1 (motore); 2 (motore); 3 (motore); 4 (motore); "
                      "5 (motore) e altri 2.\n"});
    // Five need no count; a run that loads too often names the loading that stopped it.
    a.Explanations[1].Active.resize(5);
    std::tie(a.Explanations[0].Chatters, a.Explanations[0].ChatterCycle) = std::tuple{true, 3};
    all.clear();
    for (const std::string& line : LayOutAnswer(a, req, data, Wording{nullptr, ','}).Explanations)
        all += line + "\n";
    ExpectShown(all, {"4 (motore); 5 (motore).\n",
                      "Nel ciclo 3 la pompa carica 11 volte nei primi 0 s (a 0 °C)"});
    // The classic law sizes nothing: the answer names the law its runs used.
    req.Gas.Law = GasLawKind::Classic;
    EXPECT_EQ(LayOutAnswer(a, req, data, Wording{nullptr, ','}).Requirements.at(6).second,
              "azoto reale, τ = 30,12 s, al posto della legge classica, che non dimensiona");
    // No size passes, after one arrangement; then a pump short of the oil.
    a.Recommended.reset();
    a.ArrangementsTried = 1;
    a.Candidates.back().Rules[kPressureRule] = false;
    EXPECT_EQ(LayOutAnswer(a, req, data, Wording{nullptr, ','}).Recommendation,
              (std::vector<std::string>{
                  "Nessuna grandezza del catalogo rispetta tutte le regole: la più grande "
                  "(10,123 dm3) non rispetta la regola 1.",
                  "Nessuna delle 1 composizioni provate (fino a 20 accumulatori in parallelo o 8 "
                  "bombole, in ordine di volume di gas) rispetta tutte le regole."}));
    a.PumpShort = true;
    std::tie(a.PumpOil, a.CycleOil, a.BalancePump) = std::tuple{1.23456, 2.34567, 35.125};
    EXPECT_EQ(LayOutAnswer(a, req, data, Wording{nullptr, ','}).Recommendation.at(0),
              "Nessuna grandezza può bastare: la pompa fornisce 1,235 dm3 per ciclo, il ciclo ne "
              "preleva 2,346. Serve una pompa di almeno 35,1 dm3/min.");
}

// The recommendation a project keeps, as the window says it until Calcola
// answers: the volume as the candidates write it, ties rounded to even.
TEST(AnswerLayoutTest, SaysTheKeptRecommendation) {
    const Wording it{nullptr, ','};
    EXPECT_EQ(LastRecommendationText({Dm3(10.0625), GaugeBar(48.125), Dm3PerMin(30.25), 2}, it),
              "Ultima raccomandazione: 2 × 10,062 dm3, precarica 48,12 bar, pompa 30,2 dm3/min. "
              "\"Calcola\" la ricalcola.");
    EXPECT_EQ(LastRecommendationText({Dm3(6), GaugeBar(50), Dm3PerMin(30), 1, Dm3(10), 1}, it)
                  .substr(0, 39),
              "Ultima raccomandazione: 6 + 1 × 10 dm3");
}

// A box's text as typed: the tolerance in per cent, PS and the relief
// setting may stay empty, every other box must give a number; a figure at
// its range's end is taken.
TEST(RequirementFormTest, ReadsEachBoxAsTypedAndTakesTheRangesEnds) {
    for (auto box = RequirementBox::MinPressure; box != RequirementBox::Bottles;
         box = static_cast<RequirementBox>(static_cast<int>(box) + 1)) {
        const double figure = box == RequirementBox::Tolerance ? 0.5 : 50;
        EXPECT_EQ(*ReadRequirementText(box, " 50 "), figure) << BoxForm(box).id;
        Requirements req;
        SetRequirementFigure(req, box, figure);
        EXPECT_EQ(RequirementFigures(req, box), std::vector<double>{figure}) << BoxForm(box).id;
        const bool mayStayEmpty =
            box == RequirementBox::RatedPressure || box == RequirementBox::ReliefSetting;
        const auto empty = ReadRequirementText(box, " ");
        ASSERT_EQ(static_cast<bool>(empty), mayStayEmpty) << BoxForm(box).id;
        if (empty) {
            EXPECT_EQ(*empty, std::nullopt);
        } else {
            EXPECT_EQ(empty.Error(), RequirementNotANumber(box));
        }
    }
    EXPECT_TRUE(CheckRequirementFigure(RequirementBox::PumpEfficiency, 1));
    EXPECT_TRUE(CheckRequirementFigure(RequirementBox::HoursPerYear, 8760));
    EXPECT_FALSE(CheckRequirementFigure(RequirementBox::Tolerance, 0.5));
    // The bottles: each above 0, no more than a catalogue holds (the
    // window's test reads "10; 0,5").
    EXPECT_EQ(*ReadBottleSizes("10,20", ','), (std::vector<double>{10, 20}));
    std::string most = "1";
    for (size_t i = 1; i < kMaxCatalogueSizes; ++i) most += ";1";
    EXPECT_EQ(ReadBottleSizes(most)->size(), kMaxCatalogueSizes);
    for (const char* wrong : {"", "10;", "10; 0", "10; -1"}) EXPECT_FALSE(ReadBottleSizes(wrong));
    EXPECT_EQ(ReadBottleSizes(most + ";1").Error(), RequirementNotANumber(RequirementBox::Bottles));
}

// A size off the table taking its nearest one's ratio is the project
// file's older-files test.
TEST(DefaultCatalogueTest, RatiosFollowTheTypeAndTheDiaphragmsSize) {
    for (const CatalogueSize& s : DefaultCatalogue(AccumulatorType::Bladder)) {
        EXPECT_EQ(s.MaxRatio, 4);
    }
    for (const CatalogueSize& s : DefaultCatalogue(AccumulatorType::Piston)) {
        EXPECT_TRUE(std::isinf(s.MaxRatio));
    }
    for (const CatalogueSize& s : DefaultCatalogue(AccumulatorType::Diaphragm)) {
        EXPECT_EQ(s.MaxRatio, s.V0 <= Dm3(0.75) ? 8 : s.V0 <= Dm3(2) ? 6 : 4) << s.V0.value();
    }
    EXPECT_EQ(DefaultSize(AccumulatorType::Diaphragm, Dm3(2.5)).V0.value(), 2.5);
    // A size off the table takes the limits of the nearest one.
    EXPECT_EQ(DefaultSize(AccumulatorType::Diaphragm, Dm3(2.5)).MaxRatio, 4);
    EXPECT_EQ(DefaultSize(AccumulatorType::Diaphragm, Dm3(1.1)).MaxRatio, 6);
    EXPECT_EQ(DefaultSize(AccumulatorType::Diaphragm, Dm3(0.875)).MaxRatio, 8)
        << "midway, the smaller";
}

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

TEST_F(OneDrawTest, RefusesWhatCannotBeSearchedInOneSentence) {
    auto refused = [&](const char* words) {
        auto a = SizeAccumulator(state, req);
        EXPECT_FALSE(a);
        if (!a) {
            EXPECT_NE(ItalianText(a.Error()).find(words), std::string::npos) << a.Error();
        }
    };
    // One change from the draw's requirements at a time: refused with these
    // words, or (nullptr) accepted at or just inside its limit; a few searched whole.
    struct Case {
        std::function<void(Requirements&)> set;
        const char* words;
        bool search = false;
    };
    const auto catalogue = [](std::vector<double> volumes, double ratio = 4) {
        return [=](Requirements& q) { q.Catalogue = Sizes(volumes, ratio); };
    };
    // A hold of a second from `from` down to the gas's `cold` kelvins, from Pm when `full`.
    const auto hold = [](double from, double cold, bool full = false) {
        return [=](Requirements& q) {
            q.Duties.Hold = HoldDuty{GaugeBar(from), 1, Dm3PerMin(0), cold, full};
        };
    };
    const Case cases[] = {
        {[](Requirements& q) { q.MinPressure = GaugeBar(199); }, "p1"},
        {[](Requirements& q) { q.MinPressure = GaugeBar(0); }, "p1 deve essere positiva"},
        {[](Requirements& q) { q.MinPressure = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) { q.PumpEfficiency = 0; }, "rendimento della pompa"},
        {[](Requirements& q) { q.PumpEfficiency = 1.01; }, "rendimento della pompa"},
        {[](Requirements& q) { q.PumpEfficiency = 1; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = 8760; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = q.WorkingHours = 0.5; }, nullptr},
        {[](Requirements& q) { q.HoursPerYear = 8760.01; }, ""},
        {[](Requirements& q) { q.HoursPerYear = 0; }, ""},
        {catalogue({1, 1}), "crescente"},
        {catalogue({0, 1}), "crescente"},
        {catalogue({1, 2}, 1), "rapporto"},
        {[](Requirements& q) { SecondSize(q).MaxFlow = Dm3PerMin(0); }, "grandezza 2,123 dm3"},
        {[](Requirements& q) { SecondSize(q).MaxFlow = Dm3PerMin(0.5); }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedSwing = BarDifference(0); }, "escursione"},
        {[](Requirements& q) { SecondSize(q).RatedSwing = BarDifference(0.5); }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedCycles = 0.9; }, "cicli nominali"},
        {[](Requirements& q) { SecondSize(q).RatedCycles = 1; }, nullptr},
        {[](Requirements& q) { SecondSize(q).RatedPressure = GaugeBar(0); }, "grandezza 2,123 dm3"},
        {[](Requirements& q) { SecondSize(q).RatedPressure = GaugeBar(0.5); },
         nullptr},                                                  // positive is enough
        {[](Requirements& q) { SecondSize(q).Tau = 0; }, nullptr},  // an isothermal size
        {[](Requirements& q) { q.WorkingHours = 24 * 366; }, nullptr, true},
        {[](Requirements& q) { q.WorkingHours = 24 * 366 + 0.01; }, "ore di lavoro"},
        {[](Requirements& q) { q.WorkingHours = 0; }, "ore di lavoro"},
        {[](Requirements& q) { q.RatedPressure = GaugeBar(0); }, "PS"},
        {[](Requirements& q) { q.RatedPressure = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) { q.ReliefSetting = GaugeBar(0); },
         "taratura della valvola di massima deve essere positiva"},
        {[](Requirements& q) { q.ReliefSetting = GaugeBar(0.5); }, nullptr},
        {[](Requirements& q) {
             std::tie(q.RatedPressure, q.ReliefSetting) =
                 std::tuple(GaugeBar(250.125), GaugeBar(250.135));
         },
         "(250,14 bar) supera la pressione nominale PS (250,12 bar)"},
        {[](Requirements& q) { q.RatedPressure = q.ReliefSetting = GaugeBar(250); }, nullptr, true},
        // A hold from its start (Pm - Dp 189 bar, Pm 199 bar) at most, the gas
        // cooled from 293,15 K above 0 K (ideal) or nitrogen's triple point.
        {hold(189, 293.14), nullptr},
        {hold(189.01, 0), "Pm - Dp (189 bar)"},
        {hold(199, 0, true), nullptr},
        {hold(199.01, 0, true), "Pm (199 bar)"},
        {hold(1, 293.15), "darlo minore di 293,15 K"},
        {[](Requirements& q) {
             q.Gas.Law = GasLawKind::Classic;
             q.Duties.Hold = HoldDuty{GaugeBar(1), 1, Dm3PerMin(0), 230};
         },
         "sopra 63,151 K"},
        // The longest catalogue, and one size more.
        {[](Requirements& q) { Longest(q); }, nullptr},
        {[](Requirements& q) { Longest(q).push_back(Sizes({9})[0]); }, ""},
    };
    const Requirements base = req;
    for (const Case& c : cases) {
        req = base;
        c.set(req);
        if (c.words) {
            refused(c.words);
        } else {
            EXPECT_TRUE(c.search ? bool(SizeAccumulator(state, req))
                                 : bool(CheckRequirements(state, req)));
        }
    }
    req = base;
    req.Catalogue = Sizes({1, 2});

    // Steady operation needs the pump to restart above p1: Pm - Dp = 189.
    req.SingleCycle = false;
    state.Data.Qp = 100;
    req.MinPressure = GaugeBar(189);
    refused("abbassare p1 sotto 189 bar o ridurre Dp sotto Pm - p1");
    req.MinPressure = GaugeBar(189.125);
    state.Data.Dp = 10.125f;
    refused(
        "p1 (189,12 bar) non è sotto la pressione a cui la pompa riparte, Pm - Dp (188,88 bar)");
    state.Data.Dp = 10;
    req.MinPressure = GaugeBar(188.99);
    EXPECT_TRUE(SizeAccumulator(state, req));
    req.SingleCycle = true;
    req.MinPressure = GaugeBar(189);
    EXPECT_TRUE(SizeAccumulator(state, req));

    // No precharge between rule 3's 250 / 4 and rule 2's 0.9 p1 for a
    // bladder: one sentence with what would do.
    req.SingleCycle = false;
    req.ChoosePrecharge = true;
    req.MinPressure = GaugeBar(60);
    state.Data.Pm = 250;
    state.Data.Dp = 20;
    // 53,8 bar at most by rule 2, 61,8 at least by rule 3; 4 (53,8 + atm) - atm
    // and (61,8 + atm) / 0,9 - atm.
    refused("almeno 61,8 bar e di al più 53,8 bar");
    refused("pistone, una Pm di al più 218,2 bar o una p1 di almeno 68,8 bar");
    // The tolerance moves both ends of the window, and what would open it.
    req.PrechargeTolerance = 0.02;
    refused(
        "almeno 63,1 bar e di al più 52,8 bar; servirebbe un accumulatore a pistone, una Pm di al "
        "più 210 bar o una p1 di almeno 71,7 bar");
    req.PrechargeTolerance = 0;
    req.Type = AccumulatorType::Piston;
    req.Catalogue = DefaultCatalogue(req.Type);
    EXPECT_TRUE(SizeAccumulator(state, req));

    // The Pm that sentence names leaves a window of one precharge, a tenth more none.
    req.Type = AccumulatorType::Bladder;
    req.Catalogue = Sizes({20});
    req.SingleCycle = true;
    state.Data.Pm = 218.2f;
    EXPECT_TRUE(SizeAccumulator(state, req));
    state.Data.Pm = 218.3f;
    refused("almeno 53,9 bar e di al più 53,8 bar");
    req.PrechargeTolerance = 0.5;
    refused("tolleranza");
    req.PrechargeTolerance = 0.49;
    req.ChoosePrecharge = false;
    EXPECT_TRUE(SizeAccumulator(state, req));

    state.Data.CycleTime = 0;
    refused("movimenti");
    state.Data.CycleTime = 0.5f;
    EXPECT_TRUE(CheckRequirements(state, req));
    state.Data.CycleTime = 2;
    state.SimMovementCount = 0;
    refused("movimenti");
}

TEST_F(OneDrawTest, StopsWhenTheProgressSaysSo) {
    std::vector<double> shares;
    // A whole search's progress never goes back and ends full.
    ASSERT_TRUE(SizeAccumulator(state, req, [&](double share) {
        shares.push_back(share);
        return true;
    }));
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1);
    // It moves all the way: no step of the bar takes more than a third of it.
    EXPECT_EQ(std::adjacent_find(shares.begin(), shares.end(),
                                 [](double a, double b) { return b - a > 1.0 / 3; }),
              shares.end())
        << testing::PrintToString(shares);
    const std::vector<double> whole = shares;
    shares.clear();
    auto a = SizeAccumulator(state, req, [&](double share) {
        shares.push_back(share);
        return shares.size() < 3;
    });
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->Cancelled);
    EXPECT_TRUE(a->Candidates.empty()) << "a stopped search leaves no partial answer";
    EXPECT_EQ(shares.front(), 0);
    // Stopped while it looks for the fixes of the size below (the last call
    // before the end), and while it sizes the pump (the call after the sizes').
    const auto stopAt = [&](size_t call) {
        size_t calls = 0;
        return SizeAccumulator(state, req, [&, call](double) { return ++calls < call; });
    };
    auto late = stopAt(whole.size() - 1);
    ASSERT_TRUE(late) << late.Error();
    EXPECT_TRUE(late->Cancelled);
    req.SizePump = true;
    state.Data.Qp = 50;
    const auto pumped = SizeAccumulator(state, req);
    ASSERT_TRUE(pumped && pumped->PumpSized);
    auto pump = stopAt(pumped->Candidates.size() + 1);
    ASSERT_TRUE(pump) << pump.Error();
    EXPECT_TRUE(pump->Cancelled);
}

// At -140 °C nitrogen condenses as the small sizes expand it: the
// explanation says the run left the gas, not that the pressure fell.
TEST(RealGasSizingTest, AGasThatCondensesIsSaidSo) {
    CircuitState state;
    LoadExampleCircuit(state);
    std::tie(state.Data.Tc, state.Data.P0, state.Data.Pm) = std::tuple{-140.f, 60.f, 80.f};
    Requirements req;
    req.Gas.Law = GasLawKind::Nitrogen;
    req.Gas.ChargeTemp = -140;
    req.MinPressure = GaugeBar(20);
    req.SingleCycle = true;
    req.ChoosePrecharge = false;
    req.Catalogue = Sizes({1, 20});
    const auto a = SizeAccumulator(state, req);
    ASSERT_TRUE(a) << a.Error();
    EXPECT_TRUE(a->Explanations.at(0).OutsideGas);
    EXPECT_FALSE(a->Explanations.at(1).OutsideGas);
}

// The sizing and the energy balance refuse the movements a run refuses, in
// the run's own words, and take both times at 0 (a question the run asks); a
// balance whose figures are not all numbers says so.
TEST(MovementRefusalTest, SizingAndBalanceRefuseWhatTheRunRefuses) {
    // Movement k of the example with these times and flow; no words: taken.
    const std::tuple<int, double, double, double, std::string> cases[] = {
        {1, 0, 0.3, -58.905, "Nel movimento 1 Qm vale -58,905 e non può essere negativo."},
        {5, 1, 1, 46, "Il tempo finale del movimento 5 è uguale o minore"},
        {5, 1, 0, 46, "Il tempo finale del movimento 5"},
        {1, 0, 0.3, 1e308, "finiti (la portata più grande del ciclo, del movimento 1, vale 1e+308"},
        {5, 0, 2.5, 1e308, "(la portata più grande del ciclo, del movimento 5, vale 1e+308"},
        {1, 0, 0, 58, ""}};
    Requirements req;
    req.MinPressure = GaugeBar(60);
    for (const auto& [k, ti, tf, qm, words] : cases) {
        CircuitState state;
        LoadExampleCircuit(state);
        state.Movements[k] = {.Ti = float(ti), .Tf = float(tf), .Qm = qm, .Kind = 4};
        const auto search = CheckRequirements(state, req);
        const auto balance = BalanceOfRun(state);
        EXPECT_EQ(!balance, !words.empty()) << words;
        if (words.empty() || !balance) continue;
        EXPECT_NE(ItalianText(balance.Error()).find(words), std::string::npos) << balance.Error();
        EXPECT_TRUE(qm > 1e300 || search.Error() == balance.Error()) << search.Error();
    }
}

}  // namespace
}  // namespace volvenza::sizing
