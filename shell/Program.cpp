#include "shell/Program.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "shell/ProgramIdentity.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

namespace volvenza {

void SleepPause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

Program::Program(const ProgramPlaces& places)
    : settings_(places.settingsFolder), help_(kHelpFile), places_(places) {}

Program::~Program() = default;

void Program::Start(const Pause& pause) {
    InitCircuitState(state_);
    main_ = std::make_unique<frmMain>(ShellContext{state_, settings_, dialogs_, help_,
                                                   ProgramChildWindows(), places_.programFolder,
                                                   places_.systemRoot});
    dialogs_.SetOwner(main_.get());
    main_->show();

    frmSplash splash;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = splash.rect();
        place.moveCenter(screen->geometry().center());
        splash.move(place.topLeft());
    }
    splash.show();
    splash.raise();
    splash.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (int step = 1; step <= 3; ++step) {
        splash.SetProgress(static_cast<float>(step));
        splash.repaint();
        pause(1000);
    }
    splash.close();
}

}  // namespace volvenza
