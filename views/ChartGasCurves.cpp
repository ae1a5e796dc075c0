#include "views/ChartGasCurves.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "numbers/NumberText.h"
#include "platform/DrawingSurface.h"
#include "platform/Language.h"

namespace volvenza {
namespace {

// Heights of the temperature labels and the length of their ticks.
constexpr float kTemperatureRow = kPlotSize / 4;
constexpr float kTemperatureTick = 1.5f;

// The legend sits in the lower right of the plot box, where the pressure of
// a working cycle, near the top of the box, seldom goes: a short line in the
// curve's colour and its name, one entry above the other.
constexpr float kLegendLine = 56;
constexpr float kLegendText = 62.5f;
constexpr float kLegendRow = 5.5f;

std::string DegreesText(double celsius) {
    return FormatNumber(RoundHalfEven(celsius, 1), UiDecimalSeparator()) + " °C";
}

}  // namespace

bool HasEnvelope(const CircuitState& state) {
    return state.GasRun.Runs.size() == 3;
}

bool HasGasTemperature(const CircuitState& state) {
    return !state.GasRun.TSeries.empty();
}

std::optional<TemperatureScale> ComputeTemperatureScale(const CircuitState& state,
                                                        const ChartView& view) {
    if (!HasGasTemperature(state)) return std::nullopt;
    const std::vector<double>& t = state.GasRun.TSeries;
    int first = 0;
    int last = std::min<int>(LastShownSample(state), static_cast<int>(t.size()) - 1);
    if (!view.IsFull()) {
        first = std::clamp(static_cast<int>(std::lround(view.t1 / state.TimeStep)), 0, last);
        last = std::clamp(static_cast<int>(std::lround(view.t2 / state.TimeStep)), first, last);
    }
    double low = INFINITY, high = -INFINITY;
    for (int i = first; i <= last; ++i) {
        if (!std::isfinite(t[i])) continue;
        low = std::min(low, t[i]);
        high = std::max(high, t[i]);
    }
    if (!(low <= high)) return std::nullopt;
    // Round steps of 1, 2, 2.5 or 5 times a power of ten, four of them
    // covering the temperatures; at least a tenth of a degree.
    const double span = std::max(high - low, 0.4);
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / 4)));
    TemperatureScale scale;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0, 20.0}) {
        scale.step = factor * magnitude;
        scale.low = std::floor(low / scale.step) * scale.step;
        if (scale.low + 4 * scale.step >= high) break;
    }
    return scale;
}

std::vector<ChartTick> TemperatureTicks(const TemperatureScale& scale) {
    std::vector<ChartTick> ticks;
    for (int k = 0; k <= 4; ++k) {
        const float y = k * kTemperatureRow;
        const double value = RoundHalfEven(scale.low + k * scale.step, 2);
        ticks.push_back({QPointF(kPlotSize + 2, y + 2.0f),
                         FormatTickLabel(static_cast<float>(value)), QPointF(kPlotSize, y),
                         QPointF(kPlotSize + kTemperatureTick, y)});
    }
    return ticks;
}

QPointF TimeAxisNamePlace(bool temperatureShown) {
    // Beside the time axis the lowest temperature label would cover it.
    return temperatureShown ? QPointF(83, -4) : QPointF(83, 0);
}

void DrawGasCurves(DrawingSurface& s, const CircuitState& state, const ChartView& view,
                   bool temperature) {
    const QColor previous = s.Color();
    struct Entry {
        QColor color;
        std::string name;
    };
    std::vector<Entry> legend;
    std::vector<QPointF> line;

    if (HasEnvelope(state)) {
        const GasResults& gas = state.GasRun;
        legend.push_back({previous, "tc " + DegreesText(gas.Runs[gas.MainRun].WorkTemp)});
        for (int i : {0, 2}) {
            const TemperatureRun& run = gas.Runs[i];
            const QColor color = i == 0 ? kColdCurve : kHotCurve;
            BuildSeriesPolyline(state, view, run.Pressures, run.End, view.p1, view.scaleY, line);
            s.SetColor(color);
            s.Polyline(std::move(line));
            legend.push_back({color, DegreesText(run.WorkTemp)});
        }
    }

    const auto scale = temperature ? ComputeTemperatureScale(state, view) : std::nullopt;
    if (scale) {
        s.SetColor(kTemperatureCurve);
        s.Line({kPlotSize, 0}, {kPlotSize, kPlotSize});
        for (const ChartTick& tick : TemperatureTicks(*scale)) {
            s.Text(tick.labelAt, QString::fromStdString(tick.label));
            s.Line(tick.markFrom, tick.markTo);
        }
        s.Text({81, 87}, QStringLiteral("T(t)"));
        BuildSeriesPolyline(state, view, state.GasRun.TSeries, state.LastPoint, scale->low,
                            kTemperatureRow / scale->step, line);
        s.Polyline(std::move(line));
        legend.push_back(
            {kTemperatureCurve,
             QCoreApplication::translate("volvenza::Grafico", "T(t) del gas").toStdString()});
    }

    float y = 3;
    for (const Entry& entry : legend) {
        s.SetColor(entry.color);
        s.Line({kLegendLine, y}, {kLegendLine + 5, y});
        s.Text({kLegendText, y + 2.5f}, QString::fromStdString(entry.name));
        y += kLegendRow;
    }
    s.SetColor(previous);
}

}  // namespace volvenza
