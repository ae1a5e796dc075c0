// Beyond one vessel and the energy of a run, against closed forms:
// accumulators in parallel are one of their whole volume, bottles follow
// the isotherm of the whole gas, an ideal polytropic discharge gives its
// work, an adiabatic real gas exchanges no heat, the example's installed
// power by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/CycleRun.h"
#include "engine/EnergyBalance.h"
#include "engine/Simulation.h"
#include "tests/support/RecordingUi.h"

namespace volvenza {
namespace {

constexpr double kAtm = 1.01325;

class OneDrawRunTest : public ::testing::Test, protected test::RecordedState {
  protected:
    OneDrawRunTest() {
        // One movement drawing 1 dm3 in 1 s from 2,5 dm3 charged at 85 bar, no pump.
        state.Data = CircuitData{2.5f, 85, 20, 0, 199, 10, 2};
        state.Movements[1] = Movement{.Tf = 1, .Qm = 60, .Kind = MovementKind::CylinderExtending};
        state.MovementCount = state.SimMovementCount = 1;
    }
};

TEST_F(OneDrawRunTest, PolytropicDischargeGivesItsClosedForm) {
    state.Gas.Law = GasLawKind::Ideal;
    state.Gas.Exponent = 1.3;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const EnergyBalance b = BalanceOfRun(state);
    const int last = state.GasRun.Runs[0].End;
    const double v1 = state.VSeries[0], v2 = state.VSeries[last];
    const double p1 = state.PSeries[0] + kAtm;
    const double p2 = p1 * std::pow(v1 / v2, 1.3);
    ASSERT_NEAR(p2 - kAtm, state.PSeries[last], 1e-9);
    // The gas's work less the atmosphere's, in kJ; the sum over the steps
    // is off by about a hundred-thousandth.
    const double work = ((p1 * v1 - p2 * v2) / 0.3 - kAtm * (v2 - v1)) * 0.1;
    EXPECT_NEAR(b.Delivered, work, work * 2e-5);
    EXPECT_EQ(std::pair(b.Returned, b.PumpEnergy), std::pair(0.0, 0.0));
    EXPECT_FALSE(b.HeatToWall);
    EXPECT_NEAR(b.Swing, p1 - p2, 1e-9);
    EXPECT_EQ(b.PeakDemand, 60);
    // A pump alone meeting 60 dm3/min at Pm - Dp = 189 bar, at 90 %.
    EXPECT_NEAR(b.PumpOnlyPower, 60 * 189 / 600.0 / 0.9, 1e-12);
    EXPECT_EQ(std::pair(b.CyclesPerHour, b.CyclesPerYear), std::pair(1800.0, 1800.0 * 2000));
    // A cycle of a second or less counts as well.
    state.Data.CycleTime = 1;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(BalanceOfRun(state).CyclesPerHour, 3600);
}

TEST_F(OneDrawRunTest, RealGasGivesTheWallWhatTheFirstLawLeaves) {
    state.Gas.Law = GasLawKind::Nitrogen;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const EnergyBalance adiabatic = BalanceOfRun(state);
    ASSERT_TRUE(adiabatic.HeatToWall);
    EXPECT_NEAR(*adiabatic.HeatToWall, 0, adiabatic.Delivered * 1e-4);
    // Exchanging heat, the expanding gas takes it from the wall.
    state.Gas.Tau = 1;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const EnergyBalance cooled = BalanceOfRun(state);
    EXPECT_LT(*cooled.HeatToWall, -0.01 * cooled.Delivered);
    EXPECT_GT(cooled.Delivered, adiabatic.Delivered);
}

TEST_F(OneDrawRunTest, ParallelAccumulatorsAndBottlesAreOneGasVolume) {
    state.Gas.Law = GasLawKind::Ideal;
    state.Gas.Vessels.Count = 3;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const std::vector<double> three = state.PSeries;
    state.Gas.Vessels = {};
    state.Data.V0 = 7.5f;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.PSeries, three);

