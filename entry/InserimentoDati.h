#pragma once
// The movement editor: shows one movement of the cycle at a time on the page
// of its kind, steps through the list, appends a movement of a chosen kind,
// deletes the one shown, and writes every edit into the project at once,
// recomputing the flow after each edit of a time or a size. Only what is
// typed is written: showing a movement changes nothing. Text that is not a
// number stays as the box's draft, in the project.

#include <array>
#include <cstdint>

#include <QPixmap>
#include <QWidget>

#include "documents/MovementEdit.h"
#include "engine/CircuitState.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace volvenza {

class Dialogs;
class NumberBox;
class Project;
struct DraftKey;

class InserimentoDati : public QWidget {
    Q_OBJECT

  public:
    InserimentoDati(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);

    // Hides every label, box and unit of the field grid and the flow row.
    void HideAllFields();
    // "current/count" in Pos; each arrow enabled only where a step is possible.
    void ShowPosition();
    // The page of `kind` for the current movement, its boxes filled from the
    // slot and its drafts.
    void ShowMovementPage(int16_t kind);
    // The kind's picture; a kind without one leaves the picture as it is.
    void ShowKindPicture(int16_t kind);
    // Appends a movement of `kind` and shows it.
    void AddMovement(int16_t kind);
    // Shows the list as it now stands after it was replaced under the
    // window: the current movement brought into 1..MovementCount, or no
    // movement at all when the list is empty.
    void FollowMovementList();
    // Shows what another window did to the list: the same movement stays
    // shown where it can, and the page is shown again when it was edited.
    void FollowMovementEdit(const MovementEdit& edit);
    // Shows the movement of a draft with its box in the focus; false when
    // the draft is not a movement's box this window shows.
    bool FocusDraft(const DraftKey& key);

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
    void BuildAddButtons();
    // The page's title and picture.
    void BuildHeading();
    // The time and size rows, and the flow's.
    void BuildFieldRows();
    // Elimina, Ricalcola, the arrows and the position between them.
    void BuildStepButtons();
    void SetFocusOrder();
    // The names and units that are the same on every page.
    void LabelFixedRows();
    FieldRow MakeRow(const char* nameLabel, const char* boxName, const char* unitLabel, int top,
                     int nameLeft, int nameWidth, int boxLeft, int unitLeft, bool keepPeriod);
    void ShowRow(FieldRow& row, const QString& name, const QString& unit, const QString& value);
    // The box's draft in the project, or the value's own text.
    QString ShownText(const FieldRow& row, const QString& value) const;
    DraftKey KeyOf(const FieldRow& row) const;
    // Takes what was typed into the box: its value, or its draft with the
    // value kept from before the edit; a time or a size recomputes the flow.
    void OnBoxEdited(FieldRow& row);
    void KeepStoredValue(FieldRow& row);
    // An edit of `row` begins (none: the page was shown or recomputed): every
    // box keeps the value its field now holds.
    void StartEditing(const FieldRow* row);
    // A box with a draft shows red text and, as its tooltip, the value that
    // stays.
    void MarkBox(FieldRow& row);
    void MarkBoxes();
    // The kind whose page shows the current movement.
    int16_t PageKind() const;
    void ShowCurrentMovement();
    // Before the flow is computed: a movement of the empty-slot code becomes
    // the kind its page shows.
    void TakeShownKind();
    void OnAddButton(int16_t kind);
    void OnFlowKeyReleased(const QKeyEvent& event);
    void OnEnterReleased(const QKeyEvent& event, const NumberBox* box);
    void OnRecompute();
    void OnStep(int delta);
    void OnDelete();
    // The "Carichi" group under the page: the movement's load, efficiency,
    // loss and typed required pressure (the cycle table's duty columns, as
    // drafts the same way), the emergency mark and the pressure it needs.
    void BuildDutyBoxes();
    void ShowDuty();
    void MarkDutyBoxes();
    void OnDutyEdited(int column);
    void OnEmergencyToggled(bool marked);
    DraftKey DutyKeyOf(int column) const;
    // Tells the other windows over the list what this one did to it.
    void Announce(const MovementEdit& edit);
    // Tells the project the current movement was typed into.
    void AnnounceTyping();

    Project& project_;
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
    QGroupBox* duties_ = nullptr;
    // Load, efficiency, loss, typed required pressure, as the table's columns.
    std::array<NumberBox*, 4> dutyBoxes_{};
    QLabel* loadUnit_ = nullptr;
    QCheckBox* emergency_ = nullptr;
    QLabel* required_ = nullptr;
    // The duty before the box was last edited: what stays under a draft.
    MovementDuty keptDuty_{};
    // The duty's column being typed into; -1 when none.
    int dutyEditing_ = -1;
};

}  // namespace volvenza
