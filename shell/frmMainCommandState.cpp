// The command-state rule: which toolbar buttons and menu entries each state
// code switches on and off.

#include <QMenuBar>
#include <QToolBar>

#include "shell/frmMain.h"

namespace volvenza {
namespace {

// What each state code does to an entry: '+' enables, '-' disables, ' '
// leaves it as it is. Entries not listed are always enabled.
struct CommandStateRow {
    const char* entry;
    bool onToolBar;
    char code1, code2, code3, code100;
};

constexpr CommandStateRow kCommandStates[] = {
    {"Open", true, '+', '+', '+', ' '},
    {"Save", true, '-', '-', '+', ' '},
    {"Print", true, '+', ' ', ' ', ' '},
    {"Simulazione", true, '-', '+', '+', '+'},
    {"Grafico", true, '-', '-', '+', ' '},
    {"Tabella", true, '-', '-', '+', ' '},
    {"mnuSimulazioneInizio", false, '-', '+', '+', '+'},
    {"mnuSimulazioneGrafico", false, '-', '-', '+', ' '},
    {"mnuSimulazioneTabella", false, '-', '-', '+', ' '},
    {"mnuSimulazioneBilancio", false, '-', '-', '+', ' '},
    {"mnuCalcoloDimensionamento", false, '-', '+', '+', '+'},
    {"mnuFileSave", false, '-', '-', '+', ' '},
    {"mnuFileSaveAs", false, '-', '-', '+', ' '},
    {"mnuFileEsporta", false, '-', '-', '+', ' '},
    {"mnuFileEsportaGrafico", false, '-', '-', '+', ' '},
    {"mnuFileEsportaCsv", false, '-', '-', '+', ' '},
    {"mnuFilePrint", false, '+', ' ', '+', ' '},
    {"mnuFileEsportaPdf", false, '+', ' ', '+', ' '},
};

}  // namespace

void frmMain::UpdateCommandState(int16_t code) {
    for (const CommandStateRow& row : kCommandStates) {
        char change = ' ';
        switch (code) {
            case 1:
                change = row.code1;
                break;
            case 2:
                change = row.code2;
                break;
            case 3:
                change = row.code3;
                break;
            case 100:
                change = row.code100;
                break;
            default:
                return;
        }
        if (change == ' ') continue;
        QObject* owner = row.onToolBar ? static_cast<QObject*>(toolBar_) : menuBar();
        if (auto* action = owner->findChild<QAction*>(QString::fromLatin1(row.entry))) {
            action->setEnabled(change == '+');
        }
    }
}

}  // namespace volvenza
