#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QIcon>

#include "platform/SettingsStore.h"
#include "platform/Translations.h"
#include "shell/Artwork.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"
#include "shell/ProgramIdentity.h"
#include "shell/SettingsKeys.h"
#include "shell/frmMain.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The folder that stands for the old Windows system drive when the start-menu
// shortcut is tidied. Elsewhere there is none: the installed menu entry is
// the program's, and nothing outside the settings store is touched.
QString SystemRoot() {
#ifdef Q_OS_WIN
    return QDir::rootPath();
#else
    return QString();
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    // Usage and version print in the terminal, with no window and no display.
    if (const auto reply = volvenza::TerminalRequest(Arguments(argc, argv))) {
        std::fputs(volvenza::InTerminalLanguage(*reply).toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // The language of this run: the one chosen in the options, or the locale's.
    {
        const volvenza::SettingsStore settings(volvenza::SettingsStore::DefaultFolder());
        const QString choice = volvenza::ReadSetting(settings, volvenza::Setting::Language);
        volvenza::SetUiLanguage(volvenza::ResolveLanguage(
            volvenza::LanguageChoiceFromText(choice.toUtf8().constData())));
    }
    volvenza::InstallTranslations(app, volvenza::CurrentUiLanguage());
    const auto file = volvenza::ParseStartArguments(QCoreApplication::arguments());
    if (!file) {
        std::fputs(volvenza::StartRefusalText(file.Error()).toLocal8Bit().constData(), stderr);
        return 64;
    }
    QApplication::setApplicationName(volvenza::kTitle);
    QApplication::setApplicationVersion(volvenza::VersionNumber());
    QApplication::setWindowIcon(QIcon(volvenza::ProgramIcon()));
    // Lets the desktop match the window to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.volvenza"));
    volvenza::Program program({volvenza::SettingsStore::DefaultFolder(),
                               QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                               SystemRoot()});
    program.Start(volvenza::SleepPause);
    if (!file->isEmpty()) program.MainWindow().OpenSimulationFile(*file);
    return app.exec();
}
