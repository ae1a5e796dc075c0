// The cycle window: a cycle typed with the keyboard alone, the table and
// the movement editor in step after every kind of edit in either, the
// checks of the rows, the clipboard and the 1000-movement limit, and the
// timing diagram under the pointer.
//
// With VOLVENZA_HELP_PICTURE set to a file name, the first test also writes
// the picture of the window that the help shows (shell/help/ciclo.png).

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <limits>

#include "engine/FlowModel.h"
#include "entry/Ciclo.h"
#include "entry/CycleDiagram.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "entry/CycleTableView.h"
#include "numbers/Rounding.h"
#include "tests/gui/GuiTesting.h"
#include "views/CycleColours.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

namespace Column = PasteColumn;

// Keys go where the focus is, as they would from a keyboard.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
void Type(const QString& text) {
    for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

struct Windows {
    Shell shell{ProgramChildWindows()};
    Ciclo* cycle = nullptr;
    std::optional<QAbstractItemModelTester> tester;

    Windows() {
        shell.main->resize(1400, 1000);
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowActive(shell.main.get()));
    }
    void OpenCycle() {
        // What the test put into the state is the project's.
        shell.main->CurrentProject().Edited(ProjectPart::Inputs, "prova");
        shell.Menu("mnuCalcoloCiclo")->trigger();
        cycle = qobject_cast<Ciclo*>(shell.main->FindChildWindow("Ciclo"));
        tester.emplace(&Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    QWidget* Editor() const { return shell.main->FindChildWindow("InserimentoDati"); }
    CycleTableModel& Model() const { return cycle->Model(); }
    QString Cell(int row, int column) const { return Model().index(row, column).data().toString(); }
    QString Box(const char* name) const { return Named<QLineEdit>(Editor(), name)->text(); }
    void Click(const char* name) const { Named<QPushButton>(Editor(), name)->click(); }

    // The editor's position and page against the table's row of the same
    // movement; empty when they agree.
    QString Disagreement() const {
        const int count = shell.state.MovementCount;
        if (Model().rowCount() != count) return QStringLiteral("rows %1").arg(Model().rowCount());
        const int current = shell.state.CurrentMovement;
        if (Box("Pos") != QStringLiteral("%1/%2").arg(current).arg(count)) return Box("Pos");
        if (count == 0) return {};
        const int row = current - 1;
        QStringList editor{Named<QLabel>(Editor(), "LCommento")->text(), Box("DatoTi"),
                           Box("DatoTf")};
        QStringList table{Cell(row, Column::Kind), Cell(row, Column::StartTime),
                          Cell(row, Column::EndTime)};
        for (const char* box : {"Dato1", "Dato2", "Dato3"})
            if (Named<QLineEdit>(Editor(), box)->isVisibleTo(Editor())) editor << Box(box);
        for (int c = Column::Bore; c < Column::Flow; ++c)
            if (!Cell(row, c).isEmpty()) table << Cell(row, c);
        editor << Box("DatoQm");
        table << Cell(row, Column::Flow);
        return editor == table ? QString() : editor.join('|') + " / " + table.join('|');
    }
};

// With the flow its sizes give, as the editor computes it.
Movement Cylinder(float ti, float tf, float bore, float stroke) {
    Movement m{.Ti = ti, .Tf = tf, .BoreDiameter = bore, .Stroke = stroke, .Kind = 1};
    m.Qm = RoundHalfEven(FlowOfSizes(m).value_or(0), 3);
    return m;
}

}  // namespace

class CicloTest : public QObject {
    Q_OBJECT
  private slots:
    void aCycleTypedWithTheKeyboardAlone() {
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

    void tableAndEditorAgreeAfterEveryEdit() {
        Windows w;
        w.shell.Button("Esempio")->trigger();
        const MovementTable example = w.shell.state.Movements;
        w.shell.Button("InserimentoDati")->trigger();
        w.OpenCycle();
        CycleTableModel& model = w.Model();
        auto agree = [&w](const char* after) {
            const QString difference = w.Disagreement();
            QVERIFY2(difference.isEmpty(), qPrintable(QString(after) + ": " + difference));
        };
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

        // Editor edits: typing, a new movement, a deletion; they are steps of
        // the same history, which the table's Annulla walks back through.
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

    void rowsAreCheckedAsTheyAreTyped() {
        Windows w;
        CircuitState& state = w.shell.state;
        // The last one ends as the cycle does.
        const float times[][2] = {{0, 0.3f}, {0.5f, 0.5f}, {0, 0}, {4, 6}, {4, 5}};
        for (int k = 1; k <= 5; ++k)
            state.Movements[k] = Cylinder(times[k - 1][0], times[k - 1][1], 50, 150);
        state.MovementCount = 5;
        state.Data.CycleTime = 5;
        w.OpenCycle();
        CycleTableModel& model = w.Model();
        auto check = [&model](int row) {
            return model.index(row, Column::StartTime).data(Qt::ToolTipRole).toString();
        };
        auto colour = [&model](int row) {
            const QVariant brush = model.index(row, Column::StartTime).data(Qt::BackgroundRole);
            return brush.isValid() ? brush.value<QBrush>().color() : QColor();
        };
        QCOMPARE(check(0), QString());
        QVERIFY(check(1).startsWith("Tf è uguale o minore di Ti"));
        QVERIFY(check(2).startsWith("Ti e Tf sono a 0"));
        QCOMPARE(check(3), "Il movimento esce dal ciclo, che dura 5 s.");
        QCOMPARE(check(4), QString());
        const QColor error(kCheckErrorColour), warning(kCheckWarningColour);
        QCOMPARE(QList<QColor>({colour(0), colour(1), colour(2), colour(3), colour(4)}),
                 QList<QColor>({QColor(), error, warning, warning, QColor()}));

        // A new cycle time typed in the initial-data window counts at once.
        QWidget* initial = w.shell.main->ShowChildWindow("DatiIniziali");
        Retype(Named<QLineEdit>(initial, "TTT"), "8");
        QCOMPARE(check(3), QString());
        w.shell.main->ShowChildWindow("Ciclo");

        // Text that is no number stays in its cell, red, and stores nothing.
        QVERIFY(!model.setData(model.index(0, Column::EndTime), "0,3x"));
        QCOMPARE(w.Cell(0, Column::EndTime), "0,3x");
        QCOMPARE(state.Movements[1].Tf, 0.3f);
        QCOMPARE(check(0), "Valore non valido in Tf: resta 0,3");
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
        QCOMPARE(check(0), QString());

        // A flow typed over the one its sizes give is the person's own: said,
        // in its own colour, and no error.
        QVERIFY(model.setData(model.index(0, Column::Flow), "25"));
        QCOMPARE(check(0), "Qm immesso a mano: le misure e i tempi danno 88,357 dm3/min.");
        QCOMPARE(model.index(0, Column::Flow).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 70, 160));
        QCOMPARE(colour(0), QColor());
        QVERIFY(model.setData(model.index(0, Column::Flow), "88,357"));
        QCOMPARE(check(0), QString());
        // An end before the start is the times' fault; it draws no bar, nor
        // does one at its start, and adds nothing to the total flow.
        QVERIFY(model.setData(model.index(4, Column::EndTime), "3"));
        QVERIFY(check(4).startsWith("Tf è uguale o minore di Ti") && !check(4).contains("misure"));
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
        QVERIFY(check(3).startsWith("Qm è negativa perché il diametro dello stelo d supera"));
        QCOMPARE(colour(3), error);
        QVERIFY(model.setData(model.index(3, Column::Kind), int(MovementKind::Motor)));
        QCOMPARE(w.Cell(3, Column::Flow), "0");
        QVERIFY(model.setData(model.index(2, Column::Bore), "51"));
        QVERIFY(state.Movements[3].Qm > 1e20);
        QCOMPARE(w.Cell(2, Column::Flow), QString());
        QVERIFY(check(2).contains("\nQm non è mostrata"));
        // A flow that is no number is not shown either.
        state.Movements[5].Qm = std::numeric_limits<double>::quiet_NaN();
        w.cycle->FollowMovementList();
        QCOMPARE(w.Cell(4, Column::Flow), QString());
    }

    void clipboardLimitAndUndoOfScatteredRows() {
        Windows w;
        CircuitState& state = w.shell.state;
        LoadExampleCircuit(state);
        w.OpenCycle();
        CycleTableView* table = w.cycle->Table();
        CycleTableModel& model = w.Model();
        table->selectRow(1);
        table->selectionModel()->select(model.index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        w.cycle->CopyRows();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral(
                     "2\tCILINDRO SEMPLICE STELO ENTRANTE\t0,2\t0,8\t40\t15\t300\t\t\t\t\t32,39775"
                     "\t\t0,95\t\t\t\t\n"
                     "4\tMOTORE\t0\t2,5\t\t\t\t100\t120\t\t\t12\t\t0,95\t\t\t\t\n"));
        // Removing two rows apart, then taking it back, gives back the list.
        const MovementTable before = state.Movements;
        w.cycle->RemoveRows();
        QCOMPARE(state.MovementCount, int16_t{3});
        QCOMPARE(state.Movements[2].Qm, 46.75879);
        w.cycle->Undo();
        QVERIFY(state.Movements == before);

        // Pasted rows come back as they were copied, below the current row.
        table->setCurrentIndex(model.index(4, Column::StartTime));
        w.cycle->PasteRows();
        QCOMPARE(state.MovementCount, int16_t{7});
        QVERIFY(state.Movements[6] == before[2] && state.Movements[7] == before[4]);

        auto pasted = [&](const QString& text) {
            table->setCurrentIndex(model.index(model.rowCount() - 1, Column::StartTime));
            QGuiApplication::clipboard()->setText(text);
            w.cycle->PasteRows();
            return w.shell.dialogs.Messages().back().text;
        };
        // A refusal is said, and nothing is pasted.
        QVERIFY(pasted("1\t0\t1e39\t50\t\t150").contains("«1e39» di Tf [sec] è oltre"));
        QCOMPARE(state.MovementCount, int16_t{7});
        // More rows than the list has room for: none is pasted.
        QVERIFY(pasted(QString("MOTORE\t0\t1\n").repeated(2000)).contains("ancora 993"));
        QCOMPARE(state.MovementCount, int16_t{7});

        // The 1000-movement limit, with the editor's message.
        for (int k = 8; k <= kMaxMovements; ++k) state.Movements[k] = Cylinder(0, 1, 10, 10);
        state.MovementCount = kMaxMovements;
        w.cycle->FollowMovementList();
        QGuiApplication::clipboard()->setText("MOTORE\t0\t1\t\t\t\t100\t120\t\t\t12");
        const size_t shown = w.shell.dialogs.Messages().size();
        w.cycle->AddMovement();
        table->selectRow(0);
        w.cycle->DuplicateRows();
        QCOMPARE(w.shell.dialogs.Messages().size(), shown + 2);
        QCOMPARE(w.shell.dialogs.Messages().back().text,
                 "Raggiunto il numero massimo di 1000 movimenti.");
        QCOMPARE(state.MovementCount, int16_t{kMaxMovements});

        // The list's own edits at the very end, and up to the limit but not past it.
        CircuitState list;
        list.MovementCount = 5;
        const std::vector<Movement> two(2, Cylinder(0, 2, 9, 9));
        QVERIFY(InsertMovements(list, 6, two));
        QCOMPARE(list.Movements[7].BoreDiameter, 9.0f);
        list.MovementCount = kMaxMovements - 1;
        QVERIFY(!InsertMovements(list, 1, two));
        QVERIFY(InsertMovements(list, kMaxMovements, {two[0]}));
        QCOMPARE(list.MovementCount, int16_t{kMaxMovements});
        QVERIFY(RemoveMovements(list, kMaxMovements - 1, 2));
        QCOMPARE(list.Movements[kMaxMovements], Movement{});
    }

    // A movement's duty: typed in the table or the editor, refused as text or
    // out of range the same way, pasted as typed and undone (the project
    // file's own test keeps it in the file).
    void dutyCellsTypedPastedAndUndone() {
        Windows w;
        CircuitState& state = w.shell.state;
        LoadExampleCircuit(state);
        w.shell.Button("InserimentoDati")->trigger();
        w.OpenCycle();
        CycleTableModel& model = w.Model();
        const Movement& first = state.Movements[1];  // extending, bore 50 mm
        auto set = [&](int column, const QString& text) {
            return model.setData(model.index(0, column), text);
        };
        auto red = [&](int column) {
            return model.index(0, column).data(Qt::ForegroundRole).value<QBrush>().color() ==
                   Qt::red;
        };
        QVERIFY(set(Column::Load, "20"));
        // 20 kN over the bore's 1963,5 mm2 at η 0,95: 107,2 bar, in the editor too.
        QCOMPARE(w.Cell(0, Column::Required), "107,2");
        QCOMPARE(Named<QLabel>(w.Editor(), "PressioneRichiesta")->text(),
                 "Il movimento richiede pn = 107,2 bar");
        for (const char* bad : {"1,2", "0", "abc"}) {
            QVERIFY(!set(Column::Efficiency, bad));
            QVERIFY(red(Column::Efficiency) && first.Duty.Efficiency == 0.95);
        }
        QVERIFY(!set(Column::Loss, "-1") && red(Column::Loss));
        QVERIFY(!set(Column::Efficiency, "1,2"));
        // A number out of range is said as such, not as no number.
        const QStringList reasons = model.CheckRow(0).reasons;
        QVERIFY(reasons.contains(
            "Valore fuori campo in Δp, la perdita deve essere almeno 0 bar: resta -"));
        QVERIFY(
            reasons.contains("Valore fuori campo in η, il rendimento deve essere più di 0 e "
                             "al più 1: resta 0,95"));
        QVERIFY(set(Column::Loss, "5") && !red(Column::Loss) && set(Column::Efficiency, "0,9"));
        QCOMPARE(w.Cell(0, Column::Required), "118,2");
        // A typed pressure stands in for the load's; an empty cell gives it back.
        QVERIFY(set(Column::TypedRequired, "150"));
        QCOMPARE(w.Cell(0, Column::Required), "150");
        QVERIFY(set(Column::TypedRequired, ""));
        QVERIFY(!first.Duty.Required);
        QVERIFY(model.setData(model.index(0, Column::Emergency), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(first.Duty.Emergency);
        w.cycle->Undo();
        QVERIFY(!first.Duty.Emergency);

        // The editor's boxes: half-typed text keeps the value from before it.
        auto* load = Named<QLineEdit>(w.Editor(), "DatoCarico");
        QCOMPARE(load->text(), "20");
        load->setFocus();
        load->selectAll();
        QTest::keyClicks(load, "3e");
        QCOMPARE(first.Duty.Load, 20.0);
        QCOMPARE(w.Cell(0, Column::Load), "3e");
        QTest::keyClicks(load, "1");
        QCOMPARE(first.Duty.Load, 30.0);
        QVERIFY(!red(Column::Load));

        // Copied and pasted back as it was; pasting takes what typing takes.
        const Movement copied = first;
        w.cycle->Table()->selectRow(0);
        w.cycle->CopyRows();
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("\t30\t0,9\t5\t\t\t174,8\n"));
        w.cycle->Table()->setCurrentIndex(model.index(4, Column::StartTime));
        w.cycle->PasteRows();
        QCOMPARE(state.Movements[6], copied);
        w.cycle->Table()->setCurrentIndex(model.index(1, Column::Emergency));
        QGuiApplication::clipboard()->setText("x");
        w.cycle->PasteRows();
        QVERIFY(state.Movements[2].Duty.Emergency);

        // The classic law judges p1 only, and says so.
        w.shell.Button("Simulazione")->trigger();
        QVERIFY(Named<QLabel>(w.cycle, "LRisultati")->text().contains("giudica solo p1"));
    }

    void diagramFollowsTheListAndThePointer() {
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
        QVERIFY2(QToolTip::text().contains("Qt 103,303 dm3/min, Qp 30"),
                 qPrintable(QToolTip::text()));
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
};

QTEST_MAIN(CicloTest)
#include "CicloTest.moc"
