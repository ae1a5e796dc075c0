// The movement editor: each kind's page, stepping through the list, adding
// and deleting, the flow recomputed as sizes are typed, and the period
// warning of the flow box.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "entry/ActuatorPictures.h"
#include "entry/InserimentoDati.h"
#include "entry/NumberText.h"
#include "platform/DecimalKey.h"
#include "tests/gui/GuiTesting.h"
#include "tests/support/RecordingUi.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

struct Editor {
    test::RecordingUi ui;
    CircuitState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<InserimentoDati> window;

    Editor() { state.SetUi(ui); }
    void Open() { window = std::make_unique<InserimentoDati>(state, dialogs); }
    QLineEdit* Box(const char* name) const { return Named<QLineEdit>(window.get(), name); }
    QLabel* Label(const char* name) const { return Named<QLabel>(window.get(), name); }
    QPushButton* Button(const char* name) const { return Named<QPushButton>(window.get(), name); }
    void Click(const char* name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    // "<" and ">" enabled, as "<>", "<", ">" or "".
    QString Arrows() const {
        return QString(Button("PulsIndietro")->isEnabled() ? "<" : "") +
               (Button("PulsAvanti")->isEnabled() ? ">" : "");
    }
    void Retype(const char* box, const char* text) const {
        Box(box)->selectAll();
        QTest::keyClicks(Box(box), text);
    }
    QString Pos() const { return Box("Pos")->text(); }

    // Number of the picture shown, 0 for none.
    int Picture() const {
        const QImage shown =
            Label("Immagine")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        for (int n = 1; n <= 6; ++n) {
            if (shown == ActuatorPicture(n).convertToFormat(QImage::Format_RGB32)) return n;
        }
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
                Label(row[2])->isVisibleTo(window.get()) != shown) {
                parts << QStringLiteral("mixed:%1").arg(QLatin1String(row[1]));
            }
            if (!shown) continue;
            const QString name = Label(row[0])->text() + QLatin1Char(' ') + Label(row[2])->text();
            if (box->accessibleName() != name) parts << QStringLiteral("unnamed:") + name;
            parts << name + QLatin1Char('=') + box->text();
        }
        parts << QStringLiteral("pic %1").arg(Picture());
        return parts.join(QStringLiteral(" | "));
    }
};

}  // namespace

class InserimentoDatiTest : public QObject {
    Q_OBJECT
  private slots:
    void eachAddButtonShowsItsKindsPage_data();
    void eachAddButtonShowsItsKindsPage();
    void differentialPistonKeepsItsFirstStroke();
    void tabFollowsTheDesignedOrder();
    void arrowsStepThroughTheExample();
    void addingAMotorEnablesTheRun();
    void deletingAsksAndKeepsTheCountersInRange();
    void keysReleasedInSizeBoxesRecomputeTheFlow();
    void periodKeyWarnsOnlyInTheFlowBox();
    void fullTableRefusesAnotherMovement();
};

void InserimentoDatiTest::eachAddButtonShowsItsKindsPage_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("page");
    const QString times = QStringLiteral("Ti [sec]=0 | Tf [sec]=0 | ");
    QTest::newRow("1") << "PulsPistEsce"
                       << "Cilindro stelo semplice uscente"
                       << "CILINDRO SEMPLICE STELO USCENTE | " + times +
                              "D [mm]=0 | L [mm]=0 | Qm [dm3/min]=0 | pic 1";
    QTest::newRow("2") << "PulsPistEntra"
                       << "Cilindro stelo semplice rientrante"
                       << "CILINDRO SEMPLICE STELO ENTRANTE | " + times +
                              "D [mm]=0 | d [mm]=0 | L [mm]=0 | Qm [dm3/min]=0 | pic 2";
    QTest::newRow("4") << "PulsMotore"
                       << "Motore"
                       << "MOTORE | " + times +
                              "C [cm3/giro]=0 | N [rpm]=0 | Qm [dm3/min]=0 | pic 3";
    QTest::newRow("6") << "PulsDiffGraUsc"
                       << "Cilindro a doppio stelo"
                       << "CILINDRO DOPPIO STELO | " + times +
                              "D [mm]=0 | d [mm]=0 | L [mm]=0 | Qm [dm3/min]=0 | pic 4";
    QTest::newRow("7") << "PulsPistDiffPicUsc"
                       << "Cilindro a semplice effetto esce"
                       << "CILINDRO SEMPLICE EFFETTO | " + times +
                              "d [mm]=0 | L [mm]=0 | Qm [dm3/min]=0 | pic 5";
    QTest::newRow("5") << "PulsPalmola"
                       << "Palmola"
                       << "PALMOLA | " + times + "CU [cm3/°]=0 | AR [°]=0 | Qm [dm3/min]=0 | pic 6";
}

