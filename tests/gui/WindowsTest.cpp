// The shell's own windows: options, About, help, and the bars the View menu
// switches.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "platform/HelpWindow.h"
#include "platform/QtDialogs.h"
#include "shell/SettingsKeys.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void optionsChangeTheHeaderAndLanguageOnlyOnOk();
    void optionsKeys();
    void aboutClosesOnEnterAndEsc();
    void helpAndViewMenus();
    void helpWindowHasContentsAndAKeywordIndex();
    void filtersBecomeQtNameFilters();
};

// The language chosen is kept for the next start, and shown when the
// dialog opens again.
void WindowsTest::optionsChangeTheHeaderAndLanguageOnlyOnOk() {
    Shell shell;
    shell.main->SetPrintHeader(QStringLiteral("Vecchia"));
    for (const char* button : {"cmdCancel", "cmdOK"}) {
        shell.dialogs.QueueModal([button](QDialog& dialog) {
            auto* box = Named<QLineEdit>(&dialog, QStringLiteral("TIntestUtente"));
            QCOMPARE(box->text(), QStringLiteral("Vecchia"));
            box->setText(QStringLiteral(" Ditta  Bianchi "));
            auto* language = Named<QComboBox>(&dialog, QStringLiteral("cboLingua"));
            QCOMPARE(language->currentText(), QStringLiteral("Automatica"));
            language->setCurrentIndex(2);
            Named<QPushButton>(&dialog, QString::fromLatin1(button))->click();
        });
        QCOMPARE(shell.main->PrintHeader(), QStringLiteral("Vecchia"));
        QCOMPARE(ReadSetting(shell.settings, Setting::Language), QStringLiteral("Automatica"));
        shell.Menu("mnuViewOptions")->trigger();
    }
    QCOMPARE(shell.main->PrintHeader(), QStringLiteral(" Ditta  Bianchi "));
    QCOMPARE(ReadSetting(shell.settings, Setting::Language), QStringLiteral("English"));
    shell.dialogs.QueueModal([](QDialog& dialog) {
        QCOMPARE(Named<QComboBox>(&dialog, QStringLiteral("cboLingua"))->currentText(),
                 QStringLiteral("English"));
        dialog.reject();
    });
    shell.Menu("mnuViewOptions")->trigger();
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

void WindowsTest::aboutClosesOnEnterAndEsc() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, key);
        QVERIFY(!about.isVisible());
    }
}

void WindowsTest::helpAndViewMenus() {
    Shell shell;
    shell.Menu("mnuHelpContents")->trigger();
    shell.Menu("mnuHelpSearchForHelpOn")->trigger();
    QCOMPARE(shell.help.calls, QStringList({"VOLVENZA.HLP 3 ", "VOLVENZA.HLP 261 "}));
    QVERIFY(shell.dialogs.Messages().empty());

    shell.help.failure = QStringLiteral("Visualizzatore non disponibile");
    shell.Menu("mnuHelpContents")->trigger();
    QCOMPARE(shell.dialogs.Messages().back().text, *shell.help.failure);

    // Without a help file neither entry reaches the viewer; both say so.
    shell.dialogs.ClearCalls();
    shell.main->SetHelpFile(QString());
    shell.Menu("mnuHelpContents")->trigger();
    shell.Menu("mnuHelpSearchForHelpOn")->trigger();
    QCOMPARE(shell.dialogs.Messages().size(), size_t{2});
    QCOMPARE(shell.help.calls.size(), qsizetype{3});

    // The View menu switches the bars.
    shell.main->show();
    auto* toolBar = Named<QToolBar>(shell.main.get(), QStringLiteral("tbToolBar"));
    QStatusBar* statusBar = shell.main->statusBar();
    QVERIFY(!Named<QLabel>(statusBar, QStringLiteral("Panel2"))->text().isEmpty());  // date
    QVERIFY(!Named<QLabel>(statusBar, QStringLiteral("Panel3"))->text().isEmpty());  // time
    const std::pair<const char*, QWidget*> bars[] = {{"mnuViewToolbar", toolBar},
                                                     {"mnuViewStatusBar", statusBar}};
    for (const auto& [entry, bar] : bars) {
        QAction* action = shell.Menu(entry);
        QVERIFY(action->isChecked() && bar->isVisible());
        action->trigger();
        QVERIFY(!action->isChecked() && !bar->isVisible());
        action->trigger();
        QVERIFY(action->isChecked() && bar->isVisible());
    }

    // Every button speaks its tooltip; only "Esempio" shows a caption.
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) continue;
        QCOMPARE(action->text(), action->toolTip());
        QCOMPARE(action->icon().isNull(), action->objectName() == QLatin1String("Esempio"));
    }
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
    QVERIFY(window->KeywordList()->count() > 10);
    // Alphabetical whatever the case: "accumulatore" before "DP banda di pressione".
    for (int i = 1; i < window->KeywordList()->count(); ++i) {
        const QString before = window->KeywordList()->item(i - 1)->text();
        const QString after = window->KeywordList()->item(i)->text();
        QVERIFY2(before.compare(after, Qt::CaseInsensitive) <= 0,
                 qPrintable(before + " > " + after));
    }
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

void WindowsTest::filtersBecomeQtNameFilters() {
    // The dialog shows what stands before the last brackets and matches what
    // is inside them; "*.*" must also match names without a dot.
    QCOMPARE(QtNameFilters(QStringLiteral("Volvenza (*.vlz)|*.vlz| Tutti i file (*.*)|*.* ")),
             QStringList({QStringLiteral("Volvenza (*.vlz) (*.vlz)"),
                          QStringLiteral(" Tutti i file (*.*) (*)")}));
    QCOMPARE(QtNameFilters(QStringLiteral("Immagini|*.bmp;*.dib")),
             QStringList({QStringLiteral("Immagini (*.bmp *.dib)")}));
}

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
