// What the main window keeps between runs (its bounds, the print header,
// the language, the gas model), the start-menu shortcut moved on a folder
// tree made for the test, the options window, and a help viewer that fails.

#include <sys/stat.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "shell/ProgramListEntry.h"
#include "shell/SettingsKeys.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString GasSetting(const Shell& shell, const char* key) {
    return shell.settings.Read("Volvenza", "ModelloGas", QString::fromLatin1(key), "<missing>");
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
        shell.main->move(150, 90);
        shell.main->resize(640, 480);
        const QString header = QStringLiteral("  Officina Rossi, \"Città\"; via Po 1\\2 = sì  ");
        shell.Close();
        shell.settings.Write("Volvenza", "Settings", "IntestazioneUtente", header);
        shell.Open();
        shell.Close();
        shell.Open();
        QCOMPARE(shell.main->pos(), QPoint(150, 90));
        QCOMPARE(shell.main->size(), QSize(640, 480));
        QCOMPARE(shell.main->PrintHeader(), header);

        // Bounds from a larger screen: the window as large as this screen
        // lets it be, and the remembered size kept for the larger one.
        shell.Close();
        shell.settings.Write("Volvenza", "Settings", "MainWidth", "90000");
        shell.Open();
        QCOMPARE(shell.main->width(), shell.main->screen()->availableGeometry().width());
        QCOMPARE(shell.main->height(), 480);
        shell.Close();
        QCOMPARE(shell.settings.Read("Volvenza", "Settings", "MainWidth", {}), "90000");
        shell.Open();

        // A pipe in place of the settings file is never opened (reading it
        // would wait for ever): the defaults, said once, and the pipe stays.
        const QString file = shell.settings.FilePath("Volvenza");
        QVERIFY(QFile::remove(file));
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        shell.Open();
        QVERIFY(QTest::qWaitFor([&] { return !shell.dialogs.Messages().empty(); }, 2000));
        QVERIFY(shell.dialogs.Messages().back().text.startsWith(
            QStringLiteral("Il file delle impostazioni %1 non è un file").arg(file)));
        QCOMPARE(shell.main->PrintHeader(), QString());
        shell.Close();
        QVERIFY(!QFileInfo(file).isFile() && QFileInfo(file).exists());
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
    }

    void gasModelIsCheckedAndKept() {
        Shell shell;
        // A wrong box is named and gets the focus; the dialog stays open until
        // every box is right.
        QStringList focused;
        shell.dialogs.QueueModal([&](QDialog& dialog) {
            QVERIFY(!Named<QLineEdit>(&dialog, "TCostanteTempo")->isEnabled());
            Named<QRadioButton>(&dialog, "optAzoto")->setChecked(true);
            // Boxes typed ("box=text"), and OK pressed with the box that took the focus noted.
            const QString steps =
                "TCostanteTempo=-3 OK TCostanteTempo=4.5 TTMin=70 TTMax=60 OK "
                "TTMin=-10 TParallelo=0 OK TParallelo=3 TBombole=20 TRendimentoVolumetrico=0,9 OK";
            for (const QString& step : steps.split(' ')) {
                if (step != "OK") {
                    Retype(Named<QLineEdit>(&dialog, step.section('=', 0, 0)),
                           step.section('=', 1));
                    continue;
                }
                Named<QPushButton>(&dialog, "cmdOK")->click();
                if (QWidget* box = dialog.focusWidget()) focused << box->objectName();
            }
        });
        shell.Menu("mnuCalcoloModelloGas")->trigger();
        QStringList texts;
        for (const DialogCall& call : shell.dialogs.Messages()) texts << call.text;
        QCOMPARE(texts,
                 QStringList({"La costante di tempo termica deve essere un numero maggiore o "
                              "uguale a 0, oppure vuota per un tempo infinito.",
                              "La temperatura minima non può superare la massima.",
                              "Gli accumulatori in parallelo devono essere da 1 a 20."}));
        QCOMPARE(focused.mid(0, 3), QStringList({"TCostanteTempo", "TTMin", "TParallelo"}));
        GasSettings want{.Law = GasLawKind::Nitrogen, .Tau = 4.5, .MinTemp = -10, .MaxTemp = 60};
        want.Vessels = {3, 20, 0.9};
        QCOMPARE(shell.state.Gas, want);
        // The status bar says what V0 is one of; the vessels are one step of
        // the project's history.
        auto* bar = Named<QLabel>(shell.main.get(), "Panel1");
        QCOMPARE(bar->text(),
                 "3 accumulatori di Vo in parallelo; bombole 20 dm3; rendimento "
                 "volumetrico 0,9");
        shell.main->CurrentProject().Undo();
        QCOMPARE(shell.state.Gas, GasSettings{});
        QCOMPARE(bar->text(), "Stato");
        shell.main->CurrentProject().Redo();
        QCOMPARE(GasSetting(shell, "Legge"), "Azoto");
        QCOMPARE(GasSetting(shell, "CostanteTempo"), "4,5");

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
        want.Vessels = {};  // the project's, not the program's
        QCOMPARE(shell.state.Gas, want);
    }

    // The language chosen is kept for the next start, and shown when the
    // dialog opens again.
    void optionsChangeTheHeaderAndLanguageOnlyOnOkAndHelpSaysWhyItFails() {
        Shell shell;
        shell.Close();
        shell.settings.Write("Volvenza", "Settings", "IntestazioneUtente", "Vecchia");
        shell.Open();
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
        QCOMPARE(ReadSetting(shell.settings, Setting::PrintHeader), " Ditta  Bianchi ");
        QCOMPARE(ReadSetting(shell.settings, Setting::Language), "English");
        shell.dialogs.QueueModal([](QDialog& dialog) {
            QCOMPARE(Named<QComboBox>(&dialog, "cboLingua")->currentText(), "English");
            dialog.reject();
        });
        shell.Menu("mnuViewOptions")->trigger();

        // A help viewer that cannot open says why.
        shell.help.failure = Message(MessageId::OpenFailed, {MsgVerbatim("VOLVENZA.HLP")});
        shell.Menu("mnuHelpContents")->trigger();
        QCOMPARE(shell.dialogs.Messages().back().text,
                 QStringLiteral("Impossibile aprire il file VOLVENZA.HLP."));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
