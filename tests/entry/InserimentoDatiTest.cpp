// The movement editor: each kind's page, stepping through the list, adding
// and deleting, the flow recomputed as sizes are typed, boxes that hold no
// number, and the period warning of the flow box.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "documents/Project.h"
#include "documents/SimulationFile.h"
#include "entry/ActuatorPictures.h"
#include "entry/InserimentoDati.h"
#include "platform/DecimalKey.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

struct Editor {
    CircuitState state;
    std::unique_ptr<Project> project;
    ScriptedDialogs dialogs;
    std::unique_ptr<InserimentoDati> window;

    // Over a project of the state as the test set it up.
    void Open() {
        project = std::make_unique<Project>(state);
        window = std::make_unique<InserimentoDati>(*project, dialogs);
    }
    QLineEdit* Box(const char* name) const { return Named<QLineEdit>(window.get(), name); }
    QLabel* Label(const char* name) const { return Named<QLabel>(window.get(), name); }
    QPushButton* Button(const char* name) const { return Named<QPushButton>(window.get(), name); }
    void Click(const char* name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void Retype(const char* box, const char* text) const { testing::Retype(Box(box), text); }
    QString Pos() const { return Box("Pos")->text(); }

    // Number of the picture shown, 0 for none.
    int Picture() const {
        const QImage shown =
            Label("Immagine")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        for (int n = 1; n <= 6; ++n)
            if (shown == ActuatorPicture(n).convertToFormat(QImage::Format_RGB32)) return n;
        return 0;
    }

    // The page as one line: title, each shown row as "name unit=value", the
    // picture number. Also checks that each box is named for a screen reader.
    QString Page() const {
        QStringList parts{Label("LCommento")->text()};
        const char* rows[][3] = {{"Li", "DatoTi", "LUi"}, {"Lf", "DatoTf", "LUf"},
                                 {"L1", "Dato1", "LU1"},  {"L2", "Dato2", "LU2"},
                                 {"L3", "Dato3", "LU3"},  {"LQm", "DatoQm", "LUQm"}};
        for (const auto& row : rows) {
            QLineEdit* box = Box(row[1]);
            const bool shown = box->isVisibleTo(window.get());
            if (Label(row[0])->isVisibleTo(window.get()) != shown ||
                Label(row[2])->isVisibleTo(window.get()) != shown)
                parts << QStringLiteral("mixed:%1").arg(QLatin1String(row[1]));
            if (!shown) continue;
            const QString name = Label(row[0])->text() + QLatin1Char(' ') + Label(row[2])->text();
            if (box->accessibleName() != name) parts << QStringLiteral("unnamed:") + name;
            parts << name + QLatin1Char('=') + box->text();
        }
        parts << QStringLiteral("pic %1").arg(Picture());
        return parts.join(" | ");
    }
};

}  // namespace

