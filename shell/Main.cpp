#include <QApplication>
#include <QDir>

#include "platform/SettingsStore.h"
#include "shell/Program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    volvenza::Program program({volvenza::SettingsStore::DefaultFolder(),
                               QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                               QDir::rootPath()});
    program.Start(volvenza::SleepPause);
    return app.exec();
}
