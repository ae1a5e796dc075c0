#include "shell/ProgramListEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "shell/ProgramIdentity.h"
#include "shell/SettingsKeys.h"

namespace volvenza {
namespace {

const QStringList kStartMenuFolders = {
    QStringLiteral("windows/menu avvio"), QStringLiteral("windows/start"),
    QStringLiteral("win/menu avvio"),     QStringLiteral("win/start"),
    QStringLiteral("winnt/menu avvio"),   QStringLiteral("winnt/start"),
};
const QString kUninstallFolder = QStringLiteral("programmi/quarzel/volvenza");
const QString kUninstallLog = QStringLiteral("st6unst.log");
const QString kUninstallOut = QStringLiteral("st6unst.out");
const QByteArray kShortcutLine = QByteArrayLiteral("ShellLink: \"Quarzel\"");
const QByteArray kProgramItem = QByteArrayLiteral("\", \"Volvenza");
const QByteArray kProgramSubFolder = QByteArrayLiteral("\\volvenza");

// The existing path below `base` whose parts match `relative` without
// regard to case, or an empty string.
QString FindPath(const QString& base, const QString& relative) {
    QString current = base;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QDir dir(current);
        if (!dir.exists()) return {};
        QString match;
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty()) return {};
        current = dir.filePath(match);
    }
    return current;
}

}  // namespace

void WriteProgramListEntry(SettingsStore& settings, const QString& programFolder,
                           const QString& systemRoot) {
    if (ReadSetting(settings, Setting::Version) == VersionNumber()) return;
    WriteSetting(settings, Setting::Version, VersionNumber());
    WriteSetting(settings, Setting::ListedByMaker, QStringLiteral("SI"));
    WriteSetting(settings, Setting::MakerGroup, QStringLiteral("Simulazione"));
    WriteSetting(settings, Setting::MakerFolder, programFolder);
    WriteSetting(settings, Setting::MakerMenuGroup, QStringLiteral("Simulazione"));
    // The maker's list names the program file in its own (Windows) form.
    const QString programFile =
        programFolder + QStringLiteral("\\") + kTitle + QStringLiteral(".exe");
    WriteSetting(settings, Setting::MakerProgramFile, programFile);
    WriteSetting(settings, Setting::MakerIconFile, programFile);
    MoveStartMenuShortcut(systemRoot);
}

void MoveStartMenuShortcut(const QString& systemRoot) {
    if (systemRoot.isEmpty()) return;
    QString startMenu;
    for (const QString& folder : kStartMenuFolders) {
        startMenu = FindPath(systemRoot, folder);
        if (!startMenu.isEmpty() && QFileInfo(startMenu).isDir()) break;
        startMenu.clear();
    }
    if (startMenu.isEmpty()) return;
    const QString shortcut = FindPath(startMenu, QStringLiteral("programmi/quarzel/volvenza.lnk"));
    if (shortcut.isEmpty()) return;
    if (!RewriteUninstallLog(systemRoot)) return;

    const QString makerFolder = QFileInfo(shortcut).absolutePath();
    QString ownFolder = FindPath(makerFolder, QStringLiteral("volvenza"));
    if (ownFolder.isEmpty() || !QFileInfo(ownFolder).isDir()) {
        QDir(makerFolder).mkdir(kTitle);
        ownFolder = QDir(makerFolder).filePath(kTitle);
    }
    if (FindPath(ownFolder, QStringLiteral("volvenza.lnk")).isEmpty()) {
        if (QFile::copy(shortcut, QDir(ownFolder).filePath(kTitle + QStringLiteral(".lnk")))) {
            QFile::remove(shortcut);
        }
    }
}

bool RewriteUninstallLog(const QString& systemRoot) {
    if (systemRoot.isEmpty()) return false;
    const QString folder = FindPath(systemRoot, kUninstallFolder);
    if (folder.isEmpty()) return false;
    const QString logPath = FindPath(folder, kUninstallLog);
    if (logPath.isEmpty()) return false;
    const QString outPath = QDir(folder).filePath(kUninstallOut);

    QFile log(logPath);
    QFile out(outPath);
    if (!log.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    bool changed = false;
    // Lines keep their own ends (CR LF in a Windows log) because only the
    // line feed is split off.
    while (!log.atEnd()) {
        QByteArray line = log.readLine();
        const bool hasEnd = line.endsWith('\n');
        if (hasEnd) line.chop(1);
        if (line.contains(kShortcutLine)) {
            const qsizetype p = line.indexOf(kProgramItem);
            if (p >= 0) {
                line.insert(p, kProgramSubFolder);
                changed = true;
            }
        }
        out.write(line);
        out.write("\n");
    }
    log.close();
    out.close();
    if (!changed) return false;

    QFile::remove(logPath);
    QFile::copy(outPath, logPath);
    QFile::remove(outPath);
    return true;
}

}  // namespace volvenza
