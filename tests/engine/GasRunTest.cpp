// Runs with the ideal and the real-gas laws as the windows see them: the
// gas leaving its domain, and the temperature envelope with its refusals
// (each law's start state is the gas library's and volvenza-sim's to test).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/CycleRun.h"
#include "engine/ExactRun.h"
#include "engine/GasLaws.h"
#include "engine/Simulation.h"
#include "engine/StepCycle.h"
#include "gas/ClassicLaw.h"
#include "tests/support/RecordedRun.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kAtm = 1.01325;

class GasRunTest : public ::testing::Test, protected test::RecordedState {
  protected:
    GasRunTest() {
        LoadExampleCircuit(state);
        state.Data.P0 = 40;  // room below the band, so that every law completes
    }
};

TEST_F(GasRunTest, EnvelopeRunsEachTemperatureWithTheSameCharge) {
    for (GasLawKind law : {GasLawKind::Classic, GasLawKind::Nitrogen}) {
        state.Gas = {.Law = law, .Tau = 45, .MinTemp = -10, .MaxTemp = 60};
        ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
        const GasResults envelope = state.GasRun;
        ASSERT_EQ(envelope.Runs.size(), 3u);
        EXPECT_EQ(envelope.MainRun, 1);
        EXPECT_EQ(envelope.TSeries.empty(), law == GasLawKind::Classic);

        // Each run again alone, as the program runs a limit: the main run,
        // read from the series, is the same run.
        const CircuitData d = RunData(state.Data, state.Gas.Vessels);
        const CycleFlows flows = ComputeCycleFlows(state);
        const ExactInputs in = MakeExactInputs(state, state.Gas.Vessels);
        CycleWorkspace work;
        for (int i = 0; i < 3; ++i) {
            const TemperatureRun& a = envelope.Runs[i];
            EXPECT_EQ(a.WorkTemp, (std::array{-10.0, 45.0, 60.0}[i]));
            auto alone = law == GasLawKind::Classic
                             ? Result<TemperatureRun>(RunClassicAt(d, flows, a.WorkTemp, work))
                             : RunExactAt(in, state.Gas, a.WorkTemp, nullptr);
            ASSERT_TRUE(alone) << alone.Error();
            const TemperatureRun& b = *alone;
            EXPECT_EQ(std::tie(a.LowestPressure, a.LowestTime, a.Warning, a.HighestGasTemp),
                      std::tie(b.LowestPressure, b.LowestTime, b.Warning, b.HighestGasTemp));
        }
        // The classic law's lowest is the lowest point computed; the exact
        // engine's lies between the points, at or below the lowest of them.
        const double sampled = *std::min_element(state.PSeries.begin(),
                                                 state.PSeries.begin() + envelope.Runs[1].End + 1);
        if (law == GasLawKind::Classic) {
            EXPECT_EQ(envelope.Runs[1].LowestPressure.value(), sampled);
        } else {
            EXPECT_LE(envelope.Runs[1].LowestPressure.value(), sampled);
            EXPECT_GT(envelope.Runs[1].LowestPressure.value(), sampled - 0.5);
        }

        // The hot run is the one the machine would see on a hot afternoon:
        // the same data with tc at 60 °C give the same pressures.
        const std::vector<double> hot = envelope.Runs[2].Pressures;
        state.Gas.MinTemp = state.Gas.MaxTemp = std::nullopt;
        state.Data.Tc = 60;
        ASSERT_NE(RecordedRun(), RunOutcome::Refused);
        ASSERT_EQ(state.GasRun.Runs.size(), 1u);
        ASSERT_EQ(hot.size(), static_cast<size_t>(state.GasRun.Runs[0].End) + 1);
        EXPECT_TRUE(std::equal(hot.begin(), hot.end(), state.PSeries.begin()));
        state.Data.Tc = 45;
        // One limit left at tc is run all the same: the warmest run is last.
        state.Gas.MinTemp = 0;
        ASSERT_NE(RecordedRun(), RunOutcome::Refused);
        ASSERT_EQ(state.GasRun.Runs.size(), 3u);
        EXPECT_EQ(state.GasRun.Runs[2].WorkTemp, 45);
    }
}

