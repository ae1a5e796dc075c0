// The cycle window: a cycle typed with the keyboard alone, the table and
// the movement editor in step after every kind of edit in either, the
// checks of the rows, and the timing diagram under the pointer; the
// clipboard and the duties are in CicloClipboardTest.cpp.
//
// With VOLVENZA_HELP_PICTURE set to a file name, the first test also writes
// the picture of the window that the help shows (shell/help/ciclo.png).

#include "tests/entry/CicloTest.h"

using namespace volvenza;
using namespace volvenza::testing;

void CicloTest::aCycleTypedWithTheKeyboardAlone() {
    Windows w;
    w.OpenCycle();
    QVERIFY(w.cycle != nullptr);
    w.cycle->Table()->setFocus();

    // Six kinds in turn, each chosen in the kind cell: an initial, or F2 and
    // the arrows. Times typed with periods and commas, sizes after them.
    struct Typed {
        QList<Qt::Key> choice;
        int16_t code;
        QStringList sizes;
    };
    const Typed kinds[] = {{{Qt::Key_F2, Qt::Key_Home}, 1, {"50", "150"}},
                           {{Qt::Key_F2, Qt::Key_Down}, 2, {"40", "15", "300"}},
                           {{Qt::Key_M}, 4, {"100", "120"}},
                           {{Qt::Key_F2, Qt::Key_Down}, 6, {"63", "20", "80"}},
                           {{Qt::Key_F2, Qt::Key_Down}, 7, {"25", "50"}},
                           {{Qt::Key_P}, 5, {"2", "90"}}};
    for (int i = 0; i < 30; ++i) {
        const Typed& t = kinds[i % 6];
        Key(Qt::Key_Return, Qt::ControlModifier);
        if (i > 0) {
            Key(Qt::Key_Tab, Qt::ShiftModifier);
            for (Qt::Key key : t.choice) Key(key);
            QVERIFY(qobject_cast<QComboBox*>(QApplication::focusWidget()));
            Key(Qt::Key_Tab);
        }
        Type(QStringLiteral("%1.%2").arg(i / 10).arg(i % 10));
        Key(Qt::Key_Tab);
        Type(QStringLiteral("%1,%2").arg((i + 3) / 10).arg((i + 3) % 10));
        for (const QString& size : t.sizes) {
            Key(Qt::Key_Tab);
            Type(size);
        }
        Key(i % 2 == 0 ? Qt::Key_Tab : Qt::Key_Enter);  // on to Qm
    }
    Key(Qt::Key_Escape);

    const CircuitState& state = w.shell.state;
    QCOMPARE(state.MovementCount, int16_t{30});
    for (int i = 0; i < 30; ++i) {
        const Movement& m = state.Movements[i + 1];
        QCOMPARE(m.Kind, kinds[i % 6].code);
        QCOMPARE(QList<float>({m.Ti, m.Tf}), QList<float>({float(i) / 10, float(i + 3) / 10}));
        QStringList sizes;
        for (int c = Column::Bore; c < Column::Flow; ++c)
            if (!w.Cell(i, c).isEmpty()) sizes << w.Cell(i, c);
        QCOMPARE(sizes, kinds[i % 6].sizes);
        // The flow is the editor's: the one computed, as its box shows it.
        CircuitState copy;
        copy.Movements[1] = m;
        QCOMPARE(m.Qm, ComputeMovementFlow(copy, 1));
    }

    if (qEnvironmentVariableIsSet("VOLVENZA_HELP_PICTURE")) {
        w.shell.RunExample();
        w.cycle->Table()->selectRow(2);
        w.cycle->grab().save(qEnvironmentVariable("VOLVENZA_HELP_PICTURE"));
    }
}

namespace {

// The example's cycle in the table, beside the movement editor.
void OpenTheExample(Windows& w) {
    w.shell.Button("Esempio")->trigger();
    w.shell.Button("InserimentoDati")->trigger();
    w.OpenCycle();
}

// The editor and the table show the same movement alike `after` an edit.
void Agree(const Windows& w, const char* after) {
    const QString difference = w.Disagreement();
    QVERIFY2(difference.isEmpty(), qPrintable(QString(after) + ": " + difference));
}

}  // namespace

