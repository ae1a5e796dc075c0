// The initial-data window over the project: a typed number is the
// project's at once, text that is no number is kept as the box's draft and
// stops every reader of the data (run, sizing, save, exports) naming the
// box, whether the window is open or closed; and the period rule.

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "documents/Project.h"
#include "entry/DatiIniziali.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

class DatiInizialiTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheProjectAndTakesWhatIsTyped() {
        CircuitState state;
        ScriptedDialogs dialogs;
        state.Data = CircuitData{1.5f, 1.0f / 3, 45, 30, 80, 13, 123456.789f};
        Project project(state);
        DatiIniziali window(project, dialogs);
        QCOMPARE(BoxTexts(&window, {"TV0", "TP0", "TTT"}),
                 QStringList({"1,5", "0,3333333", "123456,8"}));
        // Shown, a value is not rewritten from its text.
        QCOMPARE(state.Data.P0, 1.0f / 3);
        QCOMPARE(project.Revision(), uint64_t{0});

        // A number is the project's at once; text that is none is kept as
        // typed, marked, and the value stays.
        Retype(Named<QLineEdit>(&window, "TPm"), "92,5");
        QCOMPARE(state.Data.Pm, 92.5f);
        auto* tc = Named<QLineEdit>(&window, "TTc");
        // A letter is refused as it is typed; the half-typed "4-" is kept.
        Retype(tc, "4a-");
        QCOMPARE(state.Data.Tc, 4.0f);  // what the "4" typed on the way gave
        QCOMPARE(project.Draft({DraftKey::Place::InitialData, 0, 2}),
                 std::optional<std::string>("4-"));
        QCOMPARE(tc->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(tc->toolTip().startsWith("Non è un numero"));
        // The project changed under the window: the boxes follow, the one
        // being typed in as it was typed.
        project.Undo();
        window.ShowData();
        QCOMPARE(BoxTexts(&window, {"TTc", "TPm"}), QStringList({"45", "92,5"}));
        QCOMPARE(tc->palette().color(QPalette::Text), window.palette().color(QPalette::Text));
        Retype(tc, "45,0");
        window.ShowData();
        QCOMPARE(tc->text(), "45,0");

        // A period typed, on either keyboard, is a comma.
        auto* box = Named<QLineEdit>(&window, "TV0");
        Retype(box, "1.5");
        QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(box->text(), "1,5,");
        QVERIFY(dialogs.Calls().empty());
    }

    void aDraftStopsEveryReaderAndNamesItsBox() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.RunExample();
        QWidget* window = shell.main->ShowChildWindow("DatiIniziali");
        const char* const boxes[] = {"TV0", "TP0", "TTc", "TQp", "TPm", "TDp", "TTT"};
        const char* const labels[] = {"Vo", "Po", "tc", "Qp", "PM", "DP", "Tempo ciclo"};
        auto refusal = [](const char* label, const char* text, const QString& stops) {
            return QStringLiteral(
                       "Il valore di %1 (Inizializzazione) è \"%2\", che non è un "
                       "numero valido: %3. Correggerlo o annullarlo con Ctrl+Z.")
                .arg(QString::fromUtf8(label), text, stops);
        };
        const QString run = QStringLiteral("la simulazione non può partire");
        // Each box, its window open: the run is refused, the box in the focus.
        for (size_t i = 0; i < std::size(boxes); ++i) {
            auto* box = Named<QLineEdit>(window, boxes[i]);
            const QString before = box->text();
            Retype(box, "2-5");
            Named<QLineEdit>(window, boxes[(i + 1) % 7])->setFocus();
            shell.Button("Simulazione")->trigger();
            QCOMPARE(shell.dialogs.Messages().back().text, refusal(labels[i], "2-5", run));
            QCOMPARE(window->focusWidget(), box);
            Retype(box, before);
        }
        const size_t said = shell.dialogs.Messages().size();
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().size(), said);

        // Closed, the window keeps its draft in the project: the run, the
        // sizing, saving and the exports are refused all the same.
        Retype(Named<QLineEdit>(window, "TQp"), "2-5");
        qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
        QVERIFY(QTest::qWaitFor([&] { return !shell.main->FindChildWindow("DatiIniziali"); }));
        const int16_t last = shell.state.LastPoint;
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().back().text, refusal("Qp", "2-5", run));
        QCOMPARE(shell.state.LastPoint, last);
        QVERIFY(!shell.main->FindChildWindow("DatiIniziali"));
        shell.Menu("mnuCalcoloDimensionamento")->trigger();
        auto* sizing =
            qobject_cast<Dimensionamento*>(shell.main->FindChildWindow("Dimensionamento"));
        QTest::keyClicks(Named<QLineEdit>(sizing, "TP1"), "60");
        sizing->Calculate();
        QCOMPARE(shell.dialogs.Messages().back().text,
                 refusal("Qp", "2-5", QStringLiteral("il dimensionamento non può partire")));
        for (const char* command : {"mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaCsv",
                                    "mnuFileEsportaPdf", "mnuFilePrint"}) {
            const size_t calls = shell.dialogs.Calls().size();
            shell.Menu(command)->trigger();
            QCOMPARE(shell.dialogs.Calls().size(), calls + 1);  // no file dialog after it
            QVERIFY2(shell.dialogs.Messages().back().text.contains("\"2-5\""), command);
        }

        // Opened again, the box shows what was typed, marked.
        shell.Button("ValoriIniziali")->trigger();
        auto* qp = Named<QLineEdit>(shell.main->FindChildWindow("DatiIniziali"), "TQp");
        QCOMPARE(qp->text(), "2-5");
        QCOMPARE(qp->palette().color(QPalette::Text), QColor(Qt::red));
        Retype(qp, "28");
        QCOMPARE(shell.state.Data.Qp, 28.0f);
        shell.Button("Simulazione")->trigger();
        QVERIFY(shell.main->CurrentProject().ResultsCurrent());
    }
};

QTEST_MAIN(DatiInizialiTest)
#include "DatiInizialiTest.moc"
