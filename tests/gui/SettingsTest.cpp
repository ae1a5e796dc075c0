// What the main window keeps between runs, and the program-list entry with
// its start-menu tidying on a folder tree made for the test.

#include <QDir>
#include <QFile>
#include <QTest>

#include "shell/ProgramListEntry.h"
#include "tests/gui/GuiTesting.h"

using namespace volvenza;
using namespace volvenza::testing;

namespace {

QString Read(const Shell& shell, const char* key, const char* app = "Volvenza",
             const char* section = "Settings") {
    return shell.settings.Read(QString::fromLatin1(app), QString::fromLatin1(section),
                               QString::fromLatin1(key), QStringLiteral("<missing>"));
}

void Write(Shell& shell, const char* app, const char* section, const char* key, const char* text) {
    shell.settings.Write(QString::fromLatin1(app), QString::fromLatin1(section),
                         QString::fromLatin1(key), QString::fromUtf8(text));
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

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void boundsAndHeaderSurviveAClose();
    void programListIsWrittenOncePerVersion();
    void shortcutMovesOnlyWhenTheUninstallLogIsRewritten();
};

void SettingsTest::boundsAndHeaderSurviveAClose() {
    Shell shell;
    // 1000 and 6500 twips at 96 dots per inch, on the window as shown: the
    // status bar gives way rather than widening it, and the first closing
    // stores the bounds as they were read.
    shell.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.main.get()));
    QCOMPARE(shell.main->pos(), QPoint(67, 67));
    QCOMPARE(shell.main->size(), QSize(433, 433));
    QCOMPARE(Read(shell, "IntestazioneUtente"), QStringLiteral("<missing>"));  // not yet
    shell.Close();
    QCOMPARE(QStringList({Read(shell, "MainLeft"), Read(shell, "MainTop"), Read(shell, "MainWidth"),
                          Read(shell, "MainHeight")}),
             QStringList({"1000", "1000", "6500", "6500"}));
    shell.Open();

    shell.main->move(150, 90);
    shell.main->resize(640, 480);
    const QString header = QStringLiteral("  Officina Rossi, \"Città\"; via Po 1\\2 = sì  ");
    shell.main->SetPrintHeader(header);
    QCOMPARE(Read(shell, "IntestazioneUtente"), QString());  // not yet
    shell.Close();
    QCOMPARE(QStringList({Read(shell, "MainLeft"), Read(shell, "MainTop"), Read(shell, "MainWidth"),
                          Read(shell, "MainHeight")}),
             QStringList({"2250", "1350", "9600", "7200"}));
    shell.Open();
    QCOMPARE(shell.main->pos(), QPoint(150, 90));
    QCOMPARE(shell.main->size(), QSize(640, 480));
    QCOMPARE(shell.main->PrintHeader(), header);

    // Closed while minimised: the last bounds stay, the header is written.
    shell.main->SetPrintHeader(QStringLiteral("Ditta"));
    shell.main->move(300, 300);
    shell.main->show();
    shell.main->showMinimized();
    shell.Close();
    QCOMPARE(Read(shell, "MainLeft"), QStringLiteral("2250"));
    QCOMPARE(Read(shell, "IntestazioneUtente"), QStringLiteral("Ditta"));

    // A stored bound that is not a number counts as missing.
    Write(shell, "Volvenza", "Settings", "MainLeft", "molto");
    Write(shell, "Volvenza", "Settings", "MainTop", "1500");
    Write(shell, "Volvenza", "Settings", "MainWidth", "7500,6");
    shell.Open();
    QCOMPARE(shell.main->pos(), QPoint(67, 100));
    QCOMPARE(shell.main->width(), 500);
}