void InserimentoDatiTest::eachAddButtonShowsItsKindsPage() {
    QFETCH(QString, button);
    QFETCH(QString, tooltip);
    QFETCH(QString, page);
    Editor e;
    e.Open();
    auto* add = Named<QPushButton>(e.window.get(), button);
    QCOMPARE(add->toolTip(), tooltip);
    QCOMPARE(add->accessibleName(), tooltip);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(e.Page(), page);
    QCOMPARE(e.Pos(), QStringLiteral("1/1"));
}

void InserimentoDatiTest::differentialPistonKeepsItsFirstStroke() {
    Editor e;
    Movement& m = e.state.Movements[1];
    m = Movement{.Ti = 1,
                 .Tf = 2,
                 .Ti2 = 3,
                 .BoreDiameter = 80,
                 .Stroke = 7,
                 .RodDiameter = 30,
                 .Stroke1 = 200,
                 .Stroke2 = 9,
                 .Qm = 25,
                 .Kind = 3};
    e.state.MovementCount = 1;
    e.Open();
    QCOMPARE(e.Page(), QStringLiteral("PISTONE DIFFERENZIALE | Ti [sec]=1 | Tf [sec]=2 | "
                                      "D [mm]=80 | d1 [mm]=30 | S1 [mm]=200 | "
                                      "Qm [dm3/min]=25 | pic 0"));
    e.Box("Dato3")->selectAll();
    QTest::keyClicks(e.Box("Dato3"), "250");
    QCOMPARE(m.Stroke1, 250.0f);
    QCOMPARE(m.Stroke, 7.0f);
    QCOMPARE(m.Ti2, 3.0f);
    QCOMPARE(m.Stroke2, 9.0f);
}

void InserimentoDatiTest::tabFollowsTheDesignedOrder() {
    Editor e;
    e.Open();
    QStringList order;
    QWidget* w = e.Button("PulsPistEsce");
    do {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != e.Button("PulsPistEsce"));
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("PulsPistEsce DatoTi DatoTf Dato1 Dato2 Dato3 PulsPistEntra "
                            "PulsPistDiffPicUsc PulsMotore PulsPalmola PulsIndietro PulsAvanti "
                            "Pos DatoQm PulsEliminaDato PulsDiffGraUsc PulsCalcolaQm"));
}

void InserimentoDatiTest::arrowsStepThroughTheExample() {
    Editor e;
    e.Open();
    QCOMPARE(e.Pos(), QStringLiteral("0/0"));
    QCOMPARE(e.Arrows(), QString());
    QCOMPARE(e.Page(), QStringLiteral(" | pic 0"));

    LoadExampleCircuit(e.state);
    e.state.CurrentMovement = 4;
    e.Open();
    QCOMPARE(e.Pos(), QStringLiteral("1/5"));
    QCOMPARE(e.Arrows(), QStringLiteral(">"));
    QCOMPARE(e.Page(), QStringLiteral("CILINDRO SEMPLICE STELO USCENTE | Ti [sec]=0 | "
                                      "Tf [sec]=0,3 | D [mm]=50 | L [mm]=150 | "
                                      "Qm [dm3/min]=58,905 | pic 1"));
    e.Click("PulsAvanti");
    QCOMPARE(e.Pos(), QStringLiteral("2/5"));
    QCOMPARE(e.Arrows(), QStringLiteral("<>"));
    QVERIFY(e.Page().contains(QStringLiteral("D [mm]=40 | d [mm]=15 | L [mm]=300")));
    // From a three-size page to a two-size one: row three goes, row two is L.
    e.Click("PulsAvanti");
    QVERIFY(e.Page().contains(QStringLiteral("D [mm]=63 | L [mm]=100 | Qm")));
    e.Click("PulsAvanti");
    e.Click("PulsAvanti");
    QCOMPARE(e.Pos(), QStringLiteral("5/5"));
    QCOMPARE(e.Arrows(), QStringLiteral("<"));
    for (int i = 0; i < 4; ++i) e.Click("PulsIndietro");
    QCOMPARE(e.Pos(), QStringLiteral("1/5"));
    QCOMPARE(e.Arrows(), QStringLiteral(">"));
    // Showing the pages wrote back only what the boxes show.
    QCOMPARE(e.state.Movements[2].Qm, 32.39775);
    QCOMPARE(e.state.Movements[5].Tf, 1.3f);
}

