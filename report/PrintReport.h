#pragma once
// The printed reports: initial data, movement list, results table and chart,
// each laid out on a printer surface under the user's print header.

#include <QImage>
#include <QString>

#include "engine/CircuitState.h"
#include "platform/PrinterSurface.h"

class QPrinter;
class QWidget;

namespace volvenza {

class Dialogs;

void PrintInitialDataReport(PrinterSurface& surface, const CircuitState& state,
                            const QString& printHeader);
void PrintMovementListReport(PrinterSurface& surface, const CircuitState& state,
                             const QString& printHeader);
void PrintResultsTableReport(PrinterSurface& surface, const CircuitState& state,
                             const QString& printHeader);
void PrintChartReport(PrinterSurface& surface, const QImage& chart);
// Everything on one document: the initial data, the movement list and the
// results table, each from a new page, then the chart on a page of its own.
void PrintWholeReport(PrinterSurface& surface, const CircuitState& state,
                      const QString& printHeader, const QImage& chart);

// The chart window's committed picture: the drawing area "Picture1"
// publishes it as the property "committedImage"; failing that, the area as
// it stands. Empty when the window has no drawing area.
QImage ChartPicture(QWidget& chart);

// Whether the window is one whose contents print: the initial data, the
// movement editor, the cycle, the table, the chart, or the sizing window
// once it has an answer.
bool PrintsReport(const QWidget* window);
// Prints the report of that window, as the print command does after its
// dialog; any other window prints nothing.
void PrintWindowReport(PrinterSurface& surface, const CircuitState& state,
                       const QString& printHeader, QWidget& window);

// The print command: prints what the active child window shows, after the
// printer dialog. No active window, or Cancel, prints nothing.
void PrintActiveWindow(CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                       const QString& printHeader, QWidget* activeChild);

}  // namespace volvenza
