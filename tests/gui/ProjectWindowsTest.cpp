// The project seen from the windows: replaced work comes back with Annulla
// and from a recovery point, results windows say what produced their
// results and when they no longer belong to the data, and the sizing
// window's requirements outlive it; the energy balance follows the run,
// the requirements' efficiency and the applied p1.

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "analysis/Dimensionamento.h"
#include "shell/frmMain.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

// The energy balance window's figures, one "label value" line each.
QStringList Figures(frmMain& main) {
    QStringList lines;
    QWidget* window = main.FindChildWindow("BilancioEnergetico");
    for (int r = 0; auto* value = window->findChild<QLabel*>(QString("LValore%1").arg(r)); ++r) {
        lines << value->text();
    }
    return lines;
}

}  // namespace

class ProjectWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void replacedWorkComesBack();
    void resultsSayWhereTheyComeFrom();
    void sizingOutlivesItsWindow();
    void sizingAnswerFollowsTheData();
};

void ProjectWindowsTest::replacedWorkComesBack() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    // Keys typed into one box are one step.
    QWidget* editor = shell.main->ShowChildWindow(QStringLiteral("InserimentoDati"));
    auto* tf = Named<QLineEdit>(editor, "DatoTf");
    tf->setFocus();
    tf->selectAll();
    QTest::keyClicks(tf, QStringLiteral("2,75"));
    QCOMPARE(shell.state.Movements[1].Tf, 2.75f);
    shell.Menu("mnuFileAnnulla")->trigger();
    QCOMPARE(shell.state.Movements[1].Tf, 0.3f);

    shell.state.Movements[1].Qm = 99;              // typed in the cycle table
    shell.state.Movements[1].Displacement = 1000;  // a size the cylinder does not show
    shell.state.Ui().MovementsEdited({MovementEdit::Change::Edited, 1, 1});
    shell.Button("Simulazione")->trigger();
    const double lowest = shell.state.GasRun.Runs.at(0).LowestPressure;
    shell.Menu("Esempio")->trigger();
    QCOMPARE(shell.state.Movements[1].Qm, 58.905);
    QCOMPARE(shell.state.Movements[1].Displacement, 0.0f);
    QVERIFY(!shell.main->CurrentProject().ResultsCurrent());
    // Annulla brings back the work and the run that went with it.
    shell.Menu("mnuFileAnnulla")->trigger();
    QCOMPARE(shell.state.Movements[1].Qm, 99.0);
    QVERIFY(shell.main->CurrentProject().ResultsCurrent());
    QCOMPARE(shell.state.GasRun.Runs.at(0).LowestPressure, lowest);
    // ...and the commands that go with a run: Nuovo undone leaves them on.
    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Menu("mnuFileNew")->trigger();
    QVERIFY(!shell.Button("Grafico")->isEnabled());
    shell.Menu("mnuFileAnnulla")->trigger();
    QVERIFY(shell.Button("Grafico")->isEnabled() && shell.Menu("mnuFileSave")->isEnabled());

    // Nuovo keeps what it drops as a recovery point, which opens again.
    shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    shell.Menu("mnuFileNew")->trigger();
    QStringList listed;
    shell.dialogs.QueueModal([&](QDialog& dialog) {
        auto* list = Named<QListWidget>(&dialog, "LstPuntiRecupero");
        for (int row = 0; row < list->count(); ++row) listed << list->item(row)->text();
        dialog.accept();
    });
    shell.Menu("mnuFileRecupera")->trigger();
    QVERIFY2(!listed.isEmpty() && listed[0].endsWith(QStringLiteral(", 5 movimenti")),
             qPrintable(listed.join('|')));
    QCOMPARE(shell.state.MovementCount, int16_t{5});
    QCOMPARE(shell.state.Movements[1].Qm, 99.0);
}

