// Every window in the language its locale asks for, at its design size: no
// text wider or taller than the place it is drawn in, no label running into
// the control beside it, the chart's labels clear of its ticks, readouts that
// show their numbers whole, and no word of the other language in a window,
// menu, tooltip, dialog or message (OtherLanguageTexts). Registered in Italian
// and, with LANG=en_US, in English, at 96 and 144 dots per inch.

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include "analysis/frmModelloGas.h"
#include "documents/SimulationFile.h"
#include "engine/Simulation.h"
#include "entry/DatiIniziali.h"
#include "platform/DrawingSurface.h"
#include "platform/HelpWindow.h"
#include "platform/Language.h"
#include "platform/ScreenUnits.h"
#include "platform/Translations.h"
#include "platform/UiMessage.h"
#include "shell/AvanzamentoSimulazione.h"
#include "shell/CommandLine.h"
#include "shell/StatusBar.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmSplash.h"
#include "tests/gui/GuiTesting.h"
#include "tests/gui/WindowChecks.h"
#include "views/ChartGasCurves.h"
#include "views/ChartGeometry.h"

using namespace volvenza;
using namespace volvenza::testing;

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // The program's own choice from the environment, as at start-up.
        SetUiLanguage(LanguageFromEnvironment());
        QVERIFY(InstallTranslations(*qApp, CurrentUiLanguage()) || !UseEnglish());
    }

    void childWindowsEditorChartMenusAndMessages() {
        Shell shell(ProgramChildWindows());
        shell.main->resize(TwipsToPixels(16000), TwipsToPixels(13000));
        shell.main->show();
        QStringList menuFaults;
        const QString bar = MenuBarLetters(*shell.main->menuBar(), menuFaults);
        ExpectNone(menuFaults);
        // The movement editor on every kind's page.
        QWidget* editor = shell.main->ShowChildWindow("InserimentoDati");
        for (const char* add : {"PulsPistEsce", "PulsPistEntra", "PulsMotore", "PulsDiffGraUsc",
                                "PulsPistDiffPicUsc", "PulsPalmola"}) {
            Named<QPushButton>(editor, QString::fromLatin1(add))->click();
            Walk(editor, bar);
        }
        shell.RunExample();
        for (const char* name :
             {"DatiIniziali", "Tabella", "Ciclo", "Dimensionamento", "BilancioEnergetico"}) {
            if (QLatin1String(name) == QLatin1String("Tabella")) shell.Button("Tabella")->trigger();
            Walk(shell.main->ShowChildWindow(QString::fromLatin1(name)), bar);
        }
        // The sizing window again with an answer in its tables, worded by the
        // library.
        auto* sizing = Named<Dimensionamento>(shell.main.get(), "Dimensionamento");
        Named<QLineEdit>(sizing, "TP1")->setText("60");
        QVERIFY(Search(*sizing));
        QVERIFY(sizing->Answer() && sizing->Answer()->Recommended);
        Walk(sizing, bar);
        if (UseEnglish()) ExpectNone(Texts(*sizing).filter(QRegularExpression("\\d,\\d")));

        QWidget* chart = shell.main->ShowChildWindow("Grafico");
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        // The window's design size: its client area 9510 by 5970 twips.
        auto* sub = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
        sub->resize(sub->size() - chart->size() + TwipsRect(0, 0, 9510, 5970).size());
        QTRY_COMPARE(chart->size(), TwipsRect(0, 0, 9510, 5970).size());
        auto* area = Named<DrawingArea>(chart, "Picture1");
        ExpectNone(ChartOverlaps(shell.state, area->Surface()));

        // With the gas temperature on its own scale at the right.
        shell.state.Gas.Law = GasLawKind::Nitrogen;
        shell.state.Gas.Tau = 45;
        shell.Button("Simulazione")->trigger();
        Named<QAction>(chart, "Temperatura")->trigger();
        ExpectNone(ChartOverlaps(shell.state, area->Surface(), true));

        // A three-decimal pressure shows whole in every readout, start first,
        // after the mouse has written them.
        shell.state.PSeries[0] = shell.state.PSeries[1] = 166.825;
        Named<QAction>(chart, "Differenza")->trigger();
        // Left of the time axis: the tools read sample 0 there.
        const QPoint left = area->Surface().ToPixels({-2, 40}).toPoint();
        SendMouse(area, QEvent::MouseMove, left);
        SendMouse(area, QEvent::MouseButtonPress, left);
        SendMouse(area, QEvent::MouseMove, area->Surface().ToPixels({30, 40}).toPoint());
        Named<QAction>(chart, "Tracciatore")->trigger();
        SendMouse(area, QEvent::MouseMove, left + QPoint(0, 1));
        const QString pressure = UseEnglish() ? "166.825" : "166,825";
        QCOMPARE(BoxTexts(chart, {"DiffY1", "Text2"}), QStringList({pressure, pressure}));
        Walk(chart, bar);
        Named<QAction>(chart, "AggiungiParticolari")->trigger();
        Walk(TopLevel("frmAggiungiParticolari"));

        // The menus, a question, a file dialog and a refusal of the run.
        shell.dialogs.ClearCalls();
        shell.Answering(shell.Menu("mnuFileNew"), MessageAnswer::Cancel);
        shell.Menu("mnuFileOpen")->trigger();
        Retype(Named<QLineEdit>(shell.main.get(), "TTT"), "0");
        shell.Button("Simulazione")->trigger();
        QCOMPARE(shell.dialogs.Messages().size(), size_t(2));
        QStringList texts = Texts(*shell.main);
        for (const DialogCall& call : shell.dialogs.Calls())
            texts << call.text << call.title << call.filter;
        ExpectNone(Foreign(texts));
        // Projects have their own filter to open and save under, in either language.
        QCOMPARE(texts.filter("|*.vlzp|").size(), 1);
    }

    // Child windows opened in the main window at its first size: it grows
    // to hold them within the screen, and a window the screen cannot hold
    // is fitted in, the sizing window's actions in view.
    void childWindowsFitTheScreen() {
        Shell shell(ProgramChildWindows());
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
        const QSize first = shell.main->size();
        shell.RunExample();
        const QRect screen = shell.main->screen()->availableGeometry();
        QWidget* viewport = shell.main->findChild<QMdiArea*>()->viewport();
        for (const char* name : {"Grafico", "Dimensionamento"}) {
            QWidget* child = shell.main->ShowChildWindow(QString::fromLatin1(name));
            QVERIFY(QTest::qWaitForWindowExposed(child));
            QVERIFY2(viewport->rect().contains(child->parentWidget()->geometry()), name);
            QVERIFY2(screen.contains(shell.main->geometry()), name);
        }
        QVERIFY(shell.main->width() > first.width() && shell.main->height() > first.height());
        for (const char* button : {"CmdCalcola", "CmdInterrompi", "CmdApplica"}) {
            const auto* action = Named<QPushButton>(shell.main.get(), QString::fromLatin1(button));
            QVERIFY2(viewport->rect().contains(action->geometry().translated(
                         action->parentWidget()->mapTo(viewport, QPoint(0, 0)))),
                     button);
        }
        // The workspace's picture reaches the edges of a window larger than it.
        shell.main->CloseChildWindows();
        shell.main->resize(1600, 1200);
        const QImage workspace = viewport->grab().toImage();
        QCOMPARE_NE(workspace.pixelColor(workspace.width() - 1, workspace.height() - 1),
                    viewport->palette().color(QPalette::Dark));
    }

    void shellWindowsAndDialogs() {
        frmOptions options("Officina Rossi");
        frmAbout about;
        frmSplash splash;
        AvanzamentoSimulazione progress;
        progress.SetValue(40);
        ScriptedDialogs dialogs;
        GasSettings gas{.Law = GasLawKind::Nitrogen,
                        .Tau = 1234.5678,
                        .ChargeTemp = -12.25,
                        .MinTemp = -40.125,
                        .MaxTemp = 123.375};
        gas.Vessels = {12, 1234.5, 0.875};
        frmModelloGas gasModel(gas, dialogs);
        for (QWidget* window :
             std::initializer_list<QWidget*>{&options, &about, &splash, &progress, &gasModel}) {
            window->show();
            Walk(window);
        }
        // The help window's own labels, and its page for a help file it cannot open.
        HelpWindow help;
        help.ShowMissing("Z.HLP");
        ExpectNone(Foreign(Texts(help) << Named<QTextBrowser>(&help, "HelpPage")->toPlainText()) +
                   WindowLetterClashes(help, {}));
    }

    // Every message of the libraries is in the language of the program (that
    // each has its English with the same parts, and that a file name holding
    // "%1" stays whole, the messages' own tests say); a message carrying
    // another, with numbers among its arguments, is worded whole in it.
    void messagesOfTheLibrariesWithTheirArguments() {
        for (int i = 0; UseEnglish() && i < static_cast<int>(MessageId::Count); ++i) {
            const QString text =
                QCoreApplication::translate(kMessageContext, MessageSource(MessageId(i)));
            QVERIFY2(Foreign({text}).isEmpty(), qPrintable(text));
        }

        const Message solid(MessageId::NitrogenSolid,
                            {MsgNumber(-200.5), MsgNumber(3000), MsgNumber(1234.5)});
        const Message nested(MessageId::CannotStart,
                             {MsgNested(Message(MessageId::AtMaxPressure, {MsgNested(solid)}))});
        const QString usage = InTerminalLanguage(*TerminalRequest({"volvenza", "--help"}));
        QVERIFY(usage.startsWith(UseEnglish() ? "Usage: volvenza" : "Uso: volvenza"));
        const auto refused = ParseStartArguments({"volvenza", "--bogus"});
        QCOMPARE(StartRefusalText(refused.Error()),
                 UseEnglish()
                     ? "volvenza: Unknown option --bogus.\nFor usage: volvenza --help\n"
                     : "volvenza: Opzione sconosciuta --bogus.\nPer l'uso: volvenza --help\n");
        QCOMPARE(UiMessage(nested),
                 UseEnglish() ? "Maximum pressure: At -200.5 °C and 3000 bar absolute nitrogen is "
                                "solid (melting pressure 1234.5 bar), the simulation cannot start."
                              : "Pressione massima: A -200,5 °C e 3000 bar assoluti l'azoto è "
                                "solido (pressione di fusione 1234,5 bar), la simulazione non può "
                                "partire.");
    }

    // Boxes and tables show the language's decimal separator and read either;
    // the simulation file is the same text whatever the language.
    void numbersInTheLanguageFilesAlike() {
        const QChar point = UseEnglish() ? QLatin1Char('.') : QLatin1Char(',');
        const QString oneAndHalf = QStringLiteral("1") + point + QStringLiteral("5");
        const QString typed = UseEnglish() ? "1,5" : "1.5";
        Shell shell(ProgramChildWindows());
        shell.main->show();
        shell.Button("Esempio")->trigger();
        auto* data = qobject_cast<DatiIniziali*>(shell.main->ShowChildWindow("DatiIniziali"));
        auto* volume = Named<QLineEdit>(data, "TV0");
        Retype(volume, typed);
        QCOMPARE(volume->text(), oneAndHalf);
        QCOMPARE(shell.state.Data.V0, 1.5f);
        // The gas model's boxes alike, refusing letters too.
        QStringList shown;
        shell.dialogs.QueueModal([&](QDialog& dialog) {
            Retype(Named<QLineEdit>(&dialog, "TTMin"), typed + "x");
            shown = BoxTexts(&dialog, {"TEsponente", "TTMin"});
            dialog.accept();
        });
        shell.Menu("mnuCalcoloModelloGas")->trigger();
        QCOMPARE(shown,
                 QStringList({QStringLiteral("1") + point + QStringLiteral("4"), oneAndHalf}));
        QCOMPARE(shell.state.Gas.MinTemp, std::optional<double>(1.5));
        QCOMPARE(shell.dialogs.Messages().size(), size_t(0));

        shell.Button("Simulazione")->trigger();
        shell.Button("Tabella")->trigger();
        const auto* table = Named<QTableView>(shell.main.get(), "DataGrid1");
        QCOMPARE(table->model()->index(1, 0).data().toString(), QStringLiteral("0") + point + "1");
        QVERIFY(!table->model()->index(1, 2).data().toString().contains(typed[1]));

        // The status bar's date in the language's form.
        QCOMPARE(StatusBar::DateText(QDate(2026, 12, 7)),
                 UseEnglish() ? QStringLiteral("12/7/26") : QStringLiteral("07/12/2026"));

        const QString path = shell.temp.filePath("language.vlz");
        shell.WithFile(shell.Menu("mnuFileSaveAs"), path);
        QCOMPARE(ReadFile(path).toStdString(), SimulationFileText(shell.state));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
