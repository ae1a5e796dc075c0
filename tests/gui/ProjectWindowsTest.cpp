// The project seen from the windows: replaced work comes back with Annulla
// and from a recovery point, results windows say what produced their
// results and when they no longer belong to the data. The sizing window's
// part of it is SizingWindowTest.cpp's.

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// The program with the example, telling what its printouts are told
// produced the results, and what a window's results note says.
struct Printing {
    QString printed, named;
    std::optional<EnergyInputs> energy;
    Shell shell{Hooked(*this)};

    static ChildWindows Hooked(Printing& p) {
        ChildWindows windows = ProgramChildWindows();
        windows.printActiveWindow = [&p](auto&, auto&, auto&, auto&, auto& design, auto& origin,
                                         auto& inputs, auto*) {
            p.named = design;
            p.printed = origin;
            p.energy = inputs;
        };
        return windows;
    }
    Printing() {
        shell.main->show();
        shell.Button("Esempio")->trigger();
        shell.main->ShowChildWindow("Ciclo");
    }
    QString Note(const char* window) const {
        const auto* label = Named<QLabel>(shell.main->FindChildWindow(window), "LRisultati");
        return label->isVisibleTo(label->parentWidget()) ? label->text() : QString();
    }
};

}  // namespace

class ProjectWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void replacedWorkComesBack() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.Button("Esempio")->trigger();
        shell.state.Movements[1].Qm = 99;              // typed in the cycle table
        shell.state.Movements[1].Displacement = 1000;  // a size the cylinder does not show
        shell.main->CurrentProject().MovementsEdited({MovementEdit::Change::Edited, 1, 1});
        shell.Button("Simulazione")->trigger();
        shell.Menu("Esempio")->trigger();
        QCOMPARE(shell.state.Movements[1].Qm, 58.905);
        QCOMPARE(shell.state.Movements[1].Displacement, 0.0f);
        // Annulla brings back the work and the run that went with it.
        shell.Menu("mnuFileAnnulla")->trigger();
        QCOMPARE(shell.state.Movements[1].Qm, 99.0);
        // ...and the commands that go with a run: Nuovo undone leaves them on.
        shell.Answering(shell.Menu("mnuFileNew"), MessageAnswer::Ok);
        shell.Menu("mnuFileAnnulla")->trigger();
        QVERIFY(shell.Button("Grafico")->isEnabled() && shell.Menu("mnuFileSave")->isEnabled());

        // Nuovo keeps what it drops as a recovery point, which opens again.
        shell.Answering(shell.Menu("mnuFileNew"), MessageAnswer::Ok);
        shell.dialogs.QueueModal([](QDialog& dialog) { dialog.accept(); });
        shell.Menu("mnuFileRecupera")->trigger();
        QCOMPARE(shell.state.Movements[1].Qm, 99.0);

        // A shorter file opened over it: a movement added next starts empty,
        // never with a size of the work it replaced (the example's third: D 63).
        const QString two = shell.temp.filePath("due.vlz");
        WriteFile(two,
                  "0,10,60,45,30,80,13,2,2\r\n0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n"
                  "0,1,0,0,50,150,0,0,0,0,0,0,0,0,5,1\r\n0,0,0,0,0,0\r\n");
        shell.WithFile(shell.Menu("mnuFileOpen"), two);
        QWidget* editor = shell.main->ShowChildWindow("InserimentoDati");
        Named<QPushButton>(editor, "PulsPistEsce")->click();
        QCOMPARE(shell.state.MovementCount, int16_t{3});
        QCOMPARE(BoxTexts(editor, {"Dato1", "Dato2", "DatoQm"}), QStringList({"0", "0", "0"}));
    }

    // Ctrl+Z and Ctrl+Y in a box: the box's own typing first, then the
    // project's one history, in every window that has boxes.
    void undoFromEveryBox() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowActive(shell.main.get()));
        shell.Button("Esempio")->trigger();
        QWidget* data = shell.main->ShowChildWindow("DatiIniziali");
        auto* v0 = Named<QLineEdit>(data, "TV0");
        auto* p0 = Named<QLineEdit>(data, "TP0");
        auto key = [](QLineEdit* box, Qt::Key key) {
            box->setFocus();
            QTest::keyClick(box, key, Qt::ControlModifier);
        };
        v0->setFocus();
        Retype(v0, "40");
        p0->setFocus();
        Retype(p0, "7-");
        QVERIFY(!shell.main->CurrentProject().AllDrafts().empty());
        key(p0, Qt::Key_Z);
        QCOMPARE(std::pair(p0->text(), shell.state.Data.P0), std::pair(QString("60"), 60.0f));
        QVERIFY(shell.main->CurrentProject().AllDrafts().empty());
        key(p0, Qt::Key_Z);
        QCOMPARE(std::pair(v0->text(), shell.state.Data.V0), std::pair(QString("10"), 10.0f));
        key(p0, Qt::Key_Y);
        QCOMPARE(std::pair(v0->text(), shell.state.Data.V0), std::pair(QString("40"), 40.0f));

        QWidget* editor = shell.main->ShowChildWindow("InserimentoDati");
        auto* tf = Named<QLineEdit>(editor, "DatoTf");
        tf->setFocus();
        Retype(tf, "2,75");
        key(tf, Qt::Key_Z);
        QCOMPARE(std::pair(tf->text(), shell.state.Movements[1].Tf),
                 std::pair(QString("0,3"), 0.3f));
        key(tf, Qt::Key_Z);
        QCOMPARE(shell.state.Data.V0, 10.0f);

        shell.Menu("mnuCalcoloDimensionamento")->trigger();
        auto* efficiency =
            Named<QLineEdit>(shell.main->FindChildWindow("Dimensionamento"), "TRendimento");
        key(efficiency, Qt::Key_Y);
        QCOMPARE(shell.state.Data.V0, 40.0f);
    }

    // Opening, showing, printing and closing a window change nothing: a
    // value's shown form is a view of it, even of a flow no box can show whole.
    void windowsLeaveTheProjectAsTheyFoundIt() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.Button("Esempio")->trigger();
        shell.state.Movements[3].Qm = 60.318719999999985;
        shell.main->CurrentProject().Edited(ProjectPart::Movements, "file");
        sizing::Requirements requirements;
        requirements.PumpEfficiency = 0.1 + 0.2;  // 0,30000000000000004
        requirements.Catalogue.at(0).V0 = Dm3(requirements.PumpEfficiency);
        requirements.PrechargeTolerance = 0.07;  // 7 % is 7,000000000000001
        shell.main->CurrentProject().SetRequirements(requirements);
        const QString path = shell.temp.filePath("preciso.vlzp");
        shell.Button("Simulazione")->trigger();
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        shell.WithFile(shell.Menu("mnuFileOpen"), path);
        Project& project = shell.main->CurrentProject();
        const uint64_t revision = project.Revision();
        QVERIFY(project.ResultsCurrent());
        for (const char* name : {"Grafico", "InserimentoDati", "DatiIniziali", "Ciclo", "Tabella",
                                 "BilancioEnergetico", "Dimensionamento"}) {
            QWidget* window = shell.main->ShowChildWindow(QString::fromLatin1(name));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            shell.dialogs.QueuePrinterAccepted(false);
            shell.Menu("mnuFilePrint")->trigger();
            window->parentWidget()->close();
            QVERIFY2(project.Revision() == revision && project.ResultsCurrent(), name);
        }
        QCOMPARE(shell.state.Movements[3].Qm, 60.318719999999985);
    }

    // A crashed session's points wait for the user, said at start; a value
    // is in a point within a second, however the typing goes on, and at once
    // when its window closes.
    void recoveryPointsOutliveACrash() {
        Shell shell(ProgramChildWindows());
        const std::string folder =
            QFile::encodeName(shell.settings.Folder() + "/Recupero").toStdString();
        ProjectSnapshot crashed;
        {
            RecoveryStore store(folder);
            store.Begin();
            crashed.data = {7, 60, 45, 30, 80, 13, 4.7f};
            crashed.movements.assign(2, Movement{.Tf = 1, .Qm = 5, .Kind = 4});
            QVERIFY(store.Save(crashed, 100, "ciclo.vlz"));
        }  // no End: as a crash leaves it
        shell.Open();
        auto* bar = Named<QLabel>(shell.main.get(), "Panel1");
        QCOMPARE(bar->text(),
                 "Lavoro non salvato recuperabile: File > Recupera lavoro non salvato...");
        QVERIFY(shell.dialogs.Messages().empty());  // said, not asked

        // A typed value is in a point within a second; closed at once, its
        // window leaves one without waiting. Ten such points push out none
        // of the crashed session's.
        shell.main->show();
        shell.Button("Esempio")->trigger();
        ProjectSnapshot newest;
        auto newestV0 = [&] { return NewestRecoveryPoint(shell, newest) ? newest.data.V0 : 0.0f; };
        // Typing that never pauses, a key every 0,3 s, leaves one all the same.
        QWidget* data = shell.main->ShowChildWindow("DatiIniziali");
        Retype(Named<QLineEdit>(data, "TV0"), "11");
        QElapsedTimer typing;
        for (typing.start();
             typing.elapsed() < 2000 && !QTest::qWaitFor([&] { return newestV0() == 11; }, 300);)
            QTest::keyClick(Named<QLineEdit>(data, "TP0"), Qt::Key_1);
        QVERIFY2(typing.elapsed() < 1000, qPrintable(QString::number(typing.elapsed())));
        for (int v = 12; v <= 21; ++v) {
            Retype(Named<QLineEdit>(shell.main->ShowChildWindow("DatiIniziali"), "TV0"),
                   QString::number(v));
            shell.main->FindChildWindow("DatiIniziali")->parentWidget()->close();
            QCOMPARE(newestV0(), float(v));
        }
        QStringList listed;
        int titleRoom = 0;
        shell.dialogs.QueueModal([&](QDialog& dialog) {
            auto* list = Named<QListWidget>(&dialog, "LstPuntiRecupero");
            for (int row = 0; row < list->count(); ++row) listed << list->item(row)->text();
            titleRoom = dialog.minimumWidth() -
                        dialog.fontMetrics().horizontalAdvance(dialog.windowTitle());
            list->setCurrentRow(list->count() - 1);
            dialog.accept();
        });
        shell.Menu("mnuFileRecupera")->trigger();
        // To the second, the design's file (the example has none), V0 and the movements.
        listed.replaceInStrings(QRegularExpression("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d, "),
                                "D ");
        QCOMPARE(listed.size(), 11);
        QCOMPARE(listed.first(), "D senza nome, Vo 21 dm3, 5 movimenti");
        QCOMPARE(listed.last(), "D ciclo.vlz, Vo 7 dm3, 2 movimenti (sessione interrotta)");
        QVERIFY(titleRoom > 0);
        QCOMPARE(shell.state.Data.V0, 7.0f);
        QCOMPARE(bar->text(), "Stato");
    }

    // What the windows and the printed and exported pages are told produced
    // the results.
    void resultsSayWhereTheyComeFrom() {
        Printing p;
        Shell& shell = p.shell;
        QCOMPARE(p.Note("Ciclo"), QString());
        QVERIFY(!shell.Menu("mnuSimulazioneBilancio")->isEnabled());
        shell.main->ShowChildWindow("BilancioEnergetico");
        QCOMPARE(BalanceFigures(*shell.main), QStringList());
        for (const char* button : {"Simulazione", "Grafico", "Tabella"})
            shell.Button(button)->trigger();
        for (const char* window : {"Grafico", "Tabella", "Ciclo", "BilancioEnergetico"})
            QCOMPARE(p.Note(window), "Legge del gas: classica");
        shell.Menu("mnuFilePrint")->trigger();
        QCOMPARE(p.printed, "Legge del gas: classica");
        QCOMPARE(p.named, "senza nome");
        QCOMPARE(p.energy->PumpEfficiency, 0.9);
        // The balance's rows: their figures are the shared wording's tests'.
        QCOMPARE(BalanceFigures(*shell.main).size(), 22);

        // An edit leaves the results on screen, marked, until the next run,
        // which every open window follows.
        Retype(Named<QLineEdit>(shell.main->LoadChildWindow("DatiIniziali"), "TPm"), "90");
        const QString stale = QStringLiteral("Risultati non aggiornati: i dati sono cambiati. ");
        QCOMPARE(p.Note("Grafico"), stale + QStringLiteral("Legge del gas: classica"));
        // A balance of the old run with the new data would be neither's.
        QCOMPARE(BalanceFigures(*shell.main), QStringList());
        shell.main->CurrentProject().SetGas(
            {.Law = GasLawKind::Nitrogen, .Tau = 45, .MinTemp = 0, .MaxTemp = {}});
        shell.Button("Simulazione")->trigger();
        QCOMPARE(p.Note("Tabella"), "Legge del gas: azoto reale, τ = 45 s; inviluppo da 0 a tc °C");
        // The gas temperature's column widens the table rather than hide.
        QTRY_VERIFY(!Named<QTableView>(shell.main->FindChildWindow("Tabella"), "DataGrid1")
                         ->horizontalScrollBar()
                         ->isVisible());
        // Started at the wall's temperature, the gas cools as it expands and
        // takes heat from the wall in the first cycle.
        QCOMPARE(BalanceFigures(*shell.main).value(0), "azoto reale, τ = 45 s, a tc = 45 °C");
        QVERIFY2(BalanceFigures(*shell.main).value(3).startsWith("il gas riceve dalla parete"),
                 qPrintable(BalanceFigures(*shell.main).value(3)));
        // An efficiency out of range refuses the balance, in one sentence,
        // not the duties' verdicts, which do not depend on it.
        sizing::Requirements req = shell.main->CurrentProject().Sizing().Requirements;
        const sizing::Requirements asked = req;
        req.PumpEfficiency = 2;
        req.Duties.Hold = HoldDuty{GaugeBar(40), 60, Dm3PerMin(0.01), 5};
        shell.main->CurrentProject().SetRequirements(req);
        QCOMPARE(Named<QLabel>(shell.main.get(), "LNessunRisultato")->text(),
                 "Il rendimento della pompa deve essere più di 0 e al più 1.");
        QVERIFY2(BalanceFigures(*shell.main).join('|').startsWith("da 77 bar, minima "),
                 qPrintable(BalanceFigures(*shell.main).join('|')));
        shell.main->CurrentProject().SetRequirements(asked);
    }

    // A simulation file does not record its law.
    void aSimulationFileHoldsNoGasLaw() {
        Printing p;
        Shell& shell = p.shell;
        shell.Button("Simulazione")->trigger();
        const QString path = shell.temp.filePath("r.vlz");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        shell.main->OpenSimulationFile(path);
        QCOMPARE(p.Note("Ciclo"),
                 "Risultati letti dal file (la legge del gas non vi è registrata)");
        shell.Menu("mnuFilePrint")->trigger();
        QCOMPARE(p.named, "r.vlz");
        // The example does not come from that file: Salva con nome starts in its
        // folder without offering to write over it.
        shell.Menu("Esempio")->trigger();
        shell.Button("Simulazione")->trigger();
        shell.Menu("mnuFileSaveAs")->trigger();
        QCOMPARE(shell.dialogs.Calls().back().fileName, QFileInfo(path).absolutePath() + '/');
    }

    // Movements read from a file that F5 refuses stop the run (the sizing and
    // the balance refuse them in the same words, their library's tests say);
    // an open balance window shows a new balance's rows whole, however long
    // its figures.
    void refusedMovementsStopTheRunLongFiguresShowWhole() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.RunExample();
        const QString path = shell.temp.filePath("nq.vlz");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        const QByteArray text = ReadFile(path);
        auto open = [&](const char* flow) {
            WriteFile(path, QByteArray(text).replace(",58.905,1", flow));
            shell.WithFile(shell.Menu("mnuFileOpen"), path);
        };
        open(",-58.905,1");
        shell.Button("Simulazione")->trigger();
        const QString refused = shell.dialogs.Messages().back().text;
        QVERIFY(refused.startsWith("Nel movimento 1 Qm vale -58,905 e non può essere negativo."));
        shell.main->ShowChildWindow("BilancioEnergetico");
        open(",1E+39,1");
        QCOMPARE(BalanceFigures(*shell.main).value(12), "1,24074074074074E+38 kW");
        QWidget* balance = shell.main->FindChildWindow("BilancioEnergetico");
        for (auto* value : balance->findChildren<QLabel*>(QRegularExpression("^LValore")))
            QVERIFY(value->isVisible() && value->height() >= value->sizeHint().height());
    }

    // A search on the example from the boxes to the table; "Applica" a step
    // of the history, and the p1 it applied watched in the runs.
};

QTEST_MAIN(ProjectWindowsTest)
#include "ProjectWindowsTest.moc"
