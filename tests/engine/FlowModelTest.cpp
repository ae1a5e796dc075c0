#include "engine/FlowModel.h"

#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <span>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/CycleRun.h"
#include "engine/CycleTiming.h"

namespace volvenza {
namespace {

struct FlowCase {
    int16_t kind;
    float ti, tf, bore, rod, stroke, displacement, speed, unitDisp, angle;
    double typedQm;
    double stored;    // Qm after the call (0 means "check only the result")
    double returned;  // rounded result
};

TEST(FlowModel, WorkedValuesAndFallBacks) {
    const FlowCase cases[] = {
        // Three of the example's movements: stored unrounded, returned to 3 decimals.
        {2, 0.2f, 0.8f, 40, 15, 300, 0, 0, 0, 0, 0, 32.3977495, 32.398},
        {4, 0, 2.5f, 0, 0, 0, 100, 120, 0, 0, 0, 12, 12},
        {2, 1.0f, 1.3f, 50, 20, 150, 0, 0, 0, 0, 0, 49.4802079, 49.48},
        // No bore: the typed flow survives; a plunger without stroke does not.
        {1, 0, 1, 0, 0, 150, 0, 0, 0, 0, 25, 25, 25},
        {7, 0, 1, 0, 20, 0, 0, 0, 0, 0, 25, 0, 0},
        // Plunger d 20, L 100 in 2 s: 0,2^2 x 3.1416 / 4 x 1 / 2 x 60.
        {7, 0, 2, 0, 20, 100, 0, 0, 0, 0, 0, 0.94248, 0.942},
        // Vane actuator: (90 x 2 / 1 x 60) / 1000.
        {5, 0, 1, 0, 0, 0, 0, 0, 2, 90, 0, 10.8, 10.8},
        // The four-digit pi: 3.1416 x 2.5, not 7.853982.
        {1, 0, 60, 100, 0, 1000, 0, 0, 0, 0, 0, 7.854, 7.854},
    };
    for (const FlowCase& c : cases) {
        CircuitState state;
        Movement& m = state.Movements[3];
        m = Movement{c.ti, c.tf,           0,       0,          c.bore,  c.stroke,  c.rod, 0, 0,
                     0,    c.displacement, c.speed, c.unitDisp, c.angle, c.typedQm, c.kind};
        const double result = ComputeMovementFlow(state, 3);
        EXPECT_EQ(result, c.returned) << "kind " << c.kind;
        EXPECT_NEAR(m.Qm, c.stored, 5e-8) << "kind " << c.kind;
    }

    // Equal times give a huge flow, empty slots nothing.
    CircuitState state;
    state.Movements[1] = Movement{1, 1, 0, 0, 50, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_NEAR(ComputeMovementFlow(state, 1), 1.76715e22, 1e17);

    state.Movements[2].Qm = 5;
    EXPECT_EQ(ComputeMovementFlow(state, 2), 0.0);
    EXPECT_EQ(state.Movements[2].Qm, 5.0);
    state.Movements[2].Kind = 9;
    EXPECT_EQ(ComputeMovementFlow(state, 2), 0.0);
}

// The cycle's timing: the total flow as steps, its peak, and where it
// passes the pump; movements of no duration or no number are left out.
TEST(CycleTiming, StepsPeakAndStretchesAboveThePump) {
    auto state = std::make_unique<CircuitState>();
    state->Movements[1] = Movement{.Ti = 0, .Tf = 1, .Qm = 40, .Kind = 1};
    state->Movements[2] = Movement{.Ti = 0.5f, .Tf = 2, .Qm = 30, .Kind = 1};
    state->Movements[3] = Movement{.Ti = 1.5f, .Tf = 1.5f, .Qm = 99, .Kind = 1};
    state->Movements[4] = Movement{.Ti = 0.2f, .Tf = 0.4f, .Qm = std::nan(""), .Kind = 1};
    const CycleTiming t = ComputeCycleTiming(*state, 4, 3, 35);
    std::vector<std::pair<double, double>> steps;
    for (const TimingStep& s : t.steps) steps.emplace_back(s.time, s.flow);
    EXPECT_EQ(steps, (std::vector<std::pair<double, double>>{{0, 40}, {0.5, 70}, {1, 30}, {2, 0}}));
    EXPECT_EQ(t.peak, 70);
    ASSERT_EQ(t.shortfalls.size(), 1u);
    EXPECT_EQ(std::pair(t.shortfalls[0].from, t.shortfalls[0].to), std::pair(0.0, 1.0));
    EXPECT_EQ(t.end, 3);
    ASSERT_EQ(t.bars.size(), 4u);
    EXPECT_TRUE(t.bars[1].flowShown && !t.bars[2].flowShown && !t.bars[3].flowShown);
    // A step counts from its own instant on.
    EXPECT_EQ(TimingFlowAt(t, -1), 0);
    EXPECT_EQ(TimingFlowAt(t, 0.5), 70);
    // Only a flow above the pump's is a shortfall; one to the end runs to it.
    EXPECT_TRUE(ComputeCycleTiming(*state, 4, 3, 70).shortfalls.empty());
    const CycleTiming all = ComputeCycleTiming(*state, 4, 3, -1);
    ASSERT_EQ(all.shortfalls.size(), 1u);
    EXPECT_EQ(all.shortfalls[0].to, 3);
    // Nothing listed and no cycle time: a second's axis all the same.
    const CycleTiming empty = ComputeCycleTiming(*state, 0, 0, 35);
    EXPECT_TRUE(empty.bars.empty());
    EXPECT_EQ(empty.end - empty.start, 1);
}

// The flows summed as the original program sums them: at every step, every
// movement in list order. The order fixes how the sums round, so the flows
// must match it bit for bit, with flows that cancel, flows of very different
// sizes, times on the steps themselves, ends before starts and NaNs; with
// flows whose sums round (summed in order), flows whose sums never round
// (summed as they start and end) and flows at the edge between the two.
TEST(CycleFlows, MatchTheOriginalSumBitForBit) {
    std::mt19937 random(34);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto time = [&](int steps) {
        if (pick(40) == 0) return std::numeric_limits<float>::quiet_NaN();
        if (pick(2)) return static_cast<float>(pick(steps + 20) - 10) * 0.01f;  // on a step
        return std::uniform_real_distribution<float>(-0.1f, steps * 0.011f)(random);
    };
    const double sizes[][6] = {{0.1, 1e-7, 3e9, 17.3, 1.0 / 3, 0},
                               {20, 31.5, 0.25, 3e9, 0x1p-30, 0},
                               {0x1p52, 0x1p53, 1, 3, 0x1.8p51, 0.5}};
    auto state = std::make_unique<CircuitState>();
    for (int cycle = 0; cycle < 400; ++cycle) {
        const int steps = pick(300);
        state->Data.CycleTime = static_cast<float>(steps) * 0.01f + 0.001f;
        state->SimMovementCount = static_cast<int16_t>(pick(cycle < 10 ? 400 : 40));
        for (int i = 1; i <= state->SimMovementCount; ++i) {
            Movement& m = state->Movements[i];
            m.Ti = time(steps);
            m.Tf = pick(3) ? time(steps) : m.Ti + 0.1f;
            m.Qm = i > 1 && pick(4) == 0 ? -state->Movements[i - 1].Qm  // cancelling
                                         : (pick(2) ? 1 : -1) * sizes[cycle % 3][pick(6)];
        }
        const CycleFlows flows = ComputeCycleFlows(*state);
        ASSERT_EQ(flows.Qt.size(), static_cast<size_t>(flows.Steps) + 1);
        int lastDemand = -1;
        for (int j = 0; j <= flows.Steps; ++j) {
            const float tj = static_cast<float>(j) * state->TimeStep;
            double sum = 0;
            for (const Movement& m : std::span(&state->Movements[1], state->SimMovementCount)) {
                if (m.Ti <= tj) sum += m.Qm;
                if (m.Tf <= tj) sum -= m.Qm;
            }
            ASSERT_EQ(std::bit_cast<uint64_t>(flows.Qt[j]), std::bit_cast<uint64_t>(sum)) << cycle;
            if (sum != 0) lastDemand = j;
        }
        EXPECT_EQ(flows.LastDemand, lastDemand);
    }
}

}  // namespace
}  // namespace volvenza
