#pragma once
// The printed reports: initial data, movement list, results table and chart,
// each laid out on a printer surface under the user's print header.

#include <QImage>
#include <QString>
#include <functional>

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
// `chartPicture` gives the chart window's committed picture.
void PrintActiveWindow(const QWidget* activeChild, const CircuitState& state,
                       const QString& printHeader, Dialogs& dialogs, QPrinter& printer,
                       const std::function<QImage()>& chartPicture);

}  // namespace volvenza
