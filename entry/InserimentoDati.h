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
    // at the first box that does not hold a number. False when it stopped.
    bool StoreFields();
    // Appends a movement of `kind` and shows it.
    void AddMovement(int16_t kind);

    // The design size: the controls sit at fixed places, there is no layout.
    QSize sizeHint() const override;

  private:
    struct FieldRow {
        QLabel* name = nullptr;
        NumberBox* box = nullptr;
        QLabel* unit = nullptr;
    };

    void BuildWindow();
    FieldRow MakeRow(const char* nameLabel, const char* boxName, const char* unitLabel, int top,
                     int nameLeft, int nameWidth, int boxLeft, int unitLeft, bool keepPeriod);
    void ShowRow(FieldRow& row, const QString& name, const QString& unit, const QString& value);
    void OnAddButton(int16_t kind);
    void OnSizeKeyReleased();
    void OnFlowKeyReleased(const QKeyEvent& event);
    void OnEnterReleased(const QKeyEvent& event, const NumberBox* box);
    void OnRecompute();
    void OnStep(int delta);
    void OnDelete();

    CircuitState& state_;
    Dialogs& dialogs_;

    // Ti, Tf, then the three size rows.
    std::array<FieldRow, 5> rows_{};
    FieldRow flow_{};
    QLabel* title_ = nullptr;
    QLabel* picture_ = nullptr;
    QLineEdit* position_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    std::array<QPixmap, 6> pictures_{};
};

}  // namespace volvenza
