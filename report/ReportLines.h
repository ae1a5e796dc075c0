#pragma once
// What the original program's printed reports are made of: Courier at 12
// points, the print header centred on the first line, lines of items from a
// margin, text wrapped within the printable width. Positions across the page
// run from 0 to 100, as the printer surface scales them.

#include <QString>
#include <QStringList>

#include "platform/PrinterSurface.h"

namespace volvenza {

inline const QString kReportFont = QStringLiteral("Courier");
constexpr double kReportPoints = 12;

// The heading takes the first three lines of a page: the print header, then
// blank lines down to the body.
constexpr int kHeadingLines = 3;
// The smallest font the movement list and the results table shrink to on
// very short paper.
constexpr double kSmallestPoints = 2;

// The print header centred on the first line; the body starts after
// `blankLines` lines counted from the top. Returns the top of the page.
double PageHeading(PrinterSurface& s, const QString& header, double margin, int blankLines,
                   double points = kReportPoints);
// The items at `margin`, on the current line, which then ends.
void Line(PrinterSurface& s, double margin, const QStringList& items);
void Blank(PrinterSurface& s, double margin);

// Text broken at blanks into lines that end within the printable width,
// from `margin`; a word longer than the line stands alone on its own.
QStringList WrappedLines(const PrinterSurface& s, double margin, const QString& text);
void Wrapped(PrinterSurface& s, double margin, const QString& text);

}  // namespace volvenza
