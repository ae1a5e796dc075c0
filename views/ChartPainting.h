#pragma once
// The chart's picture apart from its window: the window paints it on its
// drawing area, the printed report and volvenza-sim on a picture of the size
// the page asks for, so what prints is what the window shows.

#include <QFont>
#include <QImage>
#include <QSize>

#include "engine/CircuitState.h"
#include "views/ChartGeometry.h"

namespace volvenza {

class DrawingSurface;

// What the chart shows besides the pressure curve: the user's choice, kept
// while the chart window is closed.
struct ChartOptions {
    bool prechargeLine = false;
    bool temperature = false;  // T(t) on its own scale, when the run has it
    // Each loaded movement's required pressure over its time in every cycle.
    bool requiredPressures = false;
};

// The drawing area of the chart window at its opening size, in twips: the
// proportions the chart prints with when no window gives its own.
inline constexpr double kChartAreaWidth = 6010;
inline constexpr double kChartAreaHeight = 3970;

// Everything needed to draw a window's chart again at another size.
struct ChartShown {
    ChartShown() = default;
    explicit ChartShown(const ChartView& shown, bool isZoomed = false, ChartOptions asked = {},
                        double heightOverWidth = kChartAreaHeight / kChartAreaWidth)
        : view(shown), zoomed(isZoomed), options(asked), aspect(heightOverWidth) {}

    ChartView view;
    bool zoomed = false;
    ChartOptions options;
    double aspect = kChartAreaHeight / kChartAreaWidth;  // height over width
};

// T(t) is drawn when asked for and the run followed the gas temperature.
bool TemperatureShown(const CircuitState& state, const ChartOptions& options);

// The required pressures are drawn when asked for and a movement of the run
// has a load or a typed pressure.
bool RequiredPressuresShown(const CircuitState& state, const ChartOptions& options);

// A face from `base` whose pressure labels fit before their ticks and whose
// height fits between "P(t)" and the highest label, on the surface's size.
// Nothing changes on a surface without pixels.
void FitChartFont(DrawingSurface& surface, const QFont& base);

// Sets the surface's drawing units and puts on its overlay the axes and
// their names, the curve of the view with its ticks, the precharge line when
// asked, the p1 of an applied sizing, the movements' required pressures when
// asked, the envelope's curves and T(t) with the legend. The caller commits.
void PaintChart(DrawingSurface& surface, const CircuitState& state, const ChartView& view,
                const ChartOptions& options);

// The chart as a picture of `size` pixels at `dotsPerInch`, its lines
// `penWidth` pixels wide, its labels fitted as the window fits them.
QImage ChartPicture(const CircuitState& state, const ChartShown& chart, QSize size,
                    double dotsPerInch, int penWidth);

}  // namespace volvenza
