// The movement editor kept in step with the list when others change it: a
// list replaced as a whole (example, file, New) and the edits of the other
// windows over the list; and its own edits told to those windows.

#include <algorithm>

#include "entry/InserimentoDati.h"

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

void InserimentoDati::Announce(const MovementEdit& edit) {
    announcing_ = true;
    state_.Ui().MovementsEdited(edit);
    announcing_ = false;
}

Movement InserimentoDati::CurrentSlot() const {
    const int16_t current = state_.CurrentMovement;
    if (current < 0 || current > kMaxMovements) return Movement{};
    return state_.Movements[current];
}

void InserimentoDati::AnnounceIfChanged(const Movement& before) {
    const int16_t current = state_.CurrentMovement;
    if (current < 1 || current > state_.MovementCount || CurrentSlot() == before) return;
    Announce({MovementEdit::Change::Edited, current, 1, editing_ != nullptr && typingAnnounced_});
    typingAnnounced_ = editing_ != nullptr;
}

}  // namespace volvenza
