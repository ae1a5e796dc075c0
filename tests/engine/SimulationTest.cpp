#include "engine/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "tests/support/RecordingUi.h"

namespace volvenza {
namespace {

class SimulationTest : public ::testing::Test {
  protected:
    SimulationTest() {
        state.SetUi(ui);
        InitCircuitState(state);
    }
    // One movement drawing `qm` from ti to tf with the given initial data.
    void OneMovement(CircuitData data, float ti, float tf, double qm) {
        state.Data = data;
        state.Movements[1] = Movement{};
        state.Movements[1].Kind = 4;
        state.Movements[1].Ti = ti;
        state.Movements[1].Tf = tf;
        state.Movements[1].Qm = qm;
        state.MovementCount = 1;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& m : ui.messages) t.push_back(m.text);
        return t;
    }
    test::RecordingUi ui;
    CircuitState state;
};

TEST_F(SimulationTest, ExampleRunMilestones) {
    LoadExampleCircuit(state);
    ui.codes.clear();
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);

    EXPECT_EQ(state.PointCapacity, 569);  // N = 469: 4.7 / 0.01 is 469.99999 in single precision
    EXPECT_NEAR(state.PrechargeAtTemp, 65.117, 5e-4);
    EXPECT_EQ(state.PSeries[0], 80.0);
    EXPECT_NEAR(state.VSeries[0], 8.6327, 5e-5);
    EXPECT_EQ(state.QtSeries[0], 58.905 + 12.0);

    // The pump loads at step 119, once the pressure has fallen to 67 bar.
    EXPECT_EQ(state.QsSeries[118], state.QtSeries[118]);
    EXPECT_EQ(state.QsSeries[119], state.QtSeries[119] - 30);
    EXPECT_GT(state.PSeries[118], 67.0);
    EXPECT_LE(static_cast<float>(state.PSeries[119]), 67.0f);

    const auto lowest = std::min_element(state.PSeries.begin() + 1, state.PSeries.begin() + 470);
    EXPECT_EQ(lowest - state.PSeries.begin(), 140);
    EXPECT_NEAR(*lowest, 65.16, 5e-3);

    // Full again at step 457; shown up to 457 + 2.5 %.
    EXPECT_EQ(state.LastPoint, 468);
    EXPECT_LT(state.PSeries[456], 80.0);
    for (int m = 457; m <= 469; ++m) {
        EXPECT_EQ(state.PSeries[m], 80.0);
        EXPECT_EQ(state.VSeries[m], state.VSeries[0]);
        EXPECT_EQ(state.QsSeries[m], 0.0);
    }
    EXPECT_EQ(state.PSeries[470], 0.0);
    EXPECT_EQ(ui.codes, std::vector<int>{3});
    EXPECT_EQ(ui.progressShown, 1);
    EXPECT_EQ(ui.progressClosed, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SimulationTest, PrechargeAboveMaximumWarnsAtStepOne) {
    OneMovement({10, 100, 20, 30, 80, 13, 2}, 0, 1, 20);
    EXPECT_EQ(RunSimulation(state), RunOutcome::PrechargeTooHigh);
    EXPECT_EQ(state.LastPoint, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kMsgPrechargeTooHigh);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(ui.codes, std::vector<int>{3});
    EXPECT_EQ(state.PSeries[2], 0.0);
}

TEST_F(SimulationTest, ShortAndUnrefilledCycles) {
    // Below one step: only the initial point.
    OneMovement({10, 60, 20, 30, 80, 13, 0.005f}, 0, 1, 20);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.LastPoint, 0);
    EXPECT_EQ(state.PointCapacity, 100);

    // No pump and a demand lasting the whole cycle: never full again.
    OneMovement({10, 20, 20, 0, 80, 13, 1}, 0, 5, 1);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.LastPoint, 100);

    // Dp 0: the pump delivers from step 1; where full it is unloaded for that step.
    OneMovement({10, 20, 20, 30, 80, 0, 2}, 0.5f, 0.6f, 10);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.QsSeries[1], -30.0);
    EXPECT_EQ(state.QsSeries[2], 0.0);  // full: Qs = Qt
    EXPECT_EQ(state.PSeries[2], 80.0);
    EXPECT_EQ(state.QsSeries[3], -30.0);
}

