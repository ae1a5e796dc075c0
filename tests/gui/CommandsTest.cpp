// The main window's commands on the shared state: the command-state codes,
// New, Open, Save and the exports, run through scripted dialogs.

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>

#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// Enabled state of the entries the codes switch, as "name=0/1" in one text so
// a failure shows the whole row.
QString States(const Shell& shell) {
    QStringList parts;
    for (const char* key : {"Open", "Save", "Print", "Simulazione", "Grafico", "Tabella", "New",
                            "ValoriIniziali", "InserimentoDati", "Esempio"}) {
        parts
            << QStringLiteral("%1=%2").arg(QLatin1String(key)).arg(shell.Button(key)->isEnabled());
    }
    for (const char* name :
         {"mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaGrafico", "mnuFilePrint",
          "mnuFileNew", "mnuFileOpen"}) {
        parts
            << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(shell.Menu(name)->isEnabled());
    }
    return parts.join(QLatin1Char(' '));
}

QString Expected(const char* buttons, const char* menus) {
    // buttons: Open Save Print Simulazione Grafico Tabella; menus: Save SaveAs
    // Esporta EsportaGrafico Print. The always-enabled entries follow.
    const char* keys[] = {"Open", "Save", "Print", "Simulazione", "Grafico", "Tabella"};
    const char* names[] = {"mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta",
                           "mnuFileEsportaGrafico", "mnuFilePrint"};
    QStringList parts;
    for (int i = 0; i < 6; ++i)
        parts << QStringLiteral("%1=%2").arg(QLatin1String(keys[i])).arg(buttons[i]);
    for (const char* key : {"New", "ValoriIniziali", "InserimentoDati", "Esempio"}) {
        parts << QStringLiteral("%1=1").arg(QLatin1String(key));
    }
    for (int i = 0; i < 5; ++i)
        parts << QStringLiteral("%1=%2").arg(QLatin1String(names[i])).arg(menus[i]);
    parts << QStringLiteral("mnuFileNew=1") << QStringLiteral("mnuFileOpen=1");
    return parts.join(QLatin1Char(' '));
}

QWidget* ProgressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("AvanzamentoSimulazione")) return window;
    }
    return nullptr;
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void commandStateFollowsTheCodes();
    void newAsksAndOnlyOkResets();
    void saveAlwaysAsksAndOpenRefusalChangesNothing();
    void exportRenamesTheActiveWindow();
    void runUsesTheBoxesAndReportsThroughDialogs();
    void tableIsFilledBeforeItShows();
    void toolbarFailureIsSilentMenuFailureIsReported();
    void windowMenuListsAndArrangesChildren();
};

void CommandsTest::commandStateFollowsTheCodes() {
    Shell shell;
    QCOMPARE(States(shell), Expected("101000", "00001"));

    shell.Button("Esempio")->trigger();
    QCOMPARE(States(shell), Expected("101100", "00001"));
    QCOMPARE(shell.state.MovementCount, 5);

    shell.Button("Simulazione")->trigger();
    QCOMPARE(shell.state.LastPoint, 468);
    QCOMPARE(States(shell), Expected("111111", "11111"));

    // The example again takes the results' commands away.
    shell.Menu("Esempio")->trigger();
    QCOMPARE(States(shell), Expected("101100", "00001"));

    // A movement added through the engine only enables the run; an unknown
    // code changes nothing.
    shell.state.Ui().UpdateCommandState(1);
    shell.state.Ui().UpdateCommandState(100);
    QCOMPARE(States(shell), Expected("101100", "00001"));
    shell.state.Ui().UpdateCommandState(3);
    shell.state.Ui().UpdateCommandState(7);
    QCOMPARE(States(shell), Expected("111111", "11111"));
    // Code 2 leaves the Print button alone but code 1 switches the menu's
    // Print entry back on.
    shell.Button("Print")->setEnabled(false);
    shell.Menu("mnuFilePrint")->setEnabled(false);
    shell.state.Ui().UpdateCommandState(2);
    QVERIFY(!shell.Button("Print")->isEnabled());
    QVERIFY(!shell.Menu("mnuFilePrint")->isEnabled());

    // Open of a saved run gives code 3.
    shell.state.Ui().UpdateCommandState(1);
    LoadExampleCircuit(shell.state);
    RunSimulation(shell.state);
    const QString path = shell.temp->filePath(QStringLiteral("esempio.vlz"));
    QVERIFY(!SaveSimulationFile(shell.state, path.toStdString()));
    shell.state.Ui().UpdateCommandState(1);
    shell.dialogs.QueueFileName(path);
    shell.Button("Open")->trigger();
    QCOMPARE(States(shell), Expected("111111", "11111"));
}

