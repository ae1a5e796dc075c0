// The command-state rule: which toolbar buttons and menu entries the
// project's stage switches on and off. Nothing else sets them: a loader, a
// run or a window changes the project, and the commands follow it.

#include <QMenuBar>
#include <QToolBar>

#include "shell/frmMain.h"

namespace volvenza {
namespace {

// Whether an entry is on in each stage: an empty project, one with data,
// one with results. Entries not listed are always on.
struct CommandStateRow {
    const char* entry;
    bool onToolBar;
    bool empty, data, results;
};

constexpr CommandStateRow kCommandStates[] = {
    {"Save", true, false, false, true},
    {"Simulazione", true, false, true, true},
    {"Grafico", true, false, false, true},
    {"Tabella", true, false, false, true},
    {"mnuSimulazioneInizio", false, false, true, true},
    {"mnuSimulazioneGrafico", false, false, false, true},
    {"mnuSimulazioneTabella", false, false, false, true},
    {"mnuSimulazioneBilancio", false, false, false, true},
    {"mnuCalcoloDimensionamento", false, false, true, true},
    {"mnuFileSave", false, false, false, true},
    {"mnuFileSaveAs", false, false, false, true},
    {"mnuFileEsporta", false, false, false, true},
    {"mnuFileEsportaGrafico", false, false, false, true},
    {"mnuFileEsportaCsv", false, false, false, true},
};

}  // namespace

void frmMain::ShowCommandState() {
    const ProjectStage stage = project_->Stage();
    for (const CommandStateRow& row : kCommandStates) {
        const bool on = stage == ProjectStage::Results ? row.results
                        : stage == ProjectStage::Data  ? row.data
                                                       : row.empty;
        QObject* owner = row.onToolBar ? static_cast<QObject*>(toolBar_) : menuBar();
        if (auto* action = owner->findChild<QAction*>(QString::fromLatin1(row.entry))) {
            action->setEnabled(on);
        }
    }
}

}  // namespace volvenza