TEST_F(SimulationTest, RefillAfterLastMovementStopsTheRunEarly) {
    OneMovement({10, 60, 20, 60, 80, 13, 10}, 0, 1, 100);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    int s = 101;
    while (s < 1000 && state.PSeries[s] < 80.0) ++s;
    ASSERT_LT(s, 1000);
    EXPECT_EQ(state.LastPoint, s + s * 25 / 1000);
    EXPECT_EQ(state.PSeries[1000], 80.0);
    EXPECT_EQ(state.QtSeries[1000], 0.0);
}

TEST_F(SimulationTest, FullBetweenMovementsThePumpUnloadsAndTheRunWaitsForTheLast) {
    // The second movement, last in the list, runs past the end of the cycle
    // and draws just what the pump gives: after it starts the accumulator is
    // never full again.
    OneMovement({10, 60, 20, 60, 80, 13, 10}, 0, 1, 100);
    state.Movements[2] = state.Movements[1];
    state.Movements[2].Ti = 8;
    state.Movements[2].Tf = 20;
    state.Movements[2].Qm = 60;
    state.MovementCount = 2;
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    int s = 101;
    while (s < 800 && state.PSeries[s] < 80.0) ++s;
    ASSERT_LT(s, 800);
    // Full: the pump unloads, and with no flow the gas creeps by 0.00001 dm3.
    EXPECT_EQ(state.QsSeries[s + 1], 0.0);
    EXPECT_EQ(state.DVSeries[s + 1], 0.00001);
    EXPECT_EQ(state.VSeries[s + 1], state.VSeries[s] + 0.00001);
    EXPECT_LT(state.PSeries[s + 1], 80.0);
    // No refill after the last movement: the whole cycle is shown as computed.
    EXPECT_EQ(state.LastPoint, 1000);
    EXPECT_LT(state.PSeries[1000], 70.0);
    EXPECT_EQ(state.QsSeries[1000], 0.0);
}

TEST_F(SimulationTest, LateRefillOfTheLongestCycleShowsAtMost32767Points) {
    // Refilled at about 319.7 s: s + 2.5 % would pass both the series and 16 bits.
    OneMovement({10, 40, 45, 30, 80, 13, 327.67f}, 318, 318.7f, 150);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.PointCapacity, 32867);
    EXPECT_EQ(state.LastPoint, 32767);
    EXPECT_EQ(state.PSeries[32767], 80.0);
}

TEST_F(SimulationTest, TouchingMovementsNeverOverlap) {
    OneMovement({10, 20, 20, 30, 80, 13, 1}, 0, 0.5f, 10);
    state.Movements[2] = state.Movements[1];
    state.Movements[2].Ti = 0.5f;
    state.Movements[2].Tf = 0.7f;
    state.Movements[2].Qm = 7;
    state.MovementCount = 2;
    RunSimulation(state);
    EXPECT_EQ(state.QtSeries[49], 10.0);
    EXPECT_EQ(state.QtSeries[50], 7.0);
    EXPECT_EQ(state.QtSeries[70], 0.0);
}

TEST_F(SimulationTest, ABoxHoldingNoNumberIsRefusedFirstAndGetsTheFocus) {
    OneMovement({10, 60, 20, 30, 80, 13, 2}, 0, 1, 5);
    ui.windowLoaded = true;
    ui.boxes = {0, 0, 0, 0, 0, 0, 0};  // all zero, refused too but only afterwards
    ui.unreadable[1] = ui.unreadable[6] = true;
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    EXPECT_EQ(Texts(),
              std::vector<std::string>{
                  "Il valore di Po non è un numero valido, la simulazione non può partire"});
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.focusedBox, 1);
    EXPECT_EQ(state.Data.V0, 0.0f);   // taken from its box
    EXPECT_EQ(state.Data.P0, 60.0f);  // kept, as the box holds no number

    ui.boxes = {10, 60, 20, 30, 80, 13, 2};
    ui.unreadable = {};
    ui.unreadable[6] = true;
    ui.messages.clear();
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Il valore di Tempo ciclo non è un numero valido, "
                                                "la simulazione non può partire"});
    EXPECT_EQ(ui.focusedBox, 6);

    ui.unreadable = {};
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
}

