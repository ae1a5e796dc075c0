#pragma once
// Everything the running program is made of, and the start-up sequence:
// the shared state, the settings store, the dialogs, the help viewer and the
// main window.

#include <functional>
#include <memory>

#include <QString>

#include "engine/CircuitState.h"
#include "platform/HelpWindow.h"
#include "platform/QtDialogs.h"
#include "platform/SettingsStore.h"

namespace volvenza {

class frmMain;

// Blocks the thread for the given milliseconds; tests pass a shorter one.
using Pause = std::function<void(int milliseconds)>;
void SleepPause(int milliseconds);

struct ProgramPlaces {
    QString settingsFolder;  // where the settings store keeps its files
    QString programFolder;   // the folder the program runs from
    QString systemRoot;      // what stands for drive c: when tidying the shortcut
};

class Program {
  public:
    explicit Program(const ProgramPlaces& places);
    ~Program();

    // Main: the engine's start values, the main window opened and shown,
    // then the splash over it for three pauses of one second.
    void Start(const Pause& pause);

    frmMain& MainWindow() { return *main_; }
    CircuitState& State() { return state_; }

  private:
    CircuitState state_;
    SettingsStore settings_;
    QtDialogs dialogs_;
    ResourceHelpViewer help_;
    ProgramPlaces places_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace volvenza
