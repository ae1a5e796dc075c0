#pragma once
// The printed reports: initial data, movement list, results table and chart,
// each laid out on a printer surface under the user's print header, from
// the data alone: which window asked for one is the shell's business.

#include <optional>
#include <utility>

#include <QString>

#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"
#include "platform/PrinterSurface.h"
#include "report/PageIdentity.h"
#include "report/ResultsReport.h"
#include "sizing/Requirements.h"
#include "sizing/Search.h"
#include "views/ChartPainting.h"

class QPrinter;

namespace volvenza {

class Dialogs;

void PrintInitialDataReport(PrinterSurface& surface, const CircuitState& state,
                            const QString& printHeader);
void PrintMovementListReport(PrinterSurface& surface, const CircuitState& state,
                             const QString& printHeader);
// The chart across the printable width, in its proportions, no taller than
// the page: the same painting as the window's, at the page's size.
void PrintChartReport(PrinterSurface& surface, const CircuitState& state, const ChartShown& chart,
                      const QString& origin = {});
// Everything on one document: the initial data, the movement list and the
// results table, each from a new page, then the chart on a page of its own.
void PrintWholeReport(PrinterSurface& surface, const CircuitState& state,
                      const QString& printHeader, const ChartShown& chart,
                      const QString& origin = {},
                      const std::optional<EnergyInputs>& energy = std::nullopt);

// The sizing page's data: the answer, what it was found for, and whether
// the design has changed since.
struct SizingPrint {
    sizing::Requirements requirements;
    sizing::SizingAnswer answer;
    CircuitData data;
    bool stale = false;
};

// What one window's print command lays out.
struct WindowReport {
    enum class Kind { InitialData, MovementList, ResultsTable, Chart, Sizing, Cycle, Energy };
    // One of the reports that need nothing but the project.
    WindowReport(Kind report) : kind(report) {}
    WindowReport(const ChartShown& shown) : kind(Kind::Chart), chart(shown) {}
    WindowReport(SizingPrint page) : kind(Kind::Sizing), sizing(std::move(page)) {}

    Kind kind;
    ChartShown chart;                    // for the chart
    std::optional<SizingPrint> sizing;   // for the sizing page
    QString origin;                      // what produced the results, for their pages
    std::optional<EnergyInputs> energy;  // the balance's inputs, for the results' pages
};

// The report under the identity's header; with `identified`, every page
// starts with the identity line instead.
void PrintWindowReport(PrinterSurface& surface, const CircuitState& state,
                       const PageIdentity& identity, const WindowReport& report, bool identified);

// Whether the window's printed pages carry the identity line: the pages
// the original program never printed. Its own keep their layout on paper.
bool PrintsIdentified(WindowReport::Kind kind);

// The print command: the printer dialog, then the report, when there is one
// to print; Cancel prints nothing.
void PrintAfterDialog(const CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                      const PageIdentity& identity, const std::optional<WindowReport>& report);

}  // namespace volvenza