TEST_F(SimulationTest, ValidationMessagesInOrder) {
    const struct {
        CircuitData data;
        int16_t count;
        const char* text;
    } refusals[] = {
        {{0, 0, 0, 0, 0, 0, 0}, 1, kMsgAllZero},
        {{10, 60, 20, 30, 80, 13, 0}, 1, kMsgCycleZero},
        {{10, 60, 20, 30, 80, 13, -1}, 1, kMsgCycleRange},
        {{10, 60, 20, 30, 80, 13, 327.69f}, 1, kMsgCycleRange},
        // Values that would only give NaN, checked before the movements.
        {{-10, 60, 20, 30, 80, 13, 1}, 0, kMsgNegativeValues},
        {{10, -1, 20, 30, 80, 13, 1}, 1, kMsgNegativeValues},
        {{10, 60, 20, -1, 80, 13, 1}, 1, kMsgNegativeValues},
        {{10, 60, 20, 30, -1, 13, 1}, 1, kMsgNegativeValues},
        {{10, 60, 20, 30, 80, -1, 1}, 1, kMsgNegativeValues},
        {{10, 60, -273.16f, 30, 80, 13, 1}, 1, kMsgNegativeValues},
        {{10, 60, 20, 30, 80, 13, 1}, 0, kMsgNoMovements},
    };
    for (const auto& r : refusals) {
        ui.messages.clear();
        OneMovement(r.data, 0, 1, 5);
        state.MovementCount = r.count;
        EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
        ASSERT_EQ(Texts(), std::vector<std::string>{r.text});
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    }
    // Just above absolute zero, and every value at zero but the cycle, pass.
    for (const CircuitData& data :
         {CircuitData{10, 60, -273.15f, 30, 80, 13, 1}, CircuitData{0, 0, 0, 0, 0, 0, 1}}) {
        ui.messages.clear();
        OneMovement(data, 0, 1, 5);
        EXPECT_NE(RunSimulation(state), RunOutcome::Refused);
    }

    // A flow that is not a number is refused before any time is looked at.
    OneMovement({10, 60, 20, 30, 80, 13, 2}, 1, 0.5f, 5);
    state.Movements[2] = state.Movements[1];
    state.Movements[2].Qm = std::numeric_limits<double>::infinity();
    state.MovementCount = 2;
    ui.messages.clear();
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    EXPECT_EQ(Texts(), std::vector<std::string>{
                           "La portata del movimento 2 non è un numero valido. La simulazione "
                           "verrà interrotta, correggere il dato e riavviarla."});
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);

    ui.messages.clear();
    OneMovement({10, 60, 20, 30, 80, 13, 327.67f}, 0, 1, 5);
    EXPECT_EQ(RunSimulation(state), RunOutcome::Completed);
    EXPECT_EQ(state.PointCapacity, 32767 + 100);

    // Movement 2 with both times 0: Yes goes on to movement 3, whose end is
    // before its start.
    OneMovement({10, 60, 20, 30, 80, 13, 2}, 0, 1, 5);
    state.Movements[2] = state.Movements[3] = state.Movements[1];
    state.Movements[2].Tf = 0;
    state.Movements[3].Ti = 1.5f;
    state.MovementCount = 3;
    ui.messages.clear();
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Il tempo iniziale e finale del movimento 2 sono stati lasciati a 0. "
                           "Si vuole procedere comunque?",
                           "Il tempo finale del movimento 3 è uguale o minore del tempo iniziale. "
                           "La simulazione verà interrotta, correggere il dato e riavviarla."}));
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Exclamation);

    ui.messages.clear();
    ui.answers = {MessageAnswer::No};
    EXPECT_EQ(RunSimulation(state), RunOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, kMsgStopped);
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::None);
}

}  // namespace
}  // namespace volvenza