class InserimentoDatiTest : public QObject {
    Q_OBJECT
  private slots:
    void eachAddButtonShowsItsKindsPageUpToTheLimit() {
        const QString times = QStringLiteral(" | Ti [sec]=0 | Tf [sec]=0 | ");
        const char* const pages[][2] = {
            {"PulsPistEntra", "CILINDRO SEMPLICE STELO ENTRANTE%1D [mm]=0 | d [mm]=0 | L [mm]=0"},
            {"PulsPistEsce", "CILINDRO SEMPLICE STELO USCENTE%1D [mm]=0 | L [mm]=0"},
            {"PulsMotore", "MOTORE%1C [cm3/giro]=0 | N [rpm]=0"},
            {"PulsDiffGraUsc", "CILINDRO DOPPIO STELO%1D [mm]=0 | d [mm]=0 | L [mm]=0"},
            {"PulsPistDiffPicUsc", "CILINDRO SEMPLICE EFFETTO%1d [mm]=0 | L [mm]=0"},
            {"PulsPalmola", "PALMOLA%1CU [cm3/°]=0 | AR [°]=0"},
        };
        const int pictures[] = {2, 1, 3, 4, 5, 6};
        Editor e;
        e.state.CurrentMovement = 5;  // left over from an earlier list
        e.Open();
        e.window->show();
        QCOMPARE(e.Pos(), "0/0");
        QCOMPARE(e.state.CurrentMovement, int16_t{0});
        QCOMPARE(e.Page(), " | pic 0");
        // Each page replaces the last one's rows, whatever their number.
        for (int i = 0; i < 6; ++i) {
            e.Click(pages[i][0]);
            QCOMPARE(e.Page(), QString::fromUtf8(pages[i][1]).arg(times) +
                                   QStringLiteral(" | Qm [dm3/min]=0 | pic %1").arg(pictures[i]));
            QCOMPARE(e.Pos(), QStringLiteral("%1/%1").arg(i + 1));
        }
        // Each one a step of the project's history.
        QCOMPARE(e.project->Revision(), uint64_t{6});

        // A full table refuses another one.
        e.state.MovementCount = kMaxMovements;
        e.Click("PulsPalmola");
        QCOMPARE(e.dialogs.Messages().size(), size_t{1});
        QCOMPARE(e.state.MovementCount, int16_t{kMaxMovements});
    }

    void differentialPistonKeepsItsFirstStroke() {
        Editor e;
        Movement& m = e.state.Movements[1];
        m = Movement{.Ti2 = 3, .BoreDiameter = 80, .Stroke = 7, .RodDiameter = 30, .Kind = 3};
        m.Stroke1 = 200;
        m.Stroke2 = 9;
        m.Qm = 25;
        e.state.MovementCount = 1;
        e.Open();
        QCOMPARE(e.Page(),
                 "PISTONE DIFFERENZIALE | Ti [sec]=0 | Tf [sec]=0 | D [mm]=80 | "
                 "d1 [mm]=30 | S1 [mm]=200 | Qm [dm3/min]=25 | pic 0");
        e.Retype("Dato3", "250");
        QCOMPARE(QList<float>({m.Stroke1, m.Stroke, m.Ti2, m.Stroke2}),
                 QList<float>({250, 7, 3, 9}));
    }

    void arrowsAndDeletionKeepTheCountersInRange() {
        Editor e;
        LoadExampleCircuit(e.state);
        e.state.Movements[3].Qm = 60.318719999999985;  // as a file may hold it
        const MovementTable before = e.state.Movements;
        e.state.CurrentMovement = 4;
        e.Open();
        QCOMPARE(e.Pos(), "1/5");
        QCOMPARE(e.Page(),
                 "CILINDRO SEMPLICE STELO USCENTE | Ti [sec]=0 | Tf [sec]=0,3 | "
                 "D [mm]=50 | L [mm]=150 | Qm [dm3/min]=58,905 | pic 1");
        for (int i = 0; i < 4; ++i) e.Click("PulsAvanti");
        QCOMPARE(e.Pos(), "5/5");
        for (int i = 0; i < 4; ++i) e.Click("PulsIndietro");
        QCOMPARE(e.Pos(), "1/5");
        // Showing the pages wrote nothing back: what a box shows is a view.
        QVERIFY(e.state.Movements == before);
        QCOMPARE(e.project->Revision(), uint64_t{0});

        e.Click("PulsAvanti");
        e.dialogs.QueueAnswer(MessageAnswer::Cancel);
        e.Click("PulsEliminaDato");
        QCOMPARE(e.Pos(), "2/5");

        e.Click("PulsEliminaDato");  // answered OK: the next one moves up
        QCOMPARE(e.Pos(), "2/4");
        QVERIFY(e.Page().contains("D [mm]=63"));
        for (int i = 0; i < 2; ++i) e.Click("PulsAvanti");
        e.Click("PulsEliminaDato");  // the last one: the one before shows
        QCOMPARE(e.Pos(), "3/3");
        QVERIFY(e.Page().contains("C [cm3/giro]=100"));
        QCOMPARE(e.state.Movements[4].Kind, MovementKind::Empty);

        while (e.state.MovementCount > 0) e.Click("PulsEliminaDato");
        QCOMPARE(e.Pos(), "0/0");
        const size_t asked = e.dialogs.Messages().size();
        e.Click("PulsEliminaDato");
        QCOMPARE(e.dialogs.Messages().size(), asked);
        QCOMPARE(QList<int16_t>({e.state.CurrentMovement, e.state.MovementCount}),
                 QList<int16_t>({0, 0}));
    }

