// The reference cycle the engine is compared with, checked against what is
// known without it: closed forms of the gas laws and the oil balance.
#include "tests/support/ReferenceCycle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace volvenza::reference;
namespace n2 = volvenza::gas::nitrogen;
constexpr double kAtm = volvenza::gas::kAtmosphere;
constexpr double kK = volvenza::gas::kKelvin;

TEST(ReferenceCycle, IdealDrawFollowsThePolytropeAndEmptiesAtV0) {
    // 1 dm3 drawn over 0.5..1.5 s, then 6 dm3 from 2 s on: the gas reaches V0
    // first. The pump band is out of reach.
    const RefCircuit c{10, 60, 30, 80, 80, 5, {{0.5, 1.5, 60}, {2, 4, 180}}};
    for (double n : {1.0, 1.4}) {
        SCOPED_TRACE(n);
        const RefGas g{RefLaw::Ideal, n, 0, 40, 20};
        const double pm = 80 + kAtm;
        const double full = 10 * (60 + kAtm) * (20 + kK) / (40 + kK) / pm;
        auto at = [&](double V) { return pm * std::pow(full / V, n) - kAtm; };

        const auto first = RunReference({10, 60, 30, 80, 80, 1.8, {c.moves[0]}}, g);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_NEAR(first[0].endPressure, at(full + 1), 1e-10);
        EXPECT_NEAR(first[0].lowest, at(full + 1), 1e-10);
        EXPECT_DOUBLE_EQ(first[0].lowestTime, 1.5);
        EXPECT_DOUBLE_EQ(first[0].highest, 80);
        EXPECT_NEAR(first[0].oilOut, 1, 1e-12);
        EXPECT_FALSE(first[0].emptied);
        EXPECT_TRUE(first[0].pumpOn.empty());

        const auto run = RunReference(c, g, 3);
        ASSERT_EQ(run.size(), 1u);
        EXPECT_TRUE(run[0].emptied);
        EXPECT_NEAR(run[0].emptiedAt, 2 + (10 - full - 1) / 3, 1e-12);
        EXPECT_NEAR(run[0].lowest, at(10), 1e-10);
        EXPECT_NEAR(run[0].lowestTime, run[0].emptiedAt, 1e-12);
    }
}

TEST(ReferenceCycle, PumpRunsUntilItHasReturnedTheOilDrawn) {
    // 2 dm3 drawn in the first second; the pump loads at 67 bar during the
    // draw and delivers 0.5 dm3/s until the accumulator is full again.
    const double n = 1.4, pm = 80 + kAtm;
    const double full = 10 * (60 + kAtm) / pm;
    const double low = full * std::pow(pm / (67 + kAtm), 1 / n);
    const double on = (low - full) / 2;
    const RefGas g{RefLaw::Ideal, n, 0, 20, 20};
    RefCircuit c{10, 60, 30, 80, 13, 6, {{0, 1, 120}}};

    const auto run = RunReference(c, g, 2);
    ASSERT_EQ(run.size(), 2u);
    for (const RefCycle& r : run) {
        ASSERT_EQ(r.pumpOn.size(), 1u);
        ASSERT_EQ(r.pumpOff.size(), 1u);
        EXPECT_NEAR(r.pumpOn[0], on, 1e-12);
        EXPECT_NEAR(r.pumpOff[0], on + 4, 1e-12);
        EXPECT_NEAR(r.lowest, pm * std::pow(full / (low + 1.5 * (1 - on)), n) - kAtm, 1e-10);
        EXPECT_DOUBLE_EQ(r.lowestTime, 1);
        EXPECT_NEAR(r.oilOut, 2 - 0.5 * (1 - on), 1e-12);
        EXPECT_NEAR(r.oilIn, r.oilOut, 1e-12);
        EXPECT_NEAR(r.endPressure, 80, 1e-10);
        EXPECT_FALSE(r.endPumping);
    }

    // A cycle too short for the recharge hands the running pump to the next,
    // which stops it once 4 dm3 have gone back.
    c.cycleTime = 4.4;
    const auto carried = RunReference(c, g, 2);
    EXPECT_TRUE(carried[0].endPumping);
    EXPECT_TRUE(carried[1].pumpOn.empty());
    ASSERT_EQ(carried[1].pumpOff.size(), 1u);
    EXPECT_NEAR(carried[1].pumpOff[0], on + 8 - 4.4, 1e-12);
}

