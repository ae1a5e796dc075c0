#pragma once
// The movement editor: shows one movement of the cycle at a time on the page
// of its kind, steps through the list, appends a movement of a chosen kind,
// deletes the one shown, and writes every edit into the movement table at
// once, recomputing the flow after each key released in a time or size box.

#include <array>
#include <cstdint>

#include <QPixmap>
#include <QWidget>

#include "engine/CircuitState.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace volvenza {

class Dialogs;
class NumberBox;

class InserimentoDati : public QWidget {
    Q_OBJECT

  public:
    InserimentoDati(CircuitState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Hides every label, box and unit of the field grid and the flow row.
    void HideAllFields();
    // "current/count" in Pos; each arrow enabled only where a step is possible.
    void ShowPosition();
    // The page of `kind` for the current movement, its boxes filled from the
    // slot; the flow box last, which stores the page back into the slot.
    void ShowMovementPage(int16_t kind);
    // The kind's picture; a kind without one leaves the picture as it is.
    void ShowKindPicture(int16_t kind);
    // Copies the boxes of the current page into the current slot, stopping
    // at the first box that does not hold a number, which keeps the value
    // its field had before it was edited. False when it stopped.
    bool StoreFields();
    // Appends a movement of `kind` and shows it.
    void AddMovement(int16_t kind);
    // Shows the list as it now stands after it was replaced under the
    // window: the current movement brought into 1..MovementCount, or no
    // movement at all when the list is empty.
    void FollowMovementList();
    // Shows what another window did to the list: the same movement stays
    // shown where it can, and the page is shown again when it was edited.
    void FollowMovementEdit(const MovementEdit& edit);

    // The design size: the controls sit at fixed places, there is no layout.
    QSize sizeHint() const override;

  private:
    struct FieldRow {
        QLabel* name = nullptr;
        NumberBox* box = nullptr;
        QLabel* unit = nullptr;
        // The movement field the box edits; none for a hidden row, and none
        // for the flow row, which edits Qm.
        float Movement::*field = nullptr;
        // The field's value before the box was last edited: what stays when
        // the box holds no number, so that no prefix typed on the way (1e9
        // of 1e999) is kept.
        double kept = 0;
    };

    void BuildWindow();
    FieldRow MakeRow(const char* nameLabel, const char* boxName, const char* unitLabel, int top,
                     int nameLeft, int nameWidth, int boxLeft, int unitLeft, bool keepPeriod);
    void ShowRow(FieldRow& row, const QString& name, const QString& unit, const QString& value);
    // Stores one box into its field, or puts back the kept value when the
    // box holds no number. False in that case.
    bool StoreBox(Movement& m, const FieldRow& row);
    void KeepStoredValue(FieldRow& row);
    // An edit of `row` begins (none: the page was shown or recomputed): every
    // box keeps the value its field now holds.
    void StartEditing(const FieldRow* row);
    // A box that holds no number shows red text and, as its tooltip, the
    // value that stays.
    void MarkBox(FieldRow& row);
    void MarkBoxes();
    // The kind whose page shows the current movement.
    int16_t PageKind() const;
    void ShowCurrentMovement();
    // Before the flow is computed: a movement of the empty-slot code becomes
    // the kind its page shows.
    void TakeShownKind();
    void OnAddButton(int16_t kind);
    void OnSizeKeyReleased();
    void OnFlowKeyReleased(const QKeyEvent& event);
    void OnEnterReleased(const QKeyEvent& event, const NumberBox* box);
    void OnRecompute();
    void OnStep(int delta);
    void OnDelete();
    // Tells the other windows over the list what this one did to it.
    void Announce(const MovementEdit& edit);
    // The current slot as it is now (an empty one outside the table), and
    // the announcement of an edit when it differs from `before`.
    Movement CurrentSlot() const;
    void AnnounceIfChanged(const Movement& before);

    CircuitState& state_;
    Dialogs& dialogs_;

    // Ti, Tf, then the three size rows.
    std::array<FieldRow, 5> rows_{};
    FieldRow flow_{};
    const FieldRow* editing_ = nullptr;
    // Set while this window's own announcement travels round.
    bool announcing_ = false;
    // An edit of the box being typed was announced already.
    bool typingAnnounced_ = false;
    QLabel* title_ = nullptr;
    QLabel* picture_ = nullptr;
    QLineEdit* position_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    std::array<QPixmap, 6> pictures_{};
};

}  // namespace volvenza