    void sizesRecomputeTheFlowAndWrongBoxesKeepTheValue() {
        Editor e;
        e.state.Movements[1] = Movement{.Tf = 0.3f, .Stroke = 150, .Kind = 1};
        e.state.MovementCount = 1;
        e.Open();
        const Movement& m = e.state.Movements[1];
        e.Retype("Dato1", "50");
        QCOMPARE(e.Box("DatoQm")->text(), "58,905");
        QCOMPARE(m.Qm, 58.905);

        // An empty D stops the store there: the times are taken, D is not.
        e.Retype("DatoTf", "0.6");
        e.Box("Dato1")->selectAll();
        QTest::keyClick(e.Box("Dato1"), Qt::Key_Backspace);
        QCOMPARE(BoxTexts(e.window.get(), {"DatoTf", "DatoQm"}), QStringList({"0,6", "29,452"}));
        QCOMPARE(QList<float>({m.Tf, m.BoreDiameter}), QList<float>({0.6f, 50}));

        // A flow typed by hand is stored at once; Ricalcola puts back the computed one.
        e.Retype("Dato1", "50");
        e.Retype("DatoQm", "25");
        QCOMPARE(m.Qm, 25.0);
        e.Click("PulsCalcolaQm");
        QCOMPARE(e.Box("DatoQm")->text(), "29,452");
        QCOMPARE(m.Qm, 29.452);

        // A box that holds no number is marked and keeps the value. Typed key
        // by key, "1e999" passes through 1e9 and 1e99: none of them stays.
        auto marked = [&](const char* name) {
            QLineEdit* box = e.Box(name);
            return box->palette().color(QPalette::Text) == QColor(Qt::red) ? box->toolTip() : "ok";
        };
        e.Retype("DatoQm", "1e999");
        QCOMPARE(m.Qm, 29.452);
        QCOMPARE(marked("DatoQm"), "Valore non valido: resta 29,452");
        e.Retype("Dato1", "1e999");
        QCOMPARE(m.BoreDiameter, 50.0f);
        QCOMPARE(marked("Dato1"), "Valore non valido: resta 50");
        QCOMPARE(e.Box("DatoQm")->text(), "29,452");
        QCOMPARE(marked("DatoQm"), "ok");
        // Nor is an empty box; a number clears the mark.
        e.Box("DatoTf")->selectAll();
        QTest::keyClick(e.Box("DatoTf"), Qt::Key_Backspace);
        QCOMPARE(marked("DatoTf"), "Valore non valido: resta 0,6");
        QCOMPARE(m.Tf, 0.6f);
        e.Retype("DatoTf", "0,3");
        QCOMPARE(marked("DatoTf"), "ok");
        QCOMPARE(m.Tf, 0.3f);
        QVERIFY(e.dialogs.Calls().empty());
        // What is no number stays in the project, shown again with its mark.
        const DraftKey bore{DraftKey::Place::Movement, 1, MovementField(&Movement::BoreDiameter)};
        QCOMPARE(e.project->Draft(bore), std::optional<std::string>("1e999"));
        e.window = std::make_unique<InserimentoDati>(*e.project, e.dialogs);
        QCOMPARE(marked("Dato1"), "Valore non valido: resta 50");
        QCOMPARE(e.Box("Dato1")->text(), "1e999");
    }

