// Steady operation: every recommended design, run cycle after cycle over the
// working day by the reference model, keeps p1; the cases where a first
// cycle started full hid a pump that cannot keep up.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "documents/SimulationFile.h"
#include "sizing/AnswerText.h"
#include "sizing/Fixes.h"
#include "sizing/Search.h"
#include "tests/sizing/OneDraw.h"
#include "tests/support/Files.h"

namespace volvenza::sizing {
namespace {

class SteadyOperationTest : public ::testing::Test {
  protected:
    // `data` with a motor drawing `qm` from `ti` to `tf`, p1 and a catalogue
    // of the one size of `type` as large as V0.
    void OneDraw(CircuitData data, float ti, float tf, double qm, double p1, AccumulatorType type) {
        test::TypeCircuit(state, data, {{ti, tf, qm}});
        req.MinPressure = GaugeBar(p1);
        req.Catalogue = {DefaultSize(type, Dm3(data.V0))};
    }
    // 1 dm3 drawn in each 3 s cycle (20 dm3/min on average) from 20 dm3
    // precharged to 80 bar, Pm 199, p1 90, a 20 dm3 bladder.
    void OneLitreEveryThreeSeconds(float qp) {
        OneDraw({20, 80, 20, qp, 199, 10, 3}, 0, 1, 60, 90, AccumulatorType::Bladder);
    }
    // The same with exactly the oil the cycle draws, the precharge as typed
    // and a day of 8,125 h.
    void ThePumpOfTheAverageDemand() {
        OneLitreEveryThreeSeconds(20);
        req.ChoosePrecharge = false;
        req.PrechargeTolerance = 0;
        req.WorkingHours = 8.125;
    }
    CircuitState state;
    Requirements req;
};

// The classic and ideal laws are the property test's; here real nitrogen
// over an envelope, on the 250 bar design.
TEST_F(SteadyOperationTest, PumpCoversTheAverageDemandAndTheDesignHoldsCycleAfterCycle) {
    InitCircuitState(state);
    ASSERT_TRUE(LoadSimulationFile(state, test::TestData("design-250bar.vlz")));
    req.MinPressure = GaugeBar(180);
    req.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = 10, .MaxTemp = 60};
    req.SizePump = true;
    auto a = SizeAccumulator(state, req);
    ASSERT_TRUE(a) << a.Error();
    ASSERT_TRUE(a->Recommended);
    const Design d = a->Recommendation()->Proposed;
    EXPECT_GE(d.Qp.value(), a->BalancePump) << "the pump covers the cycle's average demand";
    EXPECT_TRUE(HoldsOverTheDay(state, req, d)) << d.V0.value() << ' ' << d.Qp.value();
    // A tenth less pump fails steady operation; the size below fails cycle after cycle.
    EXPECT_FALSE(*Evaluator(state, req)
                      .PassesRuns(Design{d.V0, d.P0, d.Qp - Dm3PerMin(0.1), 1, {}, 0},
                                  a->Recommendation()->Size));
    ASSERT_GT(*a->Recommended, 0u);
    const Evaluation& below = a->Candidates[*a->Recommended - 1];
    EXPECT_FALSE(HoldsOverTheDay(state, req, below.Proposed)) << below.Proposed.V0.value();
}

TEST_F(SteadyOperationTest, FirstCycleAloneNeedsNoPumpButAWorkingDayDoes) {
    // One cycle started full: 20 dm3 holds 1 dm3 with no pump at all.
    OneLitreEveryThreeSeconds(30);
    req.SizePump = true;
    req.SingleCycle = true;
    EXPECT_EQ(SizeAccumulator(state, req)->Recommendation()->Proposed.Qp.value(), 0);
    req.SingleCycle = false;
    // A swing rating far above the swings: the pump is the oil's doing, not the swing's.
    for (CatalogueSize& size : req.Catalogue) size.RatedSwing = BarDifference(1000);
    const auto steady = SizeAccumulator(state, req);
    ASSERT_TRUE(steady->Recommended);
    EXPECT_GE(steady->Recommendation()->Proposed.Qp.value(), 20);
    EXPECT_TRUE(steady->PumpSized);
    EXPECT_FALSE(steady->SwingPump);
    EXPECT_GT(steady->Recommendation()->Cycles(), 1);

    // From no pump at all the search starts above the average demand.
    state.Data.Qp = 0;
    const auto fromNone = SizeAccumulator(state, req);
    ASSERT_TRUE(fromNone->Recommended);
    EXPECT_EQ(fromNone->Recommendation()->Proposed.Qp, steady->Recommendation()->Proposed.Qp);

    // A pump below the average demand fails at once, with nothing run.
    state.Data.Qp = 17.1f;
    req.SizePump = false;
    double shown = 0;
    const auto shortPump = SizeAccumulator(state, req, [&](double share) {
        shown = share;
        return true;
    });
    EXPECT_EQ(shown, 1) << "the progress ends full";
    ASSERT_TRUE(shortPump);
    EXPECT_EQ(std::tuple(shortPump->PumpShort, shortPump->Recommended.has_value(),
                         shortPump->Candidates.size()),
              std::tuple(true, false, 0u));
    EXPECT_NEAR(shortPump->PumpOil, 17.1 * 3 / 60, 1e-5);
    EXPECT_NEAR(shortPump->CycleOil, 1, 1e-6);
    const auto alone = Evaluator(state, req).Evaluate(Plain(20, 70, 17.1), 0);
    EXPECT_TRUE(!alone->Rules[kPressureRule] && alone->Rules[kPrechargeRule] &&
                alone->Temps.empty())
        << "judged alone";
    // The same pump in one cycle started full passes, starting once.
    req.SingleCycle = true;
    EXPECT_EQ(SizeAccumulator(state, req)->Recommendation()->Temps.at(0).PumpStarts, 1);
    // With no hysteresis it delivers from the first step: the whole cycle.
    state.Data.Dp = 0;
    EXPECT_EQ(Evaluator(state, req).Evaluate(Plain(20, 70, 17.1), 0)->Temps.at(0).PumpShare, 1);
}

TEST_F(SteadyOperationTest, PumpThatNeverRechargesFailsWithItsReason) {
    // The pump runs all the time and the accumulator never comes back to Pm.
    ThePumpOfTheAverageDemand();
    Evaluator ev(state, req);
    const auto e = ev.Evaluate(Plain(20, 80, 20), 0);
    ASSERT_TRUE(e);
    const TemperatureOutcome& o = e->Temps.at(0);
    EXPECT_FALSE(e->Rules[kPressureRule]);
    EXPECT_FALSE(o.Settled && o.Recharged);
    EXPECT_GE(o.LowestPressure, 90) << "the pressure alone would pass";
    // The swing of the cycles after the first, which swings from Pm, as the
    // reference model has it.
    const auto ref = reference::RunReference(ReferenceCircuit(state, req.Gas, Plain(20, 80, 20)),
                                             ReferenceGas(req.Gas, 20), 2)[1];
    EXPECT_NEAR(o.Swing, ref.highest - ref.lowest, 1e-6);
    EXPECT_LT(o.Swing, 199 - ref.lowest);
    const auto a = SizeAccumulator(state, req);
    ASSERT_EQ(a->Explanations.size(), 1u);
    // The cycles repeat one by one with the pump never stopping.
    EXPECT_TRUE(a->Explanations[0].NotRecharged);
    EXPECT_FALSE(a->Explanations[0].NotSettled);
    EXPECT_GT(a->Explanations[0].PumpShare, 0.99);
    // At p1 itself the pump is still the reason.
    req.MinPressure = GaugeBar(o.LowestPressure);
    const auto atP1 = SizeAccumulator(state, req);
    EXPECT_TRUE(atP1->Explanations.at(0).NotRecharged);
    EXPECT_EQ(LayOutAnswer(*atP1, req, state.Data, kItalian)
                  .Explanations.at(1)
                  .find("La pompa non riporta"),
              3u);
    req.MinPressure = GaugeBar(90);
    const AnswerLayout out = LayOutAnswer(*a, req, state.Data, kItalian);
    ASSERT_GE(out.Explanations.size(), 2u);
    EXPECT_EQ(out.Explanations[1],
              "   La pompa non riporta l'accumulatore a Pm nel ciclo a regime: "
              "eroga per il 100 % del tempo, senza margine.");
    EXPECT_EQ(out.Requirements.at(9).second,
              "continuo, ciclo dopo ciclo; giornata di 8,12 h (9750 cicli)");
    // A pump with room to spare settles in a few cycles, coming back to Pm.
    const TemperatureOutcome big = ev.Evaluate(Plain(20, 80, 40), 0)->Temps.at(0);
    EXPECT_TRUE(big.Settled && big.Recharged);
    // Back to Pm with nothing drawn, the second cycle is the first again.
    EXPECT_EQ(big.Cycles, 2);
    EXPECT_EQ(big.Recharges, 1) << "the first cycle, which starts full, is no return";
    EXPECT_EQ(big.PumpStarts, 1);
    EXPECT_LT(big.PumpShare, 0.9);
}

TEST_F(SteadyOperationTest, AWornPumpOrARunThatNeverSettlesFailsWithItsReason) {
    ThePumpOfTheAverageDemand();
    // Delivering 80 % of its displacement, the pump falls short: the cycle
    // needs one of 25 dm3/min.
    req.Gas.Vessels.VolumetricEfficiency = 0.7935;
    const auto worn = SizeAccumulator(state, req);
    EXPECT_TRUE(worn->PumpShort);
    EXPECT_NEAR(worn->BalancePump, 20 / 0.7935, 1e-6);
    EXPECT_NEAR(worn->AverageDemand, 20, 1e-6);
    const AnswerLayout wornOut = LayOutAnswer(*worn, req, state.Data, kItalian);
    EXPECT_EQ(wornOut.Recommendation,
              std::vector<std::string>{
                  "Nessuna grandezza può bastare: la pompa fornisce 0,794 dm3 per ciclo, il ciclo "
                  "ne preleva 1. Serve una pompa di almeno 25,2 dm3/min."});
    EXPECT_EQ(wornOut.Requirements.at(11).second, "0,794");
    // A pump a hair above the demand (0,0005 dm3 a cycle) comes back to Pm
    // once in some 250 cycles: its ends come round only at the 520th, past
    // the hundred, and it passes on them.
    state.Data.Qp = 20.01f;
    req.Gas = {.Law = GasLawKind::Classic, .Tau = 0, .MinTemp = {}, .MaxTemp = {}};
    req.MinPressure = GaugeBar(90);
    const auto hair = Evaluator(state, req).Evaluate(Plain(20, 80, 20.01f), 0);
    EXPECT_EQ(
        std::tuple(hair->Rules[kPressureRule], hair->Temps.at(0).Cycles, hair->Temps[0].Bounded),
        std::tuple(true, 520, false));
    // Not settled in a hundred cycles, at p1 itself as above it: a gas
    // charged fast and cooling for minutes, the lowest pressure falling
    // cycle after cycle below p1 within the day.
    struct Slow {
        float qp;
        double tau, p1;
        const char* says;
    };
    for (const Slow& c :
         {Slow{20, 300, 140, "   La pressione minima scende di 0,2083 bar per ciclo: dopo "}}) {
        state.Data.Qp = c.qp;
        req.Gas = {.Law = c.tau > 0 ? GasLawKind::Nitrogen : GasLawKind::Classic,
                   .Tau = c.tau,
                   .MinTemp = {},
                   .MaxTemp = {},
                   .Start = gas::ChargeStart::Fast};
        for (bool atP1 : {false, true}) {
            req.MinPressure = GaugeBar(c.p1);
            if (atP1)
                req.MinPressure = GaugeBar(Evaluator(state, req)
                                               .Evaluate(Plain(20, 80, c.qp), 0)
                                               ->Temps.at(0)
                                               .LowestPressure);
            const auto slow = SizeAccumulator(state, req);
            const Explanation& x = slow->Explanations.at(0);
            EXPECT_TRUE(x.NotSettled && !x.NotRecharged) << c.says;
            EXPECT_GT(x.PumpShare, 0.99);
            EXPECT_EQ(
                LayOutAnswer(*slow, req, state.Data, kItalian).Explanations.at(1).rfind(c.says, 0),
                0u);
        }
    }
}

TEST_F(SteadyOperationTest, RealGasRunsUntilItHasForgottenItsStart) {
    // The gas forgets its start to a thousandth in ln 1000 time constants of
    // 10 s at constant pressure (cp / cv of 1,68 at 199 bar): 116 s. These
    // cycles of 3 s repeat one by one from the 25th, but count as steady only
    // once the gas has forgotten its start, at the 39th.
    OneLitreEveryThreeSeconds(40);
    req.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 10, .MinTemp = {}, .MaxTemp = {}};
    const auto e = Evaluator(state, req).Evaluate(Plain(20, 80, 40), 0);
    ASSERT_TRUE(e) << e.Error();
    EXPECT_EQ(std::pair(e->Temps.at(0).Settled, e->Temps[0].Cycles), std::pair(true, 39));
    // A memory of minutes is cut to half the cycles a run may take.
    req.Gas.Tau = 300;
    EXPECT_EQ(Evaluator(state, req).Evaluate(Plain(20, 80, 40), 0)->Temps.at(0).Cycles, 50);
}

