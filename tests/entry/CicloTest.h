#pragma once
// What the cycle window's tests share: the program's windows with the cycle
// window open, keys typed where the focus is, and the test's slots, which
// its two files define.

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

namespace volvenza::testing {

namespace Column = PasteColumn;

// Keys go where the focus is, as they would from a keyboard.
inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
inline void Type(const QString& text) {
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
    // A row's check, as its tooltip says it, and the colour it marks the row with.
    QString Check(int row) const {
        return Model().index(row, Column::StartTime).data(Qt::ToolTipRole).toString();
    }
    QColor Shade(int row) const {
        const QVariant brush = Model().index(row, Column::StartTime).data(Qt::BackgroundRole);
        return brush.isValid() ? brush.value<QBrush>().color() : QColor();
    }
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
inline Movement Cylinder(float ti, float tf, float bore, float stroke) {
    Movement m{.Ti = ti, .Tf = tf, .BoreDiameter = bore, .Stroke = stroke, .Kind = 1};
    m.Qm = RoundHalfEven(FlowOfSizes(m).value_or(0), 3);
    return m;
}

}  // namespace volvenza::testing

class CicloTest : public QObject {
    Q_OBJECT
  private slots:
    void aCycleTypedWithTheKeyboardAlone();
    void tableEditsKeepTheEditorInStep();
    void editorEditsKeepTheTableInStep();
    void rowsAreCheckedAsTheyAreTyped();
    void flowsThatCannotBeRightAreMarked();
    void clipboardLimitAndUndoOfScatteredRows();
    void dutyCellsTypedPastedAndUndone();
    void diagramFollowsTheListAndThePointer();
};
