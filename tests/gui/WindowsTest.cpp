// The shell's own windows: options, About, help, splash, and the bars the
// View menu switches.

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "platform/HelpWindow.h"
#include "platform/QtDialogs.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmSplash.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void optionsChangeTheHeaderOnlyOnOk();
    void optionsKeys();
    void aboutShowsTitleAndVersionAndClosesOnEnterAndEsc();
    void helpCommandsAndTheMissingHelpMessage();
    void helpWindowHasContentsAndAKeywordIndex();
    void barsFollowTheirMenuEntries();
    void splashShowsTitleVersionAndSteps();
    void pageSetupUsesThePrinterDialog();
    void filtersBecomeQtNameFilters();
};

void WindowsTest::optionsChangeTheHeaderOnlyOnOk() {
    Shell shell;
    shell.main->SetPrintHeader(QStringLiteral("Vecchia"));
    auto type = [](const QString& text, bool ok) {
        return [text, ok](QDialog& dialog) {
            auto* box = Named<QLineEdit>(&dialog, QStringLiteral("TIntestUtente"));
            QCOMPARE(box->text(), QStringLiteral("Vecchia"));
            box->setText(text);
            Named<QPushButton>(&dialog, ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))
                ->click();
        };
    };
    shell.dialogs.QueueModal(type(QStringLiteral("Nuova"), false));
    shell.Menu("mnuViewOptions")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().title, QStringLiteral("Opzioni"));
    QCOMPARE(shell.main->PrintHeader(), QStringLiteral("Vecchia"));
    shell.dialogs.QueueModal(type(QStringLiteral(" Ditta  Bianchi "), true));
    shell.Menu("mnuViewOptions")->trigger();
    QCOMPARE(shell.main->PrintHeader(), QStringLiteral(" Ditta  Bianchi "));
}

void WindowsTest::optionsKeys() {
    frmOptions options(QStringLiteral("Intestazione"));
    options.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    auto* box = Named<QLineEdit>(&options, QStringLiteral("TIntestUtente"));
    auto* page = Named<QWidget>(&options, QStringLiteral("picOptions"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    // One tab: the page stays in view and enabled, the text untouched.
    QCOMPARE(options.CurrentTab(), 0);
    QCOMPARE(page->x(), 14);
    QVERIFY(page->isEnabled());
    QCOMPARE(box->text(), QStringLiteral("Intestazione"));
    QVERIFY(options.isVisible());
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!options.isVisible());
    QCOMPARE(options.result(), int(QDialog::Rejected));
}

void WindowsTest::aboutShowsTitleAndVersionAndClosesOnEnterAndEsc() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Informazioni su Progetto1"));
        QCOMPARE(Named<QLabel>(&about, QStringLiteral("lblTitle"))->text(),
                 QStringLiteral("Volvenza"));
        QCOMPARE(Named<QLabel>(&about, QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Versione 1.1.0"));
        for (const char* name : {"lblDescription", "Label1", "Label2", "Label3", "Label4"}) {
            const QString text = Named<QLabel>(&about, QString::fromLatin1(name))->text();
            QVERIFY2(!text.isEmpty(), name);
            // Contact lines stay on the reserved example domain.
            if (text.contains(QLatin1Char('@')) || text.contains(QStringLiteral("www"))) {
                QVERIFY2(text.contains(QStringLiteral("example.com")), qPrintable(text));
            }
        }
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, key);
        QVERIFY(!about.isVisible());
    }
}

void WindowsTest::helpCommandsAndTheMissingHelpMessage() {
    Shell shell;
    shell.Menu("mnuHelpContents")->trigger();
    shell.Menu("mnuHelpSearchForHelpOn")->trigger();
    QCOMPARE(shell.help.calls.size(), size_t{2});
    QCOMPARE(shell.help.calls[0].helpFile, QStringLiteral("VOLVENZA.HLP"));
    QCOMPARE(shell.help.calls[0].command, HelpCommand::Contents);
    QCOMPARE(shell.help.calls[1].command, HelpCommand::PartialKey);
    QCOMPARE(shell.help.calls[1].key, QString());
    QVERIFY(shell.dialogs.Messages().empty());

    shell.help.failure = QStringLiteral("Visualizzatore non disponibile");
    shell.Menu("mnuHelpContents")->trigger();
    QCOMPARE(shell.dialogs.Messages().back().text,
             QStringLiteral("Visualizzatore non disponibile"));

    shell.dialogs.ClearCalls();
    shell.main->SetHelpFile(QString());
    shell.Menu("mnuHelpContents")->trigger();
    shell.Menu("mnuHelpSearchForHelpOn")->trigger();
    const auto messages = shell.dialogs.Messages();
    QCOMPARE(messages.size(), size_t{2});
    for (const DialogCall& message : messages) {
        QCOMPARE(message.text, QStringLiteral("Impossibile visualizzare il Sommario della Guida. "
                                              "Nessun file della Guida associato al progetto."));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QCOMPARE(message.title, QStringLiteral("Volvenza"));
    }
    QCOMPARE(shell.help.calls.size(), size_t{3});
}

