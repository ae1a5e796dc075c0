// The exact engine against closed forms, against the independent reference
// model of the cycle, and against the laws it must keep: the oil typed is
// the oil drawn, the energy balance closes.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"
#include "engine/ExactCycle.h"
#include "engine/ExactRun.h"
#include "engine/PathSupport.h"
#include "gas/IdealLaw.h"
#include "tests/support/ExactCircuit.h"
#include "tests/support/ReferenceCycle.h"

namespace volvenza {
namespace {

using namespace test;

constexpr double kAtm = 1.01325;

// One draw of 2 dm3 in 1 s from a 10 dm3 ideal gas precharged at 40 bar:
// with the band wide the pump never starts and the lowest pressure is the
// polytrope's at the full volume plus the draw; with the example's band the
// pump starts where the polytrope crosses 67 bar and fills back to 80 bar at
// its own pace, every instant a closed form.
TEST(ExactEngineTest, OneDrawAndItsRechargeAreClosedForms) {
    for (double n : {1.0, 1.4}) {
        Circuit wide({10, 40, 20, 30, 80, 70, 10}, {{0.5f, 1.5f, 120}});
        const gas::IdealLaw law =
            *gas::IdealLaw::Create({10, 40, 20, 20, 80, n, gas::ChargeStart::Slow});
        const double full = law.FullVolume();
        const CycleSummary alone = Cycles(wide, Ideal(n), 1)[0];
        EXPECT_NEAR(alone.lowest, 81.01325 * std::pow(full / (full + 2), n) - kAtm, 1e-12);
        EXPECT_EQ(alone.lowestTime, 1.5);
        EXPECT_EQ(alone.pumpStarts, 0);
        EXPECT_NEAR(alone.oilOut, 2, 1e-15);

        Circuit banded({10, 40, 20, 30, 80, 13, 10}, {{0.5f, 1.5f, 120}});
        const CycleSummary c = Cycles(banded, Ideal(n), 1)[0];
        const double on = 0.5 + (law.VolumeAt(67) - full) / 2;  // 120 dm3/min is 2 dm3/s
        const double lowVolume = law.VolumeAt(67) + (1.5 - on) * (120 - 30) / 60.0;
        EXPECT_NEAR(c.lowest, law.PressureAt(lowVolume), 1e-12) << n;
        EXPECT_EQ(c.lowestTime, 1.5);
        EXPECT_EQ(c.pumpStarts, 1);
        EXPECT_NEAR(c.fullAgain, 1.5 + (lowVolume - full) / 0.5, 1e-12) << n;
        EXPECT_NEAR(c.pumpTime, c.fullAgain - on, 1e-12);
        EXPECT_NEAR(c.final.gas.pressure, 80, 1e-12);
        EXPECT_FALSE(c.final.pumping);
        EXPECT_NEAR(c.oilIn, c.oilOut, 1e-12);
        // Full again counts after the last movement, not the first recharge.
        Circuit twice({10, 40, 20, 30, 80, 13, 20}, {{0.5f, 1.5f, 120}, {7, 8, 120}});
        EXPECT_NEAR(Cycles(twice, Ideal(n), 1)[0].fullAgain, c.fullAgain + 6.5, 1e-9) << n;

        // A restart level a hair above where a small draw ends is still
        // reached, however close the draw's tangent passes.
        Circuit small({10, 40, 20, 30, 80, 70, 10}, {{0.5f, 0.55f, 120}});
        const double end = Cycles(small, Ideal(n), 1)[0].lowest;
        const float dp = static_cast<float>(80 - end) - 0.002f;
        Circuit grazed({10, 40, 20, 30, 80, dp, 10}, {{0.5f, 0.55f, 120}});
        const CycleSummary g = Cycles(grazed, Ideal(n), 1)[0];
        ASSERT_GT(80 - Typed(dp), end);
        EXPECT_EQ(g.pumpStarts, 1) << n;
        EXPECT_GT(g.lowest, end) << n;
    }
}

// Each movement draws exactly Qm (Tf - Ti) / 60, whatever its times, where
// the classic stepping's single-precision instants draw a step more or less.
TEST(ExactEngineTest, EveryMovementDrawsTheOilTyped) {
    Circuit c({10, 60, 20, 30, 80, 70, 2}, {{0.37f, 0.42f, 60},
                                            {0.4f, 0.5f, 60},
                                            {1.1f, 1.13f, 17.3},
                                            {0.5f, 0.4f, 99},
                                            {1.9f, 2.5f, 20},
                                            {0.f, 0.f, 50}});
    const DemandProfile demand = c.Demand();
    const double typed = (60 * 0.05 + 60 * 0.1 + 17.3 * 0.03 + 20 * 0.1) / 60;
    EXPECT_NEAR(demand.Oil, typed, 1e-15);
    EXPECT_EQ(demand.LatestEnd, 2.0);  // cut at the cycle's end
    // Stretches start where a movement starts or ends; one ends at its Tf.
    EXPECT_EQ(demand.Times, (std::vector<double>{0, 0.37, 0.4, 0.42, 0.5, 1.1, 1.13, 1.9, 2}));
    EXPECT_EQ(demand.Flows, (std::vector<double>{0, 60, 120, 60, 0, 17.3, 0, 20}));
    EXPECT_EQ(demand.Peak, 120);
    // A cycle of a twentieth of a second ends there: no draw runs past it.
    const DemandProfile brief = DemandOf({{0, 1, 60, 1}}, 0.05, false);
    EXPECT_EQ(brief.Times, (std::vector<double>{0, 0.05}));
    EXPECT_NEAR(brief.Oil, 0.05, 1e-15);
    for (const GasSettings& gas : {Ideal(1.4), Nitrogen(kInf), Nitrogen(45)}) {
        const CycleSummary s = Cycles(c, gas, 1)[0];
        EXPECT_NEAR(s.oilOut, typed, 1e-12);
        EXPECT_EQ(s.oilIn, 0);
    }
}

// The engine and the reference model, written apart, on the example, a 250
// bar design and a long cycle whose draws leave the pump off (five minutes
// without flow: the gas still, or moved by the wall alone): cycle after
// cycle, the lowest pressure, its instant, where each cycle leaves the gas
// and the pump, and the oil.
TEST(ExactEngineTest, AgreesWithTheIndependentModelCycleAfterCycle) {
    const Circuit circuits[] = {
        {{10, 60, 45, 30, 80, 13, 4.7f},
         {{0, 1.2f, 58.905}, {1.2f, 2.5f, 20}, {0.5f, 1.4f, 30}, {0, 0.8f, 12}, {2, 2.5f, 25}}},
        {{20, 150, 20, 40, 250, 30, 10}, {{0, 2, 150}, {2, 3, 60}}},
        {{20, 150, 20, 5, 200, 20, 310}, {{0, 1, 60}}},
        {{2, 60, 30, 12, 150, 20, 1}, {{0.1f, 0.2f, 60}, {0.55f, 0.65f, 60}}},
    };
    const struct {
        GasSettings gas;
        double within;  // bar
    } laws[] = {{Ideal(1.4), 1e-9},  {Ideal(1.0), 1e-9},   {Nitrogen(kInf), 1e-6},
                {Nitrogen(0), 1e-6}, {Nitrogen(45), 1e-3}, {Nitrogen(3), 1e-3}};
    for (const Circuit& c : circuits) {
        for (const auto& law : laws) {
            const reference::RefGas ref{law.gas.Law == GasLawKind::Ideal
                                            ? reference::RefLaw::Ideal
                                            : reference::RefLaw::Nitrogen,
                                        law.gas.Exponent, law.gas.Tau, 20, Typed(c.state.Data.Tc)};
            const auto expected = reference::RunReference(c.Reference(), ref, 6);
            const auto got = Cycles(c, law.gas, static_cast<int>(expected.size()));
            for (size_t i = 0; i < expected.size(); ++i) {
                const auto at = ::testing::Message()
                                << c.state.Data.Pm << " bar, law " << int(law.gas.Law) << " tau "
                                << law.gas.Tau << ", cycle " << i + 1;
                EXPECT_NEAR(got[i].lowest, expected[i].lowest, law.within) << at;
                EXPECT_NEAR(got[i].lowestTime, expected[i].lowestTime, 1e-6) << at;
                EXPECT_EQ(got[i].end == CycleEnd::Emptied, expected[i].emptied) << at;
                EXPECT_NEAR(got[i].oilOut, expected[i].oilOut, 1e-6) << at;
                if (expected[i].emptied) {
                    EXPECT_NEAR(got[i].endTime, expected[i].emptiedAt, 1e-6) << at;
                    continue;
                }
                EXPECT_NEAR(got[i].final.gas.pressure, expected[i].endPressure, law.within) << at;
                EXPECT_EQ(got[i].final.pumping, expected[i].endPumping) << at;
                EXPECT_EQ(got[i].pumpStarts, static_cast<int>(expected[i].pumpOn.size())) << at;
            }
        }
    }
}

// The series the windows show are the solution on the 0,01 s grid: the
// reference's samples, and the volume, flow and balance that go with them.
TEST(ExactEngineTest, SeriesAreTheSolutionOnTheGrid) {
    Circuit c({10, 60, 45, 30, 80, 13, 4.7f},
              {{0, 1.2f, 58.905}, {1.2f, 2.5f, 20}, {0.5f, 1.4f, 30}, {0, 0.8f, 12}});
    c.state.Gas = Nitrogen(45);
    ASSERT_TRUE(RunExactIntoState(c.state));
    const reference::RefGas ref{reference::RefLaw::Nitrogen, 1.4, 45, 20, 45};
    const auto expected = reference::RunReference(c.Reference(), ref, 1, true)[0].samples;
    ASSERT_GE(expected.size(), 470u);
    for (int j = 0; j <= 469; ++j) {
        ASSERT_NEAR(c.state.PSeries[j], expected[j], 1e-4) << j;
        if (j > 0) {
            EXPECT_EQ(c.state.DVSeries[j], c.state.VSeries[j] - c.state.VSeries[j - 1]);
        }
    }
    // At 0,80 s the fourth movement has ended: the demand there is without it.
    EXPECT_EQ(c.state.QtSeries[80], 58.905 + 30);
    EXPECT_EQ(c.state.QtSeries[79], 58.905 + 30 + 12);
    EXPECT_EQ(c.state.VSeries[0], (*MakeGasPath(c.Data(), c.state.Gas, 45))->Full().volume);
}

// What the accumulator gives less what it takes back is the heat its gas
// takes from the wall less what it stored, to a millionth, whatever the
// heat exchange, from full and cycle after cycle.
TEST(ExactEngineTest, TheEnergyBalanceCloses) {
    Circuit c({20, 150, 20, 40, 250, 30, 10}, {{0, 2, 150}, {2, 3, 60}});
    Circuit held({20, 150, 20, 40, 250, 0, 10}, {{0, 2, 150}, {2, 3, 60}});
    for (const GasSettings& gas :
         {Nitrogen(45), Nitrogen(3), Nitrogen(kInf), Nitrogen(0), Ideal(1.2)}) {
        for (Circuit* circuit : {&c, &held}) {
            Circuit& c = *circuit;
            c.state.Gas = gas;
            c.state.LastPoint = 1;
            const auto b = BalanceOfRun(c.state);
            ASSERT_TRUE(b) << b.Error();
            for (const CycleEnergy& e : {b->First, b->Steady}) {
                const double out = e.Delivered - e.Returned;
                EXPECT_NEAR(out, e.HeatIn - e.StoredChange, 1e-6 * e.Delivered) << gas.Tau;
            }
            EXPECT_GT(b->First.Delivered, 30);
            EXPECT_GT(b->SteadyCycle, 1);
        }
    }
}

// The real gas with a short time constant, where the heat exchange matters
// most, settles on one answer as the integrator's tolerance is tightened.
TEST(ExactEngineTest, TheRealGasConvergesAsItsToleranceTightens) {
    Circuit c({20, 150, 20, 40, 250, 30, 10}, {{0, 2, 150}, {2, 3, 60}});
    const double finest = Cycles(c, Nitrogen(3), 3, 1e-9)[2].lowest;
    double previous = kInf;
    for (double tolerance : {1e-2, 1e-3, 1e-4, 1e-5}) {
        const double gap = std::abs(Cycles(c, Nitrogen(3), 3, tolerance)[2].lowest - finest);
        EXPECT_LE(gap, previous) << tolerance;
        previous = gap;
    }
    EXPECT_LT(previous, 1e-5);
    EXPECT_LT(std::abs(Cycles(c, Nitrogen(3), 3)[2].lowest - finest), 1e-3);
    // The pump's energy, from the pressure over time, as close, also where
    // the gas exchanges so little heat that the entropy hardly moves.
    for (double tau : {3.0, 1000.0}) {
        const CycleSummary fine = Cycles(c, Nitrogen(tau), 3, 1e-9)[2];
        const CycleSummary usual = Cycles(c, Nitrogen(tau), 3)[2];
        EXPECT_NEAR(usual.pumpEnergy, fine.pumpEnergy, 1e-4 * fine.pumpEnergy) << tau;
        EXPECT_NEAR(usual.delivered, fine.delivered, 1e-6 * fine.delivered) << tau;
    }
}

// A sampler that keeps nothing: with one, the engine computes every pump
// period, where alone it adds up the periods that repeat.
class EveryPeriod final : public Sampler {
  public:
    explicit EveryPeriod(int last) : Sampler(100, last) {}

