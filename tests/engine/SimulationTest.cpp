#include "engine/Simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "engine/PressureWatch.h"
#include "tests/support/RecordedRun.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza {
namespace {

class SimulationTest : public ::testing::Test, protected test::RecordedState {
  protected:
    // One movement drawing `qm` from ti to tf with the given initial data.
    void OneMovement(CircuitData data, float ti, float tf, double qm) {
        test::TypeCircuit(state, data, {{ti, tf, qm}});
    }
    // A run, with the messages and progress of the one before forgotten.
    RunOutcome Run() {
        shown.messages.clear();
        shown.progress.clear();
        return RecordedRun();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& m : shown.messages) t.push_back(m.text);
        return t;
    }
};

// The example's figures are the golden file's and every classic run's the
// hashes'; what a run says is checked here. It says nothing but its
// messages: the data are all it reads.
TEST_F(SimulationTest, ExampleRunSaysNothing) {
    LoadExampleCircuit(state);
    ASSERT_EQ(Run(), RunOutcome::Completed);
    EXPECT_TRUE(shown.messages.empty());
}

TEST_F(SimulationTest, PrechargeAboveMaximumWarnsAtStepOne) {
    OneMovement({10, 100, 20, 30, 80, 13, 2}, 0, 1, 20);
    EXPECT_EQ(Run(), RunOutcome::PrechargeTooHigh);
    ASSERT_EQ(Texts(), std::vector<std::string>{MessageSource(MessageId::PrechargeTooHigh)});
    EXPECT_EQ(shown.messages[0].icon, MessageIcon::Critical);

    // No precharge: zero pressure, which is the precharge, ends it the same way.
    OneMovement({10, 0, 20, 30, 80, 13, 2}, 0, 1, 20);
    EXPECT_EQ(Run(), RunOutcome::PrechargeTooHigh);
    EXPECT_EQ(state.LastPoint, 1);

    // A maximum pressure of 0 cannot be reached; the guard in the full volume
    // keeps it finite instead of dividing by zero.
    OneMovement({10, 60, 20, 30, 0, 0, 2}, 0, 1, 20);
    EXPECT_EQ(Run(), RunOutcome::PrechargeTooHigh);
    const double K = std::pow(10.0, 1.4) * state.PrechargeAtTemp;
    EXPECT_EQ(state.VSeries[0], std::pow(K / 1e-21, 1 / 1.4));
}

// Where a run ends is held by the classic runs' hashes; here the one ending
// they never reach: refilled at about 319,7 s, where s + 2,5 % would pass
// both the series and the 16 bits of LastPoint.
TEST_F(SimulationTest, EndingsOfEachKindOfCycle) {
    OneMovement({10, 40, 45, 30, 80, 13, 327.67f}, 318, 318.7f, 150);
    ASSERT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(state.PointCapacity, 32867);
    EXPECT_EQ(state.LastPoint, 32767);
    EXPECT_EQ(state.PSeries[32767], 80);

    // The progress moves once per step, and never for a cycle below one step.
    OneMovement({10, 60, 20, 30, 80, 13, 0.005f}, 0, 1, 20);
    Run();
    EXPECT_EQ(shown.progress, (std::vector<double>{0, 0}));
    OneMovement({10, 60, 20, 30, 80, 13, 0.04f}, 0, 1, 20);
    Run();
    EXPECT_EQ(shown.progress, (std::vector<double>{0, 0, 25, 50, 75, 100}));
    // The exact engine says its start and its end.
    state.Gas.Law = GasLawKind::Ideal;
    Run();
    EXPECT_EQ(shown.progress, (std::vector<double>{0, 100}));
    state.Gas = {};

    // A large accumulator at rest: the creep is below single precision, so it
    // stays exactly full.
    OneMovement({1000, 60, 20, 60, 80, 13, 2}, 1, 1.5f, 10);
    Run();
    EXPECT_EQ(state.PSeries[1], 80.0);
    EXPECT_EQ(state.VSeries[1], state.VSeries[0]);
}

