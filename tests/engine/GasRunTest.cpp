// Runs with the ideal and the real-gas laws through the one stepping loop:
// the real gas's entropy and temperature at the limits of heat exchange, the
// ideal polytrope's closed form, and the temperature envelope with its
// refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <variant>
#include <vector>

#include "engine/CycleRun.h"
#include "engine/GasLaws.h"
#include "engine/Simulation.h"
#include "engine/StepCycle.h"
#include "gas/Nitrogen.h"
#include "tests/support/RecordingUi.h"

namespace volvenza {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kAtm = 1.01325;

class GasRunTest : public ::testing::Test {
  protected:
    GasRunTest() {
        state.SetUi(ui);
        InitCircuitState(state);
        LoadExampleCircuit(state);
        ui.windowLoaded = false;  // the runs take the data as set here
        state.Data.P0 = 40;       // room below the band, so that every law completes
    }
    void Nitrogen(double tau) {
        state.Gas.Law = GasLawKind::Nitrogen;
        state.Gas.Tau = tau;
    }
    // The gas mass the precharge puts into V0 at 20 °C, kg.
    double Mass() const {
        const double rho = *gas::nitrogen::DensityAt(293.15, (state.Data.P0 + kAtm) * 1e5);
        return rho * state.Data.V0 * 1e-3;
    }
    test::RecordingUi ui;
    CircuitState state;
};

TEST_F(GasRunTest, RealNitrogenFromAdiabaticToIsothermal) {
    Nitrogen(kInf);
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const double m = Mass();
    const auto entropy = [&](int j) {
        return gas::nitrogen::PropertiesAt(state.GasRun.TSeries[j] + 273.15,
                                           m / (state.VSeries[j] * 1e-3))
            .s;
    };
    const double s0 = entropy(0);
    ASSERT_EQ(state.GasRun.TSeries.size(), state.PSeries.size());
    for (int j = 1; j <= state.LastPoint; ++j) ASSERT_NEAR(entropy(j) / s0, 1.0, 1e-6) << j;
    const TemperatureRun adiabatic = state.GasRun.Runs.at(0);
    const auto coldest = [&] {
        return *std::min_element(state.GasRun.TSeries.begin(),
                                 state.GasRun.TSeries.begin() + state.LastPoint);
    };
    const double coldestAdiabatic = coldest();
    EXPECT_LT(coldestAdiabatic, 30.0);

    Nitrogen(0);
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    for (int j = 0; j <= state.LastPoint; ++j) {
        ASSERT_EQ(state.GasRun.TSeries[j], 45.0);
        const double p = gas::nitrogen::PropertiesAt(318.15, m / (state.VSeries[j] * 1e-3)).p;
        ASSERT_NEAR((state.PSeries[j] + kAtm) * 1e5 / p, 1.0, 1e-3) << j;
    }
    const TemperatureRun isothermal = state.GasRun.Runs.at(0);
    EXPECT_NEAR(state.PrechargeAtTemp + kAtm,
                gas::nitrogen::PropertiesAt(318.15, m / (state.Data.V0 * 1e-3)).p / 1e5, 1e-9);

    Nitrogen(45);
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const TemperatureRun between = state.GasRun.Runs.at(0);
    EXPECT_LT(adiabatic.LowestPressure, between.LowestPressure);
    EXPECT_LT(between.LowestPressure, isothermal.LowestPressure);
    EXPECT_LT(coldest(), 45.0);
    EXPECT_GT(coldest(), coldestAdiabatic);
}

TEST_F(GasRunTest, IdealPolytropeDeliversItsClosedForm) {
    // One movement drawing oil with the pump stopped.
    state.Data = {10, 50, 20, 0, 100, 10, 60};
    state.Movements[1] = Movement{};
    state.Movements[1].Kind = MovementKind::Motor;
    state.Movements[1].Tf = 59;
    state.Movements[1].Qm = 6;
    state.MovementCount = 1;
    state.Gas.Law = GasLawKind::Ideal;
    state.Gas.Exponent = 1.4;
    state.Gas.Start = gas::ChargeStart::Fast;
    // Drawn down to its precharge in the end.
    ASSERT_EQ(RunSimulation(state), RunOutcome::PrechargeTooHigh);
    const auto volumeAt = [&](double level) -> double {
        for (int j = 1; j <= state.LastPoint; ++j) {
            if (state.PSeries[j] <= level) {
                const double f =
                    (state.PSeries[j - 1] - level) / (state.PSeries[j - 1] - state.PSeries[j]);
                return state.VSeries[j - 1] + f * (state.VSeries[j] - state.VSeries[j - 1]);
            }
        }
        return NAN;
    };
    const double p0 = 50 + kAtm, n = 1.4;
    const double want =
        10 * (std::pow(p0 / (60 + kAtm), 1 / n) - std::pow(p0 / (90 + kAtm), 1 / n));
    EXPECT_NEAR((volumeAt(60) - volumeAt(90)) / want, 1.0, 1e-3);
    // On the adiabat through the precharge, back at the working temperature there.
    EXPECT_NEAR(state.GasRun.Runs[0].LowestGasTemp, 20, 0.1);
    EXPECT_NEAR(state.GasRun.Runs[0].HighestGasTemp + 273.15,
                293.15 * std::pow(100 / p0 + 1 / p0 * kAtm, 0.4 / 1.4), 1e-9);
}

TEST_F(GasRunTest, EnvelopeRunsEachTemperatureWithTheSameCharge) {
    for (GasLawKind law : {GasLawKind::Classic, GasLawKind::Nitrogen}) {
        state.Gas = GasSettings{};
        state.Gas.Law = law;
        state.Gas.Tau = 45;
        state.Gas.MinTemp = -10;
        state.Gas.MaxTemp = 60;
        ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
        const GasResults envelope = state.GasRun;
        ASSERT_EQ(envelope.Runs.size(), 3u);
        EXPECT_EQ(envelope.MainRun, 1);
        EXPECT_EQ(envelope.TSeries.empty(), law == GasLawKind::Classic);

        // The same runs from the flows alone, as a designer would make them.
        const CycleFlows flows = ComputeCycleFlows(state);
        CycleWorkspace work;
        auto runs = RunTemperatureEnvelope(state.Data, state.Gas, flows, work);
        ASSERT_TRUE(runs) << runs.Error();
        ASSERT_EQ(runs->size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const TemperatureRun& a = envelope.Runs[i];
            const TemperatureRun& b = (*runs)[i];
            EXPECT_EQ(a.WorkTemp, (std::array{-10.0, 45.0, 60.0}[i]));
            EXPECT_EQ(a.LowestPressure, b.LowestPressure);
            EXPECT_EQ(a.LowestTime, b.LowestTime);
            EXPECT_EQ(a.Warning, b.Warning);
            EXPECT_EQ(a.HighestGasTemp, b.HighestGasTemp);
        }
        EXPECT_EQ(envelope.Runs[1].LowestPressure,
                  *std::min_element(state.PSeries.begin(),
                                    state.PSeries.begin() + envelope.Runs[1].End + 1));

        // Half an envelope still runs the coldest and warmest first and last.
        if (law == GasLawKind::Classic) {
            state.Gas.MinTemp.reset();
            ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
            ASSERT_EQ(state.GasRun.Runs.size(), 3u);
            EXPECT_EQ(state.GasRun.Runs[0].WorkTemp, 45.0);
            EXPECT_EQ(state.GasRun.Runs[0].Pressures,
                      std::vector<double>(state.PSeries.begin(),
                                          state.PSeries.begin() + state.GasRun.Runs[0].End + 1));
        }

        // The hot run is the one the machine would see on a hot afternoon:
        // the same data with tc at 60 °C give the same pressures.
        const std::vector<double> hot = envelope.Runs[2].Pressures;
        state.Gas.MinTemp.reset();
        state.Gas.MaxTemp.reset();
        state.Data.Tc = 60;
        ASSERT_NE(RunSimulation(state), RunOutcome::Refused);
        ASSERT_EQ(state.GasRun.Runs.size(), 1u);
        ASSERT_EQ(hot.size(), static_cast<size_t>(state.GasRun.Runs[0].End) + 1);
        EXPECT_TRUE(std::equal(hot.begin(), hot.end(), state.PSeries.begin()));
        state.Data.Tc = 45;
    }
}

// The loop writes every point up to its end, so series reused from an
// earlier run give the same results as fresh ones. A cycle that only takes
// oil in never leaves the maximum: its lowest pressure is Pm, first reached
// at the start.
TEST_F(GasRunTest, EveryPointIsWrittenAndTheLowestIsTheFirst) {
    const CycleFlows flows = ComputeCycleFlows(state);
    for (GasLawKind kind : {GasLawKind::Classic, GasLawKind::Nitrogen}) {
        state.Gas.Law = kind;
        auto law = MakeGasLaw(state.Data, state.Gas, state.Data.Tc, flows.TimeStep);
        ASSERT_TRUE(law) << law.Error();
        const auto run = [&](double leftover) {
            std::vector<std::vector<double>> s(5, std::vector<double>(flows.Qt.size(), leftover));
            const SeriesOut out{nullptr,     s[0].data(), s[1].data(),
                                s[2].data(), s[3].data(), s[4].data()};
            auto copy = *law;
            const CycleEnding end = std::visit(
                [&](auto& l) { return StepCycle(state.Data, flows, l, out, flows.Steps); }, copy);
            for (auto& series : s) series.resize(static_cast<size_t>(end.step) + 1);
            return s;
        };
        EXPECT_EQ(run(0.0), run(std::numeric_limits<double>::quiet_NaN()));
    }

    state.Movements[1] = Movement{};
    state.Movements[1].Kind = MovementKind::Motor;
    state.Movements[1].Tf = 10;
    state.Movements[1].Qm = -5;
    state.MovementCount = 1;
    for (GasLawKind kind : {GasLawKind::Classic, GasLawKind::Nitrogen}) {
        state.Gas.Law = kind;
        ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
        const TemperatureRun& run = state.GasRun.Runs.at(0);
        EXPECT_EQ(run.LowestPressure, state.Data.Pm);
        EXPECT_EQ(run.LowestTime, 0.0f);
    }

    // Full again with no demand left, but before a flowless movement ends: the
    // run stops there and the points after it stay zero, which the summary
    // must not take for pressures.
    state.Data = CircuitData{10, 60, 45, 30, 80, 5, 10};
    state.Movements[1] = Movement{.Ti = 0, .Tf = 0.3f, .Qm = 150, .Kind = 1};
    state.Movements[2] = Movement{.Ti = 0, .Tf = 8, .Qm = 0, .Kind = 4};
    state.MovementCount = 2;
    state.Gas.Law = GasLawKind::Classic;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const TemperatureRun& stopped = state.GasRun.Runs.at(0);
    EXPECT_EQ(state.LastPoint, 1000);
    ASSERT_LT(stopped.End, 1000);
    EXPECT_EQ(state.PSeries[stopped.End], 80);
    EXPECT_EQ(state.PSeries[stopped.End + 1], 0);
    EXPECT_GT(stopped.LowestPressure, state.PrechargeAtTemp);
    EXPECT_LT(stopped.LowestPressure, 75);
}

TEST_F(GasRunTest, SettingsTheDataCannotHoldAreRefusedBeforeAnythingChanges) {
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    const std::vector<double> before = state.PSeries;
    const struct {
        GasSettings gas;
        const char* says;
    } refusals[] = {
        {{GasLawKind::Classic, 1.4, kInf, 20, 50.0, std::nullopt}, "temperatura minima"},
        {{GasLawKind::Ideal, 1.4, kInf, 20, std::nullopt, 40.0}, "temperatura minima"},
        {{GasLawKind::Ideal, 1.8, kInf, 20, std::nullopt, std::nullopt}, "politropica"},
        {{GasLawKind::Nitrogen, 1.4, -1, 20, std::nullopt, std::nullopt}, "costante di tempo"},
        {{GasLawKind::Nitrogen, 1.4, kInf, 20, -250.0, std::nullopt}, "Temperatura di -250"},
    };
    for (const auto& r : refusals) {
        ui.messages.clear();
        state.Gas = r.gas;
        EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text.find(r.says), std::string::npos) << ui.messages[0].text;
        EXPECT_NE(ui.messages[0].text.find("la simulazione non può partire"), std::string::npos);
        EXPECT_EQ(state.PSeries, before);
    }
}

}  // namespace
}  // namespace volvenza
