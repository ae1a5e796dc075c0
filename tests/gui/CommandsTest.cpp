// The main window's commands on the shared state: the command-state codes,
// New, Open, Save and the exports, run through scripted dialogs.

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include "documents/ProjectFile.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
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
                            "ValoriIniziali", "InserimentoDati", "Esempio"}) {
        bits += shell.Button(key)->isEnabled() ? '1' : '0';
    }
    bits += ' ';
    for (const char* name :
         {"mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaGrafico", "mnuFilePrint",
          "mnuFileNew", "mnuFileOpen", "", "mnuSimulazioneInizio", "mnuSimulazioneGrafico",
          "mnuSimulazioneTabella"}) {
        bits += *name == 0 ? ' ' : shell.Menu(name)->isEnabled() ? '1' : '0';
    }
    return bits;
}

const QString kEmpty = QStringLiteral("1010001111 0000111 000");
const QString kReady = QStringLiteral("1011001111 0000111 100");
const QString kResults = QStringLiteral("1111111111 1111111 111");

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void commandStateFollowsTheCodesAndNewResetsOnlyOnOk();
    void saveAlwaysAsksOpenRefusalChangesNothingExportsRename();
    void runReportsThroughDialogsAndCloseStoresTheBoxes();
    void tableIsFilledHiddenAndFailuresFollowTheOrigin();
    void windowMenuListsAndArrangesChildren();
    void clientAreaScrollsAndHelpOutlivesNew();
    void keyboardAloneRunsTheExampleAndHelpListsEveryKey();
};

void CommandsTest::commandStateFollowsTheCodesAndNewResetsOnlyOnOk() {
    Shell shell;
    QCOMPARE(States(shell), kEmpty);
    shell.Button("Esempio")->trigger();
    QCOMPARE(States(shell), kReady);
    shell.Button("Simulazione")->trigger();
    QCOMPARE(shell.state.LastPoint, 468);
    QCOMPARE(States(shell), kResults);
    // The example again takes the results' commands away.
    shell.Menu("Esempio")->trigger();
    QCOMPARE(States(shell), kReady);

    // An unknown code changes nothing; code 2 leaves both Print entries alone.
    shell.state.Ui().UpdateCommandState(3);
    shell.state.Ui().UpdateCommandState(7);
    QCOMPARE(States(shell), kResults);
    shell.Button("Print")->setEnabled(false);
    shell.Menu("mnuFilePrint")->setEnabled(false);
    shell.state.Ui().UpdateCommandState(2);
    const QString printOff = QStringLiteral("1001001111 0000011 100");
    QCOMPARE(States(shell), printOff);

    // New asks first; only OK resets.
    shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    shell.dialogs.QueueAnswer(MessageAnswer::Cancel);
    shell.Menu("mnuFileNew")->trigger();
    QCOMPARE(shell.dialogs.Messages().back().buttons, MessageButtons::OkCancel);
    QCOMPARE(shell.state.MovementCount, 5);
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Grafico")) != nullptr);
    QCOMPARE(States(shell), printOff);

    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Button("New")->trigger();
    QCOMPARE(shell.state.MovementCount, 0);
    QCOMPARE(shell.state.Movements[1].Qm, 0.0);
    // The hidden initial-data window went too, storing its boxes before the
    // reset rather than after it.
    QCOMPARE(shell.state.Data.V0, 0.0f);
    QVERIFY(shell.main->MdiArea()->subWindowList().isEmpty());
    QCOMPARE(States(shell), kEmpty);

    // Nothing of the project outlives New: its requirements, its
    // recommendation and its envelope (one the example cannot run with).
    Project& project = shell.main->CurrentProject();
    GasSettings envelope;
    envelope.MaxTemp = 40;
    project.SetGas(envelope);
    sizing::Requirements requirements;
    requirements.MinPressure = 60;
    project.SetRequirements(requirements);
    project.SetRecommendation(sizing::Design{10, 49.7, 30});
    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Button("New")->trigger();
    QCOMPARE(shell.state.Gas, GasSettings{});
    QCOMPARE(project.Sizing(), ProjectSizing{});
}

