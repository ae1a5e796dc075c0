#include "report/ReportLines.h"

namespace volvenza {

double PageHeading(PrinterSurface& s, const QString& header, double margin, int blankLines,
                   double points) {
    s.SetFont(kReportFont, points);
    s.ScaleWidthTo100();
    const double top = s.CurrentY();
    s.SetCurrentX(50 - s.TextWidth(header) / 2);
    s.Print({header});
    s.SetCurrentX(margin);
    s.SetCurrentY(top);
    for (int i = 0; i < blankLines; ++i) s.Print();
    return top;
}

void Line(PrinterSurface& s, double margin, const QStringList& items) {
    s.SetCurrentX(margin);
    s.Print(items);
}

void Blank(PrinterSurface& s, double margin) {
    Line(s, margin, {});
}

QStringList WrappedLines(const PrinterSurface& s, double margin, const QString& text) {
    QStringList lines{QString()};
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer =
            lines.back().isEmpty() ? word : lines.back() + QLatin1Char(' ') + word;
        if (!lines.back().isEmpty() && margin + s.TextWidth(longer) > 100) {
            lines << word;
        } else {
            lines.back() = longer;
        }
    }
    return lines;
}

void Wrapped(PrinterSurface& s, double margin, const QString& text) {
    for (const QString& line : WrappedLines(s, margin, text)) Line(s, margin, {line});
}

}  // namespace volvenza