void InserimentoDatiTest::addingAMotorEnablesTheRun() {
    Shell shell(ProgramChildWindows());
    shell.main->show();
    LoadExampleCircuit(shell.state);
    shell.main->UpdateCommandState(1);
    QVERIFY(!shell.Button("Simulazione")->isEnabled());
    shell.Button("InserimentoDati")->trigger();
    QWidget* window = shell.main->FindChildWindow(QStringLiteral("InserimentoDati"));
    QVERIFY(window != nullptr);
    QCOMPARE(window->parentWidget()->pos(), QPoint(7, 7));
    QCOMPARE(window->size(), QSize(636, 396));

    QTest::mouseClick(Named<QPushButton>(window, "PulsMotore"), Qt::LeftButton);
    QCOMPARE(Named<QLineEdit>(window, "Pos")->text(), QStringLiteral("6/6"));
    QCOMPARE(Named<QLabel>(window, "LCommento")->text(), QStringLiteral("MOTORE"));
    QCOMPARE(window->focusWidget(), Named<QLineEdit>(window, "DatoTi"));
    QCOMPARE(shell.state.Movements[6].Kind, MovementKind::Motor);
    QVERIFY(shell.Button("Simulazione")->isEnabled());
}

void InserimentoDatiTest::deletingAsksAndKeepsTheCountersInRange() {
    Editor e;
    LoadExampleCircuit(e.state);
    e.Open();
    e.Click("PulsAvanti");
    e.dialogs.QueueAnswer(MessageAnswer::Cancel);
    e.Click("PulsEliminaDato");
    QCOMPARE(e.dialogs.Messages().size(), size_t{1});
    const DialogCall ask = e.dialogs.Messages()[0];
    QCOMPARE(ask.text, QStringLiteral("Sei sicuro di voler eliminare questo movimento"));
    QCOMPARE(ask.buttons, MessageButtons::OkCancel);
    QCOMPARE(e.Pos(), QStringLiteral("2/5"));
    QCOMPARE(e.state.MovementCount, int16_t{5});

    e.Click("PulsEliminaDato");  // answered OK
    QCOMPARE(e.Pos(), QStringLiteral("2/4"));
    QVERIFY(e.Page().contains(QStringLiteral("D [mm]=63")));
    e.Click("PulsAvanti");
    e.Click("PulsAvanti");
    e.Click("PulsEliminaDato");
    QCOMPARE(e.Pos(), QStringLiteral("3/3"));
    QVERIFY(e.Page().contains(QStringLiteral("C [cm3/giro]=100")));
    QCOMPARE(e.state.Movements[4].Kind, MovementKind::Empty);

    while (e.state.MovementCount > 0) e.Click("PulsEliminaDato");
    QCOMPARE(e.Pos(), QStringLiteral("0/0"));
    QCOMPARE(e.Arrows(), QString());
    // No fields, but the last title and picture stay.
    QCOMPARE(e.Page(), QStringLiteral("CILINDRO SEMPLICE STELO USCENTE | pic 1"));
    const size_t asked = e.dialogs.Messages().size();
    e.Click("PulsEliminaDato");
    QCOMPARE(e.dialogs.Messages().size(), asked);
    QCOMPARE(e.state.CurrentMovement, int16_t{0});
    QCOMPARE(e.state.MovementCount, int16_t{0});
}