// The initial values are checked first, in order, each refusal in its words,
// and the gas's envelope.
TEST_F(SimulationTest, InitialValuesRefusedInOrder) {
    const std::string negative =
        ": i valori iniziali non possono essere negativi, la simulazione "
        "non può partire.";
    const struct {
        CircuitData data;
        int16_t count;
        std::string text;
    } refusals[] = {
        // the original's words where it had them, as they stood
        {{0, 0, 0, 0, 0, 0, 0},
         1,
         "Hai lasciato tutti i valori iniziali a 0, la simulazione non può partire"},
        {{10, 60, 20, 30, 80, 13, 0},
         1,
         "Hai lasciato il tempo di ciclo a 0, la simulazione non può partire"},
        {{10, 60, 20, 30, 80, 13, -1}, 1, MessageSource(MessageId::CycleTimeRange)},
        {{10, 60, 20, 30, 80, 13, 327.69f}, 1, MessageSource(MessageId::CycleTimeRange)},
        // Values that would only give NaN, checked before the movements and named.
        {{-10, 60, 20, 30, 80, 13, 1}, 0, "Vo vale -10" + negative},
        {{10, -1, 20, 30, 80, 13, 1}, 1, "Po vale -1" + negative},
        {{10, 60, 20, -1, 80, 13, 1}, 1, "Qp vale -1" + negative},
        {{10, 60, 20, 30, -1, 13, 1}, 1, "PM vale -1" + negative},
        {{10, 60, 20, 30, 80, -1.5f, 1}, 1, "DP vale -1,5" + negative},
        {{10, 60, -273.15f, 30, 80, 13, 1},
         1,
         "tc vale -273,15 °C: la temperatura di lavoro deve superare lo zero assoluto, -273,15 "
         "°C, la simulazione non può partire."},
        {{10, 60, 20, 30, 80, 13, 1}, 0, "Non ci sono movimenti, la simulazione non può partire"},
    };
    for (const auto& r : refusals) {
        OneMovement(r.data, 0, 1, 5);
        state.MovementCount = r.count;
        EXPECT_EQ(Run(), RunOutcome::Refused);
        ASSERT_EQ(Texts(), std::vector<std::string>{r.text});
        EXPECT_EQ(shown.messages[0].icon, MessageIcon::Information);
    }
    // Just above absolute zero, and every value at zero but the cycle, pass.
    for (const CircuitData& data :
         {CircuitData{10, 60, -273.14f, 30, 80, 13, 1}, CircuitData{0, 0, 0, 0, 0, 0, 1}}) {
        OneMovement(data, 0, 1, 5);
        EXPECT_NE(Run(), RunOutcome::Refused);
    }
    // No law holds a gas at absolute zero, the classic one's envelope included.
    OneMovement({10, 60, 20, 30, 80, 13, 1}, 0, 1, 5);
    state.Gas.MinTemp = -273.15;
    EXPECT_EQ(Run(), RunOutcome::Refused);
    EXPECT_EQ(Texts(), std::vector<std::string>{
                           "La temperatura minima dell'inviluppo vale -273,15 °C: deve superare lo "
                           "zero assoluto, -273,15 °C, la simulazione non può partire."});
    state.Gas = {.MinTemp = {}, .MaxTemp = -273.15};
    EXPECT_EQ(Run(), RunOutcome::Refused);
    EXPECT_EQ(Texts().at(0).substr(0, 46), "La temperatura massima dell'inviluppo vale -27");
}

