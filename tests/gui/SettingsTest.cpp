// What the main window keeps between runs, and the program-list entry with
// its start-menu tidying on a folder tree made for the test.

#include <QDir>
#include <QFile>
#include <QTest>

#include "shell/ProgramListEntry.h"
#include "shell/frmMain.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString Read(const SettingsStore& store, const char* app, const char* section, const char* key) {
    return store.Read(QString::fromLatin1(app), QString::fromLatin1(section),
                      QString::fromLatin1(key), QStringLiteral("<missing>"));
}

QString Setting(const Shell& shell, const char* key) {
    return Read(*shell.settings, "Volvenza", "Settings", key);
}

void WriteFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kLog =
    "$(AppPath)\\volvenza.exe\r\n"
    "ShellLink: \"Quarzel\", \"Volvenza\", \"$(AppPath)\\volvenza.exe\"\r\n"
    "ShellLink: \"Altro\", \"Volvenza\", \"x\"\r\n";
const QByteArray kRewrittenLog =
    "$(AppPath)\\volvenza.exe\r\n"
    "ShellLink: \"Quarzel\\volvenza\", \"Volvenza\", \"$(AppPath)\\volvenza.exe\"\r\n"
    "ShellLink: \"Altro\", \"Volvenza\", \"x\"\r\n";

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartUsesDefaultsAndBoundsSurviveAClose();
    void minimisedCloseKeepsTheLastBoundsButWritesTheHeader();
    void unreadableBoundFallsBackToItsDefault();
    void programListIsWrittenOncePerVersion();
    void uninstallLogAndShortcutFollowTheMove();
    void logWithoutMakerLineLeavesEverythingInPlace();
};

void SettingsTest::firstStartUsesDefaultsAndBoundsSurviveAClose() {
    Shell shell;
    // 1000 and 6500 twips at 96 dots per inch.
    QCOMPARE(shell.main->pos(), QPoint(67, 67));
    QCOMPARE(shell.main->size(), QSize(433, 433));
    QCOMPARE(shell.main->PrintHeader(), QString());

    shell.main->move(150, 90);
    shell.main->resize(640, 480);
    shell.Close();
    QCOMPARE(Setting(shell, "MainLeft"), QStringLiteral("2250"));
    QCOMPARE(Setting(shell, "MainTop"), QStringLiteral("1350"));
    QCOMPARE(Setting(shell, "MainWidth"), QStringLiteral("9600"));
    QCOMPARE(Setting(shell, "MainHeight"), QStringLiteral("7200"));

    shell.Open();
    QCOMPARE(shell.main->pos(), QPoint(150, 90));
    QCOMPARE(shell.main->size(), QSize(640, 480));
}

void SettingsTest::minimisedCloseKeepsTheLastBoundsButWritesTheHeader() {
    Shell shell;
    shell.main->move(150, 90);
    shell.Close();
    shell.Open();
    const QString header = QStringLiteral("  Officina Rossi, \"Città\"; via Po 1\\2 = sì  ");
    shell.main->SetPrintHeader(header);
    QCOMPARE(Setting(shell, "IntestazioneUtente"), QString());  // not before closing
    shell.main->move(300, 300);
    shell.main->show();
    shell.main->showMinimized();
    shell.Close();
    QCOMPARE(Setting(shell, "MainLeft"), QStringLiteral("2250"));
    QCOMPARE(Setting(shell, "IntestazioneUtente"), header);
    shell.Open();
    QCOMPARE(shell.main->PrintHeader(), header);
}

void SettingsTest::unreadableBoundFallsBackToItsDefault() {
    Shell shell;
    shell.settings->Write(QStringLiteral("Volvenza"), QStringLiteral("Settings"),
                          QStringLiteral("MainLeft"), QStringLiteral("molto"));
    shell.settings->Write(QStringLiteral("Volvenza"), QStringLiteral("Settings"),
                          QStringLiteral("MainTop"), QStringLiteral("1500"));
    shell.settings->Write(QStringLiteral("Volvenza"), QStringLiteral("Settings"),
                          QStringLiteral("MainWidth"), QStringLiteral("7500,6"));
    shell.Open();
    QCOMPARE(shell.main->pos(), QPoint(67, 100));
    QCOMPARE(shell.main->width(), 500);
}

