#include "report/PrintReport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include <QCoreApplication>
#include <QPrinter>

#include "engine/ResultsSeriesValues.h"
#include "messages/ResultsFormat.h"
#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/QtPrinterSurface.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "report/CycleReport.h"
#include "report/SizingReport.h"
#include "views/EnergyBalanceText.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

const QString kFont = QStringLiteral("Courier");
constexpr double kFontPoints = 12;
constexpr double kInitialDataMargin = 12;
constexpr double kMovementMargin = 12;
constexpr double kTableMargin = 6;
constexpr int kMovementsPerPage = 6;
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

QString Report(const char* source) {
    return QCoreApplication::translate("volvenza::Report", source);
}
// The motor's unit, as the movement editor writes it.
QString EditorText(const char* source) {
    return QCoreApplication::translate("volvenza::ActuatorPages", source);
}

// The heading takes the first three lines of a page: the print header, then
// blank lines down to the body.
constexpr int kHeadingLines = 3;
// The smallest font a movement list shrinks to on a very short page.
constexpr double kSmallestPoints = 2;

// The print header centred on the first line; the body starts after
// `blankLines` lines counted from the top. Returns the top of the page.
double PageHeading(PrinterSurface& s, const QString& header, double margin, int blankLines,
                   double points = kFontPoints) {
    s.SetFont(kFont, points);
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

// What one movement prints besides its times and flow: the kind's name and
// the dimension lines, each a label joined to its number and the unit.
struct MovementLines {
    QString name;
    QList<QStringList> dimensions;
};

// Nothing for an empty slot or a differential piston: they leave no trace.
std::optional<MovementLines> LinesOf(const Movement& m) {
    const QString mm = QStringLiteral("[mm]");
    const QList<QStringList> boreRodStroke = {{"D: " + UiNumber(m.BoreDiameter), mm},
                                              {"d: " + UiNumber(m.RodDiameter), mm},
                                              {"L: " + UiNumber(m.Stroke), mm}};
    switch (m.Kind) {
        case MovementKind::CylinderExtending:
            return MovementLines{
                KindTitle(MovementKind::CylinderExtending),
                {{"D: " + UiNumber(m.BoreDiameter), mm}, {"L: " + UiNumber(m.Stroke), mm}}};
        case MovementKind::CylinderRetracting:
            return MovementLines{KindTitle(MovementKind::CylinderRetracting), boreRodStroke};
        case MovementKind::Motor:
            return MovementLines{
                KindTitle(MovementKind::Motor),
                {{Report(QT_TRANSLATE_NOOP("volvenza::Report", "Cilindrata: ")) +
                      UiNumber(m.Displacement),
                  EditorText(QT_TRANSLATE_NOOP("volvenza::ActuatorPages", "[cm3/giro]"))},
                 {Report(QT_TRANSLATE_NOOP("volvenza::Report", "N° giri: ")) + UiNumber(m.Speed),
                  " "}}};
        case MovementKind::VaneActuator:
            return MovementLines{KindTitle(MovementKind::VaneActuator),
                                 {{Report(QT_TRANSLATE_NOOP("volvenza::Report", "Cil. uni.: ")) +
                                       UiNumber(m.UnitDisplacement),
                                   QString::fromUtf8("[cm3/°]")},
                                  {Report(QT_TRANSLATE_NOOP("volvenza::Report", "Angolo rot.: ")) +
                                       UiNumber(m.RotationAngle),
                                   QString::fromUtf8("[°]")}}};
        case MovementKind::DoubleRodCylinder:
            return MovementLines{KindTitle(MovementKind::DoubleRodCylinder), boreRodStroke};
        case MovementKind::SingleActingCylinder:
            return MovementLines{
                KindTitle(MovementKind::SingleActingCylinder),
                {{"d: " + UiNumber(m.RodDiameter), mm}, {"L: " + UiNumber(m.Stroke), mm}}};
        default:
            return std::nullopt;
    }
}

// How the movement list is spaced and set: blank lines before each block,
// whether a blank line parts the name from the times, and the font size.
struct ListLayout {
    int blanksBefore = 2;
    bool blankAfterName = true;
    double points = kFontPoints;
};

int BlockLineCount(const MovementLines& lines, const ListLayout& layout) {
    // Blank lines, the name, the optional blank, Ti, Tf, the dimensions, Qm.
    return layout.blanksBefore + 1 + (layout.blankAfterName ? 1 : 0) + 2 +
           static_cast<int>(lines.dimensions.size()) + 1;
}

// Six movements go on each page, whatever the paper. The list keeps the usual
// spacing when its fullest page fits the printable height as measured on the
// surface; otherwise it drops blank lines, then shrinks the font step by step
// until every line of every block is on the page.
ListLayout FitMovementList(PrinterSurface& s, const CircuitState& state) {
    const int count = state.MovementCount;
    auto fits = [&](const ListLayout& layout) {
        int fullest = 0;
        for (int first = 1; first <= count; first += kMovementsPerPage) {
            int lines = kHeadingLines;
            for (int i = first; i <= count && i < first + kMovementsPerPage; ++i) {
                if (const auto block = LinesOf(state.Movements.at(i))) {
                    lines += BlockLineCount(*block, layout);
                }
            }
            fullest = std::max(fullest, lines);
        }
        s.SetFont(kFont, layout.points);
        return fullest * s.LineHeight() <= s.PageHeight();
    };
    for (const ListLayout layout :
         {ListLayout{2, true}, ListLayout{2, false}, ListLayout{1, false}}) {
        if (fits(layout)) return layout;
    }
    ListLayout smaller{1, false};
    while (smaller.points > kSmallestPoints && !fits(smaller)) smaller.points -= 0.5;
    return smaller;
}

void PrintMovement(PrinterSurface& s, const Movement& m, const ListLayout& layout) {
    const std::optional<MovementLines> block = LinesOf(m);
    if (!block) return;
    const double x = kMovementMargin;
    for (int i = 0; i < layout.blanksBefore; ++i) Blank(s, x);
    Line(s, x, {block->name});
    if (layout.blankAfterName) Blank(s, x);
    Line(s, x, {"Ti: " + UiNumber(m.Ti), "[sec]"});
    Line(s, x, {"Tf: " + UiNumber(m.Tf), "[sec]"});
    for (const QStringList& d : block->dimensions) Line(s, x, d);
    Line(s, x, {"Qm: " + UiNumber(RoundHalfEven(m.Qm, 4)), "[dm3/min]"});
}

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
    double points = kFontPoints;
    for (;; points -= 0.5) {
        s.SetFont(kFont, points);
        s.ScaleWidthTo100();
        const double zone = 14 * s.TextWidth(QStringLiteral("0"));
        const double end = gas ? GasColumnX(s) + s.TextWidth(kGasHeading)
                               : (std::floor(kTableMargin / zone) + kSeriesColumns - 1) * zone +
                                     s.TextWidth(PrintedHeading(kSeriesColumns - 1));
        if (end <= 100 || points <= kSmallestPoints) return points;
    }
}

