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

// The print command: prints what the active child window shows, after the
// printer dialog. No active window, or Cancel, prints nothing.
void PrintActiveWindow(CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                       const QString& printHeader, QWidget* activeChild);

}  // namespace volvenza