void ProjectWindowsTest::resultsSayWhereTheyComeFrom() {
    // What the printed and exported pages are told produced the results.
    ChildWindows windows = ProgramChildWindows();
    QString printed;
    std::optional<EnergyInputs> energy;
    windows.printActiveWindow = [&](CircuitState&, Dialogs&, QPrinter&, const QString&,
                                    const QString& origin,
                                    const std::optional<EnergyInputs>& inputs, QWidget*) {
        printed = origin;
        energy = inputs;
    };
    Shell shell(windows);
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.main->ShowChildWindow("Ciclo");
    auto note = [&](const char* window) {
        const auto* label = Named<QLabel>(shell.main->FindChildWindow(window), "LRisultati");
        return label->isVisibleTo(label->parentWidget()) ? label->text() : QString();
    };
    QCOMPARE(note("Ciclo"), QString());
    QVERIFY(!shell.Menu("mnuSimulazioneBilancio")->isEnabled());
    shell.main->ShowChildWindow("BilancioEnergetico");
    QCOMPARE(Figures(*shell.main), QStringList());
    shell.Button("Simulazione")->trigger();
    shell.Button("Grafico")->trigger();
    shell.Button("Tabella")->trigger();
    for (const char* window : {"Grafico", "Tabella", "Ciclo", "BilancioEnergetico"}) {
        QCOMPARE(note(window), QStringLiteral("Legge del gas: classica"));
    }
    shell.Menu("mnuFilePrint")->trigger();
    QCOMPARE(printed, QStringLiteral("Legge del gas: classica"));
    QCOMPARE(energy->PumpEfficiency, 0.9);
    // The example by hand: 30 dm3/min at 80 bar, 108,24 at 80 - 13 bar, over 0,9.
    QCOMPARE(Figures(*shell.main),
             QStringList({"9,83 kJ", "9,83 kJ", "12,002 kJ", "0,9", "4,44 kW", "108,24 dm3/min",
                          "67 bar (Pm - Dp)", "13,43 kW", "8,99 kW", "14,84 bar", "766",
                          "1531915 in 2000 h"}));

    // An edit leaves the results on screen, marked, until the next run,
    // which every open window follows.
    auto* pm = Named<QLineEdit>(shell.main->LoadChildWindow("DatiIniziali"), "TPm");
    pm->clear();
    QTest::keyClicks(pm, "90");
    const QString stale = QStringLiteral("Risultati non aggiornati: i dati sono cambiati. ");
    QCOMPARE(note("Grafico"), stale + QStringLiteral("Legge del gas: classica"));
    // A balance of the old run with the new data would be neither's.
    QCOMPARE(Figures(*shell.main), QStringList());
    GasSettings nitrogen;
    nitrogen.Law = GasLawKind::Nitrogen;
    nitrogen.Tau = 45;
    nitrogen.MinTemp = 0;
    shell.main->CurrentProject().SetGas(nitrogen);
    shell.Button("Simulazione")->trigger();
    QCOMPARE(note("Tabella"), QStringLiteral("Legge del gas: azoto reale, τ = 45 s; "
                                             "inviluppo da 0 a tc °C"));
    // Real nitrogen alone says which way its heat goes.
    QVERIFY(Figures(*shell.main).filter(QRegularExpression("^il gas (cede|riceve)")).size() == 1);

    // A simulation file does not record its law.
    const QString path = shell.temp.filePath("r.vlz");
    shell.dialogs.QueueFileName(path);
    shell.Menu("mnuFileSaveAs")->trigger();
    shell.main->OpenSimulationFile(path);
    QCOMPARE(note("Ciclo"), QStringLiteral("Risultati letti dal file (la legge del gas non vi è "
                                           "registrata)"));
    // The example does not come from that file: Salva con nome starts in its
    // folder without offering to write over it.
    shell.Menu("Esempio")->trigger();
    shell.Button("Simulazione")->trigger();
    shell.Menu("mnuFileSaveAs")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().fileName, QFileInfo(path).absolutePath() + '/');
}