void CicloTest::tableEditsKeepTheEditorInStep() {
    Windows w;
    OpenTheExample(w);
    const MovementTable example = w.shell.state.Movements;
    CycleTableModel& model = w.Model();
    const auto agree = [&w](const char* after) { Agree(w, after); };
    agree("opening");
    // The table's Annulla and Ripeti are the project's: the list set up
    // before the window opened can be taken back.
    QVERIFY(Named<QAction>(w.cycle, "Annulla")->isEnabled() &&
            !Named<QAction>(w.cycle, "Ripeti")->isEnabled());
    w.Click("PulsAvanti");
    w.Click("PulsAvanti");  // the editor shows movement 3

    // Table edits: the cell of the shown movement, its kind, a movement
    // added above it, a duplicate, a move, a removal, undo and redo.
    QVERIFY(model.setData(model.index(2, Column::Bore), "70"));
    QCOMPARE(w.Box("Dato1"), "70");
    QCOMPARE(w.Box("DatoQm"), "57,727");
    agree("cell");
    QVERIFY(model.setData(model.index(2, Column::Kind), int(MovementKind::DoubleRodCylinder)));
    agree("kind");
    w.cycle->Table()->setCurrentIndex(model.index(0, Column::Kind));
    w.cycle->AddMovement(MovementKind::Motor);
    QCOMPARE(w.Box("Pos"), "4/6");  // the same movement, one place down
    agree("add");
    w.cycle->Table()->selectRow(3);
    w.cycle->DuplicateRows();
    agree("duplicate");
    w.cycle->Table()->selectRow(4);
    w.cycle->MoveRows(-1);
    w.cycle->MoveRows(-1);  // the same movement again, as Alt+Up twice
    QCOMPARE(w.shell.state.Movements[3], w.shell.state.Movements[5]);
    QCOMPARE(w.Box("Pos"), "4/7");
    agree("move");
    // Del removes at once: Annulla brings the row back.
    const size_t asked = w.shell.dialogs.Messages().size();
    w.cycle->RemoveRows();
    QCOMPARE(w.shell.dialogs.Messages().size(), asked);
    agree("remove");
    QVERIFY(model.setData(model.index(0, Column::Kind), int(MovementKind::Motor)));
    QCOMPARE(w.Cell(0, Column::Bore), QString());
    // Seven steps: the two moves of one movement are one. The history goes
    // on past them to the example itself.
    for (int i = 0; i < 7; ++i) {
        w.cycle->Undo();
        agree("undo");
    }
    QVERIFY(w.shell.state.Movements == example);
    w.cycle->Redo();
    QCOMPARE(w.shell.state.Movements[3].BoreDiameter, 70.0f);
    agree("redo");
}

// Editor edits: typing, a new movement, a deletion; they are steps of the
// same history as the table's, which the table's Annulla walks back through.
void CicloTest::editorEditsKeepTheTableInStep() {
    Windows w;
    OpenTheExample(w);
    const MovementTable example = w.shell.state.Movements;
    CycleTableModel& model = w.Model();
    const auto agree = [&w](const char* after) { Agree(w, after); };
    w.Click("PulsAvanti");
    w.Click("PulsAvanti");                                       // the editor shows movement 3
    QVERIFY(model.setData(model.index(2, Column::Bore), "70"));  // a step of the table's first
    QLineEdit* end = Named<QLineEdit>(w.Editor(), "DatoTf");
    const int shown = w.shell.state.CurrentMovement - 1;
    const QString before = w.Cell(shown, Column::EndTime);
    Retype(end, "3.5");
    QCOMPARE(w.Cell(shown, Column::EndTime), "3,5");
    agree("typed in the editor");
    w.cycle->Undo();  // the whole of the typing, in one step
    QCOMPARE(w.Cell(shown, Column::EndTime), before);
    QCOMPARE(w.shell.state.Movements[3].BoreDiameter, 70.0f);  // the table's edit stays
    w.cycle->Undo();
    QVERIFY(w.shell.state.Movements == example);
    for (int i = 0; i < 2; ++i) w.cycle->Redo();
    QCOMPARE(w.Cell(shown, Column::EndTime), "3,5");
    agree("undone and done again");
    w.Click("PulsPalmola");
    QCOMPARE(w.Cell(model.rowCount() - 1, Column::Kind), "PALMOLA");
    agree("added in the editor");
    w.Click("PulsIndietro");
    w.shell.dialogs.QueueAnswer(MessageAnswer::Ok);
    w.Click("PulsEliminaDato");
    agree("deleted in the editor");

    // A list replaced as a whole.
    w.shell.Button("Esempio")->trigger();
    QCOMPARE(model.rowCount(), 5);
    agree("example");
}