// Text broken at blanks into lines that end within the printable width,
// from `margin`; a word longer than the line stands alone on its own.
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

// The reports' bodies: each ends on its last line and leaves the document
// open, so the whole report can put them one after the other.

void InitialDataBody(PrinterSurface& s, const CircuitState& state, const QString& printHeader) {
    const CircuitData& d = state.Data;
    const double x = kInitialDataMargin;
    PageHeading(s, printHeader, x, 4);
    Line(s, x, {"V0: " + UiNumber(d.V0) + "  [dm3]"});
    Line(s, x, {"P0: " + UiNumber(d.P0) + "  [bar]"});
    Line(s, x, {"Tc: " + UiNumber(d.Tc) + QString::fromUtf8("  [°C]")});
    Line(s, x, {"Qp: " + UiNumber(d.Qp) + "  [dm3/min]"});
    Line(s, x, {"Pm: " + UiNumber(d.Pm) + "  [bar]"});
    Line(s, x, {"Dp: " + UiNumber(d.Dp) + "  [bar]"});
    Blank(s, x);
    Line(s, x,
         {Report(QT_TRANSLATE_NOOP("volvenza::Report", "Tempo di ciclo: ")) +
          UiNumber(d.CycleTime) + "  [sec]"});
    Line(s, x,
         {Report(QT_TRANSLATE_NOOP("volvenza::Report", "Numero movimenti: ")) +
          QString::number(state.SimMovementCount)});
    Blank(s, x);
}

void MovementListBody(PrinterSurface& s, const CircuitState& state, const QString& printHeader) {
    const ListLayout layout = FitMovementList(s, state);
    PageHeading(s, printHeader, kMovementMargin, kHeadingLines, layout.points);
    for (int i = 1; i <= state.MovementCount; ++i) {
        if (i > 1 && (i - 1) % kMovementsPerPage == 0) {
            s.NewPage();
            PageHeading(s, printHeader, kMovementMargin, kHeadingLines, layout.points);
        }
        PrintMovement(s, state.Movements.at(i), layout);
    }
}

