#pragma once
// The movement list as a table: one row per listed movement, numbered in the
// row header, with its kind, times, the sizes of every kind in columns of
// their own and the flow, then its duty (load, efficiency, loss, a typed
// required pressure, the emergency mark and the pressure it needs),
// read straight from CircuitState. Edits reach the list through the undo
// stack (CycleCommands.h); the model applies them, tells the views and reports
// each one, so that the window can pass it on. A cell whose typed text is not
// a number keeps that text as its draft in the project, shown red, while its
// field keeps the value it had; every row is checked for times that cannot
// run.

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "documents/MovementEdit.h"
#include "documents/PastedMovements.h"
#include "engine/CircuitState.h"

class QUndoStack;

namespace volvenza {

class Project;
struct DraftKey;

class CycleTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The movement's number is the row's header; the columns are those of
    // PasteColumn, which the paste reads too.
    using enum PasteColumn::Index;
    enum class Severity { None, Warning, Error };
    struct RowCheck {
        Severity severity = Severity::None;
        QStringList reasons;
    };

    explicit CycleTableModel(Project& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Text for a time, size or flow cell, a kind code for the kind cell; the
    // edit goes through the undo stack.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    CircuitState& State() { return state_; }
    const CircuitState& State() const { return state_; }
    QUndoStack& UndoStack() { return *undo_; }

    // The checks hold movements to 0..cycleTime; with 0 (not given yet) only
    // negative times are marked.
    void SetCycleTime(float cycleTime);
    float CycleTime() const { return cycleTime_; }

    // What is wrong with a row; with a column and a text, what would be
    // wrong were that text in that cell (the check as the user types).
    RowCheck CheckRow(int row, int column = -1, const QString* text = nullptr) const;

    // The duty's cells that take a number: load, efficiency, loss, typed
    // required pressure.
    static bool IsDuty(int column) { return column >= Load && column <= TypedRequired; }
    // `text` typed into a duty's cell of `m`: false, and `m` as it was, when
    // it is not a number or out of the duty's range. Empty text is the
    // default: no load, efficiency 0,95, no loss, no typed pressure.
    static bool DutyFromText(Movement& m, int column, const QString& text);
    // A duty's cell as the table shows it (empty for a default that is none).
    static QString DutyText(const Movement& m, int column);
    // The key of a cell's draft in the project, and the column of a draft's key.
    static DraftKey KeyOf(int slot, int column);
    static int ColumnOf(const DraftKey& key);
    // A column's header: its symbol and unit.
    static QString Header(int column);

    // Changes, applied by the undo commands. Each tells the views and
    // reports itself through Applied.
    void ApplyMovement(int slot, const Movement& m);
    void ApplyInsert(int at, const std::vector<Movement>& movements);
    void ApplyRemove(int first, int count);
    void ApplyMove(int first, int last, int delta);

    // The list was replaced as a whole, or another window edited it.
    void FollowList();
    void FollowEdit(const MovementEdit& edit);

    // Typed text that is not a number stays in its cell, as its draft in the
    // project, until a number, or the same value again, replaces it. Keeping
    // one is an edit of its own; dropping one comes with the edit of the
    // value, or is told on its own by DraftDropped.
    void KeepText(int slot, int column, const QString& text);
    bool DropText(int slot, int column);
    void DraftDropped(int slot);

  signals:
    void Applied(const MovementEdit& edit);
    // A cell's draft was kept or dropped on its own: no command of the undo
    // stack, a step of its own.
    void DraftEdited(int slot);

  private:
    QString CellText(int slot, int column) const;
    bool ShowsSlot(int slot, int column) const;
    RowCheck CheckSlot(int slot, int column = -1, const QString* text = nullptr) const;
    // The slot a row shows: its own, or the one it had before a change that
    // the views are still being told of; 0 for a row that is gone.
    int SlotOf(int row) const;
    void RowsChanged(int firstSlot, int lastSlot);
    std::optional<QString> DraftOf(int slot, int column) const;

    Project& project_;
    CircuitState& state_;
    QUndoStack* undo_ = nullptr;
    // The rows the views know of; follows MovementCount at each notice.
    int rows_ = 0;
    float cycleTime_ = 0;
    std::optional<MovementEdit> lag_;
};

}  // namespace volvenza
