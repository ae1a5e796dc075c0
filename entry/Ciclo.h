#pragma once
// The "Ciclo" window: the whole movement list as a table to type into, and
// below it the cycle's timing diagram. The table and the movement editor
// show the same list: each edit made here is passed on to the editor, and
// each one made there shows here at once. Edits of the table can be undone
// and done again until another window changes the list.

#include <cstdint>
#include <vector>

#include <QWidget>

#include "engine/CircuitState.h"

class QAction;
class QKeySequence;
class QToolBar;

namespace volvenza {

class CycleDiagram;
class CycleTableModel;
class CycleTableView;
class Dialogs;

class Ciclo : public QWidget {
    Q_OBJECT

  public:
    Ciclo(CircuitState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // The list was replaced as a whole (example, file).
    void FollowMovementList();
    // Another window edited the list.
    void FollowMovementEdit(const MovementEdit& edit);
    // A run or a loaded file brought new results.
    void FollowResults();

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
    // False, after the editor's message, when `count` more movements would
    // pass 1000.
    bool RoomFor(int count);
    // Below the current row, or at the end without one.
    int InsertionSlot() const;
    void OnApplied(const MovementEdit& edit);
    // The cycle time and pump delivery as the initial-data boxes hold them.
    void ReadInitialData();

    CircuitState& state_;
    Dialogs& dialogs_;
    CycleTableModel* model_ = nullptr;
    CycleTableView* table_ = nullptr;
    CycleDiagram* diagram_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    // Set while this window's own edit is passed round the other windows.
    bool announcing_ = false;
    bool placed_ = false;
    QSize designSize_;
};

}  // namespace volvenza
