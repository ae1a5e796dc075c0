// The main window's commands on the shared state: the command line and the
// file given at start-up, the command-state codes, New, Open, Save and the
// exports (text, bitmap, CSV, PDF), run through scripted dialogs.

#include <QFile>
#include <QMdiArea>
#include <QTest>

#include "documents/SimulationFile.h"
#include "shell/CommandLine.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// Enabled entries as digits: the toolbar's Open Save Print Simulazione
// Grafico Tabella New ValoriIniziali InserimentoDati Esempio, then the File
// menu's Save SaveAs Esporta EsportaGrafico Print New Open, then the
// Simulazione menu's run, Grafico and Tabella.
QString States(const Shell& shell) {
    QString bits;
    for (const char* key : {"Open", "Save", "Print", "Simulazione", "Grafico", "Tabella", "New",
                            "ValoriIniziali", "InserimentoDati", "Esempio"})
        bits += shell.Button(key)->isEnabled() ? '1' : '0';
    bits += ' ';
    for (const char* name :
         {"mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaGrafico", "mnuFilePrint",
          "mnuFileNew", "mnuFileOpen", "", "mnuSimulazioneInizio", "mnuSimulazioneGrafico",
          "mnuSimulazioneTabella"})
        bits += *name == 0 ? ' ' : shell.Menu(name)->isEnabled() ? '1' : '0';
    return bits;
}

const QString kEmpty = QStringLiteral("1010001111 0000111 000");
const QString kReady = QStringLiteral("1011001111 0000111 100");
const QString kResults = QStringLiteral("1111111111 1111111 111");