void CommandsTest::newAsksAndOnlyOkResets() {
    Shell shell;
    shell.Button("Esempio")->trigger();
    shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    shell.dialogs.QueueAnswer(MessageAnswer::Cancel);
    shell.Menu("mnuFileNew")->trigger();
    const DialogCall question = shell.dialogs.Messages().back();
    QCOMPARE(question.text, QStringLiteral("ATTENZIONE! Verranno azzerati tutti i valori e si "
                                           "inizierà una nuova simulazione, continuare?"));
    QCOMPARE(question.icon, MessageIcon::Exclamation);
    QCOMPARE(question.buttons, MessageButtons::OkCancel);
    QCOMPARE(question.title, QStringLiteral("Volvenza"));
    QCOMPARE(shell.state.MovementCount, 5);
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Grafico")) != nullptr);
    QVERIFY(shell.Button("Simulazione")->isEnabled());

    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Button("New")->trigger();
    QCOMPARE(shell.state.MovementCount, 0);
    QCOMPARE(shell.state.Data.V0, 0.0f);
    QCOMPARE(shell.state.Movements[1].Qm, 0.0);
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Grafico")) == nullptr);
    // The hidden initial-data window went too, storing its boxes before the reset.
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("DatiIniziali")) == nullptr);
    QCOMPARE(States(shell), Expected("101000", "00001"));
}

