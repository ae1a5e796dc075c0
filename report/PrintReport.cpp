#include "report/PrintReport.h"

#include <algorithm>
#include <optional>

#include <QCoreApplication>
#include <QPrinter>

#include "messages/WindowWords.h"
#include "numbers/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/QtPrinterSurface.h"
#include "platform/UiNumber.h"
#include "report/CycleReport.h"
#include "report/ReportLines.h"
#include "report/SizingReport.h"
#include "views/MovementText.h"

namespace volvenza {
namespace {

constexpr double kInitialDataMargin = 12;
constexpr double kMovementMargin = 12;
constexpr int kMovementsPerPage = 6;

QString Report(const char* source) {
    return QCoreApplication::translate("volvenza::Report", source);
}
// The motor's unit, as the movement editor writes it.
QString EditorText(const char* source) {
    return QCoreApplication::translate("volvenza::ActuatorPages", source);
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
    double points = kReportPoints;
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
        s.SetFont(kReportFont, layout.points);
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

namespace {

// Three pixels to a screen pixel: the chart's lines, one screen pixel wide,
// keep their weight on paper and its labels print sharp.
constexpr double kChartDotsPerInch = 288;
constexpr int kChartPenWidth = 3;

void ChartBody(PrinterSurface& s, const CircuitState& state, const ChartShown& chart,
               const QString& origin) {
    if (!origin.isEmpty()) {
        s.SetFont(kReportFont, kReportPoints);
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
    ResultsPagesBody(s, state, printHeader, origin, energy);
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