// The names of the widgets shown while it lives.
struct ShownWindows : QObject {
    ShownWindows() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) names << watched->objectName();
        return false;
    }
    QStringList names;
};

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLineAsksForUsageVersionOrOneFile() {
        QCOMPARE(TerminalRequest({"volvenza", "a.vlz", "--version"}), "Volvenza 1.1.0\n");
        QVERIFY(!TerminalRequest({"volvenza", "a.vlz"}));

        QCOMPARE(*ParseStartArguments({"volvenza", "ciclo.vlz"}), "ciclo.vlz");
        QVERIFY(!ParseStartArguments({"volvenza", "a.vlz", "b.vlz"}));

        // The file given opens, and names the next save.
        Shell shell;
        const QString example = QStringLiteral(VOLVENZA_TEST_DATA "/example.vlz");
        shell.main->OpenSimulationFile(example);
        QVERIFY(shell.dialogs.Messages().empty());
        QCOMPARE(States(shell), kResults);
        shell.Menu("mnuFileSaveAs")->trigger();
        QCOMPARE(shell.dialogs.Calls().back().fileName, example);
    }

    void exportsNameTheirFilesAndWhyNot() {
        Shell shell;
        shell.main->show();
        QVERIFY(!shell.Menu("mnuFileEsportaCsv")->isEnabled());
        shell.RunExample();

        // A bare name gets the format's extension; the gas law that produced
        // the points comes first.
        shell.WithFile(shell.Menu("mnuFileEsportaCsv"), shell.temp.filePath("punti"));
        QCOMPARE(shell.dialogs.Calls().back().filter, "CSV (*.csv)|*.csv| Tutti i file (*.*)|*.* ");
        // Every point, as the simulation file's tests hold it, with the decimal comma.
        QVERIFY(ReadFile(shell.temp.filePath("punti.csv"))
                    .startsWith("Legge del gas: classica\r\nt;V;P;Qt;Qs\r\n0;8,632654"));

        // No window to print: said so, and no file is asked for.
        shell.dialogs.ClearCalls();
        shell.Menu("mnuFileEsportaPdf")->trigger();
        QCOMPARE(shell.dialogs.Calls().size(), size_t{1});
        QCOMPARE(shell.dialogs.Calls()[0].icon, MessageIcon::Information);

        // The initial-data window's pages, without a printer dialog.
        shell.main->ShowChildWindow("DatiIniziali");
        shell.dialogs.ClearCalls();
        shell.WithFile(shell.Menu("mnuFileEsportaPdf"), shell.temp.filePath("dati"));
        QCOMPARE(shell.dialogs.Calls().size(), size_t{1});
        QCOMPARE(shell.dialogs.Calls()[0].filter, "PDF (*.pdf)|*.pdf| Tutti i file (*.*)|*.* ");
        QVERIFY(ReadFile(shell.temp.filePath("dati.pdf")).startsWith("%PDF"));

        // A folder that does not exist: the message names the file and why.
        const QString nowhere = shell.temp.filePath("manca/dati.pdf");
        shell.WithFile(shell.Menu("mnuFileEsportaPdf"), nowhere);
        QCOMPARE(shell.dialogs.Messages().back().text,
                 QStringLiteral("Impossibile salvare il file %1: la cartella %2 non esiste.")
                     .arg(nowhere, shell.temp.filePath("manca")));

        // The text export, with the chart window active.
        shell.main->ShowChildWindow("Grafico");
        shell.WithFile(shell.Menu("mnuFileEsporta"), shell.temp.filePath("tabella.txt"));
        QVERIFY(QFile::exists(shell.temp.filePath("tabella.txt")));
    }

    // Save always asks, and a refused open changes nothing.
    void saveAsksAndARefusedOpenChangesNothing() {
        Shell shell;
        shell.main->show();
        shell.RunExample();
        shell.dialogs.ClearCalls();
        const QString path = shell.temp.filePath("prova.vlz");
        shell.WithFile(shell.Button("Save"), path);
        shell.dialogs.QueueFileName(QString());  // Cancel
        shell.Menu("mnuFileSave")->trigger();
        QCOMPARE(shell.dialogs.Calls().size(), size_t{2});
        // A bare name is a project under the project's filter, and stays bare
        // under the simulation file's.
        for (const int filter : {0, 1}) {
            shell.dialogs.QueueFileName(shell.temp.filePath("nudo"), filter);
            shell.Menu("mnuFileSave")->trigger();
        }
        auto read = [&shell](const char* name) { return ReadFile(shell.temp.filePath(name)); };
        QCOMPARE(read("nudo.vlzp").toStdString(), ProjectFileText(shell.state, ProjectSizing{}));
        QCOMPARE(read("nudo"), read("prova.vlz"));

        // A file that is no simulation: the library's own message, and the
        // work and its results stay.
        const QString bad = shell.temp.filePath("rotto.vlz");
        WriteFile(bad, "non un file di simulazione\r\n");
        CircuitState scratch;
        const Status refused = LoadSimulationFile(scratch, bad.toStdString());
        QVERIFY(!refused);
        shell.dialogs.ClearCalls();
        shell.WithFile(shell.Menu("mnuFileOpen"), bad);
        QCOMPARE(shell.dialogs.Calls().front().kind, DialogKind::OpenFile);
        const auto messages = shell.dialogs.Messages();
        QCOMPARE(messages.size(), size_t{1});
        QCOMPARE(messages[0].text, QString::fromStdString(ItalianText(refused.Error())));
        QCOMPARE(messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(QList<int>({shell.state.LastPoint, shell.state.MovementCount}),
                 QList<int>({468, 5}));
        QCOMPARE(States(shell), kResults);

        // Opening the saved run brings the results' commands back; the
        // title names the design's file, and no file after Nuovo.
        QCOMPARE(shell.main->windowTitle(), "nudo.vlzp - Volvenza");
        shell.Answering(shell.Button("New"), MessageAnswer::Ok);
        QCOMPARE(shell.main->windowTitle(), "Volvenza");
        shell.WithFile(shell.Button("Open"), path);
        QCOMPARE(States(shell), kResults);
        QCOMPARE(shell.main->windowTitle(), "prova.vlz - Volvenza");
    }

    // Every file dialog offers the design's own name, with the extension of
    // what it writes; replacing a file asks first, in the dialog; a design a
    // simulation file cannot hold is offered as a project, and saved as a
    // simulation only after saying what would be lost.
    void dialogsOfferTheDesignsNameAndAskBeforeReplacing() {
        Shell shell;
        const QString design = shell.temp.filePath("X.vlz");
        QVERIFY(QFile::copy(QStringLiteral(VOLVENZA_TEST_DATA "/example.vlz"), design));
        const QByteArray kept = ReadFile(design);
        shell.dialogs.QueueFileName(design);
        shell.Menu("mnuFileOpen")->trigger();
        const DialogCall open = shell.dialogs.Calls().back();
        QVERIFY(open.filter.startsWith(
            "Simulazioni e progetti Volvenza (*.vlz, *.vlzp)|*.vlz;*.vlzp|Volvenza (*.vlz)|"));
        QCOMPARE(open.filterIndex, 0);

        // Each export offers its own extension; Enter on a file that exists
        // asks, and No writes nothing.
        auto offered = [&](const char* entry) {
            shell.dialogs.QueueFileName(QString());
            shell.Menu(entry)->trigger();
            return shell.dialogs.Calls().back().fileName;
        };
        QCOMPARE(offered("mnuFileEsporta"), shell.temp.filePath("X.txt"));
        QCOMPARE(offered("mnuFileEsportaGrafico"), shell.temp.filePath("X.bmp"));
        QCOMPARE(offered("mnuFileEsportaCsv"), shell.temp.filePath("X.csv"));
        shell.dialogs.ClearCalls();
        shell.dialogs.QueueAnswer(MessageAnswer::No);
        shell.WithFile(shell.Menu("mnuFileEsporta"), design);
        QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
        QCOMPARE(shell.dialogs.Messages()[0].text, design + "\nIl file esiste già. Sostituirlo?");
        QCOMPARE(shell.dialogs.Messages()[0].buttons, MessageButtons::YesNo);
        QCOMPARE(ReadFile(design), kept);
        // ...and a PDF's name is no simulation file's next time.
        shell.WithFile(shell.Menu("mnuFileEsportaCsv"), shell.temp.filePath("ciclo"));
        QCOMPARE(offered("mnuFileSave"), design);

        // Saving onto another design asks too; Yes replaces it.
        const QString other = shell.temp.filePath("altro.vlz");
        WriteFile(other, "altro");
        shell.dialogs.ClearCalls();
        shell.dialogs.QueueAnswer(MessageAnswer::Yes);
        shell.WithFile(shell.Menu("mnuFileSave"), other);
        QCOMPARE(ReadFile(other), kept);

        // Vessels a simulation file cannot keep: the project is offered, and a
        // simulation file is written only once the loss is accepted.
        GasSettings vessels = shell.state.Gas;
        vessels.Vessels.Count = 2;
        shell.main->CurrentProject().SetGas(vessels);
        shell.dialogs.ClearCalls();
        shell.dialogs.QueueFileName(shell.temp.filePath("nuovo.vlz"));
        shell.dialogs.QueueAnswer(MessageAnswer::No);
        shell.Menu("mnuFileSave")->trigger();
        const DialogCall save = shell.dialogs.Calls()[0];
        QCOMPARE(std::pair(save.fileName, save.filterIndex),
                 std::pair(shell.temp.filePath("altro.vlzp"), 1));
        QVERIFY2(shell.dialogs.Messages().at(0).text.contains(
                     "non conserva gli accumulatori in parallelo"),
                 qPrintable(shell.dialogs.Messages().at(0).text));
        QVERIFY(!QFile::exists(shell.temp.filePath("nuovo.vlz")));
        shell.dialogs.QueueFileName(shell.temp.filePath("nuovo"), 1);
        shell.Menu("mnuFileSave")->trigger();
        QVERIFY(QFile::exists(shell.temp.filePath("nuovo.vlzp")));
    }

    void commandStateRunsAndNewResetOnlyOnOk() {
        Shell shell;
        QCOMPARE(States(shell), kEmpty);
        // The commands follow the project: a value typed is data, and a run
        // refused before there is a movement says so.
        Retype(Named<QLineEdit>(shell.main->ShowChildWindow("DatiIniziali"), "TV0"), "10");
        QCOMPARE(States(shell), kReady);
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
        QCOMPARE(shell.dialogs.Messages().back().icon, MessageIcon::Information);

        shell.Button("Esempio")->trigger();
        QCOMPARE(States(shell), kReady);
        shell.dialogs.ClearCalls();
        ShownWindows shown;
        shell.Button("Simulazione")->trigger();
        QVERIFY(shell.dialogs.Messages().empty());
        // A run as short as this shows no progress window, not even for a
        // moment, and leaves none behind.
        QVERIFY(!shown.names.contains("AvanzamentoSimulazione"));
        QVERIFY(!shell.main->findChild<QWidget*>("AvanzamentoSimulazione"));
        QCOMPARE(States(shell), kResults);
        // The example again takes the results' commands away.
        shell.Menu("Esempio")->trigger();
        QCOMPARE(States(shell), kReady);

        // New asks first; only OK resets.
        shell.main->ShowChildWindow("Grafico");
        shell.Answering(shell.Menu("mnuFileNew"), MessageAnswer::Cancel);
        QCOMPARE(shell.dialogs.Messages().back().buttons, MessageButtons::OkCancel);
        QCOMPARE(shell.state.MovementCount, 5);
        QVERIFY(shell.main->FindChildWindow("Grafico") != nullptr);
        QCOMPARE(States(shell), kReady);

        shell.Answering(shell.Button("New"), MessageAnswer::Ok);
        QCOMPARE(shell.state.MovementCount, 0);
        QCOMPARE(shell.state.Movements[1].Qm, 0.0);
        QVERIFY(shell.main->findChild<QMdiArea*>()->subWindowList().isEmpty());
        QCOMPARE(States(shell), kEmpty);

        // Nothing of the project outlives New: its requirements, its
        // recommendation and its envelope (one the example cannot run with).
        Project& project = shell.main->CurrentProject();
        project.SetGas({.MinTemp = {}, .MaxTemp = 40});
        sizing::Requirements requirements;
        requirements.MinPressure = GaugeBar(60);
        project.SetRequirements(requirements);
        project.SetRecommendation(sizing::Design{Dm3(10), GaugeBar(49.7), Dm3PerMin(30), 1, {}, 0});
        shell.Answering(shell.Button("New"), MessageAnswer::Ok);
        QCOMPARE(shell.state.Gas, GasSettings{});
        QCOMPARE(project.Sizing(), ProjectSizing{});
    }

    void tableIsRefilledAndFailuresFollowTheOrigin() {
        int fills = 0;
        ChildWindows windows = FakeChildWindows();
        windows.fillResultsTable = [&](QWidget*) {
            if (++fills == 3) throw std::runtime_error("griglia non disponibile");
        };
        windows.printActiveWindow = [](auto&&...) {
            throw std::runtime_error("stampante non pronta");
        };
        Shell shell(windows);
        shell.main->show();
        shell.RunExample();
        shell.Button("Tabella")->trigger();
        QWidget* table = shell.main->FindChildWindow("Tabella");
        QVERIFY(table->isVisible());
        shell.main->ShowChildWindow("Grafico");
        shell.Button("Tabella")->trigger();
        QCOMPARE(fills, 2);
        QCOMPARE(shell.main->ActiveChildWindow(), table);

        // From the toolbar a failure is skipped silently, and the table still shows.
        shell.Button("Tabella")->trigger();
        QVERIFY(table->isVisible());
        shell.Button("Print")->trigger();
        QVERIFY(shell.dialogs.Messages().empty());
        shell.Menu("mnuFilePrint")->trigger();
        QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
        // The user reads the command's own message, never the exception's text.
        QCOMPARE(shell.dialogs.Messages()[0].text, "Impossibile completare la stampa.");

        shell.windows.saveChartBitmap = [](auto&&...) -> Status {
            throw std::length_error("basic_string::_M_create");
        };
        shell.Open();
        shell.RunExample();
        shell.WithFile(shell.Menu("mnuFileEsportaGrafico"), "/tmp/grafico.bmp");
        QCOMPARE(shell.dialogs.Messages().back().text,
                 "Impossibile salvare il file /tmp/grafico.bmp.");
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
