#include "entry/CycleCommands.h"

#include <algorithm>

#include <QCoreApplication>
#include <QUndoCommand>
#include <QUndoStack>

#include "entry/ActuatorPages.h"
#include "entry/CycleEdits.h"
#include "entry/CycleTableModel.h"
#include "numbers/NumberText.h"

namespace volvenza {
namespace {

const char* const kEditText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Modifica del movimento %1");
const char* const kKindText =
    QT_TRANSLATE_NOOP("volvenza::Ciclo", "Cambio di tipo del movimento %1");
const char* const kRemoveText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Eliminazione di movimenti");
const char* const kMoveText = QT_TRANSLATE_NOOP("volvenza::Ciclo", "Spostamento di movimenti");

QString Text(const char* source) {
    return QCoreApplication::translate("volvenza::Ciclo", source);
}

class SetMovement : public QUndoCommand {
  public:
    SetMovement(CycleTableModel& model, int slot, const Movement& before, const Movement& after,
                const QString& text)
        : QUndoCommand(text), model_(model), slot_(slot), before_(before), after_(after) {}
    void redo() override { model_.ApplyMovement(slot_, after_); }
    void undo() override { model_.ApplyMovement(slot_, before_); }

  private:
    CycleTableModel& model_;
    int slot_;
    Movement before_;
    Movement after_;
};

class Insert : public QUndoCommand {
  public:
    Insert(CycleTableModel& model, int at, std::vector<Movement> movements, const QString& text)
        : QUndoCommand(text), model_(model), at_(at), movements_(std::move(movements)) {}
    void redo() override { model_.ApplyInsert(at_, movements_); }
    void undo() override { model_.ApplyRemove(at_, static_cast<int>(movements_.size())); }

  private:
    CycleTableModel& model_;
    int at_;
    std::vector<Movement> movements_;
};

// Runs of neighbouring chosen: removed from the last run to the first, so
// that the places of the others hold, and put back in the opposite order.
class Remove : public QUndoCommand {
  public:
    struct Run {
        int first;
        std::vector<Movement> movements;
    };
    Remove(CycleTableModel& model, std::vector<Run> runs)
        : QUndoCommand(Text(kRemoveText)), model_(model), runs_(std::move(runs)) {}
    void redo() override {
        for (auto run = runs_.rbegin(); run != runs_.rend(); ++run) {
            model_.ApplyRemove(run->first, static_cast<int>(run->movements.size()));
        }
    }
    void undo() override {
        for (const Run& run : runs_) model_.ApplyInsert(run.first, run.movements);
    }

  private:
    CycleTableModel& model_;
    std::vector<Run> runs_;
};

class Move : public QUndoCommand {
  public:
    Move(CycleTableModel& model, int first, int last, int delta)
        : QUndoCommand(Text(kMoveText)), model_(model), first_(first), last_(last), delta_(delta) {}
    void redo() override { model_.ApplyMove(first_, last_, delta_); }
    void undo() override { model_.ApplyMove(first_ + delta_, last_ + delta_, -delta_); }

  private:
    CycleTableModel& model_;
    int first_;
    int last_;
    int delta_;
};

}  // namespace

bool EditCell(CycleTableModel& model, int slot, int column, const QString& text) {
    CircuitState& state = model.State();
    if (slot < 1 || slot > state.MovementCount) return false;
    const Movement before = state.Movements[slot];
    Movement after = before;
    const std::string typed = text.toStdString();
    if (column == CycleTableModel::Flow) {
        const auto value = ParseNumber<double>(typed);
        if (!value) {
            model.KeepText(slot, column, text);
            return false;
        }
        after.Qm = *value;
    } else if (CycleTableModel::IsDuty(column)) {
        // A duty's figure leaves the flow alone; out of range it stays text.
        if (!CycleTableModel::DutyFromText(after, column, text)) {
            model.KeepText(slot, column, text);
            return false;
        }
    } else {
        float Movement::*field = PasteColumnField(column);
        const auto value = ParseNumber<float>(typed);
        if (field == nullptr) return false;
        if (!value) {
            model.KeepText(slot, column, text);
            return false;
        }
        // Retyping the value that is there changes nothing, flow included.
        if (*value == before.*field && before.Kind != MovementKind::Empty) {
            if (model.DropText(slot, column)) model.DraftDropped(slot);
            return false;
        }
        after.*field = *value;
        after.Kind = ListedKind(before.Kind);
        after = WithComputedFlow(state, slot, after);
    }
    bool dropped = model.DropText(slot, column);
    // A recomputed flow takes the place of what was typed there.
    if (column != CycleTableModel::Flow && !CycleTableModel::IsDuty(column) &&
        after.Qm != before.Qm) {
        dropped = model.DropText(slot, CycleTableModel::Flow) || dropped;
    }
    if (after == before) {
        if (dropped) model.DraftDropped(slot);
        return false;
    }
    model.UndoStack().push(new SetMovement(model, slot, before, after, Text(kEditText).arg(slot)));
    return true;
}

bool MarkEmergency(CycleTableModel& model, int slot, bool marked) {
    CircuitState& state = model.State();
    if (slot < 1 || slot > state.MovementCount) return false;
    const Movement before = state.Movements[slot];
    if (before.Duty.Emergency == marked) return false;
    Movement after = before;
    after.Duty.Emergency = marked;
    model.UndoStack().push(new SetMovement(model, slot, before, after, Text(kEditText).arg(slot)));
    return true;
}

bool ChangeKind(CycleTableModel& model, int slot, int16_t kind) {
    CircuitState& state = model.State();
    if (slot < 1 || slot > state.MovementCount || PageForKind(kind) == nullptr) return false;
    const Movement before = state.Movements[slot];
    if (ListedKind(before.Kind) == kind && before.Kind != MovementKind::Empty) return false;
    // The flow comes from the new kind's sizes alone, never from the old kind.
    Movement renamed = WithKind(before, kind);
    renamed.Qm = 0;
    const Movement after = WithComputedFlow(state, slot, renamed);
    model.UndoStack().push(new SetMovement(model, slot, before, after, Text(kKindText).arg(slot)));
    return true;
}

void InsertRows(CycleTableModel& model, int at, const std::vector<Movement>& movements,
                const QString& what) {
    if (movements.empty()) return;
    model.UndoStack().push(new Insert(model, at, movements, what));
}

void RemoveRows(CycleTableModel& model, std::vector<int> chosen) {
    const CircuitState& state = model.State();
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    std::vector<Remove::Run> runs;
    for (int slot : chosen) {
        if (slot < 1 || slot > state.MovementCount) continue;
        if (runs.empty() || runs.back().first + int(runs.back().movements.size()) != slot) {
            runs.push_back({slot, {}});
        }
        runs.back().movements.push_back(state.Movements[slot]);
    }
    if (!runs.empty()) model.UndoStack().push(new Remove(model, std::move(runs)));
}

void MoveRows(CycleTableModel& model, int first, int last, int delta) {
    const int count = model.State().MovementCount;
    if ((delta != -1 && delta != 1) || first < 1 || last < first || first + delta < 1 ||
        last + delta > count) {
        return;
    }
    model.UndoStack().push(new Move(model, first, last, delta));
}

}  // namespace volvenza
