// The cycle window's clipboard: rows copied, cut and pasted, the
// 1000-movement limit, undo of scattered rows, and the duty cells.

#include "tests/entry/CicloTest.h"

using namespace volvenza;
using namespace volvenza::testing;

void CicloTest::clipboardLimitAndUndoOfScatteredRows() {
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
void CicloTest::dutyCellsTypedPastedAndUndone() {
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
        return model.index(0, column).data(Qt::ForegroundRole).value<QBrush>().color() == Qt::red;
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
    QVERIFY(
        reasons.contains("Valore fuori campo in Δp, la perdita deve essere almeno 0 bar: resta -"));
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
