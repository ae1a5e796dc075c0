#include "views/ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "numbers/NumberText.h"
#include "numbers/Rounding.h"
#include "platform/Language.h"

namespace volvenza {

namespace {

float RoundSingle(float value, int decimals) {
    return static_cast<float>(RoundHalfEven(value, decimals));
}

}  // namespace

int16_t LastShownSample(const CircuitState& state) {
    const int stored = static_cast<int>(state.PSeries.size()) - 1;
    return static_cast<int16_t>(std::max(0, std::min<int>(state.LastPoint, stored)));
}

double FindMaximum(const std::vector<double>& series, int first, int last) {
    if (first < 0 || first >= static_cast<int>(series.size())) return 0;
    last = std::min(last, static_cast<int>(series.size()) - 1);
    // Values that are not finite have no place on the scale.
    double best = std::isfinite(series[first]) ? series[first] : 0;
    for (int i = first; i <= last; ++i) {
        if (std::isfinite(series[i]) && series[i] > best) best = series[i];
    }
    return best;
}

ChartView FullView(const CircuitState& state) {
    ChartView view;
    // Samples 0 and 1 hold the starting pressure, which may lie above the box.
    view.peakPressure = FindMaximum(state.PSeries, 2, state.LastPoint);
    if (view.peakPressure == 0) view.peakPressure = 10.0;
    const float width = kChartExtent - kChartOffset - 10;
    const float height = kChartExtent - kChartOffset - 10;
    const float span =
        state.LastPoint > 0 ? static_cast<float>(state.LastPoint) * state.TimeStep : state.TimeStep;
    view.scaleX = width / span;
    view.scaleY = static_cast<float>(height / view.peakPressure);
    return view;
}

void NormaliseRect(ChartRect& rect) {
    if (rect.x1 > rect.x2) std::swap(rect.x1, rect.x2);
    if (rect.y1 > rect.y2) std::swap(rect.y1, rect.y2);
}

std::optional<ChartView> ComputeZoom(const ChartRect& rect, const ChartView& full, float timeStep) {
    const bool inside = rect.x1 > 0 && rect.x2 < kPlotSize && rect.y1 > 0 && rect.y2 < kPlotSize;
    if (!inside) return std::nullopt;
    ChartView zoom;
    zoom.t1 = rect.x1 / full.scaleX;
    zoom.t2 = rect.x2 / full.scaleX;
    zoom.p1 = rect.y1 / full.scaleY;
    zoom.p2 = rect.y2 / full.scaleY;
    // The window spans whole samples, so the first and last shown sit on the
    // ends of the time axis.
    const double first = RoundHalfEven(zoom.t1 / timeStep, 0);
    const double last = RoundHalfEven(zoom.t2 / timeStep, 0);
    if (first == last || zoom.p1 == zoom.p2) return std::nullopt;
    zoom.scaleX = kPlotSize / (timeStep * static_cast<float>(last - first));
    zoom.scaleY = kPlotSize / (zoom.p2 - zoom.p1);
    zoom.peakPressure = full.peakPressure;
    return zoom;
}

void BuildPolyline(const CircuitState& state, const ChartView& view, std::vector<QPointF>& out) {
    BuildSeriesPolyline(state, view, state.PSeries, LastShownSample(state), view.p1, view.scaleY,
                        out);
}

void BuildSeriesPolyline(const CircuitState& state, const ChartView& view,
                         const std::vector<double>& values, int last, double offset, double scaleY,
                         std::vector<QPointF>& out) {
    out.clear();
    // The samples of the view, as the pressures of the run fix them.
    const int lastUsable = LastShownSample(state);
    int first = 0;
    int viewLast = lastUsable;
    if (!view.IsFull()) {
        first = static_cast<int>(RoundHalfEven(view.t1 / state.TimeStep, 0));
        viewLast = static_cast<int>(RoundHalfEven(view.t2 / state.TimeStep, 0));
        viewLast = std::clamp(viewLast, 0, lastUsable);
        first = std::clamp(first, 0, viewLast);
    }
    last = std::min({last, viewLast, static_cast<int>(values.size()) - 1});
    if (last < first) return;
    out.reserve(static_cast<size_t>(last - first + 1));
    // A value that is not finite cannot be drawn: its point is left out and
    // the line joins its neighbours.
    float a = 0;
    for (int i = first; i <= last; ++i) {
        if (i > first) a = a + state.TimeStep;
        if (std::isfinite(values[i])) {
            out.emplace_back(a * view.scaleX, (values[i] - offset) * scaleY);
        }
    }
}

std::string FormatTickLabel(float value) {
    const std::string digits = FormatGeneral(value, 7, UiDecimalSeparator(), false);
    return digits[0] == '-' ? digits : ' ' + digits;
}

ChartTicks ComputeTicks(const CircuitState& state, const ChartView& view) {
    float stepT;
    float stepP;
    if (view.IsFull()) {
        const float cycle = state.Data.CycleTime;
        stepT = (cycle - cycle * state.TimeStep) / 4;
        stepP = static_cast<float>(view.peakPressure / 4);
    } else {
        stepT = (view.t2 - view.t1) / 4;
        stepP = (view.p2 - view.p1) / 4;
    }
    ChartTicks ticks;
    float u = view.t1;
    float q = view.p1;
    const float t0 = RoundSingle(view.t1, 1);
    for (int k = 1; k <= 5; ++k) {
        u = RoundSingle(u, 1);
        const float x = (u - t0) * view.scaleX;
        if (x - 2.5f < kTimeLabelLimit) {
            ticks.time.push_back(
                {QPointF(x - 2.5f, -2), FormatTickLabel(u), QPointF(x, -2), QPointF(x, 0)});
        }
        u = u + stepT;

        q = RoundSingle(q, 1);
        const float y = (q - view.p1) * view.scaleY;
        ticks.pressure.push_back(
            {QPointF(-8, y + 2.0f), FormatTickLabel(q), QPointF(-1.5, y), QPointF(0, y)});
        q = q + stepP;
    }
    return ticks;
}

double PrechargeLineY(const CircuitState& state, const ChartView& view) {
    return (state.PrechargeAtTemp - view.p1) * view.scaleY;
}

float FractionalSample(float x, float timeStep, float scaleX, float viewT1) {
    return (x / timeStep) / scaleX + viewT1 / timeStep;
}

int16_t NearestSample(float f, int16_t lastPoint) {
    const double k = RoundHalfEven(f, 0);
    if (!(k > 0)) return 0;
    if (k > lastPoint) return std::max<int16_t>(lastPoint, 0);
    return static_cast<int16_t>(k);
}

double CurveHeight(const CircuitState& state, int16_t k, const ChartView& view) {
    const int i = std::clamp<int>(k, 0, LastShownSample(state));
    return (state.PSeries[i] - view.p1) * view.scaleY;
}

std::string TimeText(double seconds) {
    return FormatNumber(RoundHalfEven(seconds, 1), UiDecimalSeparator());
}

std::string PressureText(double bar) {
    return FormatNumber(RoundHalfEven(bar, 3), UiDecimalSeparator());
}

std::string DifferenceText(const std::string& second, const std::string& first) {
    return FormatNumber(
        ParseNumber<double>(second).value_or(0) - ParseNumber<double>(first).value_or(0),
        UiDecimalSeparator());
}

}  // namespace volvenza
