#pragma once
// Reports written to PDF files instead of paper: the same pages the printer
// would get, laid out with its page size, margins and resolution, and saved
// atomically. The printer itself prints nothing.

#include <functional>
#include <optional>

#include <QString>

#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "platform/PrinterSurface.h"
#include "report/PrintReport.h"

class QPrinter;

namespace volvenza {

// A printer nobody has set up yet: its pages keep 15 mm of paper all round
// (the page set-up changes it), not the few points a PDF or a driver
// defaults to.
void SetDefaultPageMargins(QPrinter& printer);

// Lays the report out on PDF pages set up as `printer` is, in memory, then
// writes the file in one piece; the message why when it cannot be written.
Status WritePdfReport(const QString& path, const QPrinter& printer,
                      const std::function<void(PrinterSurface&)>& report);

// What the print command would print for a window, as a PDF file, with the
// identity line on every page.
Status ExportWindowPdf(const QString& path, const QPrinter& printer, const CircuitState& state,
                       const PageIdentity& identity, const WindowReport& report);

// The whole report (PrintWholeReport) as a PDF file, the identity line on
// every page.
Status ExportWholeReportPdf(const QString& path, const QPrinter& printer, const CircuitState& state,
                            const PageIdentity& identity, const ChartShown& chart,
                            const QString& origin, const std::optional<EnergyInputs>& energy);

}  // namespace volvenza