// A negative time or flow, or a time that is no number, names the movement
// and the field, before the question about times at zero; a flow that is no
// number, or an end not after the start, the movement.
TEST_F(SimulationTest, MovementsRefusedByMovementAndField) {
    const std::tuple<float, float, double, std::string> movements[] = {
        {-5, 1, 5, "Nel movimento 1 Ti vale -5 e non può essere negativo."},
        {0, 1, -58.9, "Nel movimento 1 Qm vale -58,9 e non può essere negativo."},
        {0, std::numeric_limits<float>::infinity(), 5,
         "Nel movimento 1 Tf vale inf, che non è un numero finito."},
        {0, 1, std::nan(""), "La portata del movimento 1 non è un numero valido."},
        {1, 1, 5, "Il tempo finale del movimento 1 è uguale o minore del tempo iniziale."},
    };
    for (const auto& [ti, tf, qm, text] : movements) {
        OneMovement({10, 60, 20, 30, 80, 13, 2}, ti, tf, qm);
        EXPECT_EQ(Run(), RunOutcome::Refused) << text;
        EXPECT_EQ(Texts().at(0).substr(0, text.size()), text);
        EXPECT_EQ(shown.messages[0].icon, MessageIcon::Exclamation);
    }

    // A flow that is not a number is refused before any time is looked at.
    OneMovement({10, 60, 20, 30, 80, 13, 2}, 1, 0.5f, 5);
    state.Movements[2] = state.Movements[1];
    state.Movements[2].Qm = std::numeric_limits<double>::infinity();
    state.MovementCount = 2;
    EXPECT_EQ(Run(), RunOutcome::Refused);
    EXPECT_EQ(Texts().at(0).substr(0, 26), "La portata del movimento 2");

    // Movement 2 with both times 0: Yes goes on to movement 3, whose end is
    // before its start.
    OneMovement({10, 60, 20, 30, 80, 13, 2}, 0, 1, 5);
    state.Movements[2] = state.Movements[3] = state.Movements[1];
    state.Movements[2].Tf = 0;
    state.Movements[3].Ti = 1.5f;
    state.MovementCount = 3;
    EXPECT_EQ(Run(), RunOutcome::Refused);
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Il tempo iniziale e finale del movimento 2 sono stati lasciati a 0. "
                           "Si vuole procedere comunque?",
                           "Il tempo finale del movimento 3 è uguale o minore del tempo iniziale. "
                           "La simulazione verà interrotta, correggere il dato e riavviarla."}));
    EXPECT_EQ(shown.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown.messages[1].icon, MessageIcon::Exclamation);

    shown.answers = {MessageAnswer::No};
    EXPECT_EQ(Run(), RunOutcome::Refused);
    ASSERT_EQ(shown.messages.size(), 2u);
    EXPECT_EQ(shown.messages[1].text, MessageSource(MessageId::RunStopped));
    EXPECT_EQ(shown.messages[1].icon, MessageIcon::None);
}

// Where a run falls below a pressure: each stretch of points below it, to
// the last point shown, and a dip between two points at its lowest's instant.
TEST_F(SimulationTest, StretchesBelowAPressure) {
    state.PSeries = {80, 70, 59, 58, 61, 59.5, 60, 55, 0};
    state.LastPoint = 7;  // the last point is past the results shown
    const auto below = StretchesBelow(state, 60);
    std::vector<std::tuple<double, double, double>> got;
    for (const PressureStretch& b : below)
        got.emplace_back(std::round(b.from * 100), std::round(b.to * 100), b.lowest);
    EXPECT_EQ(got, (std::vector<std::tuple<double, double, double>>{
                       {2, 3, 58}, {5, 5, 59.5}, {7, 7, 55}}));
    EXPECT_TRUE(StretchesBelow(state, 55).empty());
    // Below from the first point; points past those kept are none.
    state.PSeries.resize(8);
    state.LastPoint = 9;
    const auto all = StretchesBelow(state, 85);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(std::tuple(all[0].from, std::round(all[0].to * 100), all[0].lowest),
              std::tuple(0.0, 7.0, 55.0));
    state.GasRun.Runs.resize(1);
    state.GasRun.Runs[0].LowestPressure = GaugeBar(54.9);
    state.GasRun.Runs[0].LowestTime = 0.0651;
    const auto dip = StretchesBelow(state, 55);
    ASSERT_EQ(dip.size(), 1u);
    EXPECT_EQ(std::tuple(dip[0].from, dip[0].to, dip[0].lowest), std::tuple(0.0651, 0.0651, 54.9));
    EXPECT_TRUE(StretchesBelow(state, 54.9).empty());
    // A run of two points has its dip; no points shown, no run.
    state.LastPoint = 1;
    EXPECT_EQ(StretchesBelow(state, 55).size(), 1u);
    state.LastPoint = 0;
    EXPECT_TRUE(StretchesBelow(state, 55).empty());
}

}  // namespace
}  // namespace volvenza