// A law without memory settles once its cycles come round, however short
// (here 0,08 s), without waiting for a memory.
TEST_F(SteadyOperationTest, ALawWithoutMemorySettlesOnceItsCyclesComeRound) {
    OneDraw({34, 50, 20, 400, 100, 14, 0.08f}, 0.02f, 0.08f, 96, 40, AccumulatorType::Piston);
    // A time constant left from real nitrogen: this law has no memory.
    req.Gas = {.Law = GasLawKind::Ideal, .Tau = 10, .MinTemp = {}, .MaxTemp = {}};
    const auto e = Evaluator(state, req).Evaluate(Plain(34, 50, 400), 0);
    ASSERT_TRUE(e) << e.Error();
    EXPECT_TRUE(e->Temps.at(0).Settled);
    EXPECT_LT(e->Temps[0].Cycles, kMaxCycles);
    // 96 dm3/min for 0,06 s of every 0,08 s.
    EXPECT_NEAR(Evaluator(state, req).BalancePump(), 72, 1e-3);
    EXPECT_EQ(Evaluator(state, req).DayCycles(), 360000);
}

TEST_F(SteadyOperationTest, DriftIsCarriedOverTheWorkingDay) {
    auto judge = [](const std::vector<double>& lowest, int day) {
        TemperatureOutcome o;
        o.Settled = false;
        o.LowestPressure = *std::min_element(lowest.begin(), lowest.end());
        JudgeDrift(lowest, day, 60, o);
        return o;
    };
    // A steady fall of 0,1 bar a cycle from 69,9 bar at cycle 30: below 60
    // at cycle 30 + 100.
    std::vector<double> linear;
    for (int k = 1; k <= 30; ++k) linear.push_back(72.9 - 0.1 * k);
    const TemperatureOutcome fall = judge(linear, 1000);
    EXPECT_NEAR(fall.DriftPerCycle, 0.1, 1e-9);
    EXPECT_NEAR(fall.DayLowest, 69.9 - 0.1 * 970, 1e-6);
    EXPECT_EQ(fall.CyclesToP1, 130);
    // Exactly at p1 after cycle 32 (binary-exact eighths): below it the next.
    std::vector<double> eighths;
    for (int k = 1; k <= 30; ++k) eighths.push_back(64 - 0.125 * k);
    EXPECT_EQ(judge(eighths, 1000).CyclesToP1, 33);
    EXPECT_EQ(judge(eighths, 32).CyclesToP1, 0) << "a day that ends at p1 itself holds";
    // Three cycles are thirds of one each: a fall of 1 bar a cycle goes on.
    EXPECT_NEAR(judge({70, 69, 68}, 100).DayLowest, 68 - 97, 1e-9);
    EXPECT_EQ(judge({70, 69, 68, 60.5}, 100).CyclesToP1, 5) << "below p1 the very next cycle";
    // A day too short to get there.
    const TemperatureOutcome shortDay = judge(linear, 120);
    EXPECT_NEAR(shortDay.DayLowest, 69.9 - 0.1 * 90, 1e-6);
    EXPECT_EQ(shortDay.CyclesToP1, 0);
    EXPECT_EQ(judge(linear, 30).DayLowest, linear.back()) << "a day no longer than the run";
    // A run below p1 that does not fall: no crossing to come.
    EXPECT_EQ(judge({59, 59, 59}, 100).CyclesToP1, 0);
    // Halving every three cycles towards 65 bar: the day ends near 65, above p1.
    std::vector<double> converging;
    for (int k = 0; k < 30; ++k) converging.push_back(65 + 8 * std::pow(0.5, k / 3.0));
    const TemperatureOutcome settling = judge(converging, 100000);
    // The thirds show the fall shrinking by r = 0,5^(1/3) a cycle: what is
    // left is the last third's mean fall (0,0089 bar) times r / (1 - r).
    EXPECT_NEAR(settling.DayLowest, 64.97546, 1e-5);
    EXPECT_EQ(settling.CyclesToP1, 0);
    // Three cycles more take only the first three terms of that fall.
    EXPECT_NEAR(judge(converging, 33).DayLowest, 64.99265, 1e-5);
    // Rising or settled: the lowest seen stands.
    std::vector<double> rising(converging.rbegin(), converging.rend());
    EXPECT_EQ(judge(rising, 100000).DayLowest, converging.back());
    // Ended by a warning or outside the gas: nothing carried over.
    for (auto flag : {&TemperatureOutcome::Warning, &TemperatureOutcome::OutsideGas}) {
        TemperatureOutcome ended;
        ended.Settled = false;
        ended.*flag = true;
        ended.LowestPressure = 61;
        JudgeDrift(linear, 1000, 60, ended);
        EXPECT_EQ(ended.DayLowest, 61);
    }
}

