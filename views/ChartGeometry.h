#pragma once
// The pressure chart's arithmetic, kept apart from the window so it can be
// checked without pixels: the scales of the full and of a zoomed view, the
// polyline, the ticks with their labels, the precharge line, the sample under
// the mouse and the texts of the readout boxes. Positions are drawing units:
// x from -10 to 90, y from -10 to 90 upwards, the plot box 0..80 both ways.
// Single precision is kept wherever the chart's own variables are singles.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QPointF>

#include "engine/CircuitState.h"

namespace volvenza {

inline constexpr float kPlotSize = 80;        // side of the plot box
inline constexpr float kTimeLabelLimit = 75;  // time labels starting here would hit "t"
// The drawing area spans -kChartOffset..kChartExtent - kChartOffset both ways.
inline constexpr float kChartOffset = 10;
inline constexpr float kChartExtent = 100;

// What the chart shows and how: the time and pressure window (all zero in
// the full view) and the drawing units per second and per bar. It belongs
// to whoever draws the chart, never to the run.
struct ChartView {
    float t1 = 0;
    float t2 = 0;
    float p1 = 0;
    float p2 = 0;
    float scaleX = 1;
    float scaleY = 1;
    double peakPressure = 0;  // the full view's highest pressure
    bool IsFull() const { return t1 == 0 && t2 == 0; }
};

// Zoom rectangle corners as clicked, in drawing units of the full view.
struct ChartRect {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

// Largest element over first..last inclusive; series(first) when first > last.
double FindMaximum(const std::vector<double>& series, int first, int last);

// The full view of the run: its highest pressure (10 for an all-zero run)
// and scales. A run of one sample spans one step, so the scale stays finite.
ChartView FullView(const CircuitState& state);

// Swaps the corners so that x1 <= x2 and y1 <= y2.
void NormaliseRect(ChartRect& rect);

// The zoomed view of a normalised rectangle, converted with the full view's
// scales. Nothing when the rectangle is not strictly inside the plot box,
// when its corners fall on the same sample, or when it has no height.
std::optional<ChartView> ComputeZoom(const ChartRect& rect, const ChartView& full, float timeStep);

// The polyline of the view: the abscissa is the running single-precision sum
// of TimeStep from the first sample shown, the ordinate the pressure above
// the view's lowest pressure times its scale.
void BuildPolyline(const CircuitState& state, const ChartView& view, std::vector<QPointF>& out);

// The same for any series of the run: points up to `last` and the view's
// end, the ordinate (value - offset) * scaleY.
void BuildSeriesPolyline(const CircuitState& state, const ChartView& view,
                         const std::vector<double>& values, int last, double offset, double scaleY,
                         std::vector<QPointF>& out);

struct ChartTick {
    QPointF labelAt;  // top-left corner of the label
    std::string label;
    QPointF markFrom;
    QPointF markTo;
};

struct ChartTicks {
    std::vector<ChartTick> time;      // those right of the limit are left out
    std::vector<ChartTick> pressure;  // always five
};

// Five time and five pressure values from the view's start, each the
// previous one plus a quarter of the span, rounded again to one decimal.
ChartTicks ComputeTicks(const CircuitState& state, const ChartView& view);

// A single printed as a number: a blank or "-" in the sign position, the
// decimal comma, no zero before it below 1.
std::string FormatTickLabel(float value);

// Height of the precharge line in the view.
double PrechargeLineY(const CircuitState& state, const ChartView& view);

// Fractional sample index under a drawing-unit abscissa.
float FractionalSample(float x, float timeStep, float scaleX, float viewT1);

// LastPoint, or the last stored sample should the series be shorter.
int16_t LastShownSample(const CircuitState& state);

// Nearest sample to f, halves to even, kept within 0..lastPoint.
int16_t NearestSample(float f, int16_t lastPoint);

// Height of the curve at sample k in the view.
double CurveHeight(const CircuitState& state, int16_t k, const ChartView& view);

// Readout texts: a time to one decimal, a pressure to three.
std::string TimeText(double seconds);
std::string PressureText(double bar);

// Difference of two readout texts as numbers, written as a box number.
std::string DifferenceText(const std::string& second, const std::string& first);

}  // namespace volvenza
