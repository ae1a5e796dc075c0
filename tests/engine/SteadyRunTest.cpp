// The run of cycles one after another: where it settles, how (repeating, by
// turns, bounded or never), the swing that counts, and what stops it.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <span>
#include <vector>

#include "engine/EnergyBalance.h"
#include "engine/ExactCycle.h"
#include "engine/ExactRun.h"
#include "gas/Nitrogen.h"
#include "tests/support/ExactCircuit.h"
#include "tests/support/ReferenceCycle.h"

namespace volvenza {
namespace {

using namespace test;

// The cycle named is the first within a millibar of the worst, though a
// later one falls lower; lows fall when the later half's mean, or lowest, is
// below the earlier half's by more than the tolerance: by exactly that they
// stay put.
TEST(SteadyRunTest, WorstCycleAndFallingLowsAtTheirLimits) {
    EXPECT_EQ(WorstCycleOf({10.0, 9.9995, 9.9985}), 2);
    EXPECT_EQ(WorstCycleOf({10.0, 9.9984, 9.9995}), 2);
    EXPECT_EQ(WorstCycleOf({9.9, 10.0}), 1);
    EXPECT_EQ(WorstCycleOf({}), 1);
    const std::vector<double> lows{10, 9, 9.25, 8.75};
    EXPECT_FALSE(LowsFalling(lows, false, 0.5));
    EXPECT_TRUE(LowsFalling(lows, false, 0.25));
    EXPECT_FALSE(LowsFalling(lows, true, 0.25));
    EXPECT_TRUE(LowsFalling(lows, true, 0.125));
    EXPECT_TRUE(LowsFalling(std::span(lows).first(1), false, 1));
    EXPECT_FALSE(LowsFalling(std::span(lows).first(2), true, 1)) << "two are halved";
    // An odd count leaves the extra cycle to the later half.
    EXPECT_FALSE(LowsFalling(std::vector<double>{10, 9, 9.5, 9, 8.5}, false, 0.5));
}

// A first cycle that empties has no steady one and its own swing; an ideal
// gas forgets nothing and settles once its cycles come round.
TEST(SteadyRunTest, TheSteadyCycleIsFoundAsTheRunGoes) {
    Circuit empties({2, 60, 20, 5, 80, 13, 10}, {{0, 2, 120}});
    const auto e = BalanceOfRun(empties.state);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->SteadyKind, EnergyBalance::Steadiness::None);
    EXPECT_EQ(e->SteadyCycle, 1);
    EXPECT_EQ(e->Swing, e->First.Highest - e->First.Lowest);
    EXPECT_GT(e->Swing, 10);

    // Its pump starts at one point of the cycle and then at another, by
    // turns: steady once the first two cycles have come round twice.
    Circuit turns({2, 60, 20, 30, 150, 10, 2}, {{0, 0.5f, 60}, {1, 1.2f, 20}});
    turns.state.Gas = Ideal(1.4);
    const auto b = BalanceOfRun(turns.state);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->SteadyCycle, 4);
    EXPECT_EQ(b->SteadyKind, EnergyBalance::Steadiness::Alternating);
}

// Under a draw that never changes the pump keeps a rhythm of its own, which
// never meets the cycle's: the cycles never come round, but their lows stay
// put, and the balance takes the last of the longer run.
struct Chatter : Circuit {
    Chatter() : Circuit({2, 60, 20, 30, 150, 2, 0.37f}, {{0, 0.37f, 20}}) {
        state.Gas = Ideal(1.4);
    }
};

TEST(SteadyRunTest, APumpOutOfStepWithTheCycleIsBounded) {
    const Chatter chatter;
    const auto c = BalanceOfRun(chatter.state);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->SteadyKind, EnergyBalance::Steadiness::Bounded);
    EXPECT_EQ(c->SteadyCycle, kBoundedCycles);
}