TEST(ReferenceCycle, NitrogenKeepsItsEntropyOrItsTemperature) {
    // 1 dm3 drawn at 250 bar, charged at 30 degrees C and worked at 10.
    const RefCircuit c{10, 150, 30, 250, 250, 1.5, {{0.5, 1.5, 60}}};
    const double wall = 10 + kK;
    const double mass = *n2::DensityAt(30 + kK, (150 + kAtm) * 1e5) * 10e-3;
    const double rhoFull = *n2::DensityAt(wall, (250 + kAtm) * 1e5);
    const double rhoEnd = mass / (mass / rhoFull + 1e-3);
    auto bar = [](double T, double rho) { return n2::PropertiesAt(T, rho).p / 1e5 - kAtm; };

    const RefCycle adiabatic = RunReference(c, {RefLaw::Nitrogen, 1.4, INFINITY, 30, 10})[0];
    const double cold = *n2::TemperatureAt(n2::PropertiesAt(wall, rhoFull).s, rhoEnd, wall);
    EXPECT_NEAR(adiabatic.endTemperature + kK, cold, 1e-6);
    EXPECT_NEAR(adiabatic.endPressure, bar(cold, rhoEnd), 1e-6);

    const RefCycle isothermal = RunReference(c, {RefLaw::Nitrogen, 1.4, 0, 30, 10})[0];
    EXPECT_NEAR(isothermal.endPressure, bar(wall, rhoEnd), 1e-9);

    // A fast wall keeps the gas just below its temperature, by the lag
    // tau (T/cv) (dp/dT) dv/dt of the quasi-steady exchange.
    const double tau = 0.02;
    const RefCycle fast = RunReference(c, {RefLaw::Nitrogen, 1.4, tau, 30, 10})[0];
    const n2::Properties end = n2::PropertiesAt(wall, rhoEnd);
    const double lag = tau * wall / end.cv * end.dpdT * 1e-3 / mass;
    EXPECT_NEAR(fast.endTemperature, 10 - lag, 0.01 * lag);

    // Over a long rest the wall warms the expanded gas back to its own temperature.
    RefCircuit rest = c;
    rest.cycleTime = 600;
    const RefCycle warmed = RunReference(rest, {RefLaw::Nitrogen, 1.4, 45, 30, 10})[0];
    EXPECT_NEAR(warmed.endTemperature, 10, 1e-3);
    EXPECT_NEAR(warmed.endPressure, bar(wall, rhoEnd), 1e-3);
}

TEST(ReferenceCycle, NothingChangesWithoutFlow) {
    // A movement that ends before it starts and one after the cycle draw nothing.
    const RefCircuit c{10, 60, 30, 80, 13, 300, {{10, 5, 100}, {300, 400, 100}}};
    const auto run = RunReference(c, {RefLaw::Nitrogen, 1.4, 45, 20, 20}, 2, true);
    ASSERT_EQ(run.size(), 2u);
    for (const RefCycle& r : run) {
        ASSERT_EQ(r.samples.size(), 30001u);
        for (double p : r.samples) ASSERT_NEAR(p, 80, 1e-9);
        EXPECT_NEAR(r.lowest, 80, 1e-9);
        EXPECT_EQ(r.oilOut + r.oilIn, 0);
        EXPECT_TRUE(r.pumpOn.empty());
    }
}

}  // namespace