// The heading of a results page: the print header, then what produced the
// results when known, in the same three lines as before.
double ResultsHeading(PrinterSurface& s, const QString& printHeader, const QString& origin,
                      double points = kFontPoints) {
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

void PrintInitialDataReport(PrinterSurface& s, const CircuitState& state,
                            const QString& printHeader) {
    InitialDataBody(s, state, printHeader);
    s.EndDoc();
}

void PrintMovementListReport(PrinterSurface& s, const CircuitState& state,
                             const QString& printHeader) {
    MovementListBody(s, state, printHeader);
    s.EndDoc();
}

void PrintResultsTableReport(PrinterSurface& s, const CircuitState& state,
                             const QString& printHeader, const QString& origin,
                             const std::optional<EnergyInputs>& energy) {
    const double points = ResultsTableBody(s, state, printHeader, origin);
    if (energy) EnergyBody(s, state, printHeader, origin, *energy, points);
    s.EndDoc();
}

void PrintEnergyBalanceReport(PrinterSurface& s, const CircuitState& state,
                              const QString& printHeader, const QString& origin,
                              const std::optional<EnergyInputs>& energy) {
    ResultsHeading(s, printHeader, origin);
    if (energy) EnergyBody(s, state, printHeader, origin, *energy, kFontPoints);
    s.EndDoc();
}

namespace {

// Three pixels to a screen pixel: the chart's lines, one screen pixel wide,
// keep their weight on paper and its labels print sharp.
constexpr double kChartDotsPerInch = 288;
constexpr int kChartPenWidth = 3;

void ChartBody(PrinterSurface& s, const CircuitState& state, const ChartShown& chart,
               const QString& origin) {
    if (!origin.isEmpty()) {
        s.SetFont(kFont, kFontPoints);
        s.ScaleWidthTo100();
        Wrapped(s, 0, origin);
        Blank(s, 0);
    }
    const double room = s.PageHeight() - s.CurrentY();
    double width = s.PageWidth();
    double height = width * chart.aspect;
    if (height > room) {
        width *= room / height;
        height = room;
    }
    const QSize pixels(static_cast<int>(width / 1440 * kChartDotsPerInch),
                       static_cast<int>(height / 1440 * kChartDotsPerInch));
    if (pixels.isEmpty()) return;
    s.PaintPicture(ChartPicture(state, chart, pixels, kChartDotsPerInch, kChartPenWidth));
}

}  // namespace

void PrintChartReport(PrinterSurface& s, const CircuitState& state, const ChartShown& chart,
                      const QString& origin) {
    ChartBody(s, state, chart, origin);
    s.EndDoc();
}

void PrintWholeReport(PrinterSurface& s, const CircuitState& state, const QString& printHeader,
                      const ChartShown& chart, const QString& origin,
                      const std::optional<EnergyInputs>& energy) {
    InitialDataBody(s, state, printHeader);
    s.NewPage();
    MovementListBody(s, state, printHeader);
    s.NewPage();
    const double points = ResultsTableBody(s, state, printHeader, origin);
    if (energy) EnergyBody(s, state, printHeader, origin, *energy, points);
    s.NewPage();
    ChartBody(s, state, chart, origin);
    s.EndDoc();
}

namespace {

void PrintBody(PrinterSurface& surface, const CircuitState& state, const QString& printHeader,
               const WindowReport& report) {
    switch (report.kind) {
        case WindowReport::Kind::InitialData:
            PrintInitialDataReport(surface, state, printHeader);
            break;
        case WindowReport::Kind::MovementList:
            PrintMovementListReport(surface, state, printHeader);
            break;
        case WindowReport::Kind::ResultsTable:
            PrintResultsTableReport(surface, state, printHeader, report.origin, report.energy);
            break;
        case WindowReport::Kind::Energy:
            PrintEnergyBalanceReport(surface, state, printHeader, report.origin, report.energy);
            break;
        case WindowReport::Kind::Chart:
            PrintChartReport(surface, state, report.chart, report.origin);
            break;
        case WindowReport::Kind::Cycle:
            PrintCycleReport(surface, state, printHeader);
            break;
        case WindowReport::Kind::Sizing:
            if (report.sizing) {
                PrintSizingReport(surface, printHeader, report.sizing->requirements,
                                  report.sizing->answer, report.sizing->data, report.sizing->stale);
            }
            break;
    }
}

}  // namespace

bool PrintsIdentified(WindowReport::Kind kind) {
    using Kind = WindowReport::Kind;
    return kind == Kind::Sizing || kind == Kind::Cycle || kind == Kind::Energy;
}

void PrintWindowReport(PrinterSurface& surface, const CircuitState& state,
                       const PageIdentity& identity, const WindowReport& report, bool identified) {
    if (!identified) {
        PrintBody(surface, state, identity.header, report);
        return;
    }
    // The sizing page is about the data its answer was found for.
    const CircuitData& data = report.sizing ? report.sizing->data : state.Data;
    IdentifiedSurface page(surface, IdentityLine(identity, data));
    // The identity line holds the header: the report's own place for it
    // stays blank, a gap under the line.
    PrintBody(page, state, QString(), report);
}

void PrintAfterDialog(const CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                      const PageIdentity& identity, const std::optional<WindowReport>& report) {
    if (!dialogs.PrinterDialog(printer, Report(QT_TRANSLATE_NOOP("volvenza::Report", "Stampa")),
                               false))
        return;
    if (!report) return;
    QtPrinterSurface surface(printer);
    PrintWindowReport(surface, state, identity, *report, PrintsIdentified(report->kind));
}

}  // namespace volvenza