// A run stopped below p1 before it settled carries its fall over the day
// too: the candidates' margin says where its cycles settle, as a run that a
// lower p1 lets go on finds them, not only how far below p1 it stopped.
TEST_F(SteadyOperationTest, ARunStoppedBelowP1CarriesItsFallOverTheDay) {
    ThePumpOfTheAverageDemand();
    // Charged fast, the gas cools over the first minute and the lows fall.
    req.Gas = {.Law = GasLawKind::Nitrogen,
               .Tau = 10,
               .MinTemp = {},
               .MaxTemp = {},
               .Start = gas::ChargeStart::Fast};
    req.MinPressure = GaugeBar(100);
    const auto free = SizeAccumulator(state, req);
    ASSERT_TRUE(free) << free.Error();
    const TemperatureOutcome settled = free->Candidates.at(0).Temps.at(0);
    ASSERT_TRUE(settled.Settled);  // at 130,26 bar
    req.MinPressure = GaugeBar(140);
    const auto stopped = SizeAccumulator(state, req);
    ASSERT_TRUE(stopped) << stopped.Error();
    const TemperatureOutcome& o = stopped->Candidates.at(0).Temps.at(0);
    EXPECT_TRUE(!o.Settled && o.LowestPressure > 139.9) << "stopped just below p1";
    EXPECT_NEAR(o.DayLowest, settled.LowestPressure, 0.1);
    EXPECT_EQ(LayOutAnswer(*stopped, req, state.Data, kItalian).Candidates.Rows.at(0).at(3),
              "-9,79");
}

