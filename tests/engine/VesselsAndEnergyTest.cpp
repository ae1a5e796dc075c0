// Beyond one vessel and the energy of a design, against closed forms:
// accumulators in parallel are one of their whole volume, bottles follow
// the isotherm of the whole gas, an ideal polytropic discharge gives its
// work, an adiabatic real gas exchanges no heat, the example's installed
// power by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine/CycleRun.h"
#include "engine/EnergyBalance.h"
#include "engine/Simulation.h"
#include "tests/support/RecordedRun.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza {
namespace {

constexpr double kAtm = 1.01325;

class OneDrawRunTest : public ::testing::Test, protected test::RecordedState {
  protected:
    OneDrawRunTest() {
        // One movement drawing 1 dm3 in 1 s from 2,5 dm3 charged at 85 bar, no pump.
        test::TypeCircuit(state, {2.5f, 85, 20, 0, 199, 10, 2},
                          {{0, 1, 60, MovementKind::CylinderExtending}});
    }
};

TEST_F(OneDrawRunTest, PolytropicDischargeGivesItsClosedForm) {
    state.Gas = {.Law = GasLawKind::Ideal, .Exponent = 1.3, .MinTemp = {}, .MaxTemp = {}};
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto b = BalanceOfRun(state);
    ASSERT_TRUE(b) << b.Error();
    const double v1 = state.VSeries[0], v2 = v1 + 1;
    const double p1 = 199 + kAtm, p2 = p1 * std::pow(v1 / v2, 1.3);
    EXPECT_NEAR(state.GasRun.Runs[0].LowestPressure.value(), p2 - kAtm, 1e-12);
    // The gas's work less the atmosphere's, in kJ.
    const double work = ((p1 * v1 - p2 * v2) / 0.3 - kAtm * (v2 - v1)) * 0.1;
    EXPECT_NEAR(b->First.Delivered, work, work * 1e-12);
    EXPECT_EQ(std::pair(b->First.Returned, b->First.PumpEnergy), std::pair(0.0, 0.0));
    EXPECT_NEAR(b->First.Swing(), p1 - p2, 1e-12);
    EXPECT_EQ(b->PeakDemand, 60);
    // A pump alone meeting 60 dm3/min at Pm - Dp = 189 bar, at 90 %.
    EXPECT_NEAR(b->PumpOnlyPower, 60 * 189 / 600.0 / 0.9, 1e-12);
    EXPECT_EQ(std::pair(b->CyclesPerHour, b->CyclesPerYear), std::pair(1800.0, 1800.0 * 2000));
    // Without a pump the second cycle draws on what the first left: no steady
    // cycle comes before the gas runs out.
    EXPECT_EQ(b->SteadyKind, EnergyBalance::Steadiness::EndsLater);
    EXPECT_GT(b->SteadyCycle, 1);
    state.Data.CycleTime = 1;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    EXPECT_EQ(BalanceOfRun(state)->CyclesPerHour, 3600);
}

TEST_F(OneDrawRunTest, RealGasGivesTheWallWhatTheFirstLawLeaves) {
    state.Gas.Law = GasLawKind::Nitrogen;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto adiabatic = BalanceOfRun(state);
    EXPECT_EQ(adiabatic->First.HeatIn, 0);
    EXPECT_NEAR(adiabatic->First.Delivered, -adiabatic->First.StoredChange,
                adiabatic->First.Delivered * 1e-12);
    // Exchanging heat, the expanding gas takes it from the wall and gives more.
    state.Gas.Tau = 1;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto cooled = BalanceOfRun(state);
    EXPECT_GT(cooled->First.HeatIn, 0.01 * cooled->First.Delivered);
    EXPECT_GT(cooled->First.Delivered, adiabatic->First.Delivered);
    // The classic law's runs reproduce the original program; their energy
    // comes from real nitrogen all the same.
    state.Gas.Law = GasLawKind::Classic;
    state.Gas.Tau = std::numeric_limits<double>::infinity();
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto classic = BalanceOfRun(state);
    EXPECT_EQ(classic->Gas.Law, GasLawKind::Nitrogen);
    EXPECT_EQ(classic->First.Delivered, adiabatic->First.Delivered);
}

TEST_F(OneDrawRunTest, ParallelAccumulatorsAndBottlesAreOneGasVolume) {
    // Three vessels and a bottle run as one of their gas, the pump as its
    // volumetric efficiency leaves it, under the classic stepping as well.
    for (GasLawKind law : {GasLawKind::Ideal, GasLawKind::Classic}) {
        state.Gas = {.Law = law, .MinTemp = {}, .MaxTemp = {}, .Vessels = {3, 0.5, 0.8}};
        std::tie(state.Data.V0, state.Data.Qp) = std::pair(2.5f, 20.0f);
        ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
        const std::vector<double> three = state.PSeries;
        state.Gas.Vessels = {};
        std::tie(state.Data.V0, state.Data.Qp) = std::pair(8.0f, 16.0f);
        ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
        EXPECT_EQ(state.PSeries, three) << static_cast<int>(law);
    }
    state.Gas.Law = GasLawKind::Ideal;
    state.Data.Qp = 0;

    // Isothermal, 2,5 dm3 with 1,5 dm3 of bottles: after the draw of 1 dm3
    // the gas's p V is the precharge's over the whole 4 dm3.
    state.Data.V0 = 2.5f;
    state.Gas.Exponent = 1;
    state.Gas.Vessels.BottleVolume = 1.5;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const int drawn = 100;  // 1 s
    const double pv = (state.PSeries[drawn] + kAtm) * state.VSeries[drawn];
    EXPECT_NEAR(pv, (85 + kAtm) * 4, 1e-9);
    EXPECT_NEAR(state.VSeries[drawn] - state.VSeries[0], 1, 1e-12);

    // Bottles the gas cannot fill at Pm (4,5 dm3 of precharge squeezed to
    // 1,9 dm3) are refused, and so is a pump that delivers nothing or more
    // than its displacement; the most vessels and bottles allowed are not.
    state.Gas.Vessels.BottleVolume = 4.00049;  // shown to three decimals: 4
    state.Data.V0 = 0.5f;
    shown.messages.clear();
    EXPECT_EQ(RecordedRun(), RunOutcome::Refused);
    ASSERT_EQ(shown.messages.size(), 1u);
    // 4,5 dm3 at 86,01 bar absolute squeezed to 200,01: 1,935 dm3.
    EXPECT_EQ(shown.messages[0].text.substr(0, 71),
              "Le bombole (4 dm3) sono più grandi del volume del gas a Pm (1,935 dm3)");
    state.Gas.Vessels = {1, 0, 0};
    EXPECT_EQ(RecordedRun(), RunOutcome::Refused);
    EXPECT_FALSE(CheckArrangement({kMaxParallel + 1, 0, 1}));
    EXPECT_TRUE(CheckArrangement({kMaxParallel, 1e5, 1}));
    EXPECT_FALSE(CheckArrangement({1, 0, 1.01}));
    EXPECT_FALSE(CheckArrangement({1, -1, 1}));

    // The example with twice its gas never falls to the pump's restart:
    // the pump delivers nothing, and nothing goes back into the accumulators.
    LoadExampleCircuit(state);
    state.Gas = {.MinTemp = {}, .MaxTemp = {}, .Vessels = {.Count = 2}};
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto b = BalanceOfRun(state);
    EXPECT_EQ(std::pair(b->First.Returned, b->First.PumpEnergy), std::pair(0.0, 0.0));
    EXPECT_GT(b->First.Delivered, 0);
}

TEST_F(OneDrawRunTest, ExamplePumpAndItsInstalledPower) {
    LoadExampleCircuit(state);
    const CircuitData& d = state.Data;
    state.Gas.Vessels.VolumetricEfficiency = 0.99;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const auto b = BalanceOfRun(state, {0.8, 1000, 70});
    EXPECT_NEAR(b->InstalledPower, 30 * 80 / 600.0 / 0.8, 1e-12);
    EXPECT_NEAR(b->PumpOnlyPower, b->PeakDemand * 70 / 600.0 / 0.8, 1e-12);
    EXPECT_NEAR(b->CyclesPerYear, 3600 / 4.7 * 1000, 1e-9);
    // The pump works at most at Pm whenever it delivers; it puts back into
    // the accumulator no more than it delivers, and in the steady cycle all
    // that the accumulator gave.
    for (const CycleEnergy& e : {b->First, b->Steady}) {
        EXPECT_GT(e.PumpEnergy, 0);
        EXPECT_LE(e.PumpEnergy, 0.99 * d.Qp / 60.0 * 4.7 * d.Pm * 0.1);
        EXPECT_LE(e.Returned, e.PumpEnergy);
    }
    EXPECT_NEAR(b->Steady.StoredChange, 0, 1e-3 * b->Steady.Delivered);
    // Results read from a simulation file know no run of the gas law: the
    // same data give the same balance.
    state.GasRun = {};
    const auto read = BalanceOfRun(state, {0.8, 1000, 70});
    EXPECT_EQ(std::tie(read->First.Delivered, read->Swing, read->PeakDemand),
              std::tie(b->First.Delivered, b->Swing, b->PeakDemand));
}

}  // namespace
}  // namespace volvenza
