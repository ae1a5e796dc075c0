#include "views/ChartGeometry.h"

#include <gtest/gtest.h>

#include "engine/CircuitState.h"

namespace volvenza {
namespace {

// A run of lastPoint + 1 samples rising linearly to `peak` at the end.
void MakeRun(CircuitState& state, int16_t lastPoint, double peak, float cycleTime) {
    InitCircuitState(state);
    ReallocateResults(state, lastPoint + 1);
    state.LastPoint = lastPoint;
    state.Data.CycleTime = cycleTime;
    for (int i = 0; i <= lastPoint; ++i) state.PSeries[i] = lastPoint ? peak * i / lastPoint : 0;
}

std::vector<std::string> Labels(const std::vector<ChartTick>& ticks) {
    std::vector<std::string> out;
    for (const auto& t : ticks) out.push_back(t.label);
    return out;
}

TEST(ChartGeometryTest, FullViewScalesIgnoreTheFirstTwoSamples) {
    CircuitState state;
    MakeRun(state, 470, 200, 4.7f);
    state.PSeries[0] = 260;  // starting pressure above everything else
    state.PSeries[1] = 250;
    ApplyFullViewScales(state);
    EXPECT_EQ(state.PeakPressure, 200);
    EXPECT_FLOAT_EQ(state.ChartScaleX, 80 / 4.7f);
    EXPECT_EQ(state.ChartScaleY, 0.4f);

    // The first point lies above the top of the pressure axis.
    std::vector<QPointF> line;
    BuildPolyline(state, {}, line);
    ASSERT_EQ(line.size(), 471u);
    EXPECT_EQ(line.front().x(), 0);
    EXPECT_NEAR(line.front().y(), 104, 1e-4);
    EXPECT_NEAR(line.back().x(), 80, 1e-3);
    EXPECT_NEAR(line.back().y(), 80, 1e-4);
}

TEST(ChartGeometryTest, DegenerateRunsKeepFiniteScales) {
    CircuitState state;
    MakeRun(state, 0, 0, 0);
    ApplyFullViewScales(state);
    EXPECT_EQ(state.PeakPressure, 10);
    EXPECT_EQ(state.ChartScaleY, 8);
    EXPECT_FLOAT_EQ(state.ChartScaleX, 8000);  // one step spans the axis
    std::vector<QPointF> line;
    BuildPolyline(state, {}, line);
    EXPECT_EQ(line.size(), 1u);

    MakeRun(state, 300, 0, 3);
    ApplyFullViewScales(state);
    EXPECT_EQ(Labels(ComputeTicks(state, {}).pressure),
              (std::vector<std::string>{" 0", " 2,5", " 5", " 7,5", " 10"}));
}

TEST(ChartGeometryTest, FullViewTicksLeaveOutTheLabelNearTheAxisName) {
    CircuitState state;
    MakeRun(state, 470, 200, 4.7f);
    ApplyFullViewScales(state);
    const ChartTicks ticks = ComputeTicks(state, {});
    EXPECT_EQ(Labels(ticks.time), (std::vector<std::string>{" 0", " 1,2", " 2,4", " 3,6"}));
    EXPECT_EQ(Labels(ticks.pressure),
              (std::vector<std::string>{" 0", " 50", " 100", " 150", " 200"}));
    EXPECT_NEAR(ticks.time[1].markFrom.x(), 1.2 * 80 / 4.7, 1e-4);
    EXPECT_NEAR(ticks.time[1].labelAt.x(), 1.2 * 80 / 4.7 - 2.5, 1e-4);
    EXPECT_EQ(ticks.time[1].labelAt.y(), -2);
    EXPECT_NEAR(ticks.pressure[4].labelAt.y(), 82, 1e-4);
    EXPECT_EQ(ticks.pressure[4].markFrom, QPointF(-1.5, 80));
    EXPECT_EQ(FormatTickLabel(0.5f), " ,5");
    EXPECT_EQ(FormatTickLabel(-1.5f), "-1,5");
}

TEST(ChartGeometryTest, ZoomNormalisesAndRefusesRectanglesNotInsideTheBox) {
    ChartRect rect{60, 70, 20, 10};  // dragged from lower right to upper left
    NormaliseRect(rect);
    EXPECT_EQ(rect.x1, 20);
    EXPECT_EQ(rect.y1, 10);
    EXPECT_EQ(rect.x2, 60);
    EXPECT_EQ(rect.y2, 70);

    const float sx = 80 / 4.7f;
    const auto zoom = ComputeZoom(rect, sx, 0.4f, 0.01f);
    ASSERT_TRUE(zoom);
    EXPECT_FLOAT_EQ(zoom->view.t1, 20 / sx);
    EXPECT_FLOAT_EQ(zoom->view.p2, 175);
    EXPECT_FLOAT_EQ(zoom->scaleY, 80 / 150.0f);
    // 0.99875 s .. 2.99625 s: samples 100 to 300 fill the axis.
    const auto whole = ComputeZoom({17, 10, 51, 70}, sx, 0.4f, 0.01f);
    ASSERT_TRUE(whole);
    EXPECT_FLOAT_EQ(whole->scaleX, 40);

    EXPECT_FALSE(ComputeZoom({0, 10, 60, 70}, sx, 0.4f, 0.01f));   // on the pressure axis
    EXPECT_FALSE(ComputeZoom({20, 10, 80, 70}, sx, 0.4f, 0.01f));  // on the right edge
    EXPECT_FALSE(ComputeZoom({20, 0, 60, 70}, sx, 0.4f, 0.01f));
    EXPECT_FALSE(ComputeZoom({20, 10, 20.1f, 70}, sx, 0.4f, 0.01f));  // one sample wide
    EXPECT_FALSE(ComputeZoom({20, 30, 60, 30}, sx, 0.4f, 0.01f));     // no height
}

TEST(ChartGeometryTest, ZoomedViewStartsAtItsFirstSample) {
    CircuitState state;
    MakeRun(state, 470, 200, 4.7f);
    ApplyFullViewScales(state);
    const auto zoom = ComputeZoom({17, 10, 51, 70}, state.ChartScaleX, state.ChartScaleY, 0.01f);
    ASSERT_TRUE(zoom);
    state.ChartScaleX = zoom->scaleX;
    state.ChartScaleY = zoom->scaleY;
    std::vector<QPointF> line;
    BuildPolyline(state, zoom->view, line);
    ASSERT_EQ(line.size(), 201u);
    EXPECT_NEAR(line.front().y(), (state.PSeries[100] - 25) * state.ChartScaleY, 1e-9);
    EXPECT_NEAR(line.back().x(), 80, 1e-3);

    // Labels count from the window's start; the pressure ones from its floor.
    const ChartTicks ticks = ComputeTicks(state, zoom->view);
    EXPECT_EQ(Labels(ticks.pressure),
              (std::vector<std::string>{" 25", " 62,5", " 100", " 137,5", " 175"}));
    EXPECT_EQ(Labels(ticks.time), (std::vector<std::string>{" 1", " 1,5", " 2", " 2,5"}));
    EXPECT_EQ(ticks.time.front().markFrom.x(), 0);
    EXPECT_NEAR(PrechargeLineY(state, zoom->view.p1), -25 * state.ChartScaleY, 1e-5);
}

TEST(ChartGeometryTest, MousePositionGivesTheNearestSampleInsideTheSeries) {
    const float sx = 80 / (470 * 0.01f);
    const float f = FractionalSample(16, 0.01f, sx, 0);
    EXPECT_EQ(NearestSample(f, 470), 94);
    EXPECT_EQ(TimeText(f * 0.01f), "0,9");
    EXPECT_EQ(NearestSample(FractionalSample(0, 0.01f, sx, 0), 470), 0);
    EXPECT_EQ(NearestSample(FractionalSample(89, 0.01f, sx, 0), 470), 470);
    EXPECT_EQ(NearestSample(-3, 470), 0);
    EXPECT_EQ(NearestSample(2.5f, 470), 2);
    EXPECT_EQ(NearestSample(3.5f, 470), 4);
    // In a zoomed window the index counts from the window's start time.
    EXPECT_FLOAT_EQ(FractionalSample(0, 0.01f, 20, 1.5f), 150);

    EXPECT_EQ(PressureText(150.1255), "150,126");
    EXPECT_EQ(PressureText(150.1245), "150,124");
    EXPECT_EQ(DifferenceText("0", "0"), "0");
}

}  // namespace
}  // namespace volvenza