namespace {

// Five cylinders of 50 by 150 with `times`, in a cycle of `cycleTime` s.
void OpenCylinders(Windows& w, const float (&times)[5][2], float cycleTime) {
    CircuitState& state = w.shell.state;
    for (int k = 1; k <= 5; ++k)
        state.Movements[k] = Cylinder(times[k - 1][0], times[k - 1][1], 50, 150);
    state.MovementCount = 5;
    state.Data.CycleTime = cycleTime;
    w.OpenCycle();
}

}  // namespace

void CicloTest::rowsAreCheckedAsTheyAreTyped() {
    Windows w;
    CircuitState& state = w.shell.state;
    // The last one ends as the cycle does.
    OpenCylinders(w, {{0, 0.3f}, {0.5f, 0.5f}, {0, 0}, {4, 6}, {4, 5}}, 5);
    CycleTableModel& model = w.Model();
    QCOMPARE(w.Check(0), QString());
    QVERIFY(w.Check(1).startsWith("Tf è uguale o minore di Ti"));
    QVERIFY(w.Check(2).startsWith("Ti e Tf sono a 0"));
    QCOMPARE(w.Check(3), "Il movimento esce dal ciclo, che dura 5 s.");
    QCOMPARE(w.Check(4), QString());
    const QColor error(kCheckErrorColour), warning(kCheckWarningColour);
    QCOMPARE(QList<QColor>({w.Shade(0), w.Shade(1), w.Shade(2), w.Shade(3), w.Shade(4)}),
             QList<QColor>({QColor(), error, warning, warning, QColor()}));

    // A new cycle time typed in the initial-data window counts at once.
    QWidget* initial = w.shell.main->ShowChildWindow("DatiIniziali");
    Retype(Named<QLineEdit>(initial, "TTT"), "8");
    QCOMPARE(w.Check(3), QString());
    w.shell.main->ShowChildWindow("Ciclo");

    // Text that is no number stays in its cell, red, and stores nothing.
    QVERIFY(!model.setData(model.index(0, Column::EndTime), "0,3x"));
    QCOMPARE(w.Cell(0, Column::EndTime), "0,3x");
    QCOMPARE(state.Movements[1].Tf, 0.3f);
    QCOMPARE(w.Check(0), "Valore non valido in Tf: resta 0,3");
    QCOMPARE(model.index(0, Column::EndTime).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(Qt::red));
    // It goes with its movement when the rows move.
    w.cycle->Table()->selectRow(0);
    w.cycle->MoveRows(+1);
    QCOMPARE(w.Cell(1, Column::EndTime), "0,3x");
    QCOMPARE(w.Cell(0, Column::EndTime), "0,5");
    // Undone, the move goes alone: the text typed before it is a step of its own.
    w.cycle->Undo();
    QCOMPARE(w.Cell(0, Column::EndTime), "0,3x");
    QVERIFY(model.setData(model.index(0, Column::EndTime), "0,2"));
    QCOMPARE(w.Check(0), QString());
}