// The classic loop writes every point up to its end, so series reused from
// an earlier run give the same results as fresh ones. A cycle that draws no
// oil never leaves the maximum (the classic stepping's creep is too small to
// feel in an accumulator this large): its lowest pressure is Pm, first
// reached at the start.
TEST_F(GasRunTest, EveryPointIsWrittenAndTheLowestIsTheFirst) {
    const CycleFlows flows = ComputeCycleFlows(state);
    const auto run = [&](double leftover) {
        std::vector<std::vector<double>> s(5, std::vector<double>(flows.Qt.size(), leftover));
        const SeriesOut out{nullptr, s[0].data(), s[1].data(), s[2].data(), s[3].data(), nullptr};
        gas::ClassicLaw law = MakeClassicLaw(state.Data, state.Data.Tc);
        const CycleEnding end = StepCycle(state.Data, flows, law, out, flows.Steps);
        for (auto& series : s) series.resize(static_cast<size_t>(end.step) + 1);
        s.pop_back();
        return s;
    };
    EXPECT_EQ(run(0.0), run(std::numeric_limits<double>::quiet_NaN()));

    test::TypeCircuit(state, {1000, 40, 45, 30, 80, 13, 4.7f}, {{0, 10, 0}});
    for (GasLawKind kind : {GasLawKind::Classic, GasLawKind::Nitrogen}) {
        state.Gas.Law = kind;
        ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
        const TemperatureRun& run = state.GasRun.Runs.at(0);
        EXPECT_EQ(run.LowestPressure.value(), state.Data.Pm);
        EXPECT_EQ(run.LowestTime, 0.0f);
    }

    // Full again with no demand left, but before a flowless movement ends:
    // the classic run stops there and the points after it stay zero, which
    // the summary must not take for pressures.
    test::TypeCircuit(state, {10, 60, 45, 30, 80, 5, 10}, {{0, 0.3f, 150, 1}, {0, 8, 0}});
    state.Gas.Law = GasLawKind::Classic;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const TemperatureRun& stopped = state.GasRun.Runs.at(0);
    EXPECT_EQ(state.LastPoint, 1000);
    ASSERT_LT(stopped.End, 1000);
    EXPECT_EQ(state.PSeries[stopped.End], 80);
    EXPECT_EQ(state.PSeries[stopped.End + 1], 0);
    EXPECT_GT(stopped.LowestPressure.value(), state.PrechargeAtTemp);
    EXPECT_LT(stopped.LowestPressure, GaugeBar(75));
    // The exact engine runs the whole cycle: full again at the end of its
    // recharge, which the views show with 2,5 % more.
    state.Gas.Law = GasLawKind::Nitrogen;
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const TemperatureRun& exact = state.GasRun.Runs.at(0);
    EXPECT_EQ(exact.End, 1000);
    EXPECT_EQ(state.PSeries[1000], 80);
    EXPECT_LT(state.LastPoint, 1000);
    EXPECT_EQ(exact.LowestTime, 0.3);
}

// Every point a run computed is a gas state inside the equation's range,
// but for the start of a run whose gas is no gas from the start.
void ExpectGasStates(const CircuitState& state, const std::string& at) {
    const TemperatureRun& run = state.GasRun.Runs.at(0);
    const bool startsOutside = run.Outside != gas::GasDomain::Gas && run.End == 0;
    for (int j = 0; j <= run.End; ++j) {
        const double T = state.GasRun.TSeries[j] + 273.15, p = state.PSeries[j] + kAtm;
        ASSERT_TRUE(std::isfinite(T) && std::isfinite(p) && std::isfinite(state.VSeries[j]));
        ASSERT_TRUE(startsOutside ||
                    (T >= 63.151 && T <= 1000 && p > 0 && p <= 22000 && state.VSeries[j] > 0))
            << at << " point " << j << ": " << T << " K, " << p << " bar, " << state.VSeries[j];
    }
}