void WindowsTest::helpWindowHasContentsAndAKeywordIndex() {
    ResourceHelpViewer viewer(QStringLiteral("VOLVENZA.HLP"));
    QVERIFY(!viewer.Open(nullptr, QStringLiteral("volvenza.hlp"), HelpCommand::Contents, {}));
    HelpWindow* window = viewer.Window();
    QVERIFY(window->isVisible());
    QVERIFY2(window->Browser()->toPlainText().contains(QStringLiteral("Volvenza")),
             "the contents page is missing from the resources");

    viewer.Open(nullptr, QStringLiteral("VOLVENZA.HLP"), HelpCommand::PartialKey, {});
    QCOMPARE(viewer.Window(), window);  // one window, reused
    QCOMPARE(window->SearchField()->text(), QString());
    QVERIFY(window->KeywordList()->count() > 10);
    // Every keyword leads to a page that exists.
    for (int i = 0; i < window->KeywordList()->count(); ++i) {
        QListWidgetItem* item = window->KeywordList()->item(i);
        const QString page = item->data(Qt::UserRole).toString().section(QLatin1Char('#'), 0, 0);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + page), qPrintable(item->text()));
    }
    QTest::keyClicks(window->SearchField(), QStringLiteral("precar"));
    QVERIFY(window->KeywordList()->currentItem()->text().startsWith(QStringLiteral("precar"),
                                                                    Qt::CaseInsensitive));
    QTest::keyClick(window->SearchField(), Qt::Key_Return);
    QVERIFY(window->Browser()->source().toString().startsWith(QStringLiteral("qrc:/help/")));
}

void WindowsTest::barsFollowTheirMenuEntries() {
    Shell shell;
    shell.main->show();
    QToolBar* toolBar = Named<QToolBar>(shell.main.get(), QStringLiteral("tbToolBar"));
    QStatusBar* statusBar = shell.main->statusBar();
    QCOMPARE(statusBar->objectName(), QStringLiteral("sbStatusBar"));
    QCOMPARE(Named<QLabel>(statusBar, QStringLiteral("Panel1"))->text(), QStringLiteral("Stato"));
    QVERIFY(!Named<QLabel>(statusBar, QStringLiteral("Panel2"))->text().isEmpty());
    QVERIFY(!Named<QLabel>(statusBar, QStringLiteral("Panel3"))->text().isEmpty());
    QAction* tools = shell.Menu("mnuViewToolbar");
    QAction* status = shell.Menu("mnuViewStatusBar");
    QVERIFY(tools->isChecked() && status->isChecked());
    QVERIFY(toolBar->isVisible() && statusBar->isVisible());
    status->trigger();
    QVERIFY(!status->isChecked());
    QVERIFY(!statusBar->isVisible());
    status->trigger();
    QVERIFY(status->isChecked() && statusBar->isVisible());
    tools->trigger();
    QVERIFY(!tools->isChecked() && !toolBar->isVisible());
    tools->trigger();
    QVERIFY(toolBar->isVisible());

    // Every button speaks its tooltip; only "Esempio" shows a caption.
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) continue;
        QCOMPARE(action->text(), action->toolTip());
        QCOMPARE(action->icon().isNull(), action->objectName() == QLatin1String("Esempio"));
    }
    QCOMPARE(shell.Button("InserimentoDati")->toolTip(),
             QStringLiteral("Inserimento dei movimenti"));
    QCOMPARE(shell.Menu("mnuHelpAbout")->text(), QStringLiteral("&Informazioni su "));
}

void WindowsTest::splashShowsTitleVersionAndSteps() {
    frmSplash splash;
    QCOMPARE(Named<QLabel>(&splash, QStringLiteral("lblProductName"))->text(),
             QStringLiteral("Volvenza"));
    QCOMPARE(Named<QLabel>(&splash, QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Versione 1.1.0"));
    auto* bar = Named<QProgressBar>(&splash, QStringLiteral("ProgressBar"));
    for (int step = 1; step <= 3; ++step) {
        splash.SetProgress(static_cast<float>(step));
        QCOMPARE(double(bar->value() - bar->minimum()) / (bar->maximum() - bar->minimum()),
                 step / 3.0);
    }
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

void WindowsTest::pageSetupUsesThePrinterDialog() {
    Shell shell;
    shell.dialogs.QueuePrinterAccepted(false);
    shell.Menu("mnuFilePageSetup")->trigger();
    QCOMPARE(shell.dialogs.Calls().back().kind, DialogKind::Printer);
    QCOMPARE(shell.dialogs.Calls().back().title, QStringLiteral("Imposta pagina"));
    QVERIFY(shell.dialogs.Messages().empty());
}

void WindowsTest::filtersBecomeQtNameFilters() {
    QCOMPARE(
        QtNameFilters(QStringLiteral("Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ")),
        QStringList({QStringLiteral("Volvenza (*.vlz)"), QStringLiteral(" Tutti i file (*.*)")}));
    QCOMPARE(QtNameFilters(QStringLiteral("Immagini|*.bmp")),
             QStringList({QStringLiteral("Immagini (*.bmp)")}));
}

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