void CommandsTest::saveAlwaysAsksAndOpenRefusalChangesNothing() {
    Shell shell;
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    const QString path = shell.temp->filePath(QStringLiteral("prova.vlz"));
    shell.dialogs.QueueFileName(path);
    shell.Button("Save")->trigger();
    QVERIFY(QFile::exists(path));
    shell.dialogs.QueueFileName(QString());  // Cancel
    shell.Menu("mnuFileSave")->trigger();
    shell.Menu("mnuFileSaveAs")->trigger();
    const auto& calls = shell.dialogs.Calls();
    QCOMPARE(calls.size(), size_t{3});
    for (const DialogCall& call : calls) {
        QCOMPARE(call.kind, DialogKind::SaveFile);
        QCOMPARE(call.title, QStringLiteral("Salva con nome"));
        QCOMPARE(call.filter, QStringLiteral("Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* "));
    }
    // The shared dialog starts from the name it returned last.
    QCOMPARE(calls[1].fileName, path);
    QCOMPARE(calls[2].fileName, QString());

    const QString bad = shell.temp->filePath(QStringLiteral("rotto.vlz"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("non un file di simulazione\r\n");
    file.close();
    shell.dialogs.ClearCalls();
    shell.dialogs.QueueFileName(bad);
    shell.Menu("mnuFileOpen")->trigger();
    QCOMPARE(shell.dialogs.Calls().front().title, QStringLiteral("Apri"));
    const auto messages = shell.dialogs.Messages();
    QCOMPARE(messages.size(), size_t{1});
    QVERIFY2(messages[0].text.contains(QStringLiteral("rotto.vlz")), qPrintable(messages[0].text));
    QCOMPARE(shell.state.LastPoint, 468);
    QCOMPARE(shell.state.MovementCount, 5);
    QCOMPARE(States(shell), Expected("111111", "11111"));
}

void CommandsTest::exportRenamesTheActiveWindow() {
    Shell shell;
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    const QString table = shell.temp->filePath(QStringLiteral("tabella.txt"));
    shell.dialogs.QueueFileName(table);
    shell.Menu("mnuFileEsporta")->trigger();  // no child window active yet
    QVERIFY(QFile::exists(table));

    QWidget* chart = shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    const QString again = shell.temp->filePath(QStringLiteral("di nuovo.txt"));
    shell.dialogs.QueueFileName(again);
    shell.Menu("mnuFileEsporta")->trigger();
    QCOMPARE(chart->windowTitle(), again);
    QVERIFY(QFile::exists(again));
    QCOMPARE(shell.dialogs.Calls().back().filter,
             QStringLiteral("Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* "));

    // The chart export renames too and hands the path to the chart window.
    QString saved;
    shell.windows.saveChartBitmap = [&saved](QWidget*, const QString& path) {
        saved = path;
        return std::optional<QString>();
    };
    shell.Open();
    shell.main->show();
    shell.state.Ui().UpdateCommandState(3);
    QWidget* inputs = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    shell.dialogs.QueueFileName(QStringLiteral("/tmp/grafico.bmp"));
    shell.Menu("mnuFileEsportaGrafico")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().filter,
             QStringLiteral("Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* "));
    QCOMPARE(inputs->windowTitle(), QStringLiteral("/tmp/grafico.bmp"));
    QCOMPARE(saved, QStringLiteral("/tmp/grafico.bmp"));
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Grafico")) != nullptr);
}

void CommandsTest::runUsesTheBoxesAndReportsThroughDialogs() {
    Shell shell;
    shell.state.Ui().UpdateCommandState(100);
    shell.Button("Simulazione")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    QCOMPARE(shell.dialogs.Messages().back().text,
             QStringLiteral("Hai lasciato tutti i valori iniziali a 0, la simulazione non può "
                            "partire"));
    QCOMPARE(shell.dialogs.Messages().back().icon, MessageIcon::Information);

    CircuitData untouched;
    QVERIFY(!shell.state.Ui().ReadInitialDataBoxes(untouched));  // no window yet

    // The example loads the initial-data window hidden; a value typed there
    // is what the next run uses.
    shell.Button("Esempio")->trigger();
    QWidget* boxes = shell.main->FindChildWindow(QStringLiteral("DatiIniziali"));
    QVERIFY(boxes != nullptr);
    QVERIFY(!boxes->isVisible());
    auto* cycle = Named<QLineEdit>(boxes, QStringLiteral("TTT"));
    QCOMPARE(cycle->text(), QStringLiteral("4,7"));
    cycle->setText(QStringLiteral("2"));
    shell.dialogs.ClearCalls();
    shell.Button("Simulazione")->trigger();
    QCOMPARE(shell.state.Data.CycleTime, 2.0f);
    QCOMPARE(shell.state.LastPoint, 200);
    QVERIFY(shell.dialogs.Messages().empty());
    QVERIFY(ProgressWindow() == nullptr);  // closed again at the end of the run

    // The progress window as the run drives it.
    shell.state.Ui().ShowProgress();
    QWidget* progress = ProgressWindow();
    QVERIFY(progress != nullptr && progress->isVisible());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Stato simulazione"));
    auto* bar = Named<QProgressBar>(progress, QStringLiteral("BarraAvanzamentoSimulazione"));
    QCOMPARE(bar->value(), 0);
    shell.state.Ui().SetProgress(42.6);
    QCOMPARE(bar->value(), 43);
    shell.state.Ui().CloseProgress();
    QVERIFY(ProgressWindow() == nullptr);
    // Closing the main window closes the hidden initial-data window, which
    // stores what its boxes hold.
    Named<QLineEdit>(boxes, QStringLiteral("TV0"))->setText(QStringLiteral("12,5"));
    shell.Close();
    QCOMPARE(shell.state.Data.V0, 12.5f);
}

void CommandsTest::tableIsFilledBeforeItShows() {
    bool visibleWhileFilling = true;
    int fills = 0;
    ChildWindows windows = FakeChildWindows();
    windows.fillResultsTable = [&](QWidget* table) {
        ++fills;
        visibleWhileFilling = table->parentWidget()->isVisible();
    };
    Shell shell(windows);
    shell.main->show();
    shell.state.Ui().UpdateCommandState(3);
    shell.Button("Tabella")->trigger();
    QCOMPARE(fills, 1);
    QVERIFY(!visibleWhileFilling);
    QWidget* table = shell.main->FindChildWindow(QStringLiteral("Tabella"));
    QVERIFY(table->isVisible());
    shell.Button("Tabella")->trigger();
    QCOMPARE(fills, 2);
    QVERIFY(!visibleWhileFilling);  // hidden again while refilled
    QCOMPARE(shell.main->ActiveChildWindow(), table);
}

void CommandsTest::toolbarFailureIsSilentMenuFailureIsReported() {
    ChildWindows windows = FakeChildWindows();
    windows.fillResultsTable = [](QWidget*) {
        throw std::runtime_error("griglia non disponibile");
    };
    windows.printActiveWindow = [](CircuitState&, Dialogs&, QPrinter&, const QString&, QWidget*) {
        throw std::runtime_error("stampante non pronta");
    };
    Shell shell(windows);
    shell.main->show();
    shell.state.Ui().UpdateCommandState(3);
    shell.Button("Tabella")->trigger();
    // The failing fill is skipped and the window still shows.
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Tabella"))->isVisible());
    shell.Button("Print")->trigger();
    QVERIFY(shell.dialogs.Messages().empty());
    shell.Menu("mnuFilePrint")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    QCOMPARE(shell.dialogs.Messages()[0].text, QStringLiteral("stampante non pronta"));
    QVERIFY(shell.main->isVisible());
}

void CommandsTest::windowMenuListsAndArrangesChildren() {
    Shell shell;
    shell.main->resize(800, 600);
    shell.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
    shell.Button("Esempio")->trigger();  // DatiIniziali loaded hidden: not listed
    QWidget* inputs = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    QWidget* chart = shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    auto* menu = Named<QMenu>(shell.main->menuBar(), QStringLiteral("mnuWindow"));
    emit menu->aboutToShow();
    QStringList listed;
    QAction* checked = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().size() > 1 && action->text().at(1).isDigit()) {
            listed << action->text();
        }
        if (action->isChecked()) checked = action;
    }
    QCOMPARE(listed,
             QStringList({QStringLiteral("&1 InserimentoDati"), QStringLiteral("&2 Grafico")}));
    QVERIFY(checked != nullptr && checked->text() == QStringLiteral("&2 Grafico"));
    menu->actions().at(menu->actions().indexOf(checked) - 1)->trigger();
    QCOMPARE(shell.main->ActiveChildWindow(), inputs);

    const QRect area = shell.main->MdiArea()->viewport()->rect();
    shell.Menu("mnuWindowTileHorizontal")->trigger();
    QCOMPARE(inputs->parentWidget()->width(), area.width());
    QCOMPARE(chart->parentWidget()->width(), area.width());
    QCOMPARE(inputs->parentWidget()->height() + chart->parentWidget()->height(), area.height());
    shell.Menu("mnuWindowTileVertical")->trigger();
    QCOMPARE(inputs->parentWidget()->height(), area.height());
    QCOMPARE(inputs->parentWidget()->width() + chart->parentWidget()->width(), area.width());

    chart->parentWidget()->showMinimized();
    inputs->parentWidget()->showMinimized();
    shell.Menu("mnuWindowArrangeIcons")->trigger();
    QCOMPARE(inputs->parentWidget()->geometry().bottom(), area.bottom());
    QCOMPARE(inputs->parentWidget()->x(), 0);
    QCOMPARE(chart->parentWidget()->x(), inputs->parentWidget()->width());
    shell.Menu("mnuWindowCascade")->trigger();
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
