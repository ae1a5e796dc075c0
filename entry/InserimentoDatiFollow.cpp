// The movement editor kept in step with the list when others change it: a
// list replaced as a whole (example, file, New) and the edits of the other
// windows over the list; and its own edits told to those windows.

#include <algorithm>

#include <QLineEdit>

#include "documents/Project.h"
#include "entry/CycleTableModel.h"
#include "entry/InserimentoDati.h"
#include "entry/NumberBox.h"

namespace volvenza {

void InserimentoDati::FollowMovementList() {
    const int16_t count = state_.MovementCount;
    if (count <= 0) {
        // As after deleting the last movement: no fields, the title and
        // picture left as they were.
        state_.CurrentMovement = 0;
        HideAllFields();
    } else {
        state_.CurrentMovement = std::clamp<int16_t>(state_.CurrentMovement, 1, count);
        ShowCurrentMovement();
    }
    ShowPosition();
}

void InserimentoDati::FollowMovementEdit(const MovementEdit& edit) {
    if (announcing_) return;
    int current = state_.CurrentMovement;
    const int first = edit.first;
    const int last = edit.first + edit.count - 1;
    switch (edit.change) {
        case MovementEdit::Change::Edited:
            if (current < first || current > last) return;
            break;
        case MovementEdit::Change::Inserted:
            if (current >= first) current += edit.count;
            break;
        case MovementEdit::Change::Removed:
            // The shown movement gone: the one that followed it, as after
            // "Elimina".
            if (current > last) {
                current -= edit.count;
            } else if (current >= first) {
                current = first;
            }
            break;
    }
    state_.CurrentMovement = static_cast<int16_t>(std::clamp(current, 0, kMaxMovements));
    FollowMovementList();
}

bool InserimentoDati::FocusDraft(const DraftKey& key) {
    if (key.place != DraftKey::Place::Movement || key.movement < 1 ||
        key.movement > state_.MovementCount) {
        return false;
    }
    state_.CurrentMovement = key.movement;
    FollowMovementList();
    for (FieldRow* row : {&rows_[0], &rows_[1], &rows_[2], &rows_[3], &rows_[4], &flow_}) {
        if (KeyOf(*row) == key && row->box->isVisibleTo(this)) {
            row->box->setFocus(Qt::OtherFocusReason);
            row->box->selectAll();
            return true;
        }
    }
    for (size_t i = 0; i < dutyBoxes_.size(); ++i) {
        if (DutyKeyOf(CycleTableModel::Load + static_cast<int>(i)) == key &&
            dutyBoxes_[i]->isVisibleTo(this)) {
            dutyBoxes_[i]->setFocus(Qt::OtherFocusReason);
            dutyBoxes_[i]->selectAll();
            return true;
        }
    }
    return false;
}

void InserimentoDati::Announce(const MovementEdit& edit) {
    announcing_ = true;
    project_.MovementsEdited(edit);
    announcing_ = false;
}

void InserimentoDati::AnnounceTyping() {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount) return;
    const bool typing = editing_ != nullptr || dutyEditing_ >= 0;
    Announce({MovementEdit::Change::Edited, current, 1, typing && typingAnnounced_});
    typingAnnounced_ = typing;
}

}  // namespace volvenza