    // Isothermal, 2,5 dm3 with 1,5 dm3 of bottles: after the draw of 1 dm3
    // the gas's p V is the precharge's over the whole 4 dm3.
    state.Data.V0 = 2.5f;
    state.Gas.Exponent = 1;
    state.Gas.Vessels.BottleVolume = 1.5;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const int drawn = 100;  // 1 s
    const double pv = (state.PSeries[drawn] + kAtm) * state.VSeries[drawn];
    EXPECT_NEAR(pv, (85 + kAtm) * 4, 1e-9);
    EXPECT_NEAR(state.VSeries[drawn] - state.VSeries[0], 1, 1e-3);

    // Bottles the gas cannot fill at Pm (4,5 dm3 of precharge squeezed to
    // 1,9 dm3) are refused, and so is a pump that delivers nothing or more
    // than its displacement; the most vessels and bottles allowed are not.
    state.Gas.Vessels.BottleVolume = 4;
    state.Data.V0 = 0.5f;
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    state.Gas.Vessels = {1, 0, 0};
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    EXPECT_FALSE(CheckArrangement({kMaxParallel + 1, 0, 1}));
    EXPECT_TRUE(CheckArrangement({kMaxParallel, 1e5, 1}));
    EXPECT_FALSE(CheckArrangement({1, 0, 1.01}));
    EXPECT_FALSE(CheckArrangement({1, -1, 1}));

    // The example with twice its gas never falls to the pump's restart:
    // the pump delivers nothing, and nothing goes back into the accumulators.
    LoadExampleCircuit(state);
    state.Gas = {};
    state.Gas.Vessels.Count = 2;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const EnergyBalance b = BalanceOfRun(state);
    EXPECT_EQ(std::pair(b.Returned, b.PumpEnergy), std::pair(0.0, 0.0));
    EXPECT_GT(b.Delivered, 0);

    // Results read from a file: every point to the last one holding gas
    // counts, the first and the last included.
    state.GasRun = {};
    state.LastPoint = 100;
    const std::vector<double> volumes = state.VSeries;
    for (int at : {0, 50}) {
        state.VSeries = volumes;
        std::fill(state.VSeries.begin() + 51, state.VSeries.end(), 0.0);
        std::fill(state.QtSeries.begin(), state.QtSeries.end(), 1.0);
        state.QtSeries[at] = 500;
        EXPECT_EQ(BalanceOfRun(state).PeakDemand, 500) << at;
    }
    // The pump loaded at every step of 100 bar: 30 dm3/min for 0,5 s, 2,5 kJ.
    std::fill(state.PSeries.begin(), state.PSeries.end(), 100.0);
    std::fill(state.QsSeries.begin(), state.QsSeries.end(), 0.0);
    EXPECT_NEAR(BalanceOfRun(state).PumpEnergy, 2.5, 1e-6);  // the step is a float
}

TEST_F(OneDrawRunTest, ExamplePumpAndItsInstalledPower) {
    LoadExampleCircuit(state);
    const CircuitData& d = state.Data;
    state.Gas.Vessels.VolumetricEfficiency = 0.99;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const EnergyBalance b = BalanceOfRun(state, {0.8, 1000, 70});
    EXPECT_NEAR(b.InstalledPower, d.Qp * d.Pm / 600.0 / 0.8, 1e-9);
    EXPECT_NEAR(b.PumpOnlyPower, b.PeakDemand * 70 / 600.0 / 0.8, 1e-9);
    EXPECT_EQ(b.CyclesPerYear, 3600 / static_cast<double>(d.CycleTime) * 1000);
    // The pump works at most at Pm whenever it delivers; it puts back into
    // the accumulator no more than it delivers.
    EXPECT_GT(b.PumpEnergy, 0);
    EXPECT_LE(b.PumpEnergy, 0.99 * d.Qp / 60.0 * d.CycleTime * d.Pm * 0.1);
    EXPECT_LE(b.Returned, b.PumpEnergy);
    // Results read from a simulation file know no run of the gas law: the
    // same points give the same balance.
    state.GasRun = {};
    const EnergyBalance read = BalanceOfRun(state, {0.8, 1000, 70});
    EXPECT_EQ(std::tie(read.Delivered, read.Swing, read.PeakDemand),
              std::tie(b.Delivered, b.Swing, b.PeakDemand));
}

}  // namespace
}  // namespace volvenza
