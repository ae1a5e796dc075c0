#pragma once
// How the shell reaches the child windows and the commands that other
// folders provide. The main window creates child windows by name through
// these factories and calls the hooks for the work that lives in the
// windows themselves. An empty factory or hook means "not built yet": the
// command then does nothing.

#include <functional>
#include <map>
#include <optional>

#include <QString>

#include "documents/MovementEdit.h"
#include "documents/Project.h"
#include "engine/CircuitState.h"
#include "engine/EnergyBalance.h"
#include "messages/Result.h"

class QPrinter;
class QWidget;

namespace volvenza {

class Dialogs;

// Creates the window over the project (not shown; the shell puts it into
// its frame).
using ChildFactory = std::function<QWidget*(Project& project, Dialogs& dialogs)>;

struct ChildWindows {
    // By window name: "DatiIniziali", "InserimentoDati", "Ciclo", "Grafico",
    // "Tabella", "BilancioEnergetico", "Dimensionamento".
    std::map<QString, ChildFactory> factories;

    // Makes a DatiIniziali or Ciclo window show the initial data as they
    // now stand in the project.
    std::function<void(QWidget* window)> followInitialData;
    // Shows, in a DatiIniziali, InserimentoDati or Ciclo window, the box of
    // a draft with the focus; false when the window has no such box.
    std::function<bool(QWidget* window, const DraftKey& key)> focusDraft;

    // Makes an InserimentoDati or Ciclo window show the movement list as it
    // now stands.
    std::function<void(QWidget* window)> followMovementList;
    // Tells an InserimentoDati or Ciclo window what another window did to
    // the list.
    std::function<void(QWidget* window, const MovementEdit& edit)> followMovementEdit;
    // Tells a Ciclo window that a run or a loaded file brought new results.
    std::function<void(QWidget* window)> followResults;

    // The requirements and last recommendation of a Dimensionamento window,
    // for the project file, and the ones of an opened project shown there.
    std::function<ProjectSizing(QWidget* window)> sizingOf;
    std::function<void(QWidget* window, const ProjectSizing& sizing)> showSizing;
    // Tells a Dimensionamento window the project changed (it marks an answer
    // found for other inputs as out of date), and where to show the box of
    // a draft that stops its search.
    std::function<void(QWidget* window)> followSizingInputs;
    std::function<void(QWidget* window, std::function<void(const DraftKey&)> showDraft)>
        whenSizingStopped;
    // Shows on a BilancioEnergetico window the current results' balance;
    // no inputs while the results no longer belong to the data.
    std::function<void(QWidget* window, const std::optional<EnergyInputs>& inputs)>
        showEnergyBalance;

    // Refills a Tabella window from the current results.
    std::function<void(QWidget* table)> fillResultsTable;
    // Draws a Grafico window's chart again from the current results.
    std::function<void(QWidget* chart)> redrawChart;
    // Shows on a Grafico, Tabella, BilancioEnergetico or Ciclo window what its results were
    // computed from (empty without results), marked when they are out of date.
    std::function<void(QWidget* window, const QString& note, bool stale)> showResultsNote;
    // Makes a Ciclo window's Annulla and Ripeti those of the project;
    // `joinNext` makes the next announced edit part of the step before.
    std::function<void(QWidget* window, std::function<void()> undo, std::function<void()> redo,
                       std::function<void()> joinNext)>
        useProjectHistory;
    // Writes the committed chart picture of a Grafico window; the message on
    // failure.
    std::function<Status(QWidget* chart, const QString& path)> saveChartBitmap;
    // Whether the window's contents print: the initial data, the movement
    // editor, the table, the chart, or the sizing window once it has an answer.
    std::function<bool(const QWidget* window)> printsReport;
    // Forgets what the chart was asked to show besides the curve (Nuovo).
    std::function<void()> resetChartOptions;
    // The print command, for whichever child window is active (or none);
    // `design` names the design on the pages that name it.
    std::function<void(CircuitState& state, Dialogs& dialogs, QPrinter& printer,
                       const QString& printHeader, const QString& design, const QString& origin,
                       const std::optional<EnergyInputs>& energy, QWidget* activeChild)>
        printActiveWindow;
    // What the print command prints for the window on that printer, written
    // to a PDF file instead; the message on failure.
    std::function<Status(const QString& path, const QPrinter& printer, const CircuitState& state,
                         const QString& printHeader, const QString& design, const QString& origin,
                         const std::optional<EnergyInputs>& energy, QWidget& window)>
        exportWindowPdf;
};

// The program's own windows, as far as their folders are built.
ChildWindows ProgramChildWindows();

}  // namespace volvenza
