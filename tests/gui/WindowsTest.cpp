// The shell's own windows: options and About, the help menu's entries, and
// the bars the View menu switches.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

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
    void optionsAndAboutAnswerTheirKeys();
    void helpAndViewMenus();
};

// The language chosen is kept for the next start, and shown when the
// dialog opens again.
void WindowsTest::optionsChangeTheHeaderAndLanguageOnlyOnOk() {
    Shell shell;
    shell.main->SetPrintHeader("Vecchia");
    for (const char* button : {"cmdCancel", "cmdOK"}) {
        shell.dialogs.QueueModal([button](QDialog& dialog) {
            auto* box = Named<QLineEdit>(&dialog, "TIntestUtente");
            QCOMPARE(box->text(), "Vecchia");
            box->setText(" Ditta  Bianchi ");
            auto* language = Named<QComboBox>(&dialog, "cboLingua");
            QCOMPARE(language->currentText(), "Automatica");
            language->setCurrentIndex(2);
            Named<QPushButton>(&dialog, QString::fromLatin1(button))->click();
        });
        QCOMPARE(shell.main->PrintHeader(), "Vecchia");
        QCOMPARE(ReadSetting(shell.settings, Setting::Language), "Automatica");
        shell.Menu("mnuViewOptions")->trigger();
    }
    QCOMPARE(shell.main->PrintHeader(), " Ditta  Bianchi ");
    QCOMPARE(ReadSetting(shell.settings, Setting::Language), "English");
    shell.dialogs.QueueModal([](QDialog& dialog) {
        QCOMPARE(Named<QComboBox>(&dialog, "cboLingua")->currentText(), "English");
        dialog.reject();
    });
    shell.Menu("mnuViewOptions")->trigger();
}

void WindowsTest::optionsAndAboutAnswerTheirKeys() {
    frmOptions options("Intestazione");
    options.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    auto* box = Named<QLineEdit>(&options, "TIntestUtente");
    auto* page = Named<QWidget>(&options, "picOptions");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    // One tab: the page stays in view and enabled, the text untouched.
    QCOMPARE(options.CurrentTab(), 0);
    QCOMPARE(page->x(), 14);
    QVERIFY(page->isEnabled());
    QCOMPARE(box->text(), "Intestazione");
    QVERIFY(options.isVisible());
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!options.isVisible());
    QCOMPARE(options.result(), int(QDialog::Rejected));
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
    auto* toolBar = Named<QToolBar>(shell.main.get(), "tbToolBar");
    QStatusBar* statusBar = shell.main->statusBar();
    QVERIFY(!Named<QLabel>(statusBar, "Panel2")->text().isEmpty());  // date
    QVERIFY(!Named<QLabel>(statusBar, "Panel3")->text().isEmpty());  // time
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

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