void SettingsTest::programListIsWrittenOncePerVersion() {
    Shell shell;
    const char* const entries[][4] = {
        {"Versione", "Volvenza", "Settings", "1.1.0"},
        {"Quarzel", "Volvenza", "Settings", "SI"},
        {"Volvenza", "Quarzel", "Programmi", "Simulazione"},
        {"Percorso", "Quarzel", "Volvenza", "/opt/volvenza"},
        {"Gruppo", "Quarzel", "Volvenza", "Simulazione"},
        {"Eseguibile", "Quarzel", "Volvenza", "/opt/volvenza\\Volvenza.exe"},
        {"Icona", "Quarzel", "Volvenza", "/opt/volvenza\\Volvenza.exe"},
    };
    for (const auto& e : entries) QCOMPARE(Read(shell, e[0], e[1], e[2]), QString::fromUtf8(e[3]));

    // The same version writes nothing again; another version writes it all.
    Write(shell, "Quarzel", "Volvenza", "Gruppo", "cambiato");
    shell.Open();
    QCOMPARE(Read(shell, "Gruppo", "Quarzel", "Volvenza"), QStringLiteral("cambiato"));
    Write(shell, "Volvenza", "Settings", "Versione", "1.0.9");
    shell.Open();
    QCOMPARE(Read(shell, "Gruppo", "Quarzel", "Volvenza"), QStringLiteral("Simulazione"));
    QCOMPARE(Read(shell, "Versione"), QStringLiteral("1.1.0"));
}

void SettingsTest::shortcutMovesOnlyWhenTheUninstallLogIsRewritten() {
    QTemporaryDir root;
    const QDir c(root.path());
    // Only the second candidate start-menu folder exists, in other letters' case.
    const QString makerMenu = c.filePath(QStringLiteral("Windows/Start/Programmi/Quarzel"));
    const QString shortcut = makerMenu + QStringLiteral("/Volvenza.lnk");
    const QString moved = makerMenu + QStringLiteral("/Volvenza/Volvenza.lnk");
    const QString log = c.filePath(QStringLiteral("Programmi/Quarzel/Volvenza/ST6UNST.LOG"));
    WriteFile(shortcut, "link");
    WriteFile(log, kLog);

    MoveStartMenuShortcut(root.path());
    QByteArray rewritten = kLog;
    rewritten.replace("\"Quarzel\",", "\"Quarzel\\volvenza\",");
    QCOMPARE(ReadFile(log), rewritten);
    QVERIFY(!QFile::exists(c.filePath(QStringLiteral("Programmi/Quarzel/Volvenza/st6unst.out"))));
    QCOMPARE(ReadFile(moved), QByteArray("link"));
    QVERIFY(!QFile::exists(shortcut));

    // A shortcut already in the sub-folder: the maker's one stays where it is.
    WriteFile(shortcut, "again");
    WriteFile(log, kLog);
    MoveStartMenuShortcut(root.path());
    QCOMPARE(ReadFile(shortcut), QByteArray("again"));
    QCOMPARE(ReadFile(moved), QByteArray("link"));

    // A log without the maker's line: nothing is rewritten or moved.
    QTemporaryDir other;
    const QString second =
        other.filePath(QStringLiteral("win/menu avvio/programmi/quarzel/volvenza.lnk"));
    WriteFile(second, "link");
    const QString folder = other.filePath(QStringLiteral("programmi/quarzel/volvenza"));
    const QByteArray plain = "ShellLink: \"Altro\", \"Volvenza\"\r\n";
    WriteFile(folder + QStringLiteral("/st6unst.log"), plain);
    QVERIFY(!RewriteUninstallLog(other.path()));
    MoveStartMenuShortcut(other.path());
    QCOMPARE(ReadFile(folder + QStringLiteral("/st6unst.log")), plain);
    QVERIFY(QFile::exists(second));
    QVERIFY(!QFileInfo::exists(QFileInfo(second).absolutePath() + QStringLiteral("/Volvenza")));
    QVERIFY(!RewriteUninstallLog(other.filePath(QStringLiteral("vuoto"))));  // no log at all

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

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