void CommandsTest::saveAlwaysAsksOpenRefusalChangesNothingExportsRename() {
    Shell shell;
    shell.Button("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    const QString path = shell.temp.filePath(QStringLiteral("prova.vlz"));
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
        QVERIFY2(call.filter.contains(QStringLiteral("*.vlz")), qPrintable(call.filter));
    }
    // The shared dialog starts from the name it returned last.
    QCOMPARE(calls[1].fileName, path);
    QCOMPARE(calls[2].fileName, QString());
    // A bare name is a project under the project's filter, and stays bare
    // under the simulation file's.
    for (const int filter : {0, 1}) {
        shell.dialogs.QueueFileName(shell.temp.filePath(QStringLiteral("nudo")), filter);
        shell.Menu("mnuFileSave")->trigger();
    }
    auto read = [&shell](const char* name) {
        QFile file(shell.temp.filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    QCOMPARE(read("nudo.vlzp"), ProjectFileText(shell.state, ProjectSizing{}));
    QCOMPARE(read("nudo"), read("prova.vlz"));

    const QString bad = shell.temp.filePath(QStringLiteral("rotto.vlz"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("non un file di simulazione\r\n");
    file.close();
    shell.dialogs.ClearCalls();
    shell.dialogs.QueueFileName(bad);
    shell.Menu("mnuFileOpen")->trigger();
    QCOMPARE(shell.dialogs.Calls().front().kind, DialogKind::OpenFile);
    const auto messages = shell.dialogs.Messages();
    QCOMPARE(messages.size(), size_t{1});
    QVERIFY2(messages[0].text.contains(QStringLiteral("rotto.vlz")), qPrintable(messages[0].text));
    QCOMPARE(shell.state.LastPoint, 468);
    QCOMPARE(shell.state.MovementCount, 5);
    QCOMPARE(States(shell), kResults);

    // Opening the saved run brings the results' commands back.
    shell.state.Ui().UpdateCommandState(1);
    shell.dialogs.QueueFileName(path);
    shell.Button("Open")->trigger();
    QCOMPARE(States(shell), kResults);

    // The exports rename the active child window.
    shell.main->show();
    const QString table = shell.temp.filePath(QStringLiteral("tabella.txt"));
    shell.dialogs.QueueFileName(table);
    shell.Menu("mnuFileEsporta")->trigger();  // no child window active yet
    QVERIFY(QFile::exists(table));

    QWidget* chart = shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    const QString again = shell.temp.filePath(QStringLiteral("di nuovo.txt"));
    shell.dialogs.QueueFileName(again);
    shell.Menu("mnuFileEsporta")->trigger();
    QCOMPARE(chart->windowTitle(), again);
    QVERIFY(QFile::exists(again));
    QVERIFY(shell.dialogs.Calls().back().filter.contains(QStringLiteral("*.txt")));

    // The chart export renames too, and hands the path to a chart window it
    // opens when there is none.
    QString saved;
    shell.windows.saveChartBitmap = [&saved](QWidget*, const QString& file) {
        saved = file;
        return std::optional<QString>();
    };
    shell.Open();
    shell.main->show();
    shell.state.Ui().UpdateCommandState(3);
    QWidget* inputs = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    shell.dialogs.QueueFileName(QStringLiteral("/tmp/grafico.bmp"));
    shell.Menu("mnuFileEsportaGrafico")->trigger();
    QVERIFY(shell.dialogs.Calls().back().filter.contains(QStringLiteral("*.bmp")));
    QCOMPARE(inputs->windowTitle(), QStringLiteral("/tmp/grafico.bmp"));
    QCOMPARE(saved, QStringLiteral("/tmp/grafico.bmp"));
    QVERIFY(shell.main->FindChildWindow(QStringLiteral("Grafico")) != nullptr);
}

void CommandsTest::runReportsThroughDialogsAndCloseStoresTheBoxes() {
    Shell shell;
    auto progress = [&shell] {
        return shell.main->findChild<QWidget*>(QStringLiteral("AvanzamentoSimulazione"));
    };
    shell.state.Ui().UpdateCommandState(100);
    QCOMPARE(States(shell), kReady);
    shell.Button("Simulazione")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    QCOMPARE(shell.dialogs.Messages().back().icon, MessageIcon::Information);
    CircuitData untouched;
    QVERIFY(!shell.state.Ui().ReadInitialDataBoxes(untouched));  // no window yet

    shell.Button("Esempio")->trigger();
    shell.dialogs.ClearCalls();
    shell.Button("Simulazione")->trigger();
    QVERIFY(shell.dialogs.Messages().empty());
    QVERIFY(progress() == nullptr);  // closed again at the end of the run

    // The progress window as the run drives it.
    shell.state.Ui().ShowProgress();
    QVERIFY(progress() != nullptr && progress()->isVisible());
    shell.state.Ui().CloseProgress();
    QVERIFY(progress() == nullptr);

    // Closing the main window closes the hidden initial-data window, which
    // stores what its boxes hold.
    QWidget* boxes = shell.main->FindChildWindow(QStringLiteral("DatiIniziali"));
    Named<QLineEdit>(boxes, QStringLiteral("TV0"))->setText(QStringLiteral("12,5"));
    shell.Close();
    QCOMPARE(shell.state.Data.V0, 12.5f);
}

void CommandsTest::tableIsFilledHiddenAndFailuresFollowTheOrigin() {
    int fills = 0;
    bool visibleWhileFilling = true;
    ChildWindows windows = FakeChildWindows();
    windows.fillResultsTable = [&](QWidget* table) {
        visibleWhileFilling = table->parentWidget()->isVisible();
        if (++fills == 3) throw std::runtime_error("griglia non disponibile");
    };
    windows.printActiveWindow = [](CircuitState&, Dialogs&, QPrinter&, const QString&,
                                   const QString&, const std::optional<EnergyInputs>&,
                                   QWidget*) { throw std::runtime_error("stampante non pronta"); };
    Shell shell(windows);
    shell.main->show();
    shell.state.Ui().UpdateCommandState(3);
    shell.Button("Tabella")->trigger();
    QWidget* table = shell.main->FindChildWindow(QStringLiteral("Tabella"));
    QVERIFY(table->isVisible());
    shell.main->ShowChildWindow(QStringLiteral("Grafico"));
    shell.Button("Tabella")->trigger();
    QCOMPARE(fills, 2);
    QVERIFY(!visibleWhileFilling);  // hidden again while refilled
    QCOMPARE(shell.main->ActiveChildWindow(), table);

    // From the toolbar a failure is skipped silently, and the table still shows.
    shell.Button("Tabella")->trigger();
    QVERIFY(table->isVisible());
    shell.Button("Print")->trigger();
    QVERIFY(shell.dialogs.Messages().empty());
    // Page set-up is its own dialog, not the printer dialog.
    shell.Menu("mnuFilePageSetup")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().kind, DialogKind::PageSetup);
    QCOMPARE(shell.dialogs.Calls().back().title, QStringLiteral("Imposta pagina"));
    shell.Menu("mnuFilePrint")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{1});
    // The user reads the command's own message, never the exception's text.
    QCOMPARE(shell.dialogs.Messages()[0].text, QStringLiteral("Impossibile completare la stampa."));

    shell.windows.saveChartBitmap = [](QWidget*, const QString&) -> std::optional<QString> {
        throw std::length_error("basic_string::_M_create");
    };
    shell.Open();
    shell.state.Ui().UpdateCommandState(3);
    shell.dialogs.QueueFileName(QStringLiteral("/tmp/grafico.bmp"));
    shell.Menu("mnuFileEsportaGrafico")->trigger();
    QCOMPARE(shell.dialogs.Messages().back().text,
             QStringLiteral("Impossibile salvare il file /tmp/grafico.bmp."));
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
    for (QAction* action : menu->actions().mid(5)) {
        listed << action->text() + (action->isChecked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(listed,
             QStringList({QStringLiteral("&1 InserimentoDati"), QStringLiteral("&2 Grafico*")}));
    menu->actions().at(5)->trigger();
    QCOMPARE(shell.main->ActiveChildWindow(), inputs);

    const QRect area = shell.main->MdiArea()->viewport()->rect();
    QWidget* a = inputs->parentWidget();
    QWidget* b = chart->parentWidget();
    shell.Menu("mnuWindowTileHorizontal")->trigger();
    QCOMPARE(a->width(), area.width());
    QCOMPARE(b->width(), area.width());
    QCOMPARE(a->height() + b->height(), area.height());
    shell.Menu("mnuWindowTileVertical")->trigger();
    QCOMPARE(a->height(), area.height());
    QCOMPARE(a->width() + b->width(), area.width());

    // Cascading keeps each window's size and steps the places.
    a->resize(300, 200);
    b->resize(250, 150);
    shell.Menu("mnuWindowCascade")->trigger();
    QCOMPARE(a->size(), QSize(300, 200));
    QCOMPARE(b->size(), QSize(250, 150));
    QCOMPARE(b->pos(), QPoint(0, 0));
    QVERIFY(a->x() > 0 && a->x() == a->y());  // the active window ends on top

    b->showMinimized();
    a->showMinimized();
    shell.Menu("mnuWindowArrangeIcons")->trigger();
    QCOMPARE(a->geometry().bottom(), area.bottom());
    QCOMPARE(a->x(), 0);
    QCOMPARE(b->x(), a->width());
}

void CommandsTest::clientAreaScrollsAndHelpOutlivesNew() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
    QMdiArea* area = shell.main->MdiArea();
    QVERIFY(!area->verticalScrollBar()->isVisible());
    shell.Button("InserimentoDati")->trigger();
    // The editor reaches past the first-run client area: scroll bars reach it.
    QTRY_VERIFY(area->verticalScrollBar()->isVisible() && area->verticalScrollBar()->maximum() > 0);
    QVERIFY(area->horizontalScrollBar()->isVisible());

    QWidget help;
    help.setObjectName(QStringLiteral("HelpWindow"));
    help.show();
    shell.Button("New")->trigger();
    QVERIFY(area->subWindowList().isEmpty());
    QVERIFY(help.isVisible());
    shell.Close();
    QVERIFY(!help.isVisible());
}

// Toolbar buttons take no focus: the menus and their keys must do it all.
void CommandsTest::keyboardAloneRunsTheExampleAndHelpListsEveryKey() {
    Shell shell(ProgramChildWindows());
    frmMain* main = shell.main.get();
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto* menu = Named<QMenu>(main->menuBar(), QStringLiteral("mnuSimulazione"));
    auto choose = [&](Qt::Key letter) {
        main->activateWindow();  // the run's progress window had it
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main, Qt::Key_U,
                        Qt::AltModifier);
        QVERIFY(QTest::qWaitFor([&] { return menu->isVisible(); }));
        QTest::keyClick(menu, letter);
    };
    choose(Qt::Key_E);
    QCOMPARE(shell.state.MovementCount, 5);
    QTest::keyClick(main, Qt::Key_F5);
    QCOMPARE(shell.state.LastPoint, 468);
    // Each window by its letter: V, I, C, T, G.
    for (const QString name :
         {"VDatiIniziali", "IInserimentoDati", "CCiclo", "TTabella", "GGrafico"}) {
        choose(Qt::Key(name[0].unicode()));
        QWidget* active = shell.main->ActiveChildWindow();
        QCOMPARE(active ? active->objectName() : QString(), name.mid(1));
    }
    // Ctrl+S asks for a name now that there are results.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shell.dialogs.Calls().back().kind, DialogKind::SaveFile);

    // Every key of the menus and of the chart's tools is on the keyboard
    // page, in both languages.
    QStringList keys;
    for (const QAction* action : main->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            keys << key.toString(QKeySequence::PortableText);
        }
    }
    for (const char* key : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+P", "Ctrl+Q", "F5", "Ctrl+T"}) {
        QVERIFY2(keys.contains(QLatin1String(key)), key);
    }
    for (const UiLanguage language : {UiLanguage::Italian, UiLanguage::English}) {
        QFile page(HelpFolder(language) + QStringLiteral("tastiera.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        QStringList missing;
        for (const QString& key : keys) {
            if (!text.contains(QStringLiteral("<kbd>%1</kbd>").arg(key.toHtmlEscaped())))
                missing << key;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
    }
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