// Rule 1 lets the pump load once a second on average: a one-second cycle
// whose draw takes the pump through its band once passes, the same cycle a
// hundredth shorter fails. A small accumulator whose pump loads again and
// again through a low demand (ten stretches, so that each loading is
// computed) fails at once: the runs stop at the fifth loading of a
// one-second cycle, and the explanation says where.
TEST_F(SteadyOperationTest, APumpLoadingMoreThanOnceASecondFailsRuleOne) {
    OneDraw({2, 100, 20, 60, 200, 20, 1}, 0, 0.2f, 60, 150, AccumulatorType::Piston);
    req.Gas = {.Law = GasLawKind::Ideal, .Exponent = 1, .MinTemp = {}, .MaxTemp = {}};
    const auto once = Evaluator(state, req).Evaluate(Plain(2, 100, 60), 0);
    ASSERT_TRUE(once) << once.Error();
    EXPECT_EQ(once->Temps.at(0).PumpStarts, 1);
    EXPECT_TRUE(once->Passes());
    state.Data.CycleTime = 0.99f;
    const auto often = Evaluator(state, req).Evaluate(Plain(2, 100, 60), 0);
    EXPECT_FALSE(often->Rules[kPressureRule]);
    EXPECT_FALSE(often->Temps.at(0).Chatters);
    const Explanation said = Explain(state, Evaluator(state, req), *often);
    EXPECT_TRUE(said.Chatters && said.ChatterCycle == 0) << "said of the cycles' average";

    state.Data.CycleTime = 1;
    for (int i = 0; i < 10; ++i) {
        PlaceMovement(state, i + 1, i * 0.1f, (i + 1) * 0.1f, 20 + i % 2, MovementKind::Motor);
    }
    const Evaluator ev(state, req);
    const auto small = Evaluator(state, req).Evaluate(Plain(0.5, 100, 60), 0);
    const TemperatureOutcome& o = small->Temps.at(0);
    EXPECT_TRUE(o.Chatters);
    EXPECT_EQ(o.Cycles, 1);
    const Explanation x = Explain(state, ev, *small);
    EXPECT_TRUE(x.Chatters);
    EXPECT_EQ(x.ChatterCycle, 1);
    // At the fifth loading, as the reference model has it.
    const auto ref = reference::RunReference(ReferenceCircuit(state, req.Gas, Plain(0.5, 100, 60)),
                                             ReferenceGas(req.Gas, 20), 1)[0];
    ASSERT_GT(ref.pumpOn.size(), 4u);
    EXPECT_NEAR(x.ChatterAt, ref.pumpOn[4], 1e-6);
    // Over an envelope the coldest run that loads too often is named.
    req.Gas.MinTemp = 0;
    req.Gas.MaxTemp = 40;
    const auto env = Evaluator(state, req).Evaluate(Plain(0.5, 100, 60), 0);
    ASSERT_EQ(env->Temps.size(), 3u);
    const Explanation y = Explain(state, Evaluator(state, req), *env);
    EXPECT_EQ(y.WorkTemp, 0);
    EXPECT_EQ(y.ChatterAt, env->Temps[0].ChatterAt);
    // In one stretch the periods carried over stop short of the fifth
    // loading, which is computed where it happens.
    OneDraw({2, 100, 20, 60, 200, 20, 1}, 0, 1, 20, 150, AccumulatorType::Piston);
    req.Gas.MinTemp = req.Gas.MaxTemp = {};
    const auto one = Evaluator(state, req).Evaluate(Plain(0.5, 100, 60), 0);
    const auto ref1 = reference::RunReference(ReferenceCircuit(state, req.Gas, Plain(0.5, 100, 60)),
                                              ReferenceGas(req.Gas, 20), 1)[0];
    ASSERT_GT(ref1.pumpOn.size(), 4u);
    EXPECT_TRUE(one->Temps.at(0).Chatters);
    EXPECT_NEAR(one->Temps.at(0).ChatterAt, ref1.pumpOn[4], 1e-6);

    // A steady 6 dm3/min through a 2 s cycle: 1,49 dm3 of gas loads the
    // pump about 2,9 times a cycle over the day, though a cycle may count
    // 2; near the limit more cycles decide, as the reference model counts.
    state.Data = CircuitData{1.49f, 52.8f, 20, 60, 100, 10, 2};
    state.MovementCount = state.SimMovementCount = 0;
    PlaceMovement(state, 1, 0, 2, 6, MovementKind::Motor);
    req.Gas = {.Law = GasLawKind::Ideal, .MinTemp = {}, .MaxTemp = {}};
    req.MinPressure = GaugeBar(60);
    const auto near = Evaluator(state, req).Evaluate(Plain(1.49, 52.8, 60), 0);
    const auto day = reference::RunUntilRepeating(
        ReferenceCircuit(state, req.Gas, Plain(1.49, 52.8, 60)), ReferenceGas(req.Gas, 20), 14400);
    double loads = 0;
    for (size_t k = 1; k < day.size(); ++k) loads += static_cast<double>(day[k].pumpOn.size());
    EXPECT_NEAR(near->Temps.at(0).PumpStarts, loads / static_cast<double>(day.size() - 1), 0.2);
    EXPECT_FALSE(near->Rules[kPressureRule]);
}

