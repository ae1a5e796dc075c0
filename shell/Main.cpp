#include <QApplication>
#include <QDir>
#include <QIcon>

#include "platform/SettingsStore.h"
#include "platform/Translations.h"
#include "shell/Artwork.h"
#include "shell/Program.h"
#include "shell/ProgramIdentity.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    volvenza::InstallItalianTranslations(app);
    QApplication::setApplicationName(volvenza::kTitle);
    QApplication::setApplicationVersion(volvenza::VersionNumber());
    QApplication::setWindowIcon(QIcon(volvenza::ProgramIcon()));
    volvenza::Program program({volvenza::SettingsStore::DefaultFolder(),
                               QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                               QDir::rootPath()});
    program.Start(volvenza::SleepPause);
    return app.exec();
}
