// The "Dimensionamento" window inside the real main window: its command
// state, a search on the example from the boxes to the table, "Applica"
// into the initial data and a run of the applied design, the catalogue
// table, the refusal of a wrong cell, and "Interrompi".

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "analysis/Dimensionamento.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

class SizingWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void searchesAppliesAndRuns();
    void catalogueTableFollowsTheType();
    void refusesAWrongCellAndStops();
    void projectKeepsRequirementsAndRecommendation();
};

namespace {

Dimensionamento* OpenWindow(Shell& shell) {
    shell.main->show();
    QAction* entry = shell.Menu("mnuCalcoloDimensionamento");
    if (entry->isEnabled()) return nullptr;  // no data yet: the window is not offered
    shell.Button("Esempio")->trigger();
    if (!entry->isEnabled()) return nullptr;
    entry->trigger();
    return qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
}

}  // namespace

void SizingWindowTest::searchesAppliesAndRuns() {
    Shell shell(ProgramChildWindows());
    Dimensionamento* window = OpenWindow(shell);
    QVERIFY(window != nullptr);
    QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
    Named<QPushButton>(window, "CmdCalcola")->click();
    QVERIFY(Named<QPushButton>(window, "CmdInterrompi")->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return !window->Busy(); }, 20000));
    QVERIFY(shell.dialogs.Messages().empty());

    QVERIFY2(Named<QLabel>(window, "LRaccomandazione")
                 ->text()
                 .startsWith("Raccomandato: 10 dm3, precarica 48,1 bar a 20 °C, pompa 30 dm3/min."),
             qPrintable(Named<QLabel>(window, "LRaccomandazione")->text()));
    // At the window's own size every column is in view, the recommended
    // row selected among them, and the legend names the rules.
    auto* table = Named<QTableWidget>(window, "TabellaCandidati");
    QCOMPARE(table->rowCount(), 14);
    QCOMPARE(table->item(10, 0)->text(), QString("6"));
    QCOMPARE(table->item(10, 3)->text(), QString("-0,51"));
    QCOMPARE(table->item(11, table->columnCount() - 1)->text(), QString("supera"));
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), 11);
    QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(11, 0))));
    QVERIFY(Named<QLabel>(window, "LLegenda")->text().startsWith("Regola 1: "));
    QVERIFY(!Named<QPlainTextEdit>(window, "TSpiegazione")->toPlainText().isEmpty());

    Named<QPushButton>(window, "CmdApplica")->click();
    QWidget* data = shell.main->FindChildWindow("DatiIniziali");
    QCOMPARE(Named<QLineEdit>(data, "TV0")->text(), QString("10"));
    QCOMPARE(Named<QLineEdit>(data, "TP0")->text(), QString("48,1"));
    QCOMPARE(shell.state.ChartMinPressure, 60.0);
    shell.Button("Simulazione")->trigger();
    double lowest = 1e9;
    for (int j = 0; j <= shell.state.LastPoint; ++j) {
        lowest = std::min(lowest, shell.state.PSeries[j]);
    }
    QVERIFY(lowest >= 60);
    QVERIFY(lowest < 64);
}

// A catalogue still holding a type's defaults follows the type; an edited
// one stays; "Predefinito" brings the defaults back.
void SizingWindowTest::catalogueTableFollowsTheType() {
    Shell shell(ProgramChildWindows());
    Dimensionamento* window = OpenWindow(shell);
    QVERIFY(window != nullptr);
    auto* table = Named<QTableWidget>(window, "TabellaCatalogo");
    auto* type = Named<QComboBox>(window, "CboTipo");
    type->setCurrentIndex(2);  // diaphragm: ten sizes from 0,075 dm3, ratios 8 to 4
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->item(0, 0)->text(), QString("0,075"));
    QCOMPARE(table->item(9, 1)->text(), QString("4"));
    table->item(0, 3)->setText("120");
    type->setCurrentIndex(1);
    QCOMPARE(table->rowCount(), 10);
    Named<QPushButton>(window, "CmdPredefinito")->click();
    QCOMPARE(table->rowCount(), 18);
    QCOMPARE(table->item(0, 1)->text(), QString());      // a piston has no ratio limit
    QCOMPARE(window->ReadRequirements(), std::nullopt);  // p1 is still empty
    QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
    QCOMPARE(window->ReadRequirements()->Catalogue,
             sizing::DefaultCatalogue(sizing::AccumulatorType::Piston));
}

