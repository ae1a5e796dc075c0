// The main window's commands on the shared state: the command-state codes,
// New, Open, Save and the exports, run through scripted dialogs.

#include <QMdiArea>
#include <QMdiSubWindow>
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

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void commandStateFollowsTheCodes();
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
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
