#pragma once
// The initial-data window: seven boxes for the accumulator, pump, pressures
// and cycle time. While it exists its boxes are the copy of the initial data
// the user edits; the values are taken over when it closes and at the start
// of each run.

#include <array>

#include <QWidget>

#include "engine/CircuitState.h"

namespace volvenza {

class Dialogs;
class NumberBox;

class DatiIniziali : public QWidget {
    Q_OBJECT

  public:
    // The window needs no dialogs; it takes them like every child window.
    DatiIniziali(CircuitState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Converts the boxes into `data`; a box that does not hold a number
    // leaves its field as it was. Always true: the window exists.
    bool ReadBoxes(CircuitData& data) const;
    // Shows the values in the boxes, with the decimal comma.
    void WriteBoxes(const CircuitData& data);
    // Gives the box of that name the focus with its text selected, so that
    // typing replaces it.
    void FocusBox(const QString& boxName);

    // The design size: the controls sit at fixed places, there is no layout.
    QSize sizeHint() const override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CircuitState& state_;
    std::array<NumberBox*, 7> boxes_{};
};

}  // namespace volvenza
