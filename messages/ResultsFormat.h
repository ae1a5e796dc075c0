#pragma once
// How the results are shown as figures, by the windows and the browser's
// page alike: the results table's rows, series, times and decimals (its
// headings are WindowWords.h's), and the chart's readout, its words and
// decimals.

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "messages/TranslationMark.h"

namespace volvenza {

// A row every this many steps, and each column's fixed decimals: the time,
// the four series and the gas temperature.
inline constexpr int kResultsRowEvery = 10;
inline constexpr std::array<int, 6> kResultsDecimals{{1, 4, 4, 4, 4, 4}};

// The series the results table shows after the time, in its order: the
// symbol the results' files and the browser's chart name each by, and its
// unit.
struct ResultsSeries {
    const char* symbol;
    const char* unit;
};
inline constexpr std::array<ResultsSeries, 4> kResultsSeries{
    {{"V", "dm3"}, {"P", "bar"}, {"Qt", "dm3/min"}, {"Qs", "dm3/min"}}};
// The pressure, the one series the desktop's chart draws.
inline constexpr const ResultsSeries& kPressureSeries = kResultsSeries[1];
// The browser's chart's choice of series, in the order it offers them (the
// pressure first, the one the desktop's chart draws): each by its place in
// kResultsSeries and its name in the choice, in the page's own context.
inline constexpr const char* kChartChoiceContext = "volvenza::Page";
struct ChartSeriesChoice {
    size_t series;
    const char* name;
};
inline constexpr std::array<ChartSeriesChoice, kResultsSeries.size()> kChartSeriesChoices{{
    {1, QT_TRANSLATE_NOOP("volvenza::Page", "Pressione P(t)")},
    {0, QT_TRANSLATE_NOOP("volvenza::Page", "Volume del gas V(t)")},
    {2, QT_TRANSLATE_NOOP("volvenza::Page", "Portata Qt(t)")},
    {3, QT_TRANSLATE_NOOP("volvenza::Page", "Portata Qs(t)")},
}};
// The time the series run on, as the chart's readout names it.
inline constexpr ResultsSeries kTimeSeries{"t", "s"};

// The browser's chart's axis title of a series, its symbol and unit.
inline std::string AxisTitle(const ResultsSeries& series) {
    return std::string(series.symbol) + " [" + series.unit + "]";
}

// The time of step `step` in the results table, in the single precision of
// the classic law's clock.
inline float ResultsTime(int step, float timeStep) {
    return static_cast<float>(step) * timeStep;
}

// The chart window's context, which the readout's words are translated in.
inline constexpr const char* kChartContext = "volvenza::Grafico";

// The chart's readout of a sample: its time in s, then a series' symbol,
// figure and unit. A difference's reading names its two samples (%1 each
// one's reading), then the time and the series' change between them.
inline constexpr const char* kReadoutSample =
    QT_TRANSLATE_NOOP("volvenza::Grafico", "t = %1 s · %2 = %3 %4");
inline constexpr const char* kReadoutFirst = QT_TRANSLATE_NOOP("volvenza::Grafico", "1: %1");
inline constexpr const char* kReadoutSecond = QT_TRANSLATE_NOOP("volvenza::Grafico", "2: %1");
inline constexpr const char* kReadoutDifference =
    QT_TRANSLATE_NOOP("volvenza::Grafico", "Δt = %1 s · Δ%2 = %3 %4");

// The pressure's decimals in the chart's readout.
inline constexpr int kPressureReadoutDecimals = 3;

// The time's decimals in the chart's readout: as many as the step has, 2
// for the hundredths the runs are sampled at.
inline int ReadoutTimeDecimals(float step) {
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-3) return decimals;
    }
    return 6;
}

}  // namespace volvenza
