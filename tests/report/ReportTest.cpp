#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include "engine/Simulation.h"
#include "platform/Language.h"
#include "platform/QtPrinterSurface.h"
#include "platform/Translations.h"
#include "platform/UiMessage.h"
#include "report/CycleReport.h"
#include "report/PdfReport.h"
#include "report/PrintReport.h"
#include "report/SizingPdf.h"
#include "report/SizingReport.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/Vocabulary.h"
#include "tests/report/PrintedPages.h"
#include "views/ChartGasCurves.h"

namespace volvenza {
namespace {

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        InitCircuitState(state);
        LoadExampleCircuit(state);
    }

    void initialDataLinesInOrder() {
        RecordingSurface s;
        PrintInitialDataReport(s, state, "Officina Rossi");
        const QStringList lines = s.Lines(1);
        QCOMPARE(lines, QStringList({"Officina Rossi", "", "", "", "V0: 10  [dm3]", "P0: 60  [bar]",
                                     QString::fromUtf8("Tc: 45  [°C]"), "Qp: 30  [dm3/min]",
                                     "Pm: 80  [bar]", "Dp: 13  [bar]", "",
                                     "Tempo di ciclo: 4,7  [sec]", "Numero movimenti: 5"}));
        QCOMPARE(s.ended, 1);
    }