// Flows typed over the sizes' own, and flows that cannot be right: each said
// in the row's check, in its colour.
void CicloTest::flowsThatCannotBeRightAreMarked() {
    Windows w;
    CircuitState& state = w.shell.state;
    OpenCylinders(w, {{0, 0.2f}, {0.5f, 0.5f}, {0, 0}, {4, 6}, {4, 5}}, 8);
    CycleTableModel& model = w.Model();
    const QColor error(kCheckErrorColour);
    // A flow typed over the one its sizes give is the person's own: said,
    // in its own colour, and no error.
    QVERIFY(model.setData(model.index(0, Column::Flow), "25"));
    QCOMPARE(w.Check(0), "Qm immesso a mano: le misure e i tempi danno 88,357 dm3/min.");
    QCOMPARE(model.index(0, Column::Flow).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(0, 70, 160));
    QCOMPARE(w.Shade(0), QColor());
    QVERIFY(model.setData(model.index(0, Column::Flow), "88,357"));
    QCOMPARE(w.Check(0), QString());
    // An end before the start is the times' fault; it draws no bar, nor
    // does one at its start, and adds nothing to the total flow.
    QVERIFY(model.setData(model.index(4, Column::EndTime), "3"));
    QVERIFY(w.Check(4).startsWith("Tf è uguale o minore di Ti") && !w.Check(4).contains("misure"));
    CycleDiagram* diagram = w.cycle->Diagram();
    QVERIFY(diagram->BarRect(4).isEmpty() && diagram->BarRect(1).isEmpty());
    QVERIFY(!diagram->BarRect(0).isEmpty());
    QVERIFY2(diagram->TextAlternative().contains(
                 "Movimento 5, CILINDRO SEMPLICE STELO USCENTE: Tf 3 s non è dopo Ti 4 s, "
                 "nessuna barra\nPortata totale Qt: al massimo 88,357 dm3/min"),
             qPrintable(diagram->TextAlternative()));
    QVERIFY(model.setData(model.index(4, Column::EndTime), "5"));

    // Flows that cannot be right are marked: a rod wider than the bore, a
    // kind whose sizes are not given, a flow over no time.
    QVERIFY(model.setData(model.index(3, Column::Kind), int(MovementKind::CylinderRetracting)));
    QVERIFY(model.setData(model.index(3, Column::Rod), "60"));
    QVERIFY(state.Movements[4].Qm < 0);
    QVERIFY(w.Check(3).startsWith("Qm è negativa perché il diametro dello stelo d supera"));
    QCOMPARE(w.Shade(3), error);
    QVERIFY(model.setData(model.index(3, Column::Kind), int(MovementKind::Motor)));
    QCOMPARE(w.Cell(3, Column::Flow), "0");
    QVERIFY(model.setData(model.index(2, Column::Bore), "51"));
    QVERIFY(state.Movements[3].Qm > 1e20);
    QCOMPARE(w.Cell(2, Column::Flow), QString());
    QVERIFY(w.Check(2).contains("\nQm non è mostrata"));
    // A flow that is no number is not shown either.
    state.Movements[5].Qm = std::numeric_limits<double>::quiet_NaN();
    w.cycle->FollowMovementList();
    QCOMPARE(w.Cell(4, Column::Flow), QString());
}

void CicloTest::diagramFollowsTheListAndThePointer() {
    Windows w;
    w.shell.Button("Esempio")->trigger();
    w.OpenCycle();
    CycleDiagram* diagram = w.cycle->Diagram();
    QCOMPARE(diagram->LaneCount(), 5);
    auto move = [diagram](QPointF at) { SendMouse(diagram, QEvent::MouseMove, at); };
    // Bars as long as their movements: the motor's 2,5 s against the 0,6 s
    // of movement 2, which starts 0,2 s later.
    const QRectF motor = diagram->BarRect(3), second = diagram->BarRect(1);
    QVERIFY(qAbs(motor.width() * 0.6 / 2.5 - second.width()) < 1);
    QVERIFY(qAbs(motor.width() * 0.2 / 2.5 - (second.left() - motor.left())) < 1);
    move(motor.center());
    QCOMPARE(QToolTip::text(), "Movimento 4: MOTORE\nTi 0 s, Tf 2,5 s, Qm 12 dm3/min");
    // Under the bars, the total flow at that time: movements 1, 2 and 4.
    move(QPointF(second.left() + 1, diagram->height() - 30));
    QVERIFY2(QToolTip::text().contains("Qt 103,303 dm3/min, Qp 30"), qPrintable(QToolTip::text()));
    // A flow of more decimals reads the same in the bar and in the table.
    w.shell.state.Movements[4].Qm = 12.31872;
    move(motor.center());
    QVERIFY2(QToolTip::text().contains("Qm 12,31872 dm3/min\n"), qPrintable(QToolTip::text()));
    QCOMPARE(w.Cell(3, Column::Flow), "12,31872");
    w.shell.state.Movements[4].Qm = 12;

    // A bar clicked is the row the table edits.
    QTest::mouseClick(diagram, Qt::LeftButton, {}, diagram->BarRect(2).center().toPoint());
    QCOMPARE(w.cycle->Table()->selectionModel()->selectedRows().value(0).row(), 2);

    // After a run the pressure is drawn under the flow.
    w.shell.Button("Simulazione")->trigger();
    move(QPointF(second.left() + 1, diagram->height() - 30));
    QVERIFY2(QToolTip::text().contains(" s: P "), qPrintable(QToolTip::text()));

    CircuitState& state = w.shell.state;
    // Times and flows far beyond any cycle are drawn without harm.
    state.Movements[1] = Movement{.Ti = -3e38f, .Tf = 3e38f, .Qm = 1e300, .Kind = 4};
    state.Movements[2].Qm = std::numeric_limits<double>::infinity();
    w.cycle->FollowMovementList();
    move(diagram->BarRect(0).center());
    QVERIFY(QToolTip::text().startsWith("Movimento 1: MOTORE"));
}

QTEST_MAIN(CicloTest)
