#pragma once
// What the chart adds for a run with another gas law or with the temperature
// envelope: P(t) at the lowest and highest working temperature in colours of
// their own, the gas temperature T(t) on a scale of its own at the right, and
// a small legend. A classic run without the envelope has none of it, so its
// chart is drawn exactly as it always was.

#include <optional>
#include <vector>

#include <QColor>
#include <QPointF>

#include "engine/CircuitState.h"
#include "views/ChartGeometry.h"

namespace volvenza {

class DrawingSurface;

inline const QColor kColdCurve(0, 0, 255);
inline const QColor kHotCurve(230, 120, 0);
inline const QColor kTemperatureCurve(160, 0, 160);

// Whether the run has the envelope's curves, and a gas temperature to show.
bool HasEnvelope(const CircuitState& state);
bool HasGasTemperature(const CircuitState& state);

// The right-hand scale: five labels low, low + step, ... at heights 0, 20, 40,
// 60, 80, covering the temperatures of the view with round steps.
struct TemperatureScale {
    double low = 0;
    double step = 1;
};
std::optional<TemperatureScale> ComputeTemperatureScale(const CircuitState& state,
                                                        const ChartView& view);
std::vector<ChartTick> TemperatureTicks(const TemperatureScale& scale);

// Where the axis name "t" goes: under the time axis's end when the
// temperature scale takes the place beside it.
QPointF TimeAxisNamePlace(bool temperatureShown);

// Draws the envelope's curves, the temperature with its scale when asked,
// and the legend, each in its colour; the drawing colour is left as it was.
void DrawGasCurves(DrawingSurface& surface, const CircuitState& state, const ChartView& view,
                   bool temperature);

}  // namespace volvenza
