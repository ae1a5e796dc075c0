#include "views/ChartPainting.h"

#include <algorithm>

#include "engine/Duties.h"
#include "engine/PressureWatch.h"
#include "numbers/Rounding.h"
#include "platform/DrawingSurface.h"
#include "platform/TextFit.h"
#include "views/ChartGasCurves.h"

namespace volvenza {
namespace {

// The room of the chart's labels, in drawing units: a pressure label starts
// 8 units left of the pressure axis and its tick 1.5 units left of it;
// "P(t)" hangs from 87 units and the highest pressure label from 82.
constexpr double kPressureLabelWidth = 6.5;
constexpr double kLabelHeight = 5;

const QColor kBlack(0, 0, 0);
const QColor kWorkingPressure(192, 0, 0);
const QColor kBelowWorkingPressure(255, 205, 205);
const QColor kRequiredPressure(0, 90, 170);

// Where the run falls below p1: a band from p1 down to the stretch's lowest
// pressure, under the curve, across the stretch's time (a dip between two
// points, a narrow band at its instant).
void MarkBelowP1(DrawingSurface& s, const CircuitState& state, const ChartView& view) {
    const double shownFrom =
        view.IsFull() ? 0 : RoundHalfEven(view.t1 / state.TimeStep, 0) * state.TimeStep;
    auto x = [&](double t) {
        return std::clamp((t - shownFrom) * view.scaleX, 0.0, static_cast<double>(kPlotSize));
    };
    auto y = [&](double p) {
        return std::clamp((p - view.p1) * view.scaleY, 0.0, static_cast<double>(kPlotSize));
    };
    const double p1 = *state.ChartMinPressure;
    for (const PressureStretch& below : StretchesBelow(state, p1)) {
        const double left = x(below.from);
        const double right = std::max(x(below.to), std::min(left + 0.6, double(kPlotSize)));
        // Never thinner than a line of the chart's grid, however shallow the fall.
        const double bottom = std::max(std::min(y(below.lowest), y(p1) - 1.2), 0.0);
        if (right <= left || y(p1) <= bottom) continue;
        s.FilledRectangle({left, bottom}, {right, y(p1)}, kBelowWorkingPressure, false);
    }
}

// Each loaded movement's required pressure as a line over its time in every
// cycle of the run, its number at the line's left end.
void DrawRequiredPressures(DrawingSurface& s, const CircuitState& state, const ChartView& view) {
    const double shownFrom =
        view.IsFull() ? 0 : RoundHalfEven(view.t1 / state.TimeStep, 0) * state.TimeStep;
    const double runEnd = state.LastPoint * double(state.TimeStep);
    const double cycle = state.Data.CycleTime;
    const QColor previous = s.Color();
    s.SetColor(kRequiredPressure);
    for (int k = 1; k <= state.SimMovementCount && k <= kMaxMovements; ++k) {
        const Movement& m = state.Movements[k];
        const std::optional<double> p = LoadPressure(m);
        if (!p || !(m.Tf > m.Ti)) continue;
        const double y = (*p - view.p1) * view.scaleY;
        if (y < 0 || y > kPlotSize) continue;
        for (double start = 0; start + m.Ti <= runEnd; start += cycle) {
            const double left = std::max((start + m.Ti - shownFrom) * view.scaleX, 0.0);
            const double right =
                std::min((start + std::min<double>(m.Tf, runEnd - start) - shownFrom) * view.scaleX,
                         double(kPlotSize));
            if (right > left) {
                s.Line({left, y}, {right, y});
                if (left + 3 < kPlotSize) s.Text({left, y + kLabelHeight}, QString::number(k));
            }
            if (!(cycle > 0)) break;
        }
    }
    s.SetColor(previous);
}

}  // namespace

bool RequiredPressuresShown(const CircuitState& state, const ChartOptions& options) {
    return options.requiredPressures && HasLoads(state.Movements, state.SimMovementCount);
}

bool TemperatureShown(const CircuitState& state, const ChartOptions& options) {
    return options.temperature && HasGasTemperature(state);
}

void FitChartFont(DrawingSurface& surface, const QFont& base) {
    const QImage& image = surface.CommittedImage();
    const double unitX = surface.Size().width() / double(kChartExtent);
    const double unitY = surface.Size().height() / double(kChartExtent);
    const QSize room(int(unitX * kPressureLabelWidth) - 1, int(unitY * kLabelHeight) - 1);
    if (image.isNull() || room.width() <= 0 || room.height() <= 0) return;
    // Three digits and a decimal fit before the tick, and a label's height
    // between "P(t)" and the highest pressure label.
    surface.SetFont(FittedFont(NarrowFont(base), {QStringLiteral(" 000,0"), QStringLiteral("P(t)")},
                               room, Qt::TextSingleLine, image));
}

void PaintChart(DrawingSurface& s, const CircuitState& state, const ChartView& view,
                const ChartOptions& options) {
    const bool temperature = TemperatureShown(state, options);
    s.SetScale(-kChartOffset, kChartExtent - kChartOffset, kChartExtent - kChartOffset,
               -kChartOffset);
    s.Line({0, 0}, {kPlotSize, 0}, kBlack);
    s.Line({0, 0}, {0, kPlotSize}, kBlack);
    s.Text(TimeAxisNamePlace(temperature), QStringLiteral("t"));
    s.Text({-5, 87}, QStringLiteral("P(t)"));

    if (state.ChartMinPressure) MarkBelowP1(s, state, view);
    std::vector<QPointF> line;
    BuildPolyline(state, view, line);
    s.Polyline(std::move(line));
    const ChartTicks ticks = ComputeTicks(state, view);
    for (const auto* group : {&ticks.time, &ticks.pressure}) {
        for (const ChartTick& tick : *group) {
            s.Text(tick.labelAt, QString::fromStdString(tick.label));
            s.Line(tick.markFrom, tick.markTo);
        }
    }
    if (options.prechargeLine) {
        const double y = PrechargeLineY(state, view);
        s.Line({-kChartOffset, y}, {kChartExtent, y});
    }
    if (state.ChartMinPressure) {
        // Across the plot only, named at its right end, where a sizing's p1 lies.
        const double y = (*state.ChartMinPressure - view.p1) * view.scaleY;
        if (y >= 0 && y <= kPlotSize) {
            const QColor previous = s.Color();
            s.SetColor(kWorkingPressure);
            s.Line({0, y}, {kPlotSize, y});
            s.Text({kPlotSize - 6, y + kLabelHeight + 0.5}, QStringLiteral("p1"));
            s.SetColor(previous);
        }
    }
    if (RequiredPressuresShown(state, options)) DrawRequiredPressures(s, state, view);
    if (HasEnvelope(state) || temperature) DrawGasCurves(s, state, view, temperature);
}

QImage ChartPicture(const CircuitState& state, const ChartShown& chart, QSize size,
                    double dotsPerInch, int penWidth) {
    DrawingSurface surface;
    surface.SetDotsPerInch(dotsPerInch);
    surface.SetPenWidth(penWidth);
    surface.Resize(size);
    FitChartFont(surface, QFont());
    PaintChart(surface, state, chart.view, chart.options);
    surface.Commit();
    return surface.CommittedImage();
}

}  // namespace volvenza
