// Wires the windows of entry/, views/ and report/ into the shell. Each
// folder's header is picked up as soon as it exists, so a window folder
// plugs in without touching the shell.
#include "shell/ChildWindows.h"

#if __has_include("entry/DatiIniziali.h")
#include "entry/DatiIniziali.h"
#define VOLVENZA_HAS_DATI_INIZIALI 1
#endif
#if __has_include("entry/InserimentoDati.h")
#include "entry/InserimentoDati.h"
#define VOLVENZA_HAS_INSERIMENTO_DATI 1
#endif
#if __has_include("views/Grafico.h")
#include "views/Grafico.h"
#define VOLVENZA_HAS_GRAFICO 1
#endif
#if __has_include("views/Tabella.h")
#include "views/Tabella.h"
#define VOLVENZA_HAS_TABELLA 1
#endif
#if __has_include("report/PrintReport.h")
#include "report/PrintReport.h"
#define VOLVENZA_HAS_REPORT 1
#endif

namespace volvenza {

ChildWindows ProgramChildWindows() {
    ChildWindows windows;
#ifdef VOLVENZA_HAS_DATI_INIZIALI
    windows.factories[QStringLiteral("DatiIniziali")] = [](CircuitState& state, Dialogs& dialogs) {
        return new DatiIniziali(state, dialogs);
    };
    windows.readInitialData = [](QWidget* window, CircuitData& data) {
        return static_cast<DatiIniziali*>(window)->ReadBoxes(data);
    };
    windows.writeInitialData = [](QWidget* window, const CircuitData& data) {
        static_cast<DatiIniziali*>(window)->WriteBoxes(data);
    };
#endif
#ifdef VOLVENZA_HAS_INSERIMENTO_DATI
    windows.factories[QStringLiteral("InserimentoDati")] =
        [](CircuitState& state, Dialogs& dialogs) { return new InserimentoDati(state, dialogs); };
#endif
#ifdef VOLVENZA_HAS_GRAFICO
    windows.factories[QStringLiteral("Grafico")] = [](CircuitState& state, Dialogs& dialogs) {
        return new Grafico(state, dialogs);
    };
    windows.saveChartBitmap = [](QWidget* chart, const QString& path) {
        return static_cast<Grafico*>(chart)->SaveChartBitmap(path);
    };
#endif
#ifdef VOLVENZA_HAS_TABELLA
    windows.factories[QStringLiteral("Tabella")] = [](CircuitState& state, Dialogs& dialogs) {
        return new Tabella(state, dialogs);
    };
    windows.fillResultsTable = [](QWidget* table) {
        static_cast<Tabella*>(table)->FillResultsTable();
    };
#endif
#ifdef VOLVENZA_HAS_REPORT
    windows.printActiveWindow = &PrintActiveWindow;
#endif
    return windows;
}

}  // namespace volvenza
