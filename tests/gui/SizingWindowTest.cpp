// The sizing window inside the project: a search on the example from the
// boxes to the table, "Applica" as a step of the history and a run of the
// applied design, an answer that no longer fits the data, the catalogue
// table, refused cells, "Interrompi", and requirements that outlive the
// window and the program.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "platform/DrawingSurface.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// The sizing window over the example, its menu entry withheld before there
// is any data and offered after.
Dimensionamento* OpenSizing(Shell& shell) {
    shell.main->show();
    QAction* entry = shell.Menu("mnuCalcoloDimensionamento");
    if (entry->isEnabled()) qFatal("the sizing is offered before there is any data");
    shell.Button("Esempio")->trigger();
    if (!entry->isEnabled()) qFatal("the sizing is withheld from the example");
    entry->trigger();
    return Named<Dimensionamento>(shell.main.get(), "Dimensionamento");
}

// The answer applied and the data still those: said beside Applica, which
// has nothing more to put in.
bool ShowsApplied(QWidget* window) {
    return !Named<QLabel>(window, "LNonAggiornati")->isVisibleTo(window) &&
           !Named<QPushButton>(window, "CmdApplica")->isEnabled() &&
           Named<QLabel>(window, "LApplicata")->isVisibleTo(window);
}

}  // namespace

class SizingWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void sizingSearchesAndApplies() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        auto* apply = Named<QPushButton>(window, "CmdApplica");
        auto* stale = Named<QLabel>(window, "LNonAggiornati");
        QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
        Named<QPushButton>(window, "CmdCalcola")->click();
        QVERIFY(SearchEnds(*window));
        QVERIFY(apply->isEnabled() && !stale->isVisibleTo(window));

        const QString said = Named<QLabel>(window, "LRaccomandazione")->text();
        QVERIFY2(
            said.startsWith("Raccomandato: 10 dm3, precarica 48,1 bar a 20 °C, pompa 30 dm3/min."),
            qPrintable(said));
        auto* table = Named<QTableWidget>(window, "TabellaCandidati");
        QCOMPARE(table->item(10, 3)->text(), "-2,63");
        QCOMPARE(table->item(11, table->columnCount() - 1)->text(), "supera");

        // Applied (a click where the button shows, nothing over it), the design
        // is in the initial data and a step of the history; the answer stays
        // current for the data it left, before a run and after.
        QWidget* top = window->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                          apply->mapTo(top, apply->rect().center()));
        QCOMPARE(BoxTexts(shell.main->ShowChildWindow("DatiIniziali"), {"TV0", "TP0"}),
                 QStringList({"10", "48,1"}));
        QCOMPARE(shell.state.ChartMinPressure, 60.0);
        // The window says what it applied, whichever windows are open.
        QCOMPARE(Named<QLabel>(window, "LApplicata")->text(),
                 "Applicata al progetto: 10 dm3, precarica 48,1 bar, pompa 30 dm3/min.");
        QVERIFY(ShowsApplied(window));
        shell.Button("Simulazione")->trigger();
        QVERIFY(ShowsApplied(window));
        shell.main->CurrentProject().Undo();
        // Found for these data, it is still in view and current.
        QVERIFY(!stale->isVisibleTo(window) && apply->isEnabled() && !ShowsApplied(window));
        shell.main->CurrentProject().Redo();
        QVERIFY(ShowsApplied(window));
        // Its run keeps above p1, not far above; the pump alone is taken at p1,
        // in the project opened again by a program that did not apply it.
        shell.Button("Simulazione")->trigger();
        shell.main->ShowChildWindow("BilancioEnergetico");
        // A hold begun in one box is none of the project's: it saves and opens.
        window->findChild<QWidget*>("FrameMantenimento")->setProperty("checked", true);
        Retype(Named<QLineEdit>(window, "TMantPressione"), "50");
        QVERIFY(!shell.main->CurrentProject().Sizing().Requirements.Duties.Hold);
        const QString path = shell.temp.filePath("p1.vlzp");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        shell.state.ChartMinPressure.reset();
        shell.WithFile(shell.Menu("mnuFileOpen"), path);
        QCOMPARE(BalanceFigures(*shell.main).value(16), "60 bar (p1 del dimensionamento)");
        const auto series = shell.state.PSeries.begin();
        const double lowest = *std::min_element(series, series + shell.state.LastPoint + 1);
        QVERIFY2(lowest >= 60 && lowest < 64, qPrintable(QString::number(lowest)));
        auto* status = Named<QLabel>(shell.main.get(), "Panel1");
        QCOMPARE(status->text(), "Stato");
        // A band of 25 bar: the pump loads late and the run falls below the
        // p1 applied. The results' note, the status bar and the chart say
        // where, from the first point below it to the cycle's end.
        Retype(Named<QLineEdit>(shell.main->ShowChildWindow("DatiIniziali"), "TDp"), "25");
        shell.Button("Simulazione")->trigger();
        int first = 0;
        while (shell.state.PSeries[first] >= 60) ++first;
        const QString below = QStringLiteral("sotto p1 = 60 bar da %1 s a 4,69 s")
                                  .arg(QString::number(first / 100.0).replace('.', ','));
        QVERIFY2(shell.main->ResultsNote().endsWith("; " + below),
                 qPrintable(shell.main->ResultsNote()));
        QCOMPARE(status->text(), "La pressione scende " + below);
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::red));
        QWidget* chart = shell.main->ShowChildWindow("Grafico");
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        const QImage drawn = Named<DrawingArea>(chart, "Picture1")->Surface().CommittedImage();
        QVERIFY(CountColour(drawn, QColor(255, 205, 205)) > 0);
        Retype(Named<QLineEdit>(shell.main->ShowChildWindow("DatiIniziali"), "TDp"), "13");
        shell.Button("Simulazione")->trigger();
        QCOMPARE(status->text(), "Stato");
    }

    // A long first answer, which brings the answer's scroll bar, shows to its
    // last line (its last sentence was cut under the table below it).
    void aLongAnswerShowsWhole() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.WithFile(shell.Menu("mnuFileOpen"), QStringLiteral(VOLVENZA_TEST_DATA "/press.vlzp"));
        shell.Menu("mnuCalcoloDimensionamento")->trigger();
        auto* window = Named<Dimensionamento>(shell.main.get(), "Dimensionamento");
        QVERIFY(QTest::qWaitForWindowExposed(window) && Search(*window));
        QCoreApplication::processEvents();
        for (const char* name : {"LRaccomandazione", "LLegenda"}) {
            auto* label = Named<QLabel>(window, name);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        QVERIFY(Named<QLabel>(window, "LRaccomandazione")->text().endsWith("supera."));
        // The recommended size is in view in the candidates' table.
        auto* table = Named<QTableWidget>(window, "TabellaCandidati");
        QVERIFY(!table->selectedItems().isEmpty());
        const QRect row = table->visualItemRect(table->selectedItems().front());
        QVERIFY(table->viewport()->rect().contains(row));
    }

    // A box the search cannot do without, emptied, stops a save by its name as
    // any other draft (it used to save the figure taken out of it, unsaid);
    // one that may stay empty saves as no requirement.
    void anEmptiedBoxIsNoFigure() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        shell.Button("Simulazione")->trigger();
        auto* hours = Named<QLineEdit>(window, "TOreAnno");
        Retype(hours, "");
        Retype(Named<QLineEdit>(window, "TPS"), "250");
        Retype(Named<QLineEdit>(window, "TPS"), "");
        const QString path = shell.temp.filePath("emptied.vlzp");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        QCOMPARE(shell.dialogs.Messages().size(), size_t(1));
        QCOMPARE(shell.dialogs.Messages().back().text,
                 "Il valore di ore di lavoro in un anno (Dimensionamento) manca: il lavoro "
                 "non viene salvato. Scriverlo o annullare con Ctrl+Z.");
        // Nothing to show in red: the box's ground is.
        QVERIFY(hours->palette().color(QPalette::Base) != window->palette().color(QPalette::Base));
        QVERIFY(!QFile::exists(path));
        Retype(hours, "1500");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        shell.Menu("Esempio")->trigger();
        shell.WithFile(shell.Menu("mnuFileOpen"), path);
        QCOMPARE(hours->text(), "1500");
        QCOMPARE(Named<QLineEdit>(window, "TPS")->text(), "");
    }

    // The efficiency typed in the requirements is the balance's at once, a
    // step Annulla takes back; one out of range is the project's too, no
    // draft, and the balance and Calcola refuse it in one sentence. An
    // answer follows the data it was found for.
    void sizingAnswerFollowsTheData() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        auto* apply = Named<QPushButton>(window, "CmdApplica");
        auto* stale = Named<QLabel>(window, "LNonAggiornati");
        QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
        QVERIFY(Search(*window));
        apply->click();
        shell.Button("Simulazione")->trigger();
        shell.main->ShowChildWindow("BilancioEnergetico");
        auto* efficiency = Named<QLineEdit>(window, "TRendimento");
        Retype(efficiency, "0,8");
        QCOMPARE(shell.main->CurrentProject().Sizing().Requirements.PumpEfficiency, 0.8);
        QCOMPARE(BalanceFigures(*shell.main).value(13), "0,8");
        shell.Menu("mnuFileAnnulla")->trigger();
        QCOMPARE(efficiency->text(), "0,9");
        Retype(efficiency, "2");
        QCOMPARE(shell.main->CurrentProject().Sizing().Requirements.PumpEfficiency, 2.0);
        QVERIFY(shell.main->CurrentProject().AllDrafts().empty());
        QCOMPARE(BalanceFigures(*shell.main), QStringList());
        window->Calculate();
        QCOMPARE(shell.dialogs.Messages().back().text,
                 Named<QLabel>(shell.main.get(), "LNessunRisultato")->text());
        Retype(efficiency, "0,9");
        // Hours a year are shown to the tenth, as typed: half an hour is no 0 h.
        Retype(Named<QLineEdit>(window, "TOreAnno"), "0,5");
        QVERIFY(BalanceFigures(*shell.main).last().endsWith(" in 0,5 h"));

        // Another maximum pressure: the answer stays in view, marked, and
        // cannot be applied to a design it was not found for, until a search.
        QVERIFY(Search(*window) && !stale->isVisibleTo(window) && apply->isEnabled());
        Retype(Named<QLineEdit>(shell.main->LoadChildWindow("DatiIniziali"), "TPm"), "85");
        QVERIFY(stale->isVisibleTo(window) && !apply->isEnabled());
        QVERIFY(Search(*window) && !stale->isVisibleTo(window) && apply->isEnabled());
        // Another project: nothing of this answer is left to apply.
        shell.Menu("Esempio")->trigger();
        QVERIFY(!apply->isEnabled() && !shell.state.ChartMinPressure);

        // Accumulators in parallel: applied, their number is the gas
        // settings', and the answer is still the one for these data.
        auto* catalogue = Named<QTableWidget>(window, "TabellaCatalogo");
        catalogue->setRowCount(1);
        catalogue->setItem(0, 0, new QTableWidgetItem("4"));
        catalogue->setItem(0, 1, new QTableWidgetItem("4"));
        Retype(Named<QLineEdit>(window, "TP1"), "60");
        QVERIFY(Search(*window));
        apply->click();
        QCOMPARE(shell.state.Gas.Vessels.Count, 2);  // two of 4 dm3
        QVERIFY(!stale->isVisibleTo(window) && !apply->isEnabled());
        // Data changed after it was applied: no longer theirs.
        Retype(Named<QLineEdit>(shell.main->LoadChildWindow("DatiIniziali"), "TDp"), "14");
        QVERIFY(stale->isVisibleTo(window) && !apply->isEnabled());
    }

    // A catalogue still holding a type's defaults follows the type; an edited
    // one stays; "Predefinito" brings the defaults back. Wrong input is refused
    // with a message, and a stopped search leaves no answer, not even the last.
    void sizingCatalogueRefusalsAndStop() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        auto* table = Named<QTableWidget>(window, "TabellaCatalogo");
        auto* type = Named<QComboBox>(window, "CboTipo");
        type->setCurrentIndex(2);  // diaphragm: ten sizes from 0,075 dm3, ratios 8 to 4
        QCOMPARE(table->item(9, 1)->text(), "4");
        table->item(0, 3)->setText("120");
        type->setCurrentIndex(1);
        QCOMPARE(table->rowCount(), 10);
        Named<QPushButton>(window, "CmdPredefinito")->click();
        QCOMPARE(table->rowCount(), 18);
        window->Calculate();  // p1 is still empty
        QCOMPARE(shell.dialogs.Messages().back().text, "Scrivere la pressione minima p1 in bar.");
        QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
        QCOMPARE(window->ReadRequirements()->Catalogue,
                 sizing::DefaultCatalogue(sizing::AccumulatorType::Piston));
        table->item(2, 2)->setText("25O");
        window->Calculate();
        QCOMPARE(shell.dialogs.Messages().back().text,
                 "Il valore di PS alla riga 3 del catalogo (Dimensionamento) è \"25O\", che non è "
                 "un numero valido: il dimensionamento non può partire. Correggerlo o annullarlo "
                 "con Ctrl+Z.");
        QCOMPARE(table->currentItem(), table->item(2, 2));
        // Annulla takes it back, Ripeti brings it again.
        shell.Menu("mnuFileAnnulla")->trigger();
        QCOMPARE(table->item(2, 2)->text(), QString());
        shell.Menu("mnuFileRipeti")->trigger();
        QCOMPARE(table->item(2, 2)->text(), "25O");
        // It goes with its row: up when a row above goes, away with its own.
        auto* remove = Named<QPushButton>(window, "CmdRimuoviGrandezza");
        table->selectRow(0);
        remove->click();
        QCOMPARE(table->item(1, 2)->text(), "25O");
        window->Calculate();
        QVERIFY(shell.dialogs.Messages().back().text.startsWith("Il valore di PS alla riga 2 "));
        remove->click();
        QCOMPARE(shell.main->CurrentProject().FirstDraft(), std::nullopt);
        QCOMPARE(table->rowCount(), 16);

        QVERIFY(Search(*window));
        QVERIFY(Named<QPushButton>(window, "CmdApplica")->isEnabled());
        window->Calculate();
        QVERIFY(!Named<QPushButton>(window, "CmdCalcola")->isEnabled());
        Named<QPushButton>(window, "CmdInterrompi")->click();
        QVERIFY(SearchEnds(*window));
        auto* said = Named<QLabel>(window, "LRaccomandazione");
        QCOMPARE(said->text(), "Ricerca interrotta");
        QCOMPARE(Named<QTableWidget>(window, "TabellaCandidati")->rowCount(), 0);
        QVERIFY(!window->Answer() && !Named<QPushButton>(window, "CmdApplica")->isEnabled());
    }

    // The fatigue rating's columns and the bottles reach the search and,
    // typed, the project; a size that is not a volume is refused.
    void sizingTakesTheRatingsAndTheBottles() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
        auto* table = Named<QTableWidget>(window, "TabellaCatalogo");
        Named<QComboBox>(window, "CboTipo")->setCurrentIndex(0);
        table->setRowCount(2);
        const QStringList sizes[] = {{"6", "4", "90"}, {"10", "4", "90", "", "", "20", "2000000"}};
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < table->columnCount(); ++c)
                table->setItem(r, c, new QTableWidgetItem(sizes[r].value(c)));
        }
        Named<QCheckBox>(window, "ChkPompa")->setChecked(true);
        QVERIFY(Search(*window));
        const QString said = Named<QLabel>(window, "LRaccomandazione")->text();
        QVERIFY2(said.contains("Il costruttore ammette 20 bar (regola 7). La grandezza è "
                               "data per 2000000 cicli: circa 1,3 anni."),
                 qPrintable(said));
        auto* bottles = Named<QLineEdit>(window, "TBombole");
        Retype(bottles, "10; 0");
        window->Calculate();
        QVERIFY(shell.dialogs.Messages().back().text.startsWith(
            "Il valore di bombole per i pistoni (Dimensionamento) è \"10; 0\""));
        QCOMPARE(bottles->selectedText(), "10; 0");  // shown, to be typed over
        bottles->end(false);
        QTest::keyClicks(bottles, ",5");
        const auto& kept = shell.main->CurrentProject().Sizing().Requirements;
        QCOMPARE(kept.BottleSizes, std::vector<double>({10, 0.5}));
        QCOMPARE(window->ReadRequirements()->BottleSizes, kept.BottleSizes);
        Named<QCheckBox>(window, "ChkComposizioni")->click();
        QVERIFY(kept.Arrangements && window->ReadRequirements()->Arrangements);
        // Each box a step of its own.
        shell.Menu("mnuFileAnnulla")->trigger();
        QVERIFY(!Named<QCheckBox>(window, "ChkComposizioni")->isChecked());
        QCOMPARE(bottles->text(), "10; 0,5");
        shell.Menu("mnuFileAnnulla")->trigger();
        QCOMPARE(bottles->text(), "10; 20; 40; 50");
    }

    void sizingComesBackWithItsProject() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
        Named<QLineEdit>(window, "TPS")->setText("250");
        QVERIFY(Search(*window));
        const QString path = shell.temp.filePath("progetto.vlzp");
        shell.Button("Simulazione")->trigger();  // saving needs results
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);

        // Another design in its place, then the project opened again.
        shell.Answering(shell.Button("New"), MessageAnswer::Ok);
        shell.WithFile(shell.Menu("mnuFileOpen"), path);
        QCOMPARE(shell.dialogs.Messages().size(), size_t{1});  // only the question of "New"
        QCOMPARE(shell.state.MovementCount, int16_t{5});
        QVERIFY(shell.state.LastPoint > 0);  // the results come from a new run
        shell.Menu("mnuCalcoloDimensionamento")->trigger();
        window = qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
        QVERIFY(window != nullptr);
        QCOMPARE(BoxTexts(window, {"TP1", "TPS"}), QStringList({"60", "250"}));
        auto* last = Named<QLabel>(window, "LRaccomandazione");
        QVERIFY(last->text().startsWith(
            "Ultima raccomandazione: 10 dm3, precarica 48,1 bar, pompa 30 dm3/min."));
    }

    // A requirement, a hold box or a catalogue cell that is no number stays,
    // window closed, and stops the save and the search, naming the box;
    // opened again, it is there, its tip saying what is wrong.
    void sizingDraftsOutliveTheWindowAndTheProgram() {
        Shell shell(ProgramChildWindows());
        Dimensionamento* window = OpenSizing(shell);
        shell.Button("Simulazione")->trigger();  // saving needs results
        Retype(Named<QLineEdit>(window, "TP1"), "6-5");
        Named<QTableWidget>(window, "TabellaCatalogo")->item(1, 0)->setText("0,3x");
        window->findChild<QWidget*>("FrameMantenimento")->setProperty("checked", true);
        Retype(Named<QLineEdit>(window, "TMantTempo"), "5e");
        window->parentWidget()->close();
        QVERIFY(QTest::qWaitFor([&] { return !shell.main->FindChildWindow("Dimensionamento"); }));
        shell.Menu("mnuFileSaveAs")->trigger();
        QCOMPARE(
            shell.dialogs.Messages().back().text,
            "Il valore di pressione minima p1 (Dimensionamento) è \"6-5\", che non è un numero "
            "valido: il lavoro non viene salvato. Correggerlo o annullarlo con Ctrl+Z.");
        shell.Menu("mnuCalcoloDimensionamento")->trigger();
        window = qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
        auto* p1 = Named<QLineEdit>(window, "TP1");
        QCOMPARE(p1->text(), "6-5");
        QCOMPARE(p1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(p1->toolTip(), "Scrivere la pressione minima p1 in bar.");
        auto* holdTime = Named<QLineEdit>(window, "TMantTempo");
        QCOMPARE(holdTime->text(), "5e");
        Retype(p1, "60");
        shell.Button("Simulazione")->trigger();
        QVERIFY(shell.dialogs.Messages().back().text.contains(
            "è \"5e\", che non è un numero valido: la simulazione non può partire."));
        // A letter is refused as in the other boxes; a pressure above the
        // hold's start (Pm - Dp) is marked, saying so.
        QTest::keyClicks(holdTime, "x");
        QCOMPARE(holdTime->text(), "5e");
        auto* holdPressure = Named<QLineEdit>(window, "TMantPressione");
        Retype(holdPressure, "500");
        QVERIFY2(holdPressure->toolTip().startsWith("La pressione da mantenere (500 bar) supera"),
                 qPrintable(holdPressure->toolTip()));
        Retype(holdPressure, "50");
        // Whole, the hold is the project's, and stays whole while a box gives
        // it no figure: a pressure typed then is not taken without its time.
        Retype(holdTime, "30");
        holdTime->selectAll();
        QTest::keyClick(holdTime, Qt::Key_Delete);
        Retype(holdPressure, "40");
        QCOMPARE(shell.main->CurrentProject().Sizing().Requirements.Duties.Hold->Pressure.value(),
                 50.0);
        Retype(holdTime, "5e");
        QTableWidgetItem* cell = Named<QTableWidget>(window, "TabellaCatalogo")->item(1, 0);
        QCOMPARE(cell->text(), "0,3x");
        QCOMPARE(cell->foreground().color(), QColor(Qt::red));
        cell->setText("0,32");
        // Typed into a cell, a letter is refused as in the boxes.
        auto* catalogue = Named<QTableWidget>(window, "TabellaCatalogo");
        catalogue->editItem(cell);
        auto* editor = catalogue->viewport()->findChild<QLineEdit*>();
        QTest::keyClicks(editor, "1x");
        QCOMPARE(editor->text(), "1");
        QTest::keyClick(editor, Qt::Key_Escape);
        window->Calculate();
        QVERIFY(
            shell.dialogs.Messages().back().text.contains("il dimensionamento non può partire"));

        // Quitting asks nothing: the requirements go into the project and
        // from there into a recovery point.
        Retype(Named<QLineEdit>(window, "TP1"), "65");
        const size_t asked = shell.dialogs.Calls().size();
        shell.Close();
        QCOMPARE(shell.dialogs.Calls().size(), asked);
        ProjectSnapshot kept;
        QVERIFY(NewestRecoveryPoint(shell, kept));
        QCOMPARE(kept.sizing.Requirements.MinPressure.value(), 65.0);
    }
};

QTEST_MAIN(SizingWindowTest)
#include "SizingWindowTest.moc"
