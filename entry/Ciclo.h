#pragma once
// The "Ciclo" window: the whole movement list as a table to type into, and
// below it the cycle's timing diagram. The table and the movement editor
// show the same list: each edit made here is passed on to the editor, and
// each one made there shows here at once. Edits of the table can be undone
// and done again until another window changes the list.

#include <cstdint>
#include <functional>
#include <vector>

#include <QWidget>

class QLabel;

#include "documents/MovementEdit.h"
#include "engine/CircuitState.h"
#include "messages/Result.h"

class QAction;
class QKeySequence;
class QToolBar;

namespace volvenza {

class CycleDiagram;
class CycleTableModel;
class CycleTableView;
class Dialogs;
class Project;
struct DraftKey;

class Ciclo : public QWidget {
    Q_OBJECT

  public:
    Ciclo(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Ciclo() override;

    // The list was replaced as a whole (example, file).
    void FollowMovementList();
    // Another window edited the list.
    void FollowMovementEdit(const MovementEdit& edit);
    // A run or a loaded file brought new results, or the initial data
    // changed: the diagram's cycle time, pump delivery and pressure.
    void FollowResults();
    // Selects the cell of a draft; false when it is no cell of the table.
    bool FocusDraft(const DraftKey& key);

    // The window's commands. A new movement goes below the current row;
    // `kind` empty gives it the current row's kind.
    void AddMovement(int16_t kind = MovementKind::Empty);
    void DuplicateRows();
    void RemoveRows();
    void MoveRows(int delta);
    void CopyRows();
    void PasteRows();
    void Undo();
    void Redo();
    // Annulla and Ripeti go to a history shared with other windows instead
    // of the table's own; the keys are then the main window's. `joinNext`
    // is called before each announced edit that belongs to the same command
    // as the one before (a removal of rows apart), so the history keeps the
    // command as one step.
    void UseHistory(std::function<void()> undo, std::function<void()> redo,
                    std::function<void()> joinNext);
    // What the results in the diagram were computed from.
    void ShowResultsNote(const QString& note, bool stale);

    CycleTableView* Table() const { return table_; }
    CycleDiagram* Diagram() const { return diagram_; }
    CycleTableModel& Model() const { return *model_; }

    // The size it opens at: every column in view, the diagram below.
    QSize sizeHint() const override { return designSize_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildToolbar();
    QAction* MakeAction(const char* name, const char* text, const char* tooltip,
                        const QList<QKeySequence>& keys);
    void FitColumns();
    // The selected rows as slots, in order; the current row when none is.
    std::vector<int> SelectedSlots() const;
    // Selects `count` rows from `slot` and makes `column` of the first one
    // current.
    void SelectSlots(int slot, int count, int column);
    // Says why a command cannot go on.
    void Refuse(const Message& why);
    // Below the current row, or at the end without one.
    int InsertionSlot() const;
    // One value copied from one cell, into the current cell.
    void PasteValue(const QString& text);
    void OnApplied(const MovementEdit& edit);
    // The cycle time and pump delivery of the project.
    void ReadInitialData();

    Project& project_;
    CircuitState& state_;
    Dialogs& dialogs_;
    CycleTableModel* model_ = nullptr;
    CycleTableView* table_ = nullptr;
    CycleDiagram* diagram_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* note_ = nullptr;
    std::function<void()> historyUndo_;
    std::function<void()> historyRedo_;
    std::function<void()> historyJoin_;
    // An edit of the current command was announced already.
    bool commandAnnounced_ = false;
    // Set while this window's own edit is passed round the other windows.
    bool announcing_ = false;
    bool placed_ = false;
    QSize designSize_;
    // Every column in view.
    int tableWidth_ = 0;
};

}  // namespace volvenza
