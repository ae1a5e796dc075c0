// The initial-data window: the values it shows on opening, how its boxes are
// taken over on closing and at the start of a run, and the period rule.

#include <QMdiSubWindow>
#include <QTest>

#include "entry/DatiIniziali.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

class DatiInizialiTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheValuesStoresThemOnClosingAndTurnsTypedPeriods() {
        CircuitState state;
        ScriptedDialogs dialogs;
        state.Data = CircuitData{1.5f, 1.0f / 3, 45, 30, 80, 13, 123456.789f};
        DatiIniziali window(state, dialogs);
        QCOMPARE(BoxTexts(&window, {"TV0", "TP0", "TTT"}),
                 QStringList({"1,5", "0,3333333", "123456,8"}));

        // Nothing is stored while typing; on closing, a box that is not a number
        // keeps its old value and the others are read back as displayed.
        for (const auto& [box, text] : {std::pair{"TDp", ""}, {"TTc", "abc"}, {"TPm", "92,5"}})
            Named<QLineEdit>(&window, box)->setText(text);
        QCOMPARE(state.Data.Pm, 80.0f);
        window.close();
        const CircuitData& d = state.Data;
        QCOMPARE(QList<float>({d.V0, d.P0, d.Tc, d.Pm, d.Dp, d.CycleTime}),
                 QList<float>({1.5f, 0.3333333f, 45, 92.5f, 13, 123456.8f}));

        // A period typed, on either keyboard, is a comma.
        auto* box = Named<QLineEdit>(&window, "TV0");
        Retype(box, "1.5");
        QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(box->text(), "1,5,");
        QVERIFY(dialogs.Calls().empty());
    }

    void runTakesTheBoxesAndOneHoldingNoNumberTakesTheFocus() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.Button("Esempio")->trigger();
        // The example writes the boxes of a window it loads hidden; a run
        // refused for one of its boxes shows it.
        QWidget* window = shell.main->FindChildWindow("DatiIniziali");
        QVERIFY(window != nullptr && !window->isVisible());
        auto* cycle = Named<QLineEdit>(window, "TTT");
        QCOMPARE(cycle->text(), "4,7");
        cycle->clear();
        auto* band = Named<QLineEdit>(window, "TDp");
        band->setText("1e999");
        shell.Button("Simulazione")->trigger();
        const std::vector<DialogCall> shown = shell.dialogs.Messages();
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0].text,
                 "Il valore di DP non è un numero valido, la simulazione non può partire");
        QCOMPARE(shown[0].icon, MessageIcon::Information);
        QCOMPARE(shell.state.LastPoint, 0);
        QCOMPARE(shell.state.Data.Dp, 13.0f);
        QVERIFY(window->isVisible());
        QCOMPARE(window->focusWidget(), band);
        QCOMPARE(band->selectedText(), "1e999");

        // Typing replaces the selected text; the next box that holds no number is named.
        QTest::keyClicks(band, "7");
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().back().text,
                 "Il valore di Tempo ciclo non è un numero valido, la simulazione non può partire");
        QCOMPARE(shell.state.Data.Dp, 7.0f);
        // A run takes what the boxes hold.
        cycle->setText("2");
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.state.Data.CycleTime, 2.0f);
        QCOMPARE(shell.state.LastPoint, 200);

        // Typed, a value is the project's at once, and outlives the window.
        shell.Button("ValoriIniziali")->trigger();
        QCOMPARE(shell.main->FindChildWindow("DatiIniziali"), window);
        Retype(Named<QLineEdit>(window, "TQp"), "28");
        QCOMPARE(shell.state.Data.Qp, 28.0f);
        qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
        QVERIFY(QTest::qWaitFor(
            [&] { return shell.main->FindChildWindow("DatiIniziali") == nullptr; }));
        shell.Button("ValoriIniziali")->trigger();
        window = shell.main->FindChildWindow("DatiIniziali");
        QCOMPARE(Named<QLineEdit>(window, "TQp")->text(), "28");
    }
};

QTEST_MAIN(DatiInizialiTest)
#include "DatiInizialiTest.moc"
