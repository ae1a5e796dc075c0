// What the main window keeps between runs (its bounds, the print header,
// the language, the gas model), the start-menu shortcut moved on a folder
// tree made for the test, and the shell's own windows: options and About,
// the help menu's entries.

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "shell/ProgramListEntry.h"
#include "shell/SettingsKeys.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString Read(const Shell& shell, const char* key, const char* app = "Volvenza",
             const char* section = "Settings") {
    return shell.settings.Read(QString::fromLatin1(app), QString::fromLatin1(section),
                               QString::fromLatin1(key), "<missing>");
}

void Write(Shell& shell, const char* app, const char* section, const char* key, const char* text) {
    shell.settings.Write(QString::fromLatin1(app), QString::fromLatin1(section),
                         QString::fromLatin1(key), QString::fromUtf8(text));
}

const QByteArray kLog =
    "$(AppPath)\\volvenza.exe\r\n"
    "ShellLink: \"Quarzel\", \"Volvenza\", \"$(AppPath)\\volvenza.exe\"\r\n"
    "ShellLink: \"Altro\", \"Volvenza\", \"x\"\r\n";

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void boundsAndHeaderSurviveAClose() {
        Shell shell;
        // 1000 and 6500 twips at 96 dots per inch, on the window as shown: the
        // status bar gives way rather than widening it, and the first closing
        // stores the bounds as they were read.
        shell.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
        QCOMPARE(shell.main->pos(), QPoint(67, 67));
        QCOMPARE(shell.main->size(), QSize(433, 433));
        shell.Close();
        QCOMPARE(QStringList({Read(shell, "MainLeft"), Read(shell, "MainTop"),
                              Read(shell, "MainWidth"), Read(shell, "MainHeight")}),
                 QStringList({"1000", "1000", "6500", "6500"}));
        shell.Open();

        shell.main->move(150, 90);
        shell.main->resize(640, 480);
        const QString header = QStringLiteral("  Officina Rossi, \"Città\"; via Po 1\\2 = sì  ");
        shell.main->SetPrintHeader(header);
        shell.Close();
        QCOMPARE(QStringList({Read(shell, "MainLeft"), Read(shell, "MainTop"),
                              Read(shell, "MainWidth"), Read(shell, "MainHeight")}),
                 QStringList({"2250", "1350", "9600", "7200"}));
        shell.Open();
        QCOMPARE(shell.main->pos(), QPoint(150, 90));
        QCOMPARE(shell.main->size(), QSize(640, 480));
        QCOMPARE(shell.main->PrintHeader(), header);

        // Closed while minimised: the last bounds stay, the header is written.
        shell.main->SetPrintHeader("Ditta");
        shell.main->move(300, 300);
        shell.main->show();
        shell.main->showMinimized();
        shell.Close();
        QCOMPARE(Read(shell, "MainLeft"), "2250");
        QCOMPARE(Read(shell, "IntestazioneUtente"), "Ditta");

        // A stored bound that is not a number counts as missing, and the
        // program says so once.
        Write(shell, "Volvenza", "Settings", "MainLeft", "molto");
        Write(shell, "Volvenza", "Settings", "MainTop", "1500");
        Write(shell, "Volvenza", "Settings", "MainWidth", "7500,6");
        shell.Open();
        QCOMPARE(shell.main->pos(), QPoint(67, 100));
        QCOMPARE(shell.main->width(), 500);
        QTRY_COMPARE(shell.dialogs.Messages().size(), size_t{1});
        QCOMPARE(shell.dialogs.Messages()[0].text,
                 QStringLiteral("Alcune impostazioni non erano leggibili e sono tornate al valore "
                                "predefinito: MainLeft."));
        shell.Open();  // said once: the key holds its default now
        QTest::qWait(1);
        QCOMPARE(shell.dialogs.Messages().size(), size_t{1});

        // Bounds from a larger screen come back onto this one; a size beyond
        // any screen is no size.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Write(shell, "Volvenza", "Settings", "MainLeft", "600000");
        Write(shell, "Volvenza", "Settings", "MainTop", "-9000");
        Write(shell, "Volvenza", "Settings", "MainWidth", "491505");
        Write(shell, "Volvenza", "Settings", "MainHeight", "4500");
        shell.Open();
        QCOMPARE(shell.main->size(), QSize(433, 300));
        QCOMPARE(shell.main->pos(), QPoint(screen.right() + 1 - 433, screen.top()));
    }

    void shortcutMovesOnlyWhenTheUninstallLogIsRewritten() {
        QTemporaryDir root;
        const QDir c(root.path());
        // Only the second candidate start-menu folder exists, in other letters' case.
        const QString makerMenu = c.filePath("Windows/Start/Programmi/Quarzel");
        const QString shortcut = makerMenu + QStringLiteral("/Volvenza.lnk");
        const QString moved = makerMenu + QStringLiteral("/Volvenza/Volvenza.lnk");
        const QString log = c.filePath("Programmi/Quarzel/Volvenza/ST6UNST.LOG");
        WriteFile(shortcut, "link");
        WriteFile(log, kLog);

        MoveStartMenuShortcut(root.path());
        QByteArray rewritten = kLog;
        rewritten.replace("\"Quarzel\",", "\"Quarzel\\volvenza\",");
        QCOMPARE(ReadFile(log), rewritten);
        QCOMPARE(ReadFile(moved), QByteArray("link"));
        QVERIFY(!QFile::exists(shortcut));

        // A log without the maker's line: nothing is rewritten or moved.
        QVERIFY(QFile::remove(moved));
        WriteFile(shortcut, "link");
        WriteFile(log, "ShellLink: \"Altro\", \"Volvenza\"\r\n");
        MoveStartMenuShortcut(root.path());
        QVERIFY(QFile::exists(shortcut) && !QFile::exists(moved));

        // No system drive (Linux): nothing is looked for, not even in the
        // current folder, which here holds a complete old set-up.
        const QString current = QDir::currentPath();
        QDir::setCurrent(root.path());
        WriteFile(shortcut, "link");
        WriteFile(log, kLog);
        QVERIFY(!RewriteUninstallLog(QString()));
        MoveStartMenuShortcut(QString());
        QDir::setCurrent(current);
        QCOMPARE(ReadFile(log), kLog);
        QCOMPARE(ReadFile(shortcut), QByteArray("link"));
    }

    void gasModelIsCheckedAndKept() {
        Shell shell;
        QCOMPARE(shell.state.Gas, GasSettings{});

        // A wrong box is named and gets the focus; the dialog stays open until
        // every box is right.
        QStringList focused;
        shell.dialogs.QueueModal([&](QDialog& dialog) {
            QVERIFY(!Named<QLineEdit>(&dialog, "TCostanteTempo")->isEnabled());
            Named<QRadioButton>(&dialog, "optAzoto")->setChecked(true);
            auto type = [&](const char* box, const char* text) {
                auto* edit = Named<QLineEdit>(&dialog, QLatin1String(box));
                edit->clear();
                QTest::keyClicks(edit, QString::fromUtf8(text));
            };
            auto ok = [&] {
                Named<QPushButton>(&dialog, "cmdOK")->click();
                if (QWidget* box = dialog.focusWidget()) focused << box->objectName();
            };
            type("TCostanteTempo", "-3");
            ok();
            type("TCostanteTempo", "4.5");
            type("TTMin", "70");
            type("TTMax", "60");
            ok();
            type("TTMin", "-10");
            ok();
        });
        shell.Menu("mnuCalcoloModelloGas")->trigger();
        QStringList texts;
        for (const DialogCall& call : shell.dialogs.Messages()) texts << call.text;
        QCOMPARE(texts,
                 QStringList({"La costante di tempo termica deve essere un numero maggiore o "
                              "uguale a 0, oppure vuota per un tempo infinito",
                              "La temperatura minima non può superare la massima"}));
        QCOMPARE(focused.mid(0, 2), QStringList({"TCostanteTempo", "TTMin"}));
        GasSettings want;
        want.Law = GasLawKind::Nitrogen;
        want.Tau = 4.5;
        want.MinTemp = -10;
        want.MaxTemp = 60;
        QCOMPARE(shell.state.Gas, want);
        QCOMPARE(Read(shell, "Legge", "Volvenza", "ModelloGas"), "Azoto");
        QCOMPARE(Read(shell, "CostanteTempo", "Volvenza", "ModelloGas"), "4,5");

        // Annulla keeps them; the next start of the program reads them back.
        shell.dialogs.QueueModal([](QDialog& dialog) {
            Named<QRadioButton>(&dialog, "optClassica")->setChecked(true);
            dialog.reject();
        });
        shell.Menu("mnuCalcoloModelloGas")->trigger();
        QCOMPARE(shell.state.Gas, want);
        shell.Close();
        shell.state.Gas = GasSettings{};
        shell.Open();
        QCOMPARE(shell.state.Gas, want);
    }

    // The language chosen is kept for the next start, and shown when the
    // dialog opens again.
    void optionsChangeTheHeaderAndLanguageOnlyOnOk() {
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

    void optionsAndAboutAnswerTheirKeys() {
        frmOptions options("Intestazione");
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        auto* box = Named<QLineEdit>(&options, "TIntestUtente");
        auto* page = Named<QWidget>(&options, "picOptions");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        // One tab: the page stays in view and enabled, the text untouched.
        QVERIFY(page->isVisible() && page->isEnabled() && options.isVisible());
        QCOMPARE(box->text(), "Intestazione");
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

    void helpMenu() {
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
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