void SettingsTest::programListIsWrittenOncePerVersion() {
    Shell shell;
    const SettingsStore& store = *shell.settings;
    QCOMPARE(Setting(shell, "Versione"), QStringLiteral("1.1.0"));
    QCOMPARE(Setting(shell, "Quarzel"), QStringLiteral("SI"));
    QCOMPARE(Read(store, "Quarzel", "Programmi", "Volvenza"), QStringLiteral("Simulazione"));
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Percorso"), QStringLiteral("/opt/volvenza"));
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Gruppo"), QStringLiteral("Simulazione"));
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Eseguibile"),
             QStringLiteral("/opt/volvenza\\Volvenza.exe"));
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Icona"),
             QStringLiteral("/opt/volvenza\\Volvenza.exe"));

    // The same version writes nothing again; another version writes it all.
    shell.settings->Write(QStringLiteral("Quarzel"), QStringLiteral("Volvenza"),
                          QStringLiteral("Gruppo"), QStringLiteral("cambiato"));
    shell.Open();
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Gruppo"), QStringLiteral("cambiato"));
    shell.settings->Write(QStringLiteral("Volvenza"), QStringLiteral("Settings"),
                          QStringLiteral("Versione"), QStringLiteral("1.0.9"));
    shell.Open();
    QCOMPARE(Read(store, "Quarzel", "Volvenza", "Gruppo"), QStringLiteral("Simulazione"));
    QCOMPARE(Setting(shell, "Versione"), QStringLiteral("1.1.0"));
}

void SettingsTest::uninstallLogAndShortcutFollowTheMove() {
    QTemporaryDir root;
    const QDir c(root.path());
    // Only the second candidate start-menu folder exists, in other letters' case.
    const QString makerMenu = c.filePath(QStringLiteral("Windows/Start/Programmi/Quarzel"));
    WriteFile(makerMenu + QStringLiteral("/Volvenza.lnk"), "link");
    const QString log = c.filePath(QStringLiteral("Programmi/Quarzel/Volvenza/ST6UNST.LOG"));
    WriteFile(log, kLog);

    MoveStartMenuShortcut(root.path());
    QCOMPARE(ReadFile(log), kRewrittenLog);
    QVERIFY(!QFile::exists(c.filePath(QStringLiteral("Programmi/Quarzel/Volvenza/st6unst.out"))));
    QCOMPARE(ReadFile(makerMenu + QStringLiteral("/Volvenza/Volvenza.lnk")), QByteArray("link"));
    QVERIFY(!QFile::exists(makerMenu + QStringLiteral("/Volvenza.lnk")));

    // A shortcut already in the sub-folder: the maker's one stays where it is.
    WriteFile(makerMenu + QStringLiteral("/Volvenza.lnk"), "again");
    WriteFile(log, kLog);
    MoveStartMenuShortcut(root.path());
    QCOMPARE(ReadFile(makerMenu + QStringLiteral("/Volvenza.lnk")), QByteArray("again"));
    QCOMPARE(ReadFile(makerMenu + QStringLiteral("/Volvenza/Volvenza.lnk")), QByteArray("link"));
}

void SettingsTest::logWithoutMakerLineLeavesEverythingInPlace() {
    QTemporaryDir root;
    const QDir c(root.path());
    const QString shortcut =
        c.filePath(QStringLiteral("win/menu avvio/programmi/quarzel/volvenza.lnk"));
    WriteFile(shortcut, "link");
    const QString folder = c.filePath(QStringLiteral("programmi/quarzel/volvenza"));
    const QByteArray plain = "ShellLink: \"Altro\", \"Volvenza\"\r\n";
    WriteFile(folder + QStringLiteral("/st6unst.log"), plain);

    QVERIFY(!RewriteUninstallLog(root.path()));
    MoveStartMenuShortcut(root.path());
    QCOMPARE(ReadFile(folder + QStringLiteral("/st6unst.log")), plain);
    QCOMPARE(ReadFile(folder + QStringLiteral("/st6unst.out")), plain);
    QVERIFY(QFile::exists(shortcut));
    QVERIFY(!QFileInfo::exists(QFileInfo(shortcut).absolutePath() + QStringLiteral("/Volvenza")));

    // No log at all: nothing to rewrite.
    QTemporaryDir empty;
    QVERIFY(!RewriteUninstallLog(empty.path()));
}

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
