// Start-up to a painted main window in each language, on the offscreen
// platform: the language's catalogues loaded, the program's state and main
// window built and shown, the splash put up and taken down (without its
// three one-second pauses), and the events of the first paint handled.
// Not counted: loading the process and creating QApplication, the same in
// both languages.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include "platform/Language.h"
#include "platform/Translations.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

using namespace volvenza;

void StartIn(benchmark::State& run, UiLanguage language) {
    QTemporaryDir settings;
    for (auto _ : run) {
        // Each start loads its catalogues afresh, as a new process does.
        for (QTranslator* old : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
        SetUiLanguage(language);
        InstallTranslations(*qApp, language);
        Program program({settings.path(), QCoreApplication::applicationDirPath(), QString()});
        program.Start([](int) {});
        QApplication::processEvents();
        benchmark::DoNotOptimize(program.MainWindow().isVisible());
    }
}

void BM_StartItalian(benchmark::State& run) {
    StartIn(run, UiLanguage::Italian);
}
void BM_StartEnglish(benchmark::State& run) {
    StartIn(run, UiLanguage::English);
}
BENCHMARK(BM_StartItalian)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEnglish)->Unit(benchmark::kMillisecond);

}  // namespace