void SizingWindowTest::refusesAWrongCellAndStops() {
    Shell shell(ProgramChildWindows());
    Dimensionamento* window = OpenWindow(shell);
    QVERIFY(window != nullptr);
    QVERIFY(!window->Calculate());
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    QCOMPARE(shell.dialogs.Messages()[0].text, QString("Scrivere la pressione minima p1 in bar."));
    QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
    auto* catalogue = Named<QTableWidget>(window, "TabellaCatalogo");
    catalogue->item(2, 2)->setText("25O");
    QVERIFY(!window->Calculate());
    QCOMPARE(shell.dialogs.Messages()[1].text,
             QString("Il catalogo contiene \"25O\" alla riga 3, che non è un numero."));
    catalogue->item(2, 2)->setText(QString());

    // Stopped, a search leaves no answer behind, not even the last one.
    QVERIFY(window->Calculate());
    QVERIFY(QTest::qWaitFor([&] { return !window->Busy(); }, 20000));
    QVERIFY(Named<QPushButton>(window, "CmdApplica")->isEnabled());
    QVERIFY(window->Calculate());
    Named<QPushButton>(window, "CmdInterrompi")->click();
    QVERIFY(QTest::qWaitFor([&] { return !window->Busy(); }, 20000));
    auto* said = Named<QLabel>(window, "LRaccomandazione");
    QCOMPARE(said->text(), QString("Ricerca interrotta"));
    QVERIFY(said->height() >= said->fontMetrics().height());
    QCOMPARE(Named<QTableWidget>(window, "TabellaCandidati")->rowCount(), 0);
    QVERIFY(!window->Answer());
    QVERIFY(Named<QPushButton>(window, "CmdCalcola")->isEnabled());
    QVERIFY(!Named<QPushButton>(window, "CmdApplica")->isEnabled());
}

void SizingWindowTest::projectKeepsRequirementsAndRecommendation() {
    Shell shell(ProgramChildWindows());
    Dimensionamento* window = OpenWindow(shell);
    QVERIFY(window != nullptr);
    QTest::keyClicks(Named<QLineEdit>(window, "TP1"), "60");
    Named<QLineEdit>(window, "TPS")->setText("250");
    QVERIFY(window->Calculate());
    QVERIFY(QTest::qWaitFor([&] { return !window->Busy(); }, 20000));
    const QString path = shell.temp.filePath("progetto.vlzp");
    shell.Button("Simulazione")->trigger();  // saving needs results
    shell.dialogs.QueueFileName(path);
    shell.Menu("mnuFileSaveAs")->trigger();
    QVERIFY(!shell.dialogs.Calls().empty());
    QVERIFY(shell.dialogs.Calls().back().filter.contains(
        "Volvenza (*.vlz)|*.vlz|Progetto Volvenza (*.vlzp)|*.vlzp| Tutti i file (*.*)|*.* "));
    QVERIFY(QFile::exists(path));

    // Another design in its place, then the project opened again.
    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Button("New")->trigger();
    QCOMPARE(shell.state.MovementCount, int16_t{0});
    shell.dialogs.QueueFileName(path);
    shell.Menu("mnuFileOpen")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});  // only the question of "New"
    QCOMPARE(shell.state.MovementCount, int16_t{5});
    QVERIFY(shell.state.LastPoint > 0);  // the results come from a new run
    shell.Menu("mnuCalcoloDimensionamento")->trigger();
    auto* reopened = qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
    QVERIFY(reopened != nullptr);
    QCOMPARE(Named<QLineEdit>(reopened, "TP1")->text(), QString("60"));
    QCOMPARE(Named<QLineEdit>(reopened, "TPS")->text(), QString("250"));
    auto* last = Named<QLabel>(reopened, "LRaccomandazione");
    QVERIFY(last->text().startsWith(
        "Ultima raccomandazione: 10 dm3, precarica 48,1 bar, pompa 30 dm3/min."));
    QVERIFY(last->height() >= last->fontMetrics().height());
    QCOMPARE(reopened->Sizing().Recommendation->V0, 10.0);
}

QTEST_MAIN(SizingWindowTest)
#include "SizingWindowTest.moc"