// The gas that exchanges heat settles over three time constants: the steady
// cycle is the one the independent model reaches after many.
TEST(SteadyRunTest, AGasExchangingHeatSettlesWhereTheModelDoes) {
    Circuit design({20, 150, 20, 40, 250, 30, 10}, {{0, 2, 150}, {2, 3, 60}});
    design.state.Gas = Nitrogen(45);
    const auto settled = BalanceOfRun(design.state);
    ASSERT_TRUE(settled);
    EXPECT_EQ(settled->SteadyKind, EnergyBalance::Steadiness::Repeating);
    const auto many = reference::RunReference(design.Reference(),
                                              {reference::RefLaw::Nitrogen, 1.4, 45, 20, 20}, 80);
    ASSERT_EQ(many.size(), 80u);
    double lowest = kInf;
    for (size_t i = 60; i < many.size(); ++i) lowest = std::min(lowest, many[i].lowest);
    EXPECT_NEAR(settled->Steady.Lowest, lowest, 0.01);
    // The cycles after the first rise from the second's lowest.
    EXPECT_NEAR(settled->SteadyLowest, many[1].lowest, 1e-3);
    const ExactData dd = design.Data();
    const SteadyRun steady =
        RunUntilSteady(dd, design.Demand(), **MakeGasPath(dd, Nitrogen(45), dd.Tc), {});
    // Settled by its returns to Pm: four cycles in a row no lower nor colder
    // than every one before, the first of them the second.
    EXPECT_EQ(steady.cycles, 5);
    // A slower gas whose pump starts every other cycle: settled by the third
    // return to Pm after the first cycle, in the seventh (its lows no lower
    // since the first), its starts counted over the cycles after the first.
    Circuit halves({20, 150, 20, 36.5f, 250, 20, 10}, {{0, 2, 150}, {2, 3, 60}});
    const ExactData hd = halves.Data();
    const SteadyRun every2 =
        RunUntilSteady(hd, halves.Demand(), **MakeGasPath(hd, Nitrogen(200), hd.Tc), {});
    EXPECT_EQ(std::pair(every2.cycles, every2.pumpStarts), std::pair(7, 0.5));
    // Forgotten to a thousandth at constant pressure: ln 1000 tau cp / cv.
    const double rho = *gas::nitrogen::DensityAt(293.15, 251.01325e5);
    const gas::nitrogen::Properties f = gas::nitrogen::PropertiesAt(293.15, rho);
    const double memory = (*MakeGasPath(design.Data(), Nitrogen(45), 20))->Memory();
    EXPECT_NEAR(memory, std::log(1000.0) * 45 * f.cp / f.cv, 1e-6 * memory);
}

// A floor the cycles stay above stops nothing, one they fall below stops the
// run; a run no longer wanted stops at its next stretch, and says so.
TEST(SteadyRunTest, AFloorOrAnAbandonStopsTheRun) {
    const Chatter chatter;
    const ExactData d = chatter.Data();
    auto path = MakeGasPath(d, Ideal(1.4), d.Tc);
    SteadyOptions o;
    o.breakBelow = GaugeBar(0);
    EXPECT_GT(RunUntilSteady(d, chatter.Demand(), **path, o).cycles, 1);
    o.breakBelow = GaugeBar(149);
    EXPECT_EQ(RunUntilSteady(d, chatter.Demand(), **path, o).cycles, 1);
    std::atomic<bool> abandon = true;
    o.abandon = &abandon;
    const SteadyRun dropped = RunUntilSteady(d, chatter.Demand(), **path, o);
    EXPECT_TRUE(dropped.abandoned);
    EXPECT_EQ(dropped.cycles, 0);
    const CycleSummary cut =
        RunExactCycle(d, chatter.Demand(), **path, FullStart(**path), {nullptr, {}, {}, &abandon});
    EXPECT_TRUE(cut.abandoned);
    EXPECT_EQ(cut.endTime, 0);
}

// A pump that delivers just what the cycle draws never brings the gas back
// to Pm: the first cycle swings from Pm, further than those after it, and
// only theirs count.
TEST(SteadyRunTest, OnlyTheCyclesAfterTheFirstSwing) {
    Circuit balanced({20, 80, 20, 20, 199, 10, 3}, {{0, 1, 60}});
    const ExactData bd = balanced.Data();
    auto gas = MakeGasPath(bd, Nitrogen(kInf), bd.Tc);
    const SteadyRun r = RunUntilSteady(bd, balanced.Demand(), **gas, {});
    EXPECT_GT(r.swing, 0);
    EXPECT_LT(r.swing, r.first.highest - r.first.lowest);
    SteadyOptions o;
    o.maxCycles = 1;  // a single cycle asked for is its own swing
    EXPECT_NEAR(RunUntilSteady(bd, balanced.Demand(), **gas, o).swing,
                r.first.highest - r.first.lowest, 1e-6);
}

}  // namespace
}  // namespace volvenza
