// The command line, the file given at start-up, and the PDF and CSV exports
// of the File menu, run through scripted dialogs.

#include <QFile>
#include <QTest>

#include "documents/SimulationFile.h"
#include "shell/CommandLine.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class StartAndExportTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLineAsksForUsageVersionOrOneFile();
    void fileGivenAtStartOpensOrLeavesTheProgramEmpty();
    void csvAndPdfExportsWriteWhatTheyShould();
};

void StartAndExportTest::commandLineAsksForUsageVersionOrOneFile() {
    QCOMPARE(TerminalRequest({"volvenza", "a.vlz", "--version"}), "Volvenza 1.1.0\n");
    QCOMPARE(TerminalRequest({"volvenza", "-v"}), "Volvenza 1.1.0\n");
    QVERIFY(TerminalRequest({"volvenza", "-h"}).value_or("").startsWith("Uso: volvenza"));
    QVERIFY(!TerminalRequest({"volvenza", "--", "--help"}));  // a file of that name
    QVERIFY(!TerminalRequest({"volvenza", "a.vlz"}));

    QCOMPARE(ParseStartArguments({"volvenza", "ciclo.vlz"}).file, QStringLiteral("ciclo.vlz"));
    QCOMPARE(ParseStartArguments({"volvenza", "--", "-strano.vlz"}).file,
             QStringLiteral("-strano.vlz"));
    const StartRequest none = ParseStartArguments({"volvenza"});
    QVERIFY(none.file.isEmpty() && none.error.isEmpty());
    QCOMPARE(ParseStartArguments({"volvenza", "-"}).file, QStringLiteral("-"));
    QVERIFY(ParseStartArguments({"volvenza", "-x"}).error.contains("-x"));
    QVERIFY(ParseStartArguments({"volvenza", "--bogus"}).error.contains("--bogus"));
    QVERIFY(!ParseStartArguments({"volvenza", "a.vlz", "b.vlz"}).error.isEmpty());
}

void StartAndExportTest::fileGivenAtStartOpensOrLeavesTheProgramEmpty() {
    Shell shell;
    const QString bad = shell.temp.filePath(QStringLiteral("rotto.vlz"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("non un file di simulazione\r\n");
    file.close();
    CircuitState scratch;
    InitCircuitState(scratch);
    const Status expected = LoadSimulationFile(scratch, bad.toStdString());
    QVERIFY(!expected);

    shell.main->OpenSimulationFile(bad);
    const auto messages = shell.dialogs.Messages();
    QCOMPARE(messages.size(), size_t{1});
    QCOMPARE(messages[0].text, QString::fromStdString(ItalianText(expected.Error())));
    QCOMPARE(messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(shell.state.MovementCount, 0);
    QVERIFY(!shell.Button("Simulazione")->isEnabled());

    shell.main->OpenSimulationFile(QStringLiteral(VOLVENZA_TEST_DATA "/example.vlz"));
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    QCOMPARE(shell.state.LastPoint, 468);
    QVERIFY(shell.Button("Grafico")->isEnabled());
    // The next save starts from the file given.
    shell.Menu("mnuFileSaveAs")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().fileName,
             QStringLiteral(VOLVENZA_TEST_DATA "/example.vlz"));
}

void StartAndExportTest::csvAndPdfExportsWriteWhatTheyShould() {
    Shell shell;
    shell.main->show();
    QVERIFY(!shell.Menu("mnuFileEsportaCsv")->isEnabled());
    QVERIFY(shell.Menu("mnuFileEsportaPdf")->isEnabled());
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    QVERIFY(shell.Menu("mnuFileEsportaCsv")->isEnabled());

    // A bare name gets the format's extension.
    const QString csv = shell.temp.filePath(QStringLiteral("punti.csv"));
    shell.dialogs.QueueFileName(shell.temp.filePath(QStringLiteral("punti")));
    shell.Menu("mnuFileEsportaCsv")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().filter,
             QStringLiteral("CSV (*.csv)|*.csv| Tutti i file (*.*)|*.* "));
    const QByteArray points = ReadFile(csv);
    // The gas law that produced them comes first.
    QVERIFY(
        points.startsWith("Legge del gas: classica\r\nt;V;P;Qt;Qs\r\n"
                          "0;8,63265485109279;80;70,905;70,905\r\n"));
    QCOMPARE(points.count("\r\n"), 471);

    // No window to print: said so, and no file is asked for.
    shell.dialogs.ClearCalls();
    shell.Menu("mnuFileEsportaPdf")->trigger();
    QCOMPARE(shell.dialogs.Calls().size(), size_t{1});
    QCOMPARE(shell.dialogs.Calls()[0].kind, DialogKind::Message);
    QCOMPARE(shell.dialogs.Calls()[0].icon, MessageIcon::Information);

    // The initial-data window's pages, without a printer dialog.
    shell.main->ShowChildWindow(QStringLiteral("DatiIniziali"));
    shell.main->SetPrintHeader(QStringLiteral("Officina Rossi"));
    shell.dialogs.ClearCalls();
    const QString pdf = shell.temp.filePath(QStringLiteral("dati.pdf"));
    shell.dialogs.QueueFileName(shell.temp.filePath(QStringLiteral("dati")));
    shell.Menu("mnuFileEsportaPdf")->trigger();
    QCOMPARE(shell.dialogs.Calls().size(), size_t{1});
    QCOMPARE(shell.dialogs.Calls()[0].kind, DialogKind::SaveFile);
    QCOMPARE(shell.dialogs.Calls()[0].filter,
             QStringLiteral("PDF (*.pdf)|*.pdf| Tutti i file (*.*)|*.* "));
    QVERIFY(ReadFile(pdf).startsWith("%PDF"));

    // A folder that does not exist: the message names the file.
    const QString nowhere = shell.temp.filePath(QStringLiteral("manca/dati.pdf"));
    shell.dialogs.QueueFileName(nowhere);
    shell.Menu("mnuFileEsportaPdf")->trigger();
    QCOMPARE(shell.dialogs.Messages().back().text,
             QStringLiteral("Impossibile salvare il file %1.").arg(nowhere));
}

QTEST_MAIN(StartAndExportTest)
#include "StartAndExportTest.moc"
