#include "report/CycleReport.h"

#include <algorithm>

#include <QCoreApplication>

#include "documents/CycleCells.h"
#include "documents/PastedMovements.h"
#include "engine/Duties.h"
#include "engine/MovementKinds.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/Language.h"
#include "views/CycleDiagramPicture.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

// A page of ours, set to be read: a proportional face, never below 8 points.
const QString kFont = QStringLiteral("Sans");
// The table's font starts at this size and shrinks until every column fits;
// at the smallest the kinds' names break into lines to make room.
constexpr double kLargestPoints = 10, kSmallestPoints = 8;
// Space between columns, in hundredths of the width.
constexpr double kGap = 1.5;

QString Report(const char* source) {
    return QCoreApplication::translate("volvenza::Report", source);
}

QString Num(double v) {
    return QString::fromStdString(FormatNumber(RoundHalfEven(v, 4), UiDecimalSeparator()));
}

// A column's heading as the cycle table heads it (PasteColumn).
QString Header(int column) {
    return QCoreApplication::translate(kCycleTableContext, PasteColumnHeader(column));
}

// The movement's number, then the cycle table's columns from the kind to
// the flow: the times and the seven sizes between.
QStringList HeaderCells() {
    QStringList cells{QStringLiteral("N.")};
    for (int column = PasteColumn::Kind; column <= PasteColumn::Flow; ++column)
        cells << Header(column);
    return cells;
}

// A cell as the cycle table shows it, so that print and screen agree.
QString Cell(const Movement& m, int column) {
    return CycleCellShown(m.Kind, column)
               ? QString::fromStdString(CycleCellText(m, column, UiDecimalSeparator()))
               : QString();
}

QStringList RowCells(const Movement& m, int number) {
    QStringList cells{QString::number(number), KindTitle(ListedKind(m.Kind))};
    for (int column = PasteColumn::StartTime; column <= PasteColumn::Flow; ++column)
        cells << Cell(m, column);
    return cells;
}

// The duty's columns, printed when a movement has a load, a typed required
// pressure or the emergency mark: as the cycle table heads and shows them.
bool HasDuties(const CircuitState& state, int count) {
    if (HasLoads(state.Movements, count)) return true;
    return !EmergencyMovements(state.Movements, count).empty();
}
QStringList DutyHeaderCells() {
    QStringList cells;
    for (int column = PasteColumn::Load; column <= PasteColumn::Required; ++column)
        cells << Header(column);
    return cells;
}
QStringList DutyCells(const Movement& m) {
    QStringList cells;
    for (int column : {PasteColumn::Load, PasteColumn::Efficiency, PasteColumn::Loss,
                       PasteColumn::TypedRequired}) {
        cells << Cell(m, column);
    }
    return cells << (m.Duty.Emergency ? QStringLiteral("x") : QString())
                 << Cell(m, PasteColumn::Required);
}

// A cell's text in lines no wider than `width`, broken at blanks.
QStringList CellLines(const PrinterSurface& s, const QString& text, double width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && s.TextWidth(lines.back() + QLatin1Char(' ') + word) <= width) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

int CellDepth(const PrinterSurface& s, const QStringList& cells,
              const std::vector<double>& widths) {
    int depth = 1;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        depth = std::max(depth, static_cast<int>(CellLines(s, cells[c], widths[c]).size()));
    }
    return depth;
}

// One row of cells, each column from its left edge, numbers to the right,
// a text too wide for its column on further lines.
void PrintCells(PrinterSurface& s, const QStringList& cells, const std::vector<double>& lefts,
                const std::vector<double>& widths, bool header) {
    const double y = s.CurrentY();
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const bool right = !header && c != 1;
        const QStringList lines = CellLines(s, cells[c], widths[c]);
        for (qsizetype l = 0; l < lines.size(); ++l) {
            s.SetCurrentX(right ? lefts[c] + widths[c] - s.TextWidth(lines[l]) : lefts[c]);
            s.SetCurrentY(y + l * s.LineHeight());
            s.Print({lines[l]});
        }
    }
    s.SetCurrentY(y + CellDepth(s, cells, widths) * s.LineHeight());
}

void Heading(PrinterSurface& s, const QString& header, double points) {
    s.SetFont(kFont, points);
    s.ScaleWidthTo100();
    const double top = s.CurrentY();
    s.SetCurrentX(50 - s.TextWidth(header) / 2);
    s.Print({header});
    s.SetCurrentY(top + 3 * s.LineHeight());
}

// The font and the columns a table is printed in.
struct Columns {
    double points = kLargestPoints;
    std::vector<double> lefts, widths;
};