// The runs that would go on inside the saturation dome or beyond the
// equation stop where the gas leaves it, with the state of the instant before.
TEST_F(GasRunTest, TheRealGasStopsWhereItLeavesItsDomain) {
    const struct {
        float tc, p0, pm;
        double tau;
        double end;  // s, where the gas leaves its domain
    } cases[] = {{-160, 60, 80, kInf, 0},        {-140, 60, 80, 45, 0.116889},
                 {-140, 60, 80, kInf, 0.116670}, {45, 10, 2000, kInf, 1.091406},
                 {45, 5, 10000, kInf, 0.078915}, {45, 0.01f, 5000, kInf, 0.024583}};
    for (const auto& c : cases) {
        LoadExampleCircuit(state);
        std::tie(state.Data.Tc, state.Data.P0, state.Data.Pm) = std::tie(c.tc, c.p0, c.pm);
        state.Gas = {.Law = GasLawKind::Nitrogen, .Tau = c.tau, .MinTemp = {}, .MaxTemp = {}};
        shown.messages.clear();
        const std::string at = std::to_string(c.tc) + " °C, " + std::to_string(c.pm) + " bar";
        ASSERT_EQ(RecordedRun(), RunOutcome::OutsideGas) << at;
        const TemperatureRun& run = state.GasRun.Runs.at(0);
        EXPECT_EQ(run.Outside, gas::GasDomain::Condenses) << at;
        EXPECT_NEAR(run.EndTime, c.end, 1e-6) << at;
        EXPECT_EQ(run.End, static_cast<int>(std::floor(run.EndTime * 100 + 1e-9))) << at;
        EXPECT_EQ(state.LastPoint, run.End) << at;
        ExpectGasStates(state, at);
        ASSERT_EQ(shown.messages.size(), 1u) << at;
        const Message& said = shown.messages[0].message;
        EXPECT_EQ(said.id, MessageId::OutsideGas) << said;
        EXPECT_EQ(said.parts.at(0).nested->id, MessageId::ReasonCondenses) << said;
        EXPECT_NEAR(said.parts.at(1).number, std::round(run.EndTime * 100) / 100, 1e-9) << said;
    }

    // Gas colder than nitrile rubber stands is only a remark: the run goes on.
    LoadExampleCircuit(state);
    state.Data.P0 = 0.5f;
    shown.messages.clear();
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    ASSERT_EQ(shown.messages.size(), 1u);
    EXPECT_EQ(shown.messages[0].text.rfind("La temperatura del gas scende a -1", 0), 0u)
        << shown.messages[0].text;
}

TEST_F(GasRunTest, SettingsTheDataCannotHoldAreRefusedBeforeAnythingChanges) {
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    const std::vector<double> before = state.PSeries;
    const struct {
        GasSettings gas;
        const char* says;
    } refusals[] = {
        {{GasLawKind::Classic, 1.4, kInf, 20, 50.0, std::nullopt}, "temperatura minima"},
        {{GasLawKind::Nitrogen, 1.4, -1, 20, std::nullopt, std::nullopt}, "costante di tempo"},
        {{GasLawKind::Nitrogen, 1.4, kInf, 20, -250.0, std::nullopt},
         "Temperatura minima dell'inviluppo: Temperatura di -250"},
        {{GasLawKind::Nitrogen, 1.4, kInf, 20, std::nullopt, 800.0},
         "Temperatura massima dell'inviluppo: Temperatura di 800"},
        {{GasLawKind::Nitrogen, 1.4, kInf, -190, std::nullopt, std::nullopt},
         "Precarica: a -190 °C e 41,01325 bar assoluti l'azoto condensa"},
    };
    for (const auto& r : refusals) {
        shown.messages.clear();
        state.Gas = r.gas;
        EXPECT_EQ(RecordedRun(), RunOutcome::Refused);
        ASSERT_EQ(shown.messages.size(), 1u);
        EXPECT_NE(shown.messages[0].text.find(r.says), std::string::npos) << shown.messages[0].text;
        // The envelope is named only where one of its limits is to blame.
        EXPECT_EQ(shown.messages[0].text.find("inviluppo") == std::string::npos,
                  std::string(r.says).find("inviluppo") == std::string::npos);
        EXPECT_NE(shown.messages[0].text.find("la simulazione non può partire"), std::string::npos);
        EXPECT_EQ(state.PSeries, before);
    }
}

}  // namespace
}  // namespace volvenza