    void periodKeyWarnsInTheFlowBox() {
        Editor e;
        e.state.Movements[1] = Movement{.Kind = 4};
        e.state.MovementCount = 1;
        e.Open();
        e.Retype("DatoQm", "1.5");
        QCOMPARE(e.Box("DatoQm")->text(), "1.5");
        QCOMPARE(e.dialogs.Messages().size(), size_t{1});
        // The period key whatever it typed, and the keypad's decimal key.
        for (const auto& [key, modifier, scanCode, text] :
             {std::tuple{Qt::Key_Colon, Qt::ShiftModifier, kX11PeriodKey, ":"},
              std::tuple{Qt::Key_Comma, Qt::KeypadModifier, kX11KeypadDecimalKey, ","}}) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, modifier, scanCode, 0, 0, text);
                QApplication::sendEvent(e.Box("DatoQm"), &event);
            }
        }
        QCOMPARE(e.dialogs.Messages().size(), size_t{3});

        // On Windows the same two keys are virtual keys 190 and 110.
        QVERIFY(IsDecimalPointKey(KeyIdentity{0, 190, Qt::Key_Colon, false}, KeySystem::Windows));
        QVERIFY(IsDecimalPointKey(KeyIdentity{0, 110, Qt::Key_Comma, true}, KeySystem::Windows));
        QVERIFY(!IsDecimalPointKey(KeyIdentity{0, 188, Qt::Key_Period, false}, KeySystem::Windows));
    }

    void editorFollowsTheListReplacedUnderIt() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        // Two files: the example's first three movements, and a single movement
        // whose kind is the empty-slot code.
        CircuitState saved;
        LoadExampleCircuit(saved);
        saved.MovementCount = 3;
        const QString three = shell.temp.filePath("tre.vlz");
        QVERIFY(SaveSimulationFile(saved, three.toStdString()));
        saved.Movements[1] =
            Movement{.Ti = 0.5f, .Tf = 1, .BoreDiameter = 32, .Qm = 7.5, .Kind = 0};
        saved.MovementCount = 1;
        const QString one = shell.temp.filePath("uno.vlz");
        QVERIFY(SaveSimulationFile(saved, one.toStdString()));

        shell.Button("Esempio")->trigger();
        shell.Button("InserimentoDati")->trigger();
        QWidget* window = shell.main->FindChildWindow("InserimentoDati");
        auto pos = [&] { return Named<QLineEdit>(window, "Pos")->text(); };
        for (int i = 0; i < 4; ++i) Named<QPushButton>(window, "PulsAvanti")->click();
        QCOMPARE(pos(), "5/5");

        // A shorter file: Elimina removes the movement shown, not a leftover slot.
        shell.WithFile(shell.Button("Open"), three);
        QCOMPARE(BoxTexts(window, {"Pos", "Dato1"}), QStringList({"3/3", "63"}));
        shell.dialogs.QueueAnswer(MessageAnswer::Ok);
        Named<QPushButton>(window, "PulsEliminaDato")->click();
        QCOMPARE(pos(), "2/2");
        QCOMPARE(shell.state.Movements[2].Qm, 32.39775);  // the second, not the third

        // A movement of the empty-slot code shows on the first kind's page, and
        // what is typed there is kept.
        shell.WithFile(shell.Button("Open"), one);
        QCOMPARE(BoxTexts(window, {"Pos", "Dato1", "DatoQm"}), QStringList({"1/1", "32", "7,5"}));
        QCOMPARE(Named<QLabel>(window, "LCommento")->text(), "CILINDRO SEMPLICE STELO USCENTE");
        Retype(Named<QLineEdit>(window, "Dato2"), "100");
        const Movement& m = shell.state.Movements[1];
        QCOMPARE(m.Stroke, 100.0f);
        QCOMPARE(m.Kind, MovementKind::CylinderExtending);
        QCOMPARE(m.Qm, 9.651);
    }
};

QTEST_MAIN(InserimentoDatiTest)
#include "InserimentoDatiTest.moc"
