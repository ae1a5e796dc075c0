#include "report/ResultsReport.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/ResultsSeriesValues.h"
#include "messages/ResultsFormat.h"
#include "messages/WindowWords.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "report/ReportLines.h"
#include "views/EnergyBalanceText.h"

namespace volvenza {
namespace {

constexpr double kTableMargin = 6;
// How far below the top of a page the results table may start another row.
constexpr double kTablePageDepth = 14160;

// The results table prints the window's time, series, decimals and rows
// (messages/ResultsFormat.h) under its headings (WindowWords.h), but for
// those the original program's printout gave its own, as it always did.
constexpr std::pair<std::string_view, std::string_view> kOriginalPrintHeadings[] = {
    {"Qt(T)", "Qt(t)"}};
QString PrintedHeading(size_t column) {
    std::string_view heading = kResultsHeadings[column];
    for (const auto& [window, printed] : kOriginalPrintHeadings) {
        if (window == heading) heading = printed;
    }
    return QString::fromUtf8(heading);
}
// The time and the four series; the gas temperature's column follows apart.
constexpr size_t kSeriesColumns = kResultsSeries.size() + 1;

// The gas temperature follows the four series when the ideal or real law ran.
// "Qs(T)=Qt(T)-Qp" fills its print zone to the edge, so the next zone's
// heading would run on from it: the column, heading and figures, starts
// three characters into its zone, clearly apart and still in line.
const QString kGasHeading = PrintedHeading(kSeriesColumns);
// Hundredths on paper, four decimals on screen: the figures stay within the
// heading's width, which sizes the table's font (TablePoints).
constexpr int kPrintedGasDecimals = 2;
double GasColumnX(const PrinterSurface& s) {
    const double digit = s.TextWidth(QStringLiteral("0"));
    const double zone = 14 * digit;
    return (std::floor(kTableMargin / zone) + kSeriesColumns) * zone + 3 * digit;
}

void TableHeading(PrinterSurface& s, bool gas) {
    const double y = s.CurrentY();
    QStringList headings;
    for (size_t column = 0; column < kSeriesColumns; ++column) headings << PrintedHeading(column);
    Line(s, kTableMargin, headings);
    if (gas) {
        s.SetCurrentY(y);
        s.SetCurrentX(GasColumnX(s));
        s.Print({kGasHeading});
    }
    Blank(s, kTableMargin);
}

// The table's size: the original's 12 points while its headings, its
// widest line, end within the printable width, as they do on A4 without
// the gas column; smaller on narrower paper or with that column.
double TablePoints(PrinterSurface& s, bool gas) {
    double points = kReportPoints;
    for (;; points -= 0.5) {
        s.SetFont(kReportFont, points);
        s.ScaleWidthTo100();
        const double zone = 14 * s.TextWidth(QStringLiteral("0"));
        const double end = gas ? GasColumnX(s) + s.TextWidth(kGasHeading)
                               : (std::floor(kTableMargin / zone) + kSeriesColumns - 1) * zone +
                                     s.TextWidth(PrintedHeading(kSeriesColumns - 1));
        if (end <= 100 || points <= kSmallestPoints) return points;
    }
}

// The heading of a results page: the print header, then what produced the
// results when known, in the same three lines as before.
double ResultsHeading(PrinterSurface& s, const QString& printHeader, const QString& origin,
                      double points = kReportPoints) {
    if (origin.isEmpty()) return PageHeading(s, printHeader, kTableMargin, 3, points);
    const double top = PageHeading(s, printHeader, kTableMargin, 1, points);
    Wrapped(s, kTableMargin, origin);
    Blank(s, kTableMargin);
    return top;
}

// Returns the table's font size.
double ResultsTableBody(PrinterSurface& s, const CircuitState& state, const QString& printHeader,
                        const QString& origin) {
    const bool gas = static_cast<int>(state.GasRun.TSeries.size()) > state.LastPoint;
    const double points = TablePoints(s, gas);
    double top = ResultsHeading(s, printHeader, origin, points);
    TableHeading(s, gas);
    auto at = [](const std::vector<double>& series, int i) {
        return i < static_cast<int>(series.size()) ? series[i] : 0.0;
    };
    for (int i = 0; i <= state.LastPoint; i += kResultsRowEvery) {
        // A page takes rows down to its usual depth; paper too short for
        // that (A5, landscape) breaks where the next row would not fit.
        if (s.CurrentY() - top > kTablePageDepth ||
            s.CurrentY() + s.LineHeight() > s.PageHeight()) {
            s.NewPage();
            top = ResultsHeading(s, printHeader, origin, points);
            TableHeading(s, gas);
        }
        QStringList row{UiFixed(ResultsTime(i, state.TimeStep), kResultsDecimals[0])};
        for (size_t series = 0; series < kResultsSeries.size(); ++series) {
            row << UiFixed(at(ResultsSeriesValues(state, series), i), kResultsDecimals[series + 1]);
        }
        const double y = s.CurrentY();
        Line(s, kTableMargin, row);
        if (gas) {
            const double next = s.CurrentY();
            s.SetCurrentY(y);
            s.SetCurrentX(GasColumnX(s));
            s.Print({UiFixed(state.GasRun.TSeries[i], kPrintedGasDecimals)});
            s.SetCurrentY(next);
        }
    }
    return points;
}

// The energy balance under a blank line, each figure after its label, in
// the font of the page before it; on a page of its own when the rest of
// this one cannot hold it, and on further pages when one page cannot.
void EnergyBody(PrinterSurface& s, const CircuitState& state, const QString& printHeader,
                const QString& origin, const EnergyInputs& energy, double points) {
    const Result<QList<EnergyRow>> balance = EnergyBalanceRows(state, energy);
    const QList<EnergyRow> rows = balance ? *balance : QList<EnergyRow>();
    // A balance refused says why in its place.
    if (balance && rows.isEmpty()) return;
    QStringList lines = WrappedLines(s, kTableMargin, EnergyBalanceTitle());
    if (!balance) lines << WrappedLines(s, kTableMargin, UiMessage(balance.Error()));
    for (const EnergyRow& row : rows) {
        lines << WrappedLines(s, kTableMargin, row.label + ": " + row.value);
    }
    const auto room = [&](qsizetype count) {
        if (s.CurrentY() + count * s.LineHeight() <= s.PageHeight()) return;
        s.NewPage();
        ResultsHeading(s, printHeader, origin, points);
    };
    // Whole on the next page when it fits there under the heading; else
    // from here on, as far as each page goes.
    const qsizetype heading =
        origin.isEmpty() ? 3 : WrappedLines(s, kTableMargin, origin).size() + 2;
    if ((heading + lines.size() + 1) * s.LineHeight() <= s.PageHeight()) room(lines.size() + 1);
    Blank(s, kTableMargin);
    for (const QString& line : lines) {
        room(1);
        Line(s, kTableMargin, {line});
    }
}

}  // namespace

void PrintResultsTableReport(PrinterSurface& s, const CircuitState& state,
                             const QString& printHeader, const QString& origin,
                             const std::optional<EnergyInputs>& energy) {
    ResultsPagesBody(s, state, printHeader, origin, energy);
    s.EndDoc();
}

void PrintEnergyBalanceReport(PrinterSurface& s, const CircuitState& state,
                              const QString& printHeader, const QString& origin,
                              const std::optional<EnergyInputs>& energy) {
    ResultsHeading(s, printHeader, origin);
    if (energy) EnergyBody(s, state, printHeader, origin, *energy, kReportPoints);
    s.EndDoc();
}

void ResultsPagesBody(PrinterSurface& s, const CircuitState& state, const QString& printHeader,
                      const QString& origin, const std::optional<EnergyInputs>& energy) {
    const double points = ResultsTableBody(s, state, printHeader, origin);
    if (energy) EnergyBody(s, state, printHeader, origin, *energy, points);
}

}  // namespace volvenza
