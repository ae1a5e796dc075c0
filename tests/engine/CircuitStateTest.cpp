#include "engine/CircuitState.h"

#include <gtest/gtest.h>

#include "engine/FlowModel.h"
#include "engine/Simulation.h"
#include "tests/support/RecordingUi.h"

namespace volvenza {
namespace {

class CircuitStateTest : public ::testing::Test {
  protected:
    CircuitStateTest() {
        state.SetUi(ui);
        InitCircuitState(state);
    }
    test::RecordingUi ui;
    CircuitState state;
};

TEST_F(CircuitStateTest, ExampleFillsItsSlotsAndLeavesLaterOnesAlone) {
    for (int k = 1; k <= 8; ++k) state.Movements[k].Kind = 7, state.Movements[k].Stroke = 99;
    state.MovementCount = 8;
    LoadExampleCircuit(state);

    EXPECT_EQ(state.MovementCount, 5);
    EXPECT_EQ(state.SimMovementCount, 5);
    EXPECT_EQ(ui.codes, std::vector<int>{2});
    EXPECT_EQ(ui.listChanges, 1);
    ASSERT_TRUE(ui.windowLoaded);
    EXPECT_EQ(ui.boxes.CycleTime, 4.7f);
    EXPECT_EQ(ui.boxes.Dp, 13.0f);

    const Movement& m2 = state.Movements[2];
    EXPECT_EQ(m2.Kind, 2);
    EXPECT_EQ(m2.Ti, 0.2f);
    EXPECT_EQ(m2.Tf, 0.8f);
    EXPECT_EQ(m2.RodDiameter, 15.0f);
    EXPECT_EQ(m2.Qm, 32.39775);
    EXPECT_EQ(state.Movements[4].Qm, 12.0);
    // Fields the example does not list keep what they held.
    EXPECT_EQ(state.Movements[1].Stroke, 150.0f);
    EXPECT_EQ(state.Movements[4].Stroke, 99.0f);
    EXPECT_EQ(state.Movements[6].Kind, 7);
    EXPECT_EQ(state.Movements[8].Stroke, 99.0f);
}

TEST_F(CircuitStateTest, ExampleFlowsAreThoseOfItsSizesAndTimes) {
    LoadExampleCircuit(state);
    const double flows[] = {58.905, 32.398, 46.759, 12, 49.48};
    for (int16_t k = 1; k <= 5; ++k) EXPECT_EQ(ComputeMovementFlow(state, k), flows[k - 1]) << k;
}

TEST_F(CircuitStateTest, RemovingShiftsTheFollowingMovementsDown) {
    LoadExampleCircuit(state);
    const Movement third = state.Movements[3];
    RemoveMovement(state, 2);
    EXPECT_EQ(state.Movements[2].Ti, third.Ti);
    EXPECT_EQ(state.Movements[2].Qm, third.Qm);
    EXPECT_EQ(state.Movements[4].Qm, 49.48021);
    EXPECT_EQ(state.Movements[5].Kind, MovementKind::Empty);
    EXPECT_EQ(state.Movements[5].Qm, 0.0);

    RemoveMovement(state, 5);  // the last one: only cleared
    EXPECT_EQ(state.Movements[5].Kind, 0);
    ClearMovement(state, 1);
    EXPECT_EQ(state.Movements[1].BoreDiameter, 0.0f);

    // A full table: the last slot moves down and is cleared.
    for (int k = 1; k <= kMaxMovements; ++k) state.Movements[k].Qm = k;
    state.MovementCount = kMaxMovements;
    RemoveMovement(state, 999);
    EXPECT_EQ(state.Movements[999].Qm, 1000.0);
    EXPECT_EQ(state.Movements[1000].Qm, 0.0);
}

TEST_F(CircuitStateTest, RemoveTouchesNoSlotOutsideTheList) {
    LoadExampleCircuit(state);
    state.MovementCount = 3;  // slots 4 and 5 are leftovers of a longer list
#ifdef NDEBUG
    for (int16_t k : {-1, 0, 4, 1001}) EXPECT_FALSE(RemoveMovement(state, k)) << k;
    EXPECT_EQ(state.Movements[1].Qm, 58.905);
    EXPECT_EQ(state.Movements[3].Qm, 46.75879);
#else
    EXPECT_DEATH(RemoveMovement(state, 4), "outside");
#endif
    EXPECT_TRUE(RemoveMovement(state, 3));
    EXPECT_EQ(state.Movements[3].Kind, MovementKind::Empty);
    EXPECT_EQ(state.Movements[4].Qm, 12.0);
    EXPECT_TRUE(RemoveMovement(state, 1));
    EXPECT_EQ(state.Movements[1].Qm, 32.39775);

    // A full table: the last slot is the end of the shift.
    state.MovementCount = kMaxMovements;
    state.Movements[kMaxMovements].Qm = 5;
    EXPECT_TRUE(RemoveMovement(state, kMaxMovements - 1));
    EXPECT_EQ(state.Movements[kMaxMovements - 1].Qm, 5.0);
    EXPECT_EQ(state.Movements[kMaxMovements].Qm, 0.0);
}

TEST_F(CircuitStateTest, CollectReadsTheBoxesOnlyWhenTheWindowExists) {
    state.Data.Qp = 99;
    state.MovementCount = 3;
    CollectInitialData(state);
    EXPECT_EQ(state.Data.Qp, 99.0f);
    EXPECT_EQ(state.SimMovementCount, 3);

    ui.windowLoaded = true;
    ui.boxes.Qp = 45.5f;
    CollectInitialData(state);
    EXPECT_EQ(state.Data.Qp, 45.5f);
}

TEST_F(CircuitStateTest, ResetAfterRunGivesTheStartState) {
    LoadExampleCircuit(state);
    state.Movements[kMaxMovements].Kind = 7;
    ASSERT_EQ(RunSimulation(state), RunOutcome::Completed);
    state.Movements[1000].Kind = 4;
    state.ChartMinPressure = 60;
    ResetCircuit(state);
    EXPECT_EQ(state.Movements[1].Kind, 0);
    EXPECT_EQ(state.Movements[1000].Kind, 0);
    EXPECT_EQ(state.ChartMinPressure, std::nullopt);
    EXPECT_EQ(state.LastPoint, 0);
    EXPECT_EQ(state.PointCapacity, 1);
    EXPECT_EQ(state.TimeStep, 0.01f);
    EXPECT_EQ(state.PrechargeAtTemp, 0.0);
    for (const auto* s :
         {&state.QtSeries, &state.QsSeries, &state.PSeries, &state.VSeries, &state.DVSeries}) {
        EXPECT_EQ(*s, std::vector<double>({0.0, 0.0}));
    }
    EXPECT_EQ(state.Data.V0, 0.0f);
    for (int k = 1; k <= kMaxMovements; ++k) {
        ASSERT_EQ(state.Movements[k].Kind + state.Movements[k].Qm, 0.0) << k;
    }
    EXPECT_EQ(state.MovementCount + state.SimMovementCount + state.CurrentMovement, 0);
    EXPECT_EQ(ui.listChanges, 2);
}

}  // namespace
}  // namespace volvenza
