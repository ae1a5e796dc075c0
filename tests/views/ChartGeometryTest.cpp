#include "views/ChartGeometry.h"

#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/CircuitState.h"
#include "tests/support/TypedCircuit.h"

namespace volvenza {
namespace {

std::vector<std::string> Labels(const std::vector<ChartTick>& ticks) {
    std::vector<std::string> out;
    for (const auto& t : ticks) out.push_back(t.label);
    return out;
}

TEST(ChartGeometryTest, DegenerateRunsKeepFiniteScales) {
    CircuitState state;
    test::RisingRun(state, 0, 0, 0, 0);
    ChartView full = FullView(state);
    EXPECT_EQ(std::pair(full.peakPressure, full.scaleY), std::pair(10.0, 8.0f));
    EXPECT_FLOAT_EQ(full.scaleX, 8000);  // one step spans the axis
    std::vector<QPointF> line;
    BuildPolyline(state, full, line);
    EXPECT_EQ(line.size(), 1u);

    test::RisingRun(state, 300, 3, 0, 0);
    EXPECT_EQ(Labels(ComputeTicks(state, FullView(state)).pressure),
              (std::vector<std::string>{" 0", " 2,5", " 5", " 7,5", " 10"}));

    // Samples that are not finite neither scale the chart nor get drawn; the
    // others keep their places in time.
    test::RisingRun(state, 4, 0.04f, 0, 40);
    state.PSeries[2] = std::numeric_limits<double>::quiet_NaN();
    state.PSeries[3] = std::numeric_limits<double>::infinity();
    full = FullView(state);
    EXPECT_EQ(full.peakPressure, 40);
    BuildPolyline(state, full, line);
    ASSERT_EQ(line.size(), 3u);
    EXPECT_NEAR(line[1].x(), 20, 1e-4);
    EXPECT_NEAR(line[2].x(), 80, 1e-4);
    EXPECT_NEAR(line[2].y(), 80, 1e-4);
    state.PSeries[2] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(FindMaximum(state.PSeries, 2, 3), 0);
}

TEST(ChartGeometryTest, ZoomedViewStartsAtItsFirstSample) {
    CircuitState state;
    test::RisingRun(state, 470, 4.7f, 0, 200);
    const ChartView full = FullView(state);
    ChartRect rect{51, 70, 17, 10};  // dragged from lower right to upper left
    NormaliseRect(rect);
    EXPECT_EQ(std::tie(rect.x1, rect.y1, rect.x2, rect.y2), std::make_tuple(17, 10, 51, 70));
    const auto zoom = ComputeZoom(rect, full, 0.01f);
    ASSERT_TRUE(zoom);
    // 0.99875 s .. 2.99625 s: samples 100 to 300 fill the axis.
    EXPECT_FLOAT_EQ(zoom->scaleX, 40);
    EXPECT_FLOAT_EQ(zoom->scaleY, 80 / 150.0f);
    std::vector<QPointF> line;
    BuildPolyline(state, *zoom, line);
    ASSERT_EQ(line.size(), 201u);
    EXPECT_NEAR(line.front().y(), (state.PSeries[100] - 25) * zoom->scaleY, 1e-9);
    EXPECT_NEAR(line.back().x(), 80, 1e-3);

    // Labels count from the window's start; the pressure ones from its floor.
    const ChartTicks ticks = ComputeTicks(state, *zoom);
    EXPECT_EQ(Labels(ticks.pressure),
              (std::vector<std::string>{" 25", " 62,5", " 100", " 137,5", " 175"}));
    EXPECT_EQ(Labels(ticks.time), (std::vector<std::string>{" 1", " 1,5", " 2", " 2,5"}));
    EXPECT_EQ(ticks.time.front().markFrom.x(), 0);

    // Refused: on either axis, on the right or top edge, one sample wide, of
    // no height.
    for (const ChartRect& r :
         {ChartRect{0, 10, 60, 70}, ChartRect{20, 0, 60, 70}, ChartRect{20, 10, 80, 70},
          ChartRect{20, 10, 60, 80}, ChartRect{20, 10, 20.1f, 70}, ChartRect{20, 30, 60, 30}})
        EXPECT_FALSE(ComputeZoom(r, full, 0.01f)) << r.x1 << ' ' << r.y1 << ' ' << r.x2;
}

TEST(ChartGeometryTest, MousePositionGivesTheNearestSampleInsideTheSeries) {
    EXPECT_EQ(
        (std::vector{NearestSample(2.5f, 470), NearestSample(3.5f, 470), NearestSample(-3, 470)}),
        (std::vector<int16_t>{2, 4, 0}));
    // In a zoomed window the index counts from the window's start time.
    EXPECT_FLOAT_EQ(FractionalSample(0, 0.01f, 20, 1.5f), 150);
    EXPECT_EQ((std::vector{PressureText(150.1255), PressureText(150.1245), FormatTickLabel(0.5f),
                           FormatTickLabel(-1.5f)}),
              (std::vector<std::string>{"150,126", "150,124", " ,5", "-1,5"}));
}

}  // namespace
}  // namespace volvenza