void InserimentoDatiTest::keysReleasedInSizeBoxesRecomputeTheFlow() {
    Editor e;
    e.state.Movements[1] = Movement{.Tf = 0.3f, .Stroke = 150, .Kind = 1};
    e.state.MovementCount = 1;
    e.Open();
    e.Retype("Dato1", "50");
    QCOMPARE(e.Box("DatoQm")->text(), QStringLiteral("58,905"));
    QCOMPARE(e.state.Movements[1].Qm, 58.905);

    // An empty D stops the store there: the times are taken, D is not.
    e.Retype("DatoTf", "0.6");
    e.Box("Dato1")->clear();
    QTest::keyClick(e.Box("Dato1"), Qt::Key_Backspace);
    QCOMPARE(e.Box("DatoTf")->text(), QStringLiteral("0,6"));
    QCOMPARE(e.state.Movements[1].Tf, 0.6f);
    QCOMPARE(e.state.Movements[1].BoreDiameter, 50.0f);
    QCOMPARE(e.Box("DatoQm")->text(), QStringLiteral("29,452"));

    // A flow typed by hand is stored at once; Ricalcola puts back the computed one.
    e.Retype("Dato1", "50");
    e.Retype("DatoQm", "25");
    QCOMPARE(e.state.Movements[1].Qm, 25.0);
    e.Click("PulsCalcolaQm");
    QCOMPARE(e.Box("DatoQm")->text(), QStringLiteral("29,452"));
    QCOMPARE(e.state.Movements[1].Qm, 29.452);
    QVERIFY(e.dialogs.Calls().empty());
}

void InserimentoDatiTest::periodKeyWarnsOnlyInTheFlowBox() {
    Editor e;
    e.state.Movements[1] = Movement{.Kind = 4};
    e.state.MovementCount = 1;
    e.Open();
    auto release = [](QWidget* box, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
                      const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &up);
    };

    e.Retype("DatoQm", "1.5");
    QCOMPARE(e.Box("DatoQm")->text(), QStringLiteral("1.5"));
    QCOMPARE(e.dialogs.Messages().size(), size_t{1});
    QCOMPARE(e.dialogs.Messages()[0].text, QString::fromUtf8(kMsgDecimalPoint));
    QCOMPARE(e.dialogs.Messages()[0].icon, MessageIcon::None);
    QCOMPARE(e.dialogs.Messages()[0].buttons, MessageButtons::Ok);
    // The period key whatever it typed, and the keypad's decimal key.
    release(e.Box("DatoQm"), Qt::Key_Colon, Qt::ShiftModifier, kX11PeriodKey, ":");
    release(e.Box("DatoQm"), Qt::Key_Comma, Qt::KeypadModifier, kX11KeypadDecimalKey, ",");
    QCOMPARE(e.dialogs.Messages().size(), size_t{3});
    // Other keys, even one that typed a period, say nothing.
    release(e.Box("DatoQm"), Qt::Key_Period, Qt::NoModifier, 59, ".");
    QTest::keyClicks(e.Box("DatoQm"), "7,");
    QTest::keyClick(e.Box("DatoQm"), Qt::Key_Backspace);
    QTest::keyClick(e.Box("DatoQm"), Qt::Key_Left);
    QCOMPARE(e.dialogs.Messages().size(), size_t{3});

    // A size box turns the keypad's period into a comma and never warns.
    e.Box("Dato1")->clear();
    release(e.Box("Dato1"), Qt::Key_Period, Qt::KeypadModifier, kX11KeypadDecimalKey, ".");
    QCOMPARE(e.Box("Dato1")->text(), QStringLiteral(","));
    QCOMPARE(e.dialogs.Messages().size(), size_t{3});

    // On Windows the same two keys are virtual keys 190 and 110.
    QVERIFY(IsDecimalPointKey(KeyIdentity{0, 190, Qt::Key_Colon, false}, KeySystem::Windows));
    QVERIFY(IsDecimalPointKey(KeyIdentity{0, 110, Qt::Key_Comma, true}, KeySystem::Windows));
    QVERIFY(!IsDecimalPointKey(KeyIdentity{0, 188, Qt::Key_Period, false}, KeySystem::Windows));
}

void InserimentoDatiTest::fullTableRefusesAnotherMovement() {
    Editor e;
    e.state.MovementCount = kMaxMovements;
    e.Open();
    e.Click("PulsPalmola");
    QCOMPARE(e.dialogs.Messages().size(), size_t{1});
    QCOMPARE(e.dialogs.Messages()[0].text,
             QStringLiteral("Raggiunto il numero massimo di 1000 movimenti"));
    QCOMPARE(e.dialogs.Messages()[0].icon, MessageIcon::Information);
    QCOMPARE(e.state.MovementCount, int16_t{kMaxMovements});
    QCOMPARE(e.Pos(), QStringLiteral("1/1000"));
    QVERIFY(e.ui.codes.empty());
}

QTEST_MAIN(InserimentoDatiTest)
#include "InserimentoDatiTest.moc"