void ProjectWindowsTest::sizingOutlivesItsWindow() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Menu("mnuCalcoloDimensionamento")->trigger();
    QWidget* sizing = shell.main->FindChildWindow("Dimensionamento");
    QTest::keyClicks(Named<QLineEdit>(sizing, "TP1"), "60");
    // Quitting asks nothing: the requirements go into the project and
    // from there into a recovery point.
    shell.Close();
    QCOMPARE(shell.main->CurrentProject().Sizing().Requirements.MinPressure, 60.0);
    const auto points = shell.main->Recovery().List();
    ProjectSnapshot kept;
    QVERIFY(!points.empty() && shell.main->Recovery().Load(points.front(), kept));
    QCOMPARE(kept.sizing.Requirements.MinPressure, 60.0);
    QCOMPARE(shell.dialogs.Calls().size(), size_t{0});
}

void ProjectWindowsTest::sizingAnswerFollowsTheData() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    shell.Button("Esempio")->trigger();
    shell.Menu("mnuCalcoloDimensionamento")->trigger();
    auto* sizing = qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
    QTest::keyClicks(Named<QLineEdit>(sizing, "TP1"), "60");
    auto* apply = Named<QPushButton>(sizing, "CmdApplica");
    auto* note = Named<QLabel>(sizing, "LNonAggiornati");
    auto search = [&] {
        QVERIFY(sizing->Calculate());
        QVERIFY(QTest::qWaitFor([&] { return !sizing->Busy(); }, 20000));
    };
    search();
    QVERIFY(apply->isEnabled());
    QVERIFY(!note->isVisibleTo(sizing));

    // Another maximum pressure: the answer stays in view, marked, and
    // cannot be applied to a design it was not found for.
    auto* pm = Named<QLineEdit>(shell.main->LoadChildWindow("DatiIniziali"), "TPm");
    pm->clear();
    QTest::keyClicks(pm, "85");
    QVERIFY(note->isVisibleTo(sizing));
    QVERIFY(!apply->isEnabled());
    search();
    QVERIFY(!note->isVisibleTo(sizing));
    QVERIFY(apply->isEnabled());
    // Applied, the design is a step of the project's history; the run that
    // follows takes the pump alone at the applied p1.
    const float before = shell.state.Data.P0;
    apply->click();
    QVERIFY(shell.state.Data.P0 != before);
    shell.Button("Simulazione")->trigger();
    shell.main->ShowChildWindow("BilancioEnergetico");
    QCOMPARE(Figures(*shell.main).value(6), "60 bar (p1 del dimensionamento)");
    shell.main->CurrentProject().Undo();
    QCOMPARE(shell.state.Data.P0, before);
    shell.Button("Simulazione")->trigger();

    // The efficiency typed in the requirements is the balance's at once, a
    // step Annulla takes back; one out of range is refused in its stead.
    auto* efficiency = Named<QLineEdit>(sizing, "TRendimento");
    efficiency->selectAll();
    QTest::keyClicks(efficiency, "0,8");
    QCOMPARE(shell.main->CurrentProject().Sizing().Requirements.PumpEfficiency, 0.8);
    QCOMPARE(Figures(*shell.main).value(3), "0,8");
    shell.Menu("mnuFileAnnulla")->trigger();
    QCOMPARE(efficiency->text(), "0,9");
    QCOMPARE(Figures(*shell.main).value(3), "0,9");
    efficiency->selectAll();
    QTest::keyClicks(efficiency, "2");
    QCOMPARE(Figures(*shell.main), QStringList());
    QCOMPARE(Named<QLabel>(shell.main->FindChildWindow("BilancioEnergetico"), "LNessunRisultato")
                 ->text(),
             "Il rendimento della pompa deve essere più di 0 e al più 1.");

    // Another project: nothing of this answer is left to apply.
    shell.Menu("Esempio")->trigger();
    QVERIFY(!apply->isEnabled());
}

QTEST_MAIN(ProjectWindowsTest)
#include "ProjectWindowsTest.moc"