  private:
    void Record(int, const GasPoint&) override {}
};

// A demand the pump outruns makes it switch hundreds of times a cycle: the
// periods added up, or carried over with their drift when the gas exchanges
// heat, come to what computing each of them gives.
TEST(ExactEngineTest, PeriodsAddedUpAreThePeriodsComputed) {
    Circuit c({2, 60, 20, 30, 150, 2, 60}, {{0, 50, 20}, {50, 51, 90}});
    const ExactData d = c.Data();
    const DemandProfile demand = c.Demand();
    for (const GasSettings& gas : {Ideal(1.4), Nitrogen(kInf), Nitrogen(45), Nitrogen(3)}) {
        auto path = MakeGasPath(d, gas, d.Tc);
        ASSERT_TRUE(path);
        EveryPeriod every(6000);
        const CycleSummary each = RunExactCycle(d, demand, **path, FullStart(**path),
                                                {&every, std::nullopt, std::nullopt});
        const CycleSummary added = RunExactCycle(d, demand, **path, FullStart(**path));
        const std::string at = "tau " + std::to_string(gas.Tau);
        ASSERT_GT(each.pumpStarts, 300) << at;
        const double within = (*path)->ExchangesHeat() ? 1e-4 : 1e-9;
        EXPECT_NEAR(added.pumpStarts, each.pumpStarts, 1) << at;
        EXPECT_NEAR(added.returnsToPm, each.returnsToPm, 1) << at;
        for (const auto& [got, expected] : {std::pair{added.oilOut, each.oilOut},
                                            {added.oilIn, each.oilIn},
                                            {added.delivered, each.delivered},
                                            {added.returned, each.returned},
                                            {added.pumpEnergy, each.pumpEnergy},
                                            {added.pumpTime, each.pumpTime},
                                            {added.heatIn, each.heatIn}}) {
            EXPECT_NEAR(got, expected, within * (std::abs(expected) + 1)) << at;
        }
        EXPECT_NEAR(added.lowest, each.lowest, within) << at;
        EXPECT_NEAR(added.final.gas.pressure, each.final.gas.pressure, 1e-3) << at;
        EXPECT_NEAR(added.final.gas.temperature, each.final.gas.temperature, 1e-3) << at;
        EXPECT_EQ(added.final.pumping, each.final.pumping) << at;
    }
    // Sampled, every point of the chattering stretch lies in the band.
    c.state.Gas = Nitrogen(45);
    ASSERT_TRUE(RunExactIntoState(c.state));
    for (int j = 100; j <= 5000; ++j) {
        ASSERT_GE(c.state.PSeries[j], 148 - 1e-9) << j;
        ASSERT_LE(c.state.PSeries[j], 150 + 1e-9) << j;
    }
}

// Held at Pm without a band: a demand half a dm3/min above the pump takes
// the pressure down along the polytrope; a gas cooling while held takes in
// oil until it is back at the wall's temperature at Pm, to the volume it
// had full, the same at any tolerance.
TEST(ExactEngineTest, HeldAtPmTheGasFollowsTheDemandAndTheWall) {
    Circuit over({10, 60, 20, 20, 80, 0, 6}, {{1, 3, 20.5}, {3, 6, 19.5}});
    const gas::IdealLaw law =
        *gas::IdealLaw::Create({10, 60, 20, 20, 80, 1.4, gas::ChargeStart::Slow});
    const double full = law.FullVolume(), low = full + 1.0 / 60;
    const CycleSummary s = Cycles(over, Ideal(1.4), 1)[0];
    EXPECT_NEAR(s.lowest, law.PressureAt(low), 1e-12);
    EXPECT_NEAR(s.lowestTime, 3, 1e-12);
    EXPECT_NEAR(s.final.gas.pressure, 80, 1e-9);
    EXPECT_EQ(s.peakFlow, 0.5);  // the half dm3/min out and back: no more
    // The pump delivers all the time: at 80 bar held, along the polytrope
    // down and back up at half a dm3/min each way.
    const double polytrope =
        (81.01325 * std::pow(full, 1.4) * (std::pow(low, -0.4) - std::pow(full, -0.4)) / -0.4 -
         kAtm * (low - full)) *
        120;
    EXPECT_NEAR(s.pumpTime, 6, 1e-12);
    EXPECT_NEAR(s.pumpEnergy, 20.0 / 60 * (80 * 2 + 2 * polytrope) * 0.1, 1e-9);
    // The series: held, the accumulator takes and gives nothing.
    over.state.Gas = Ideal(1.4);
    ASSERT_TRUE(RunExactIntoState(over.state));
    EXPECT_EQ(over.state.QsSeries[50], 0);
    EXPECT_EQ(over.state.QsSeries[200], 0.5);
    EXPECT_EQ(over.state.QsSeries[550], 0);

    Circuit cooling({10, 60, 20, 200, 80, 0, 400}, {{0, 1, 300}, {1, 2, 100}});
    const GasPoint fullAtPm = (*MakeGasPath(cooling.Data(), Nitrogen(45), 20))->Full();
    const CycleSummary fine = Cycles(cooling, Nitrogen(45), 1, 1e-9)[0];
    const CycleSummary held = Cycles(cooling, Nitrogen(45), 1)[0];
    EXPECT_TRUE(held.final.held);
    EXPECT_NEAR(held.final.gas.temperature, 20, 0.01);
    EXPECT_NEAR(held.final.gas.volume, fullAtPm.volume, 1e-4 * fullAtPm.volume);
    EXPECT_NEAR(held.oilIn, fine.oilIn, 1e-5);
    // Sampled, the volume at 30 s is where a cycle of 30 s leaves it.
    Circuit shorter({10, 60, 20, 200, 80, 0, 30}, {{0, 1, 300}, {1, 2, 100}});
    cooling.state.Gas = Nitrogen(45);
    ASSERT_TRUE(RunExactIntoState(cooling.state));
    EXPECT_NEAR(cooling.state.VSeries[3000], Cycles(shorter, Nitrogen(45), 1)[0].final.gas.volume,
                1e-7);
    // A demand exactly the pump's flow, met at Pm: the gas stays where it is.
    Circuit even({10, 60, 30, 30, 80, 0, 100}, {{0, 1, 120}, {20, 100, 30}});
    EXPECT_NEAR(Cycles(even, Nitrogen(45), 2)[1].final.gas.pressure, 80, 1e-9);
}

// Oil coming back fills to Pm and the excess goes to the tank; once it stops
// the accumulator is shut in and its hot gas cools, the pressure with it.
TEST(ExactEngineTest, ShutInAfterTheOilComesBackTheGasCools) {
    Circuit c({10, 60, 20, 1, 80, 13, 300}, {{0, 60, 1.5}, {60, 60.3f, -400}});
    const CycleSummary s = Cycles(c, Nitrogen(45), 1)[0];
    EXPECT_NEAR(s.highest, 80, 1e-9);
    EXPECT_FALSE(s.final.held);
    EXPECT_NEAR(s.final.gas.temperature, 20, 0.1);
    EXPECT_LT(s.final.gas.pressure, 79);
    // Oil in: what brought the gas back to Pm, not the 2 dm3 returned.
    EXPECT_LT(s.oilIn, 1);
}

// The grid the views show: the recharge's end and 2,5 % more, the pressures
// only when asked, and nothing at all from a gas that is a liquid at Pm.
TEST(ExactEngineTest, RunsShowTheRechargeAndNoMore) {
    Circuit c({10, 40, 20, 5, 80, 13, 30}, {{0.5f, 1.5f, 120}});
    const gas::IdealLaw law =
        *gas::IdealLaw::Create({10, 40, 20, 20, 80, 1.4, gas::ChargeStart::Slow});
    const double on = 0.5 + (law.VolumeAt(67) - law.FullVolume()) / 2;
    const double low = law.VolumeAt(67) + (1.5 - on) * 115 / 60.0;
    const double fullAgain = 1.5 + (low - law.FullVolume()) / (5 / 60.0);
    const ExactInputs in = MakeExactInputs(c.state, c.state.Gas.Vessels);
    const auto run = RunExactAt(in, Ideal(1.4), 20, nullptr);
    ASSERT_TRUE(run);
    const int s = static_cast<int>(std::ceil(fullAgain * 100));
    ASSERT_GT(s, 400);
    EXPECT_EQ(run->LastPoint, s + s / 40);
    EXPECT_EQ(run->End, 3000);
    // A recharge ending on a grid point (3,05 s) shows that point, not the next.
    Circuit onGrid({10, 60, 20, 20, 80, 0, 6}, {{1, 3, 20.5f}});
    const ExactInputs grid = MakeExactInputs(onGrid.state, onGrid.state.Gas.Vessels);
    EXPECT_EQ(RunExactAt(grid, Ideal(1.4), 20, nullptr)->LastPoint, 305 + 305 / 40);
    EXPECT_TRUE(run->Pressures.empty());
    const auto kept = RunExactAt(in, Ideal(1.4), 20, nullptr, true);
    ASSERT_EQ(kept->Pressures.size(), 3001u);
    EXPECT_NEAR(kept->Pressures[150], law.PressureAt(low), 1e-12);

    const auto liquid = RunExactAt(in, Nitrogen(kInf), -160, nullptr);
    ASSERT_TRUE(liquid);
    EXPECT_EQ(liquid->Outside, gas::GasDomain::Condenses);
    EXPECT_EQ(liquid->End, 0);
    EXPECT_EQ(liquid->LastPoint, 0);
    // The recharge ends at the first return to Pm after the last movement,
    // though the cooling gas brings the pump back later.
    Circuit cools({10, 60, 20, 30, 80, 0.1f, 100}, {{0, 1, 120}});
    const CycleSummary first = Cycles(cools, Nitrogen(45), 1)[0];
    EXPECT_GE(first.pumpStarts, 2);
    cools.state.Data.CycleTime = static_cast<float>(first.fullAgain + 0.2);
    EXPECT_NEAR(Cycles(cools, Nitrogen(45), 1)[0].fullAgain, first.fullAgain, 1e-6);
}

// Where the pressure turns inside a step: the root of a rate that rises
// through zero, to the resolution asked, however lopsided the rate; a
// secant that kept one end would crawl and never get there.
TEST(ExactEngineTest, TheTurnIsFoundToTheResolution) {
    int calls = 0;
    const auto convex = [&](double x) { return ++calls, std::exp(20 * x) - 2; };
    const double a = path::Root(convex, 0, -1, 1, std::exp(20) - 2, 1e-12);
    EXPECT_NEAR(a, std::log(2) / 20, 1e-11);
    EXPECT_LT(calls, 40);
    const auto concave = [](double x) { return 0.5 - std::exp(-20 * x); };
    const double b = path::Root(concave, 0, -0.5, 1, 0.5 - std::exp(-20), 1e-12);
    EXPECT_NEAR(b, std::log(2) / 20, 1e-11);
    EXPECT_EQ(path::Root(convex, 0, -1, 0.5, convex(0.5), 0.6), 0.5);

    // A hot gas filled slowly: it cools faster than the oil compresses it,
    // then the oil wins. The lowest point lies inside a step, where the
    // pressure's rate turns, and is found as the tight tolerance finds it.
    Circuit c({10, 60, 20, 30, 80, 13, 10}, {});
    const auto lowest = [&](double tolerance, double rate) {
        auto gas = MakeGasPath(c.Data(), Nitrogen(3), 20, tolerance);
        const GasPoint full = (*gas)->Full();
        GasPoint hot = *(*gas)->AtPressure(GaugeBar(70), full.entropy + 150, full);
        PathLog log;
        (*gas)->Advance(hot, 0, 30, rate, Watch{}, log);
        return std::pair{log.lowest, log.lowestTime};
    };
    for (double rate : {-0.01, -0.05}) {
        const auto [p, t] = lowest(kEntropyTolerance, rate);
        const auto [fine, at] = lowest(1e-9, rate);
        EXPECT_GT(t, 5);
        EXPECT_NEAR(t, at, 1e-3) << rate;
        EXPECT_NEAR(p, fine, 1e-4) << rate;
    }
}

}  // namespace
}  // namespace volvenza
