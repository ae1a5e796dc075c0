#pragma once
// The main window: a multiple-document frame with the menu bar, the toolbar
// and the status bar. Its commands hand over at once to the engine, the
// documents and the child windows; the commands are on and off as the
// project's stage (empty, data, results) has them.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>

#include <QMainWindow>
#include <QPointer>

#include "documents/Project.h"
#include "engine/CircuitState.h"
#include "engine/Simulation.h"
#include "platform/HelpViewer.h"
#include "shell/ChildWindows.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace volvenza {

class AvanzamentoSimulazione;
class Dialogs;
class SettingsStore;

struct ShellContext {
    CircuitState& state;
    SettingsStore& settings;
    Dialogs& dialogs;
    HelpViewer& help;
    ChildWindows windows;
    // The folder the program runs from, written into the maker's program list.
    QString programFolder;
    // The folder that stands for the system drive when the start-menu
    // shortcut is tidied (the real root unless a test gives its own).
    QString systemRoot;
};

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    // Where a command was started: the toolbar goes on with a command's next
    // step when one fails, the menu bar reports the failure and stops.
    enum class Origin { ToolBar, Menu };

    // Runs the window's opening: the program-list entry, the stored bounds
    // and print header, and the commands of an empty project.
    explicit frmMain(ShellContext context, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads a simulation file as "Apri..." does once its dialog has returned
    // the name; a file that cannot be loaded gives the loader's message.
    void OpenSimulationFile(const QString& path);

    // The loaded child window of that name, shown or hidden, or nullptr.
    QWidget* FindChildWindow(const QString& name) const;
    // Creates the child window hidden if it is not loaded yet.
    QWidget* LoadChildWindow(const QString& name);
    // Creates it if needed, shows it and brings it to the front.
    QWidget* ShowChildWindow(const QString& name);
    // The child window that has (or last had) the focus, or nullptr.
    QWidget* ActiveChildWindow() const;
    // Closes every window of the program except this one.
    void CloseChildWindows();

    QString PrintHeader() const { return printHeader_; }
    // The design's file name as pages name it: "senza nome" before it has one.
    QString DesignName() const;
    // The printer chosen under "Imposta pagina...", kept for printing.
    QPrinter& Printer();

    CircuitState& State() { return context_.state; }
    // The user's work: every window reads and changes it here.
    Project& CurrentProject() { return *project_; }
    // After Nuovo and Esempio: the file dialogs start in the last folder,
    // with no name.
    void ForgetFileName();
    // The design's file becomes `path`, named in the title bar.
    void SetDesignFile(const QString& path);
    // "Legge del gas: ..." for the results in view, with "Risultati non
    // aggiornati: i dati sono cambiati" before it when they are out of date,
    // and where they fall below the applied p1; empty without results.
    QString ResultsNote() const;
    // "sotto p1 = 130 bar da 1,52 s a 1,91 s" where the results fall below
    // the p1 of the sizing applied; empty where they do not.
    QString BelowAppliedP1() const;
    // Per movement with a load or a typed pressure: what it needs, the lowest
    // while it runs and where, the margin; with the classic law, that it is
    // not judged. Empty without such movements or current results.
    QString MovementDutiesNote() const;
    // The energy balance's inputs: the project's requirements and applied
    // p1; nothing while the results are not the data's, whose balance would
    // mix the run with data it was not made from.
    std::optional<EnergyInputs> EnergyInputsNow() const;
    const ChildWindows& Windows() const { return context_.windows; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // No context menu of bars: the View menu alone shows and hides them, so
    // its check marks always tell the truth.
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void BuildMenus();
    void BuildFileMenu();
    void BuildViewMenu();
    void BuildSimulationMenu();
    void BuildCalculationMenu();
    void BuildWindowMenu();
    void BuildHelpMenu();
    QMenu* AddMenu(const char* name, const QString& title);
    // The command runs from the menu when the entry is chosen.
    void OnMenu(QAction* action, void (frmMain::*command)(Origin));
    void OpensChild(QAction* action, const char* window);
    void BuildToolBar();
    void BuildStatusBar();
    QAction* MenuEntry(QMenu* menu, const char* name, const QString& caption);
    // The names of the keys that held no number and were reset.
    QStringList RestoreBounds();
    // The restored bounds are the client area's; the window system adds the
    // frame only once the window is up, and the screen must hold it too.
    void FitFrameOnScreen();
    void StoreBounds();
    void FillWindowMenu();
    QMdiSubWindow* SubWindowOf(const QWidget* child) const;
    QWidget* CreateChildWindow(const QString& name);
    // Before a child window shows: the main window grows, within the
    // screen's free area, until its client area holds the child; a child
    // it still cannot hold is fitted into the client area.
    void MakeRoomFor(QMdiSubWindow* sub);

    void RunToolButton(const QString& key);

    // Commands.
    void NewSimulation(Origin origin);
    void OpenSimulation(Origin origin);
    void LoadFile(const QString& path);
    void SaveSimulationAs(Origin origin);
    // The sizing a project saved now would keep, taken from an open
    // Dimensionamento window into the project first.
    ProjectSizing CurrentSizing();
    void TakeSizingFrom(QWidget* window);
    // Replaces the whole project, as one undo step, with the work `reset`
    // leaves (Nuovo, Esempio; Apri may fail, and replaces it itself).
    void ReplaceProject(const char* label, const std::function<void()>& reset);
    // The gas law of the settings, for work that brings none of its own.
    void UseSettingsGas();
    // The commands on and off as the project's stage has them.
    void ShowCommandState();
    // The run of the project as it stands: its questions asked, its progress
    // shown, its messages said; the results, unless refused, the project's.
    RunOutcome RunProject();
    // Whether a draft stops the command: a box's text that is no number
    // stops what reads the data. A yes/no answer for the caller, which only
    // stops; the person is asked nothing. When a draft stops it, the
    // project's message for it (DraftMessage) is said here and the box shown
    // where its window is open: here are both the dialogs and the windows.
    bool StoppedByDraft(DraftStops stops);
    void ShowDraft(const DraftKey& key);
    void ProjectChanged(unsigned parts);
    // Annulla and Ripeti on when the history has a step for them.
    void ShowHistoryState();
    void FollowProjectInWindow(QWidget* window);
    void SaveRecoveryPoint(const ProjectSnapshot& snapshot);
    // The status bar's line while a session that ended without closing
    // has points waiting.
    void ShowRecoverable();
    void UndoProject(Origin origin);
    void RedoProject(Origin origin);
    void RecoverWork(Origin origin);
    // The name an export's dialog offers: the design's with `extension`.
    QString ExportOffer(const char* extension) const;
    void ExportTable(Origin origin);
    void ExportChart(Origin origin);
    void ExportPdf(Origin origin);
    void ExportCsv(Origin origin);
    void PageSetup(Origin origin);
    void Print(Origin origin);
    void ShowOptions(Origin origin);
    void ShowGasModel(Origin origin);
    void ShowAbout(Origin origin);
    void ShowHelp(Origin origin, bool search);
    void ShowHelpAt(Origin origin, HelpCommand command, const QString& key);
    // F1: the help at the page of the window in front.
    void ShowHelpForActiveWindow(Origin origin);
    void GiveSeparateWindowsHelp();
    void LoadExample(Origin origin);
    void Run(Origin origin);
    void ShowTable(Origin origin);
    void ShowChild(Origin origin, const QString& name);
    void ToggleToolBar(Origin origin);
    void ToggleStatusBar(Origin origin);
    void TileChildWindows(Origin origin, Qt::Orientation orientation);
    void ArrangeIcons(Origin origin);
    void CascadeChildWindows(Origin origin);

    ShellContext context_;
    QPointer<AvanzamentoSimulazione> progress_;
    std::unique_ptr<QPrinter> printer_;
    QString printHeader_;
    // The design's own file, opened or saved last; after Nuovo and Esempio
    // only its folder. The save dialog offers it, the exports its name with
    // their own extension.
    QString designFile_;
    std::unique_ptr<Project> project_;
    // The duties' note of a revision and law: judging runs the exact engine.
    mutable std::optional<std::tuple<uint64_t, int, QString>> dutiesNote_;
    std::unique_ptr<RecoveryStore> recovery_;
    // A recovery point within a second of the first change after the last one.
    QTimer* recoveryTimer_ = nullptr;
    QAction* undoEntry_ = nullptr;
    QAction* redoEntry_ = nullptr;
    // The bounds as read from the settings (twips) and the pixels they gave:
    // a bound still at its pixel value is stored back as read, not rounded
    // through the pixels.
    std::array<float, 4> restoredTwips_{};
    std::array<int, 4> restoredPixels_{};
    // From the first showing until the window system has given the frame.
    bool framePending_ = false;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* windowMenu_ = nullptr;
};

}  // namespace volvenza