// On a long cycle the temperatures of a verdict run side by side, the next
// likely design's first run beside them, and a verdict stops where one
// temperature fails: whatever ran ahead or was abandoned, each verdict, asked
// in either order and again, is that of the whole runs, and the runs kept
// from the verdicts are the whole runs. So too once the last movement needs
// more than p1: a verdict judges it on runs that stop below p1.
TEST_F(SteadyOperationTest, VerdictsAgreeWithTheWholeRunsWhateverRanAhead) {
    OneDraw({4, 60, 20, 40, 150, 20, 15}, 0, 0.1f, 40, 100, AccumulatorType::Piston);
    for (int i = 1; i < 70; ++i) {
        PlaceMovement(state, i + 1, i * 0.2f, i * 0.2f + 0.1f, 40 + (i % 5) * 30,
                      MovementKind::Motor);
    }
    req.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 20, .MinTemp = 0, .MaxTemp = 60};
    std::vector<Design> designs;
    for (double v0 : {2.0, 3.0, 4.0, 6.0}) designs.push_back(Plain(v0, 60, 60));
    for (double v0 : {1.0, 4.0, 8.0, 12.0}) designs.push_back(Plain(v0, 60, 100));
    const int n = static_cast<int>(designs.size());
    std::vector<bool> passing[2];
    for (int need : {0, 1}) {
        if (need == 1) state.Movements[70].Duty.Required = 125;
        std::vector<Evaluation> whole;
        for (const Design& d : designs) {
            whole.push_back(*Evaluator(state, req).Evaluate(d, 0));
            const auto& r = whole.back().Rules;
            passing[need].push_back(r[kPressureRule] && r[kFlowRule] && r[kGasTempRule] &&
                                    r[kSwingRule]);
        }
        Evaluator ev(state, req);
        const auto verdicts = [&](int step) {
            for (int k = step > 0 ? 0 : n - 1; k >= 0 && k < n; k += step) {
                if (k + step >= 0 && k + step < n) ev.Expect(designs[k + step], 0);
                EXPECT_EQ(*ev.PassesRuns(designs[k], 0), passing[need][k])
                    << designs[k].V0.value() << " dm3, " << designs[k].Qp.value()
                    << " dm3/min, need " << need;
            }
        };
        verdicts(1);
        verdicts(-1);
        for (int k = 0; k < n; ++k) {
            const Evaluation kept = *ev.Evaluate(designs[k], 0);
            for (size_t t = 0; t < kept.Temps.size(); ++t) {
                EXPECT_EQ(kept.Temps[t].LowestPressure, whole[k].Temps[t].LowestPressure);
                EXPECT_EQ(kept.Temps[t].PumpStarts, whole[k].Temps[t].PumpStarts);
            }
        }
    }
    EXPECT_NE(passing[0], passing[1]) << "the movement's need fails a design p1 passes";
    // The search runs the next size ahead beside a lower precharge's quick
    // runs: every candidate it shows is its own size's whole evaluation.
    state.Data.Qp = 100;
    req.ChoosePrecharge = true;
    req.Catalogue = Sizes({1, 2, 3, 4, 6, 8, 12});
    req.Catalogue[3].RatedPressure = GaugeBar(140);
    const auto a = SizeAccumulator(state, req);
    ASSERT_TRUE(a) << a.Error();
    for (const Evaluation& c : a->Candidates) {
        const Evaluation whole = *Evaluator(state, req).Evaluate(c.Proposed, c.Size);
        EXPECT_EQ(c.Rules, whole.Rules) << c.Proposed.V0.value();
        EXPECT_EQ(c.Proposed.V0, req.Catalogue.at(c.Size).V0);
    }
}

}  // namespace
}  // namespace volvenza::sizing
