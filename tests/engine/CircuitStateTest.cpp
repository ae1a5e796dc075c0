#include "engine/CircuitState.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/FlowModel.h"
#include "engine/Simulation.h"
#include "tests/support/RecordedRun.h"

namespace volvenza {
namespace {

class CircuitStateTest : public ::testing::Test, protected test::RecordedState {};

// Slots past the example's list keep what they held.
TEST_F(CircuitStateTest, ExampleFillsItsSlotsAndLeavesLaterOnesAlone) {
    for (int k = 1; k <= 8; ++k) state.Movements[k].Kind = 7;
    state.MovementCount = 8;
    LoadExampleCircuit(state);
    EXPECT_EQ(state.SimMovementCount, 5);
    EXPECT_EQ(state.MovementCount, 5);
    EXPECT_EQ(state.Movements[6].Kind, 7);
    // Its flows are those its sizes give, to the decimals written.
    for (int k = 1; k <= 5; ++k)
        EXPECT_NEAR(*FlowOfSizes(state.Movements[k]), state.Movements[k].Qm, 1e-5) << k;
}

// Removing shifts the later movements of the list down and clears the last
// slot of the list, never one outside it.
TEST_F(CircuitStateTest, RemovingShiftsTheListDownWithinItsLength) {
    LoadExampleCircuit(state);
    state.MovementCount = 4;  // slot 5 is a leftover of a longer list
#ifdef NDEBUG
    for (int16_t k : {-1, 0, 5, 1001}) EXPECT_FALSE(RemoveMovement(state, k)) << k;
    EXPECT_EQ(state.Movements[4].Qm, 12.0);
#else
    EXPECT_DEATH(RemoveMovement(state, 5), "outside");
#endif
    const Movement third = state.Movements[3], fourth = state.Movements[4];
    EXPECT_TRUE(RemoveMovement(state, 2));
    EXPECT_EQ(std::vector(&state.Movements[2], &state.Movements[5]),
              (std::vector{third, fourth, Movement{}}));
    EXPECT_EQ(state.Movements[5].Qm, 49.48021);
    EXPECT_TRUE(RemoveMovement(state, 4));  // the last one: only cleared
    EXPECT_EQ(state.Movements[3], fourth);

    // A full table: the last slot moves down and is cleared.
    for (int k = 1; k <= kMaxMovements; ++k) state.Movements[k].Qm = k;
    state.MovementCount = kMaxMovements;
    EXPECT_TRUE(RemoveMovement(state, 999));
    EXPECT_EQ(state.Movements[999].Qm, 1000.0);
    EXPECT_EQ(state.Movements[1000], Movement{});
    EXPECT_TRUE(RemoveMovement(state, 1));  // the first one too
    EXPECT_EQ(state.Movements[1].Qm, 2.0);
}

// Whatever a run and the chart left, a reset gives what a new state holds.
TEST_F(CircuitStateTest, ResetAfterRunGivesTheStartState) {
    LoadExampleCircuit(state);
    ASSERT_EQ(RecordedRun(), RunOutcome::Completed);
    state.Movements[kMaxMovements].Kind = 4;
    state.ChartMinPressure = 60;
    ResetCircuit(state);
    const CircuitState fresh;
    const auto run = [](const CircuitState& s) {
        return std::tuple{s.Movements,       s.Data,          s.ChartMinPressure,
                          s.LastPoint,       s.PointCapacity, s.TimeStep,
                          s.PrechargeAtTemp, s.MovementCount, s.SimMovementCount,
                          s.CurrentMovement, s.QtSeries,      s.QsSeries,
                          s.PSeries,         s.VSeries,       s.DVSeries};
    };
    EXPECT_EQ(run(state), run(fresh));
}

}  // namespace
}  // namespace volvenza