// The largest font whose widest cells, column by column, fill at most the
// page's width.
Columns FitColumns(PrinterSurface& s, const std::vector<QStringList>& rows) {
    std::vector<double> widths(rows.front().size());
    double points = kLargestPoints, gap = kGap;
    const auto longestWord = [&](const QString& text) {
        double longest = 0;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            longest = std::max(longest, s.TextWidth(word));
        }
        return longest;
    };
    for (;; points -= 0.5) {
        s.SetFont(kFont, points);
        s.ScaleWidthTo100();
        std::fill(widths.begin(), widths.end(), 0);
        for (const QStringList& row : rows) {
            for (qsizetype c = 0; c < row.size(); ++c) {
                widths[c] = std::max(widths[c], s.TextWidth(row[c]));
            }
        }
        double total = gap * (widths.size() - 1);
        for (double w : widths) total += w;
        if (total <= 100) break;
        if (points <= kSmallestPoints) {
            // The headings break into their words and the kinds' names take
            // what the other columns leave, down to their longest word; on
            // paper narrower still, the columns close up.
            total = 0;
            for (size_t c = 0; c < widths.size(); ++c) {
                widths[c] = longestWord(rows.front()[c]);
                for (size_t r = 1; r < rows.size(); ++r) {
                    widths[c] = std::max(
                        widths[c], c == 1 ? longestWord(rows[r][c]) : s.TextWidth(rows[r][c]));
                }
                total += widths[c];
            }
            const double gaps = widths.size() - 1;
            gap = std::clamp((100 - total) / gaps, kGap / 3, kGap);
            widths[1] += std::max(0.0, 100 - total - gap * gaps);
            break;
        }
    }
    std::vector<double> lefts{0};
    for (size_t c = 1; c < widths.size(); ++c) lefts.push_back(lefts.back() + widths[c - 1] + gap);

    return {points, lefts, widths};
}

// The movements' table, its heading and column headings again on every page.
void PrintTable(PrinterSurface& s, const std::vector<QStringList>& rows, const Columns& c,
                const QString& printHeader) {
    Heading(s, printHeader, c.points);
    PrintCells(s, rows.front(), c.lefts, c.widths, true);
    for (size_t r = 1; r < rows.size(); ++r) {
        if (s.CurrentY() + CellDepth(s, rows[r], c.widths) * s.LineHeight() > s.PageHeight()) {
            s.NewPage();
            Heading(s, printHeader, c.points);
            PrintCells(s, rows.front(), c.lefts, c.widths, true);
        }
        PrintCells(s, rows[r], c.lefts, c.widths, false);
    }
}

}  // namespace

void PrintCycleReport(PrinterSurface& s, const CircuitState& state, const QString& printHeader) {
    const int count = std::clamp<int>(state.MovementCount, 0, kMaxMovements);
    const bool duties = HasDuties(state, count);
    std::vector<QStringList> rows{HeaderCells()};
    if (duties) rows.back() += DutyHeaderCells();
    for (int k = 1; k <= count; ++k) {
        rows.push_back(RowCells(state.Movements[k], k));
        if (duties) rows.back() += DutyCells(state.Movements[k]);
    }
    const Columns columns = FitColumns(s, rows);
    const double points = columns.points;
    PrintTable(s, rows, columns, printHeader);
    const CycleTiming timing =
        ComputeCycleTiming(state, count, state.Data.CycleTime, state.Data.Qp);
    s.SetCurrentY(s.CurrentY() + s.LineHeight());
    if (s.CurrentY() + s.LineHeight() > s.PageHeight()) {
        s.NewPage();
        Heading(s, printHeader, points);
    }
    s.SetCurrentX(0);
    s.Print({Report(QT_TRANSLATE_NOOP("volvenza::Report", "Qt massima: ")) + Num(timing.peak) +
             "  [dm3/min]    Qp: " + Num(timing.pump) + "  [dm3/min]"});

    s.NewPage();
    Heading(s, printHeader, points);
    // The rest of the page at 96 dots per inch: 15 twips to the dot.
    const double room = s.PageHeight() - s.CurrentY();
    s.PaintPicture(CycleTimingPicture(
        timing, state.Data.CycleTime,
        QSize(static_cast<int>(s.PageWidth() / 15), static_cast<int>(room / 15))));
    s.EndDoc();
}

QImage CycleTimingPicture(const CycleTiming& timing, float cycleTime, QSize size) {
    DrawingSurface surface;
    surface.Resize(size.expandedTo(QSize(100, 100)));
    QFont font(kFont);
    font.setPixelSize(11);
    surface.SetFont(font);
    // Every lane on paper, however thin.
    CycleDiagramPicture picture(0);
    CycleDiagramData data;
    data.timing = timing;
    data.cycleTime = cycleTime;
    picture.SetData(std::move(data));
    picture.Layout(surface, 0);
    picture.Paint(surface);
    return surface.CommittedImage();
}

}  // namespace volvenza