    void movementListPagesKindsAndSixBlocksOnEveryPaper() {
        RecordingSurface s;
        PrintMovementListReport(s, state, "H");
        QStringList lines = s.Lines(1);
        const qsizetype motor = lines.indexOf("MOTORE");
        QVERIFY(motor > 0);
        QCOMPARE(lines.mid(motor - 2, 9),
                 QStringList({"", "", "MOTORE", "", "Ti: 0|[sec]", "Tf: 2,5|[sec]",
                              "Cilindrata: 100|[cm3/giro]", QString::fromUtf8("N° giri: 120| "),
                              "Qm: 12|[dm3/min]"}));
        QCOMPARE(lines.indexOf("Qm: 58,905|[dm3/min]") > 0, true);
        QCOMPARE(s.page, 1);

        // Seven movements: the seventh opens a second page; a kind-3 slot prints nothing.
        state.Movements[6] = state.Movements[1];
        state.Movements[6].Kind = MovementKind::DifferentialPiston;
        state.Movements[7] = state.Movements[4];
        state.MovementCount = 7;
        RecordingSurface two;
        PrintMovementListReport(two, state, "H");
        QCOMPARE(two.page, 2);
        lines = two.Lines(2);
        QCOMPARE(lines.value(0), "H");
        QCOMPARE(lines.value(5), "MOTORE");
        QCOMPARE(two.Lines(1).count("CILINDRO SEMPLICE STELO USCENTE"), 2);

        // Six blocks on every paper, of twelve double-rod cylinders, the tallest there are.
        for (int k = 1; k <= 12; ++k) {
            state.Movements[k] = Movement{
                .Tf = 1, .BoreDiameter = 50, .Stroke = 200, .RodDiameter = 20, .Qm = 1, .Kind = 6};
        }
        state.MovementCount = 12;

        // On real paper, with the printer's own font metrics.
        QTemporaryDir dir;
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
            for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
                QPrinter printer(QPrinter::HighResolution);
                ToPdf(printer, dir.filePath("lista.pdf"), size, orientation);
                PaperCheckingSurface surface(printer);
                PrintMovementListReport(surface, state, "H");
                QCOMPARE(surface.offPage, QStringList());
                QCOMPARE(surface.namesPerPage, QList<int>({6, 6}));
            }
        }
    }

    void resultsTableRowsAndPageBreaks() {
        RunSimulation(state);
        RecordingSurface s;
        PrintResultsTableReport(s, state, "H");
        QStringList lines = s.Lines(1);
        QCOMPARE(lines.value(3), "T|V(T)|P(T)|Qt(t)|Qs(T)=Qt(T)-Qp");
        QCOMPARE(lines.value(5), "0,0|8,6327|80,0000|70,9050|70,9050");
        QCOMPARE(lines.size(), 5 + 47);
        QCOMPARE(s.page, 1);

        // Paper shorter than that depth breaks where the next row would not
        // fit (the recording surface fails any line off the page): A5
        // landscape holds 28 rows under the headings.
        state.LastPoint = 468;
        RecordingSurface a5(kPaperHeights[4]);
        PrintResultsTableReport(a5, state, "H");
        QCOMPARE(a5.page, 2);
        QCOMPARE(a5.Lines(1).last().section('|', 0, 0), "2,7");
        QCOMPARE(a5.Lines(2).value(3), "T|V(T)|P(T)|Qt(t)|Qs(T)=Qt(T)-Qp");
        QCOMPARE(a5.Lines(2).value(5).section('|', 0, 0), "2,8");
        QCOMPARE(a5.Lines(2).last().section('|', 0, 0), "4,6");

        // The ideal or real law adds the gas temperature to every row.
        state.Gas.Law = GasLawKind::Nitrogen;
        RunSimulation(state);
        RecordingSurface gas;
        // What produced the results goes under the header, in the same lines.
        PrintResultsTableReport(gas, state, "H", "Legge del gas: azoto reale");
        QCOMPARE(gas.Lines(1).value(1), "Legge del gas: azoto reale");
        QCOMPARE(gas.Lines(1).value(3), "T|V(T)|P(T)|Qt(t)|Qs(T)=Qt(T)-Qp|Tgas(T)");
        QCOMPARE(gas.Lines(1).value(5).section('|', 5), "45,00");
        // Its heading stands over its column, clear of the one before.
        double headingX = -1, valueX = -2, beforeEnd = 0;
        for (const auto& t : gas.texts) {
            if (t.text == "Tgas(T)") headingX = t.x;
            if (t.text == "Qs(T)=Qt(T)-Qp") beforeEnd = t.x + gas.TextWidth(t.text);
            if (t.page == 1 && t.line == 5 && t.text == "45,00") valueX = t.x;
        }
        QCOMPARE(headingX, valueX);
        QVERIFY(headingX >= beforeEnd + 3 * gas.TextWidth("0"));
        state.Gas = GasSettings{};
    }

    void pdfExportHoldsThePrintedText() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is missing");
        RunSimulation(state);
        QTemporaryDir dir;
        // A page set-up on which the table needs two pages.
        QPrinter printer;
        ToPdf(printer, dir.filePath("stampa.pdf"), QPageSize::A5, QPageLayout::Landscape);
        const PageIdentity identity{"Officina Rossi", "pressa.vlz", QDate(2026, 12, 7)};
        for (const auto kind : {WindowReport::Kind::InitialData, WindowReport::Kind::ResultsTable,
                                WindowReport::Kind::Cycle, WindowReport::Kind::Energy}) {
            ScriptedDialogs dialogs;
            dialogs.QueuePrinterAccepted(true);
            WindowReport report{kind};
            report.energy = EnergyInputs{};
            PrintAfterDialog(state, dialogs, printer, identity, report);
            const QString exported = dir.filePath(QStringLiteral("%1.pdf").arg(int(kind)));
            QVERIFY(ExportWindowPdf(exported, printer, state, identity, report));
            // The header heads every page, the cycle's diagram's own too;
            // the original's pages print it alone, as they always did.
            const QString printed = PdfText(dir.filePath("stampa.pdf"));
            QVERIFY2(printed.count("Officina Rossi") == printed.count('\f'), qPrintable(printed));
            QCOMPARE(printed.count("pressa.vlz"), PrintsIdentified(kind) ? printed.count('\f') : 0);
        }
        const auto pdf = [&](WindowReport::Kind kind) {
            return PdfText(dir.filePath(QStringLiteral("%1.pdf").arg(int(kind))));
        };
        QVERIFY(pdf(WindowReport::Kind::Cycle).simplified().contains("4 MOTORE 0 2,5 100 120 12"));
        const QString table = pdf(WindowReport::Kind::ResultsTable);
        // Every row is on paper, in order.
        QStringList rows;
        for (const QString& line : table.split('\n')) rows << line.simplified();
        rows = rows.filter(QRegularExpression("^\\d+,\\d( -?\\d+,\\d+){4}$"));
        QVERIFY2(rows.size() == 47, qPrintable(table));
        QCOMPARE(rows[15], "1,5 9,9651 65,4361 12,0000 -18,0000");
        QCOMPARE(rows.last(), "4,6 8,6327 80,0000 0,0000 0,0000");
        // The table ends with the energy balance, which also prints alone (its
        // figures are the window's, checked there).
        for (const QString& page : {table, pdf(WindowReport::Kind::Energy)})
            QVERIFY(page.simplified().contains("Cicli all'anno: 1531915 in 2000 h"));
    }

    // Every page of ours, at A4 and A5 in both languages, under nitrogen
    // (the table's widest rows): the identity line heads each page whole,
    // and no word leaves the printable area or lies over another.
    void pagesOfOursNameTheirDesignWholeOnEveryPaper() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is missing");
        state.Gas = {.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = 0, .MaxTemp = {}};
        RunSimulation(state);
        sizing::Requirements req;
        req.MinPressure = GaugeBar(60);
        req.Gas = state.Gas;
        const auto answer = sizing::SizeAccumulator(state, req);
        QVERIFY(answer && answer->Recommended);
        const PageIdentity identity{"Officina Meccanica Rossi S.r.l.", "pressa idraulica 2.vlzp",
                                    QDate(2026, 12, 7)};
        const QString origin = "Legge del gas: azoto reale, τ = 45 s; inviluppo da 0 a tc °C";
        QTemporaryDir dir;
        const QString pdf = dir.filePath("pagina.pdf");
        using Kind = WindowReport::Kind;
        const auto window = [&](Kind kind) {
            WindowReport report = kind == Kind::Sizing
                                      ? WindowReport(SizingPrint{req, *answer, state.Data})
                                  : kind == Kind::Chart ? WindowReport(ChartShown(FullView(state)))
                                                        : WindowReport(kind);
            report.origin = origin;
            report.energy = EnergyInputs{};
            return report;
        };
        for (const bool english : {false, true}) {
            if (english) QVERIFY(InstallEnglishTranslations(*qApp));
            const QString line =
                QString::fromUtf8(
                    "Officina Meccanica Rossi S.r.l. · pressa idraulica 2.vlzp · 2026-12-07 · V0 "
                    "10 dm3 · P0 60 bar · Qp 30 dm3/min · Pm 80 bar · Dp 13 bar · tc 45 °C · %1")
                    .arg(english ? "cycle 4.7 s" : "ciclo 4,7 s");
            for (const auto paper : {QPageSize::A4, QPageSize::A5}) {
                QPrinter printer(QPrinter::HighResolution);
                ToPdf(printer, pdf, paper);
                SetDefaultPageMargins(printer);
                // Every export, the whole report's (-1), our printed pages (true).
                const std::pair<int, bool> pages[] = {
                    {-1, false}, {0, false}, {1, false}, {2, false}, {3, false}, {4, false},
                    {5, false},  {6, false}, {4, true},  {5, true},  {6, true}};
                for (const auto& [kind, printed] : pages) {
                    QFile::remove(pdf);
                    ScriptedDialogs dialogs;
                    dialogs.QueuePrinterAccepted(true);
                    if (kind < 0)
                        ExportWholeReportPdf(pdf, printer, state, identity,
                                             ChartShown(FullView(state)), origin, EnergyInputs{});
                    else if (printed)
                        PrintAfterDialog(state, dialogs, printer, identity, window(Kind(kind)));
                    else
                        ExportWindowPdf(pdf, printer, state, identity, window(Kind(kind)));
                    const QString where = QString::asprintf("kind %d printed %d paper %d en %d",
                                                            kind, printed, int(paper), english);
                    const QStringList sheets = PdfText(pdf).split('\f', Qt::SkipEmptyParts);
                    // One line on A4; on A5, lines broken between its parts.
                    for (const QString& sheet : sheets) {
                        const QString head = sheet.trimmed().section("\n\n", 0, 0);
                        QVERIFY2(QString(head).replace(QRegularExpression(" *\n *"), " · ") ==
                                         line.simplified() &&
                                     (paper == QPageSize::A5 || !head.contains('\n')),
                                 qPrintable(where + ": " + head));
                    }
                    const QStringList faults = WordsOffOrOver(pdf);
                    QVERIFY2(faults.isEmpty(), qPrintable(where + '\n' + faults.join('\n')));
                }
            }
        }
        // Back to Italian for the tests after this one.
        qDeleteAll(qApp->findChildren<QTranslator*>());
        SetUiLanguage(UiLanguage::Italian);
        state.Gas = GasSettings{};
    }

    void cycleIsItsTableFittedToTheWidthThenTheDiagram() {
        state.Movements[2].Tf = state.Movements[2].Ti;  // a flow over no time is not printed
        state.Movements[4].Qm = 12.00005;  // every decimal, as the cycle table shows it
        state.Movements[1].Kind = 0;       // an old file's kind, titled as the table lists it
        RecordingSurface s;
        PrintCycleReport(s, state, "H");
        const QStringList lines = s.Lines(1);
        QCOMPARE(
            lines.mid(0, 4),
            QStringList({"H", "", "",
                         QString::fromUtf8("N.|Tipo|Ti [sec]|Tf [sec]|D [mm]|d [mm]|L [mm]|C "
                                           "[cm3/giro]|N [rpm]|CU [cm3/°]|AR [°]|Qm [dm3/min]")}));
        QVERIFY(lines[4].startsWith("1|CILINDRO SEMPLICE STELO USCENTE|"));
        QCOMPARE(lines[5], "2|CILINDRO SEMPLICE STELO ENTRANTE|0,2|0,2|40|15|300|||||");
        QCOMPARE(lines[7], "4|MOTORE|0|2,5||||100|120|||12,00005");
        QCOMPARE(lines.last(), "Qt massima: 108,239  [dm3/min]    Qp: 30  [dm3/min]");
        for (const auto& t : s.texts) QVERIFY(t.x >= 0 && t.x + s.TextWidth(t.text) <= 100 + 1e-9);
        QCOMPARE(s.pictures.size(), 1);
        QCOMPARE(s.page, 2);

        // A thousand movements: pages of rows, each under the heading again.
        for (int k = 1; k <= kMaxMovements; ++k) state.Movements[k] = state.Movements[1 + k % 5];
        state.MovementCount = kMaxMovements;
        RecordingSurface many;
        PrintCycleReport(many, state, "H");
        QVERIFY(many.page > 10);
        QCOMPARE(many.Lines(many.page - 1).value(3), lines[3]);
        QCOMPARE(many.pictures.size(), qsizetype{1});
    }

    // The chart fills the printable width in its proportions, every part of
    // it on the page: the later times, the legend and the T(t) scale too.
    void chartSpansThePrintableWidth() {
        state.Data.P0 = 40;
        state.Gas = {.Law = GasLawKind::Nitrogen, .MinTemp = -10, .MaxTemp = 60};
        RunSimulation(state);
        state.Gas = GasSettings{};  // the results keep what the run left
        const ChartShown chart(FullView(state), false, {true, true}, 0.5);
        for (const double height : {kPaperHeights[0], kPaperHeights[4]}) {
            RecordingSurface s(height);
            PrintChartReport(s, state, chart);
            QCOMPARE(s.pictures.size(), 1);
            const QImage& p = s.pictures[0];
            QVERIFY(s.texts.isEmpty());
            QCOMPARE(qRound(p.height() * 100.0 / p.width()), 50);
            // Across the page, or as tall as a short page allows.
            const double width = std::min(kA4Width, height * 2);
            QVERIFY(RecordingSurface::Twips(p) <= width);
            // Named above the chart, which then fits under the name.
            RecordingSurface named(height);
            PrintChartReport(named, state, chart, "Legge del gas: azoto reale");
            QCOMPARE(named.Lines(1), QStringList({"Legge del gas: azoto reale"}));
            const QImage& below = named.pictures.value(0);
            QVERIFY(RecordingSurface::Twips(below) * below.height() / below.width() <=
                    height - 2 * named.LineHeight() + 1);
            // The T(t) scale at the right and the legend's temperature entry.
            QVERIFY(testing::CountColour(p.copy(p.width() * 9 / 10, 0, p.width() / 10, p.height()),
                                         kTemperatureCurve) > 100);
            QVERIFY(testing::CountColour(p, kHotCurve) > 100);
        }
    }

    void printCommandFollowsTheActiveWindow() {
        QTemporaryDir dir;
        QPrinter printer;
        ScriptedDialogs dialogs;
        // The file printed to, once the printer dialog is answered.
        auto print = [&](const char* file, bool accepted, std::optional<WindowReport> report) {
            ToPdf(printer, dir.filePath(file));
            dialogs.QueuePrinterAccepted(accepted);
            PrintAfterDialog(state, dialogs, printer, {"H", "r.vlz", {}}, report);
            return testing::ReadFile(dir.filePath(file));
        };
        // Refused, the printer dialog prints nothing (accepted, see the PDF
        // export's test); the chart prints its picture alone; a window with
        // nothing to print prints nothing after the dialog.
        const QByteArray missing("<missing>");
        QCOMPARE(print("out.pdf", false, WindowReport{WindowReport::Kind::InitialData}), missing);
        RunSimulation(state);
        QVERIFY(print("chart.pdf", true, WindowReport(ChartShown(FullView(state))))
                    .contains("/Subtype /Image"));
        QCOMPARE(print("none.pdf", true, std::nullopt), missing);
    }

    // Last: it leaves the program in English.
    void sizingPdfHasEveryCellUnderItsHeadingInTheLanguage() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is missing");
        QTemporaryDir dir;
        sizing::Requirements req;
        req.MinPressure = GaugeBar(60);
        req.SizePump = true;
        const auto single = sizing::SizeAccumulator(state, req);
        req.Gas.MinTemp = 5;
        req.Gas.MaxTemp = 50;
        const auto envelope = sizing::SizeAccumulator(state, req);
        QVERIFY(single && single->Recommended && envelope && envelope->Recommended);
        for (bool english : {false, true}) {
            if (english) QVERIFY(InstallEnglishTranslations(*qApp));
            // The default paper, and A5 on which the envelope's columns go
            // on in a second block.
            QPrinter a5(QPrinter::HighResolution);
            ToPdf(a5, {}, QPageSize::A5);
            const std::pair<const sizing::SizingAnswer*, QPrinter*> cases[] = {
                {&*single, nullptr}, {&*envelope, nullptr}, {&*envelope, &a5}};
            for (const auto& [answer, paper] : cases) {
                const QString pdf = dir.filePath("dimensionamento.pdf");
                if (paper == nullptr) {
                    QVERIFY(WriteSizingReportPdf(pdf.toStdString(), "Officina Rossi", "r.vlzp", req,
                                                 *answer, state.Data));
                } else {
                    QVERIFY(WritePdfReport(pdf, *paper,
                                           // A copy: Clang 14 captures no structured binding.
                                           [&, found = answer](PrinterSurface& s) {
                                               PrintSizingReport(s, "Officina Rossi", req, *found,
                                                                 state.Data, true);
                                           }));
                }
                const QString text = PdfText(pdf);
                const QStringList faults = MisalignedCells(text);
                QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n') + "\n" + text));
                // The recommended row in each block of columns: two on A5, and
                // on A4 within 15 mm margins one or two, as the language's
                // headings are long.
                const auto marked = text.count(QRegularExpression("\\n\\s*\\*\\s+10\\s"));
                QVERIFY(paper == nullptr ? marked == 1 || marked == 2 : marked == 2);
                // Every candidate's verdict, the last column, is on paper.
                const QRegularExpression verdict(english ? "\\b(passes|fails)$"
                                                         : "\\b(non )?supera$");
                QCOMPARE(text.split('\n').filter(verdict).size(),
                         static_cast<int>(answer->Candidates.size()));
                QCOMPARE(text.contains(QRegularExpression("\\d,\\d")), !english);
                // A page of an answer the design has since left says so.
                QCOMPARE(
                    text.contains(english ? "Results out of date" : "Risultati non aggiornati"),
                    paper != nullptr);
                const QStringList foreign =
                    testing::OtherLanguageTexts(text.split('\n'), CurrentUiLanguage());
                QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join('\n')));
            }
            // Every other printed page in the language too, with results.
            QCOMPARE(RunSimulation(state).outcome, RunOutcome::Completed);
            RecordingSurface whole;
            PrintWholeReport(whole, state, "H", ChartShown(FullView(state)));
            QStringList lines;
            for (int page = 1; page <= whole.page; ++page) lines << whole.Lines(page);
            QCOMPARE(testing::OtherLanguageTexts(lines, CurrentUiLanguage()), QStringList());
            QCOMPARE(lines.filter(QRegularExpression("\\d,\\d")).isEmpty(), english);
        }
    }

  private:
    CircuitState state;
};

}  // namespace
}  // namespace volvenza

QTEST_MAIN(volvenza::ReportTest)
#include "ReportTest.moc"
